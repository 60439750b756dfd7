// The registry export text that stands in for the registry: what a hand, regedit or Wine may have written,
// what the store writes back, and how a damaged file is reported.
#include <gtest/gtest.h>

#include <string>

#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "registry_error.h"
#include "scratch_registry.h"

namespace pairfinder {
namespace {

using testing::Dword;
using testing::Raw;
using testing::Sz;
using testing::Utf16Raw;

const std::string Header = "Windows Registry Editor Version 5.00\n";

RegFileDocument Parse(const std::string& text) {
    return ParseRegFile(text, "/home/eva/.config/test.reg");
}

const RegistryValue* Value(const RegFileDocument& document, const std::string& key, const std::string& name) {
    const RegFileKey* found = document.FindKey(key);
    return found ? found->FindValue(name) : nullptr;
}

// --- Reading what others wrote ---

TEST(RegFileReading, HandEditsThatRegeditImportsAreReadAsItReadsThem) {
    const auto document = Parse("  " + Header +
                                "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n"
                                "\"a\"=dword:0000001f ; best\n"
                                "\"b\"=\"x;y\" ; note\n"
                                "\"c\"=dword: 1f\n"
                                "\"d\"=hex:01,02 ; c\n"
                                "\"e\" = \"spaced\"\n"
                                "\"f\"=hex:03,\\ ; more below\n"
                                "  04\n");
    const std::string key = "Software\\Pairfinder";
    EXPECT_EQ(*Value(document, key, "a"), Dword(31));
    EXPECT_EQ(*Value(document, key, "b"), Sz(u"x;y"));
    EXPECT_EQ(*Value(document, key, "c"), Dword(31));
    EXPECT_EQ(*Value(document, key, "d"), Raw(RegBinary, {1, 2}));
    EXPECT_EQ(*Value(document, key, "e"), Sz(u"spaced"));
    EXPECT_EQ(*Value(document, key, "f"), Raw(RegBinary, {3, 4}));
}

// --- Whatever is read can be written back ---

TEST(RegFileReading, AValueTooLargeToWriteBackIsRefusedWhereItStands) {
    const std::string name(MaxRegValueBytes / 2, 'x');  // with its terminator, one UTF-16 character too many
    try {
        Parse(Header + "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"sErster\"=\"" + name + "\"\n");
        FAIL() << "a name of " << name.size() << " characters was read";
    } catch (const RegistryFileError& error) {
        EXPECT_EQ(error.Line(), 3) << error.what();
    }
    const std::string fits(MaxRegValueBytes / 2 - 1, 'x');
    const auto document =
        Parse(Header + "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"sErster\"=\"" + fits + "\"\n");
    EXPECT_EQ(Value(document, "Software\\Pairfinder", "sErster")->Data.size(), MaxRegValueBytes);
}

TEST(RegFileReading, AFileThatWouldOutgrowTheLimitWhenWrittenBackIsRefused) {
    // A line break turns a text into hex when written: about six characters for each one read.
    std::string text = Header + "[HKEY_CURRENT_USER\\Software\\Big]\n";
    const std::string line = "\\n" + std::string(MaxRegValueBytes / 4, 'a');
    int values = 0;
    while (text.size() < MaxRegFileBytes / 4) {
        text += "\"v" + std::to_string(values++) + "\"=\"" + line + "\"\n";
    }
    try {
        Parse(text);
        FAIL() << "a file that formats to more than the limit was read";
    } catch (const RegistryFileError& error) {
        EXPECT_NE(std::string(error.what()).find("written back"), std::string::npos) << error.what();
    }
}

TEST(RegFileReading, TheStoresOwnTextGivesNamesAndCounts) {
    const auto document = Parse(Header +
                                "\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\n"
                                "\"sErster\"=\"Anna \\\"die Schnelle\\\" \\\\ B.\"\n"
                                "\"iErster\"=dword:0000001f\n");
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "sErster"), Sz(u"Anna \"die Schnelle\" \\ B."));
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "iErster"), Dword(31));
}

TEST(RegFileReading, CommentsBlankLinesAndSpacesAroundTheEqualsSignAreAllowed) {
    const auto document = Parse(Header +
                                "; exported by hand\n\n  [HKEY_CURRENT_USER\\Software\\Pairfinder]  \n"
                                "\t\"iErster\" = dword:2a\n");
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "iErster"), Dword(42));
}

TEST(RegFileReading, EveryTypeKeepsItsNumberAndBytes) {
    const auto document = Parse(Header +
                                "[HKEY_CURRENT_USER\\Software\\Other]\n"
                                "@=\"standard\"\n"
                                "\"bin\"=hex:00,ff,\\\n  10\n"
                                "\"exp\"=hex(2):25,00,00,00\n"
                                "\"multi\"=hex(7):41,00,00,00,00,00\n"
                                "\"q\"=hex(b):01,00,00,00,00,00,00,00\n"
                                "\"none\"=hex(0):\n"
                                "\"own\"=hex(ffff0001):07\n");
    EXPECT_EQ(*Value(document, "Software\\Other", ""), Sz(u"standard"));
    EXPECT_EQ(*Value(document, "Software\\Other", "bin"), Raw(RegBinary, {0x00, 0xFF, 0x10}));
    EXPECT_EQ(*Value(document, "Software\\Other", "exp"), Sz(u"%", RegExpandSz));
    EXPECT_EQ(*Value(document, "Software\\Other", "multi"), Raw(RegMultiSz, {0x41, 0, 0, 0, 0, 0}));
    EXPECT_EQ(*Value(document, "Software\\Other", "q"), Raw(RegQword, {1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(*Value(document, "Software\\Other", "none"), Raw(RegNone, {}));
    EXPECT_EQ(*Value(document, "Software\\Other", "own"), Raw(0xFFFF0001u, {7}));
}

TEST(RegFileReading, AWindowsExportInUtf16WithByteOrderMarkAndCrLf) {
    const std::u16string text =
        u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n"
        u"\"sErster\"=\"Zo\u00eb \U0001F0A1\"\r\n\"sZweiter\"=hex(2):41,00,00,00\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    const auto document = Parse(bytes);
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "sErster"), Sz(u"Zo\u00eb \U0001F0A1"));
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "sZweiter"), Sz(u"A", RegExpandSz));
}

TEST(RegFileReading, ARegedit4FileHoldsCodePage1252Text) {
    const auto document = Parse(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n\"sErster\"=\"J\xFCrgen \x80\"\r\n"
        "\"sZweiter\"=hex(2):e4,00\r\n\"bin\"=hex:e4\r\n");
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "sErster"), Sz(u"J\u00fcrgen \u20ac"));
    // Strings in hex form are single bytes there, and become the registry's UTF-16.
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "sZweiter"), Sz(u"\u00e4", RegExpandSz));
    EXPECT_EQ(*Value(document, "Software\\Pairfinder", "bin"), Raw(RegBinary, {0xE4}));
}

TEST(RegFileReading, AUtf8ByteOrderMarkIsSkipped) {
    const auto document = Parse("\xEF\xBB\xBF" + Header + "[HKEY_CURRENT_USER\\A]\n\"x\"=\"\xC3\xBC\"\n");
    EXPECT_EQ(*Value(document, "A", "x"), Sz(u"\u00fc"));
}

TEST(RegFileReading, KeysAndValuesMatchWhateverTheirCaseAndRepeatedOnesMerge) {
    const auto document = Parse(Header +
                                "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"iErster\"=dword:00000001\n"
                                "[hkey_current_user\\SOFTWARE\\pairfinder]\n\"IERSTER\"=dword:00000002\n"
                                "\"sErster\"=\"x\"\n");
    ASSERT_EQ(document.Keys.size(), 1u);
    EXPECT_EQ(document.Keys[0].Values.size(), 2u);
    EXPECT_EQ(*Value(document, "software\\PAIRFINDER", "iErster"), Dword(2));
}

TEST(RegFileReading, AKeyExistsWhenOnlyASubkeyHasASection) {
    const auto document = Parse(Header + "[HKEY_CURRENT_USER\\Software\\Pairfinder\\Extra]\n");
    EXPECT_TRUE(document.HasKey("Software\\Pairfinder"));
    EXPECT_TRUE(document.HasKey("Software"));
    EXPECT_FALSE(document.HasKey("Software\\Pair"));
    EXPECT_FALSE(document.HasKey("Software\\Pairfinder\\Extra\\More"));
}

TEST(RegFileReading, WineStyleEscapesForLineBreaks) {
    const auto document = Parse(Header + "[HKEY_CURRENT_USER\\A]\n\"x\"=\"eins\\nzwei\\r\"\n");
    EXPECT_EQ(*Value(document, "A", "x"), Sz(u"eins\nzwei\r"));
}

// --- Writing it back ---

TEST(RegFileWriting, TheHighscoreKeyReadsLikeARegeditExport) {
    RegFileDocument document;
    auto& key = document.FindOrAddKey("Software\\Pairfinder");
    key.SetValue("sErster", Sz(u"Anna"));
    key.SetValue("iErster", Dword(0xFFFFFFFF));
    EXPECT_EQ(FormatRegFile(document), Header +
                                           "\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\n"
                                           "\"sErster\"=\"Anna\"\n"
                                           "\"iErster\"=dword:ffffffff\n");
}

TEST(RegFileWriting, ValuesThatTextCannotShowGoOutAsHexAndComeBackTheSame) {
    RegFileDocument document;
    auto& key = document.FindOrAddKey("");
    key.SetValue("embedded zero", Utf16Raw(RegSz, std::u16string_view(u"a\0b\0", 4)));
    key.SetValue("no terminator", Utf16Raw(RegSz, u"ab"));
    key.SetValue("odd size", Raw(RegSz, {0x41, 0x00, 0x00}));
    key.SetValue("line break", Sz(u"a\nb"));
    key.SetValue("lone surrogate", Sz(u"\xD800"));
    key.SetValue("short dword", Raw(RegDword, {1, 2}));
    key.SetValue("quote \" and \\ in a name\n", Sz(u"ok"));
    const std::string text = FormatRegFile(document);
    EXPECT_NE(text.find("\"embedded zero\"=hex(1):61,00,00,00,62,00,00,00\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"short dword\"=hex(4):01,02\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"quote \\\" and \\\\ in a name\\n\"=\"ok\"\n"), std::string::npos) << text;
    EXPECT_EQ(Parse(text), document);
}

TEST(RegFileWriting, LongValuesWrapAtEightyColumnsAndReadBackWhole) {
    RegFileDocument document;
    std::vector<std::uint8_t> bytes(300);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    document.FindOrAddKey("Software\\Other").SetValue("blob", Raw(RegBinary, bytes));
    const std::string text = FormatRegFile(document);
    std::size_t start = 0;
    int lines = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1, ++lines) {
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
    }
    EXPECT_GT(lines, 12);
    EXPECT_EQ(Parse(text), document);
}

TEST(RegFileWriting, KeysKeepTheOrderTheyWereFoundInAndNewKeysComeLast) {
    auto document = Parse(Header + "[HKEY_CURRENT_USER\\B]\n[HKEY_CURRENT_USER\\A]\n");
    document.FindOrAddKey("Software\\Pairfinder");
    const std::string text = FormatRegFile(document);
    EXPECT_LT(text.find("\\B]"), text.find("\\A]"));
    EXPECT_LT(text.find("\\A]"), text.find("\\Pairfinder]"));
}

// --- Damage: the file and the line are named ---

struct Damage {
    const char* What;
    std::string Text;
    int Line;
    const char* Reason;
};

class RegFileDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(RegFileDamage, IsReportedWithFileAndLine) {
    const Damage& damage = GetParam();
    try {
        Parse(damage.Text);
        FAIL() << damage.What << " was read without complaint";
    } catch (const RegistryFileError& error) {
        const std::string message = error.what();
        EXPECT_EQ(error.Line(), damage.Line) << message;
        EXPECT_NE(message.find("'/home/eva/.config/test.reg'"), std::string::npos) << message;
        EXPECT_NE(message.find("line " + std::to_string(damage.Line) + ":"), std::string::npos) << message;
        EXPECT_NE(message.find(damage.Reason), std::string::npos) << message;
    }
}

const std::string Key = "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n";

INSTANTIATE_TEST_SUITE_P(
    EveryKind, RegFileDamage,
    ::testing::Values(
        Damage{"garbage",
               std::string("\x7f"
                           "ELF\x02\x01\x01\0\0\0",
                           10),
               1, "first line"},
        Damage{"an empty file", "", 1, "first line"},
        Damage{"a wrong header", "Windows Registry Editor Version 6.00\n" + Key, 1, "first line"},
        Damage{"a value before any key", Header + "\n\"iErster\"=dword:00000001\n", 3, "before the first"},
        Damage{"a bad escape", Header + Key + "\"sErster\"=\"Anna\"\n\"sZweiter\"=\"B\\q\"\n", 4,
               "escape \\q"},
        Damage{"a file cut off inside a text", Header + Key + "\"sErster\"=\"An", 3, "no closing quote"},
        Damage{"a file cut off inside a hex list", Header + Key + "\"b\"=hex:00,01,\\\n  02,\\", 4,
               "ends inside"},
        Damage{"a hex list cut off after a comma", Header + Key + "\"b\"=hex:00,01,\\\n\n", 4,
               "ends in a comma"},
        Damage{"a hex byte of one digit", Header + Key + "\"b\"=hex:00,1,02\n", 3, "two digits"},
        Damage{"a dword too long", Header + Key + "\"i\"=dword:123456789\n", 3, "1 to 8 hex digits"},
        Damage{"a dword not hex", Header + Key + "\"i\"=dword:-1\n", 3, "1 to 8 hex digits"},
        Damage{"text after a string", Header + Key + "\"s\"=\"a\" \"b\"\n", 3, "after the closing quote"},
        Damage{"an unknown kind of value", Header + Key + "\"s\"=qword:1\n", 3, "unknown kind"},
        Damage{"a kind in capitals", Header + Key + "\"s\"=\"1\"\n\"i\"=DWORD:1\n", 4, "unknown kind"},
        Damage{"a key from another root", Header + "[HKEY_LOCAL_MACHINE\\Software]\n", 2,
               "HKEY_CURRENT_USER"},
        Damage{"a key with an empty part", Header + "[HKEY_CURRENT_USER\\Software\\\\X]\n", 2, "empty part"},
        Damage{"a key line without its bracket", Header + "[HKEY_CURRENT_USER\\Software\n", 2, "must end"},
        Damage{"a deleted key", Header + "[-HKEY_CURRENT_USER\\Software]\n", 2, "deleting a key"},
        Damage{"a deleted value", Header + Key + "\"sErster\"=-\n", 3, "deleting a value"},
        Damage{"Latin-1 text in a UTF-8 file", Header + Key + "\"s\"=\"J\xFCrgen\"\n", 3, "not UTF-8"},
        Damage{"a UTF-16 file cut in a character", std::string("\xFF\xFEW\0i\0n\0\n\0x", 11), 2,
               "middle of a UTF-16"},
        Damage{"big-endian UTF-16", "\xFE\xFF\0W", 1, "big-endian"},
        // Regedit refuses the whole file for this, so taking it would make a file that Windows cannot import.
        Damage{"blanks after the header", "Windows Registry Editor Version 5.00  \n" + Key, 1, "first line"},
        Damage{"an absurd file size", Header + ";" + std::string(MaxRegFileBytes, 'x') + "\n", 2,
               "larger than"},
        Damage{"an absurd value size",
               Header + Key + "\"b\"=hex:" +
                   [] {
                       std::string bytes = "00";
                       for (std::size_t i = 0; i < MaxRegValueBytes; ++i) bytes += ",00";
                       return bytes;
                   }() +
                   "\n",
               3, "value is larger than"}),
    [](const ::testing::TestParamInfo<Damage>& param) {
        std::string name;
        for (const char* c = param.param.What; *c != '\0'; ++c) {
            if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9')) name += *c;
        }
        return name;
    });

}  // namespace
}  // namespace pairfinder

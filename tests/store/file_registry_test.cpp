// The registry file where there is no registry: where it lives, what it looks like, and that neither a
// damaged file, a full disk nor a second game at the same time can make it lose a table.
#include "file_registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "highscore_store.h"
#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "registry_access.h"
#include "registry_error.h"
#include "scratch_registry.h"

namespace pairfinder {
namespace {

namespace fs = std::filesystem;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::RegistryErrorOf;
using testing::Table;
using testing::TempFolder;
using testing::WriteBytes;

const std::string Header = "Windows Registry Editor Version 5.00\n";

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : Name(name) {
        if (const char* old = std::getenv(name)) Old = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (Old) {
            ::setenv(Name, Old->c_str(), 1);
        } else {
            ::unsetenv(Name);
        }
    }

private:
    const char* Name;
    std::optional<std::string> Old;
};

class FileRegistry : public ::testing::Test {
protected:
    fs::path Folder() const { return Temp.Path() / "pairfinder"; }
    fs::path File() const { return Folder() / "registry.reg"; }

    TempFolder Temp;
    FileRegistryBackend Backend{File()};
};

// --- Where the file lives ---

TEST(FileRegistryPlace, IsUnderXdgConfigHomeWhenItIsSet) {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/srv/eva/config");
    EXPECT_EQ(DefaultRegistryFilePath(), fs::path("/srv/eva/config/pairfinder/registry.reg"));
}

TEST(FileRegistryPlace, IsUnderDotConfigInTheHomeFolderOtherwise) {
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", "/home/eva");
    EXPECT_EQ(DefaultRegistryFilePath(), fs::path("/home/eva/.config/pairfinder/registry.reg"));
}

TEST(FileRegistryPlace, IgnoresAnEmptyOrRelativeXdgConfigHome) {
    ScopedEnv home("HOME", "/home/eva");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "");
        EXPECT_EQ(DefaultRegistryFilePath(), fs::path("/home/eva/.config/pairfinder/registry.reg"));
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", "config");
    EXPECT_EQ(DefaultRegistryFilePath(), fs::path("/home/eva/.config/pairfinder/registry.reg"));
}

TEST(FileRegistryPlace, IsLookedUpAgainAtEveryLoadAndSave) {
    TempFolder first;
    TempFolder second;
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", first.Path().c_str());
        StoreHighscores(Table({"Anna", " ", " "}, {31, -1, -1}));
    }
    HighscoreTable table;
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", second.Path().c_str());
        LoadHighscores(table);
        EXPECT_EQ(table, HighscoreTable{});
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", first.Path().c_str());
    LoadHighscores(table);
    EXPECT_EQ(table.HighscoreName[0], "Anna");
    EXPECT_TRUE(fs::exists(first.Path() / "pairfinder" / "registry.reg"));
}

// --- What the file looks like ---

// The file's text, from UTF-16LE after its byte order mark, as regedit writes an export.
std::u16string Utf16TextOf(const std::string& bytes) {
    EXPECT_TRUE(bytes.starts_with("\xFF\xFE")) << "no UTF-16LE byte order mark";
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return text;
}

TEST_F(FileRegistry, TheFirstSaveWritesSixValuesAsRegeditWritesAnExport) {
    StoreHighscores(Table({"J\xC3\xBCrgen", " ", " "}, {41, -1, -1}), Backend);
    EXPECT_EQ(Utf16TextOf(ReadBytes(File())),
              u"Windows Registry Editor Version 5.00\r\n"
              u"\r\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n"
              u"\"sErster\"=\"J\u00fcrgen\"\r\n"
              u"\"sZweiter\"=\" \"\r\n"
              u"\"sDritter\"=\" \"\r\n"
              u"\"iErster\"=dword:00000029\r\n"
              u"\"iZweiter\"=dword:ffffffff\r\n"
              u"\"iDritter\"=dword:ffffffff\r\n");
    EXPECT_EQ(FolderEntries(Folder()), (std::vector<std::string>{"registry.reg"}));
}

TEST_F(FileRegistry, AFileOfAnEarlierVersionInUtf8IsReadAndRewrittenAsUtf16) {
    WriteBytes(File(),
               Header +
                   "\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"sErster\"=\"J\xC3\xBCrgen\"\n"
                   "\"iErster\"=dword:00000029\n\"iZweiter\"=dword:ffffffff\n\"iDritter\"=dword:ffffffff\n");
    HighscoreTable table;
    LoadHighscores(table, Backend);
    EXPECT_EQ(table.HighscoreName[0], "J\xC3\xBCrgen");
    StoreHighscores(table, Backend);
    EXPECT_NE(Utf16TextOf(ReadBytes(File())).find(u"\"sErster\"=\"J\u00fcrgen\"\r\n"), std::u16string::npos);
}

TEST_F(FileRegistry, KeysAndValuesAddedByHandSurviveASaveWithTheirTypes) {
    const std::string handWritten = Header +
                                    "\n[HKEY_CURRENT_USER\\Software\\Other\\Deep]\n"
                                    "@=\"standard\"\n"
                                    "\"multi\"=hex(7):41,00,00,00,42,00,00,00,00,00\n"
                                    "\"q\"=hex(b):01,00,00,00,00,00,00,00\n"
                                    "\"exp\"=hex(2):25,00,55,00,25,00,00,00\n"
                                    "\"own\"=hex(ffff):07\n"
                                    "\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\n"
                                    "\"Notiz\"=hex:de,ad,be,ef\n";
    WriteBytes(File(), handWritten);
    const RegFileDocument before = ParseRegFile(handWritten, "before");
    StoreHighscores(Table({"Eva", " ", " "}, {20, -1, -1}), Backend);
    const RegFileDocument after = ParseRegFile(ReadBytes(File()), "after");
    EXPECT_EQ(*after.FindKey("Software\\Other\\Deep"), *before.FindKey("Software\\Other\\Deep"));
    const RegFileKey* highscores = after.FindKey("Software\\Pairfinder");
    ASSERT_NE(highscores, nullptr);
    EXPECT_EQ(*highscores->FindValue("Notiz"), (RegistryValue{RegBinary, {0xDE, 0xAD, 0xBE, 0xEF}}));
    EXPECT_EQ(highscores->Values.size(), 7u);
}

TEST_F(FileRegistry, AWindowsExportDroppedInIsReadAndTheNextSaveKeepsEverythingInIt) {
    const std::u16string exported =
        u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n"
        u"\"sErster\"=\"Zo\u00eb\"\r\n\"sZweiter\"=\"Bernd\"\r\n\"sDritter\"=\"Carla\"\r\n"
        u"\"iErster\"=dword:00000007\r\n\"iZweiter\"=dword:00000008\r\n\"iDritter\"=dword:00000009\r\n"
        u"\"Farbe\"=\"blau\"\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : exported) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    WriteBytes(File(), bytes);

    HighscoreTable table;
    LoadHighscores(table, Backend);
    EXPECT_EQ(table, Table({"Zo\u00eb", "Bernd", "Carla"}, {7, 8, 9}));
    table.InsertHighscore("Eva", 5);
    StoreHighscores(table, Backend);
    const std::u16string rewritten = Utf16TextOf(ReadBytes(File()));
    EXPECT_TRUE(rewritten.starts_with(u"Windows Registry Editor Version 5.00\r\n"));
    EXPECT_NE(rewritten.find(u"\"Farbe\"=\"blau\"\r\n"), std::u16string::npos);
    EXPECT_NE(rewritten.find(u"\"sZweiter\"=\"Zo\u00eb\"\r\n"), std::u16string::npos);
}

TEST_F(FileRegistry, ARewriteKeepsTheFilesPermissions) {
    StoreHighscores(HighscoreTable{}, Backend);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    StoreHighscores(Table({"Eva", " ", " "}, {20, -1, -1}), Backend);
    EXPECT_EQ(fs::status(File()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// --- Nothing is lost when writing is not possible ---

TEST_F(FileRegistry, AnUnwritableFolderFailsTheSaveAtTheFirstNameAndWritesNothing) {
    fs::create_directories(Folder());
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(RegistryErrorOf([&] {
                  StoreHighscores(Table({"Eva", " ", " "}, {20, -1, -1}), Backend);
              }),
              "Failed to set data for 'sErster'");
    EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(FileRegistry, AWriteThatRunsOutOfSpaceLeavesThePreviousFileAndNoTempFile) {
    StoreHighscores(Table({"Anna", "Bernd", "Carla"}, {31, 40, 52}), Backend);
    const std::string before = ReadBytes(File());

    // A file size limit of half the file's size lets the temp file's write stop half-way, as a full disk
    // would.
    struct rlimit oldLimit {};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    const auto oldSignal = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = oldLimit;
    tight.rlim_cur = before.size() / 2;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string error = RegistryErrorOf([&] {
        StoreHighscores(Table({"Eva", "Anna", "Bernd"}, {20, 31, 40}), Backend);
    });
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    ::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(error, "Failed to set data for 'sErster'");
    EXPECT_EQ(ReadBytes(File()), before);
    EXPECT_EQ(FolderEntries(Folder()), (std::vector<std::string>{"registry.reg"}));
}

TEST_F(FileRegistry, AValueTooLargeToReadBackIsRefusedAndTheFileKept) {
    StoreHighscores(Table({"Anna", " ", " "}, {31, -1, -1}), Backend);
    const std::string before = ReadBytes(File());
    RegistryAccess registry(Backend);
    ASSERT_TRUE(registry.OpenKey(HighscoreKey));
    EXPECT_EQ(
        RegistryErrorOf([&] { registry.WriteString("sErster", std::string(MaxRegValueBytes / 2, 'x')); }),
        "Failed to set data for 'sErster'");
    EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(FileRegistry, AWriteThatWouldMakeTheFileTooLargeToReadBackIsRefused) {
    const RegistryValue large{RegBinary, std::vector<std::uint8_t>(MaxRegValueBytes, 0xAB)};
    // Each byte takes three characters of text, of two bytes each, so one such value fits and two do not.
    auto key = Backend.CreateOrOpenKey("Software\\Other");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->SetValue("one", large));
    EXPECT_TRUE(key->Commit());
    EXPECT_TRUE(key->SetValue("two", large));
    EXPECT_FALSE(key->Commit());
    const RegFileDocument document = ParseRegFile(ReadBytes(File()), File().string());
    EXPECT_EQ(document.FindKey("Software\\Other")->Values.size(), 1u);
}

// --- A damaged file is reported and left alone ---

struct DamagedFile {
    const char* What;
    std::string Bytes;
    int Line;
};

class FileRegistryDamage : public ::testing::TestWithParam<DamagedFile> {
protected:
    fs::path File() const { return Temp.Path() / "pairfinder" / "registry.reg"; }

    TempFolder Temp;
    FileRegistryBackend Backend{File()};
};

TEST_P(FileRegistryDamage, NamesFileAndLineOnLoadAndSaveAndIsNeverOverwritten) {
    WriteBytes(File(), GetParam().Bytes);
    const std::string expected = "The registry file '" + File().string() + "' is damaged at line " +
                                 std::to_string(GetParam().Line) + ": ";

    HighscoreTable table;
    EXPECT_TRUE(RegistryErrorOf([&] { LoadHighscores(table, Backend); }).starts_with(expected));
    EXPECT_EQ(table, HighscoreTable{});
    EXPECT_TRUE(RegistryErrorOf([&] {
                    StoreHighscores(Table({"Eva", " ", " "}, {20, -1, -1}), Backend);
                }).starts_with(expected));

    EXPECT_EQ(ReadBytes(File()), GetParam().Bytes);
    EXPECT_EQ(FolderEntries(File().parent_path()), (std::vector<std::string>{"registry.reg"}));
}

const std::string HighscoreSection = "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n";

INSTANTIATE_TEST_SUITE_P(
    EveryKind, FileRegistryDamage,
    ::testing::Values(
        DamagedFile{"Garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 1},
        DamagedFile{"CutOff", Header + HighscoreSection + "\"sErster\"=\"Anna\"\n\"sZweiter\"=\"Be", 4},
        DamagedFile{"WrongHeader", "Windows Registry Editor Version 4.00\n" + HighscoreSection, 1},
        DamagedFile{"BadEscape", Header + HighscoreSection + "\"sErster\"=\"\\t\"\n", 3},
        DamagedFile{"AbsurdSize", Header + HighscoreSection + ";" + std::string(MaxRegFileBytes, ';'), 3}),
    [](const ::testing::TestParamInfo<DamagedFile>& param) { return std::string(param.param.What); });

// --- Two games saving at the same time ---

HighscoreTable TableOfWriter(char writer, int round) {
    const std::string name = std::string(1, writer) + std::to_string(round);
    return Table({name, name, name}, {round, round + 1, round + 2});
}

// True for the table of one save of one writer: no value of another save mixed in.
bool IsOneSavesTable(const HighscoreTable& table) {
    const std::string& name = table.HighscoreName[0];
    if (name.size() < 2 || (name[0] != 'A' && name[0] != 'B')) return false;
    const int round = std::stoi(name.substr(1));
    return table == TableOfWriter(name[0], round);
}

TEST(FileRegistryTwoGames, SavingAtOnceLeavesAParsableFileWithOneWritersCompleteLastTable) {
    TempFolder config;
    ScopedEnv xdg("XDG_CONFIG_HOME", config.Path().c_str());
    constexpr int Rounds = 200;
    int startSignal[2];
    ASSERT_EQ(::pipe(startSignal), 0);

    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            ::alarm(120);  // a hang must end the test, not the test run
            ::close(startSignal[1]);
            char ignored;
            (void)!::read(startSignal[0], &ignored, 1);
            try {
                for (int round = 0; round < Rounds; ++round) StoreHighscores(TableOfWriter("AB"[w], round));
            } catch (const std::exception&) {
                ::_exit(2);
            }
            ::_exit(0);
        }
    }
    ::close(startSignal[0]);
    ::close(startSignal[1]);  // both writers start now

    // A third game starting meanwhile must only ever see whole saves.
    int running = 2;
    int loads = 0;
    std::vector<std::string> badLoads;
    while (running > 0) {
        HighscoreTable table;
        const std::string error = RegistryErrorOf([&] { LoadHighscores(table); });
        ++loads;
        if (error != "no error" || !(table == HighscoreTable{} || IsOneSavesTable(table))) {
            badLoads.push_back(error + " / " + table.HighscoreName[0] + " " + table.HighscoreName[2] + " " +
                               std::to_string(table.HighscoreTries[2]));
        }
        for (pid_t& writer : writers) {
            int status = 0;
            if (writer > 0 && ::waitpid(writer, &status, WNOHANG) == writer) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                    << "writer ended with status " << status;
                writer = 0;
                --running;
            }
        }
    }
    EXPECT_TRUE(badLoads.empty()) << badLoads.size() << " of " << loads
                                  << " loads, first: " << badLoads.front();

    HighscoreTable table;
    LoadHighscores(table);
    EXPECT_TRUE(table == TableOfWriter('A', Rounds - 1) || table == TableOfWriter('B', Rounds - 1))
        << table.HighscoreName[0] << " " << table.HighscoreName[1] << " " << table.HighscoreName[2] << " "
        << table.HighscoreTries[0] << " " << table.HighscoreTries[1] << " " << table.HighscoreTries[2];
    EXPECT_EQ(FolderEntries(config.Path() / "pairfinder"), (std::vector<std::string>{"registry.reg"}));
}

}  // namespace
}  // namespace pairfinder

// Names travel as UTF-8 in the game and as UTF-16 in the registry; nothing a player types may be lost.
#include "text_encoding.h"

#include <gtest/gtest.h>

namespace pairfinder {
namespace {

TEST(TextEncoding, NamesWithUmlautsAndAstralCharactersSurviveTheTripThroughUtf16) {
    const std::string name = "J\xC3\xBCrgen \xE2\x82\xAC \xF0\x9F\x82\xA1";  // Jürgen € 🂡
    const std::u16string wide = Utf8ToUtf16(name);
    EXPECT_EQ(wide, u"J\u00fcrgen \u20ac \U0001F0A1");
    EXPECT_EQ(wide.size(), 11u);  // the card takes two UTF-16 units
    EXPECT_EQ(Utf16ToUtf8(wide), name);
}

TEST(TextEncoding, MalformedUtf8BecomesReplacementCharactersInsteadOfFailing) {
    EXPECT_EQ(Utf8ToUtf16("a\xFC"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");  // overlong "/"
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"
                          "x"),
              u"\uFFFDx");                          // an encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD");  // cut off
}

TEST(TextEncoding, ALoneSurrogateFromTheRegistryBecomesAReplacementCharacter) {
    EXPECT_EQ(Utf16ToUtf8(u"a\xD800"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xDC00')), "\xEF\xBF\xBD");
    EXPECT_FALSE(IsWellFormedUtf16(u"\xD800"));
    EXPECT_TRUE(IsWellFormedUtf16(u"\U0001F0A1"));
}

TEST(TextEncoding, CodePage1252HasTheEuroSignWhereLatin1HasAControlCharacter) {
    EXPECT_EQ(Cp1252ToUtf8("\x80 \xFC \x9F"), "\xE2\x82\xAC \xC3\xBC \xC5\xB8");  // € ü Ÿ
}

TEST(TextEncoding, RegistryStringBytesAreLittleEndian) {
    EXPECT_EQ(Utf16ToBytes(u"A\u20ac"), (std::vector<std::uint8_t>{0x41, 0x00, 0xAC, 0x20}));
    EXPECT_EQ(BytesToUtf16({0x41, 0x00, 0xAC, 0x20, 0x7F}), u"A\u20ac");  // an odd last byte is no character
}

}  // namespace
}  // namespace pairfinder

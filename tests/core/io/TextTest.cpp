#include "core/io/Text.h"

#include <gtest/gtest.h>

namespace sonara::text {
namespace {

TEST(Text, CompareFoldsOnlyAsciiLetters) {
    EXPECT_EQ(compareNoCase("Song.MP3", "song.mp3"), 0);
    EXPECT_EQ(compareNoCase("a", "B"), -1);
    EXPECT_EQ(compareNoCase("b", "A"), 1);
    EXPECT_EQ(compareNoCase("ab", "abc"), -1);
    // Non-ASCII bytes are compared as they are: É and é differ.
    EXPECT_NE(compareNoCase("\xC3\x89", "\xC3\xA9"), 0);
    // Letters fold to lower case, so '_' (0x5F) sorts before every letter.
    EXPECT_EQ(compareNoCase("_", "A"), -1);
}

TEST(Text, LegacyBytesBecomeUtf8) {
    EXPECT_EQ(fromLegacy("plain"), "plain");
    EXPECT_EQ(fromLegacy("Caf\xC3\xA9"), "Caf\xC3\xA9");  // already UTF-8
    EXPECT_EQ(fromLegacy("Caf\xE9"), "Caf\xC3\xA9");      // Windows-1252 é
    EXPECT_EQ(fromLegacy("\x80uro"),
              "\xE2\x82\xAC"
              "uro");                           // Windows-1252 €
    EXPECT_EQ(fromLegacy("\xC3"), "\xC3\x83");  // cut sequence
    EXPECT_EQ(fromLegacy("\xED\xA0\x80"),
              "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // a surrogate is not UTF-8
}

TEST(Text, Latin1RoundTripAndReplacement) {
    EXPECT_EQ(utf8ToLatin1("Caf\xC3\xA9"), "Caf\xE9");
    EXPECT_EQ(latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(utf8ToLatin1("\xE2\x82\xAC"
                           "5"),
              "?5");
    EXPECT_EQ(utf8ToLatin1("\xF0\x9F\x8E\xB5!"), "?!");
}

TEST(Text, Utf16Conversion) {
    EXPECT_EQ(utf16ToUtf8(u"A\u00e9"), "A\xC3\xA9");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "?");
}

TEST(Text, Trimming) {
    EXPECT_EQ(trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(trimLeft("  x "), "x ");
    EXPECT_EQ(trimRight(" x  "), " x");
    EXPECT_EQ(trim("   "), "");
}

}  // namespace
}  // namespace sonara::text

#include "core/settings/IniFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace sonara {
namespace {

using sonara::testing::readText;
using sonara::testing::TempDir;
using sonara::testing::writeText;
using namespace std::string_literals;

IniFile fromText(std::string_view text) {
    IniFile file;
    EXPECT_TRUE(file.loadFromText(text).ok());
    return file;
}

TEST(IniFileTest, LookupIgnoresCaseAndFirstSectionOrKeyWins) {
    const IniFile file = fromText(
        "[Preferences]\nLastView=3\nlastview=5\n[PREFERENCES]\nHidden=1\n[other]\nKey=x\n");
    EXPECT_EQ(file.get("preferences", "LASTVIEW"), "3");
    EXPECT_EQ(file.get("Other", "kEY"), "x");
    // As with the profile functions, a repeated section is never searched.
    EXPECT_EQ(file.get("Preferences", "Hidden"), std::nullopt);
    EXPECT_EQ(file.keys("Preferences"), (std::vector<std::string>{"LastView"}));
    EXPECT_EQ(file.sections(), (std::vector<std::string>{"Preferences", "other"}));
}

TEST(IniFileTest, SetUpdatesTheExistingSpellingInPlace) {
    IniFile file = fromText("[Preferences]\nLastView=3\nOther=1\n");
    ASSERT_TRUE(file.set("PREFERENCES", "lastview", "4").ok());
    EXPECT_EQ(file.toText(), "[Preferences]\nLastView=4\nOther=1\n");
}

TEST(IniFileTest, ValuesAreKeptVerbatim) {
    const IniFile file = fromText(
        "[S]\n"
        "Colour=(255,0,0)\n"
        "Path=C:\\Music\\New\\\n"
        "Mixed = a;b # c, d \t\n"
        "Quoted=\"x\"\n"
        "Equals=y=z\n"
        "Empty=\n"
        "#0=first search\n");
    EXPECT_EQ(file.get("S", "Colour"), "(255,0,0)");
    EXPECT_EQ(file.get("S", "Path"), "C:\\Music\\New\\");
    EXPECT_EQ(file.get("S", "Mixed"), "a;b # c, d");
    EXPECT_EQ(file.get("S", "Quoted"), "\"x\"");
    EXPECT_EQ(file.get("S", "Equals"), "y=z");
    EXPECT_EQ(file.get("S", "Empty"), "");
    EXPECT_EQ(file.get("S", "#0"), "first search");
    EXPECT_EQ(file.get("S", "Missing"), std::nullopt);
}

TEST(IniFileTest, UnchangedLinesAndCommentsSurviveASave) {
    const std::string original =
        "; written by hand\r\n"
        "\r\n"
        "[Preferences]\r\n"
        "  CurrentSkin = Dark   ; not a comment\r\n"
        "; keep me\r\n"
        "SearchBy=2\r\n"
        "\r\n"
        "[SearchHistory]\r\n"
        "#0=beatles\r\n"
        "# a note without equals sign\r\n"
        "[Foreign]\r\n"
        "Thing=1\r\n"
        "; the very last line\r\n";
    IniFile file = fromText(original);
    EXPECT_EQ(file.toText(), original);

    ASSERT_TRUE(file.set("Preferences", "SearchBy", "3").ok());
    ASSERT_TRUE(file.set("Preferences", "New", "n").ok());
    ASSERT_TRUE(file.set("Added", "K", "v").ok());
    EXPECT_EQ(file.toText(),
              "; written by hand\r\n"
              "\r\n"
              "[Preferences]\r\n"
              "  CurrentSkin = Dark   ; not a comment\r\n"
              "; keep me\r\n"
              "SearchBy=3\r\n"
              "New=n\r\n"
              "\r\n"
              "[SearchHistory]\r\n"
              "#0=beatles\r\n"
              "# a note without equals sign\r\n"
              "[Foreign]\r\n"
              "Thing=1\r\n"
              "; the very last line\r\n"
              "\r\n"
              "[Added]\r\n"
              "K=v\r\n");
}

TEST(IniFileTest, RemoveDropsOnlyTheKeyLine) {
    IniFile file = fromText("[S]\n; about a\na=1\nb=2\n");
    EXPECT_TRUE(file.remove("s", "A"));
    EXPECT_FALSE(file.remove("S", "a"));
    EXPECT_EQ(file.toText(), "[S]\n; about a\nb=2\n");
}

TEST(IniFileTest, GetIntReadsLikeGetPrivateProfileInt) {
    const IniFile file = fromText(
        "[S]\nempty=\nplain=42\nsuffix=12abc\nword=abc\nneg=-5\nplus=+7\n"
        "big=99999999999\nsmall=-99999999999\nhex=0x10\n");
    EXPECT_EQ(file.getInt("S", "absent", 9), 9);
    EXPECT_EQ(file.getInt("S", "empty", 9), 9);
    EXPECT_EQ(file.getInt("S", "plain", 9), 42);
    EXPECT_EQ(file.getInt("S", "suffix", 9), 12);
    EXPECT_EQ(file.getInt("S", "word", 9), 0);
    EXPECT_EQ(file.getInt("S", "neg", 9), -5);
    EXPECT_EQ(file.getInt("S", "plus", 9), 7);
    EXPECT_EQ(file.getInt("S", "big", 9), INT_MAX);
    EXPECT_EQ(file.getInt("S", "small", 9), INT_MIN);
    EXPECT_EQ(file.getInt("S", "hex", 9), 0);
}

TEST(IniFileTest, GetTextCutsToWholeCharacters) {
    const std::string longAscii(600, 'a');
    std::string longUtf8;
    for (int i = 0; i < 600; ++i) {
        longUtf8 += "\xC3\xA9";  // é
    }
    const IniFile file = fromText("[S]\nA=" + longAscii + "\nU=" + longUtf8 + "\n");
    EXPECT_EQ(file.getText("S", "A", ""), std::string(511, 'a'));
    EXPECT_EQ(file.getText("S", "U", "").size(), 511u * 2);
    EXPECT_EQ(file.getText("S", "none", longAscii), std::string(511, 'a'));
    EXPECT_EQ(file.getText("S", "U", "", 3), "\xC3\xA9\xC3\xA9\xC3\xA9");
}

TEST(IniFileTest, LegacyBytesReadAsUtf8) {
    const IniFile file = fromText("[S]\nArtist=Bj\xF6rk\n");
    EXPECT_EQ(file.get("S", "Artist"), "Bj\xC3\xB6rk");
}

TEST(IniFileTest, NamesThatWouldNotReadBackAreRefused) {
    IniFile file;
    EXPECT_FALSE(file.set("", "k", "v").ok());
    EXPECT_FALSE(file.set("a]b", "k", "v").ok());
    EXPECT_FALSE(file.set("S", "", "v").ok());
    EXPECT_FALSE(file.set("S", "a=b", "v").ok());
    EXPECT_FALSE(file.set("S", ";k", "v").ok());
    EXPECT_FALSE(file.set("S", "[k", "v").ok());
    EXPECT_FALSE(file.set("S", " k", "v").ok());
    EXPECT_FALSE(file.set("S", "k\nx", "v").ok());
    EXPECT_TRUE(file.set("S", "#3", "v").ok());
    EXPECT_EQ(file.toText(), "[S]\n#3=v\n");
}

TEST(IniFileTest, AValueCannotAddLines) {
    IniFile file;
    ASSERT_TRUE(file.set("S", "k", "one\r\n[Evil]\nkey=two").ok());
    const IniFile reread = fromText(file.toText());
    EXPECT_EQ(reread.sections(), (std::vector<std::string>{"S"}));
    EXPECT_EQ(reread.get("S", "k"), "one  [Evil] key=two");
}

TEST(IniFileTest, DamagedInputIsReadAroundAndKeptByteForByte) {
    const std::string text =
        "\x01\x02garbage\xFF\xFE\n"
        "stray=before any section\n"
        "[Preferences\n"
        "[Preferences]\n"
        "=no key\n"
        "just words\n"
        "Last\0View=3\n"
        "LastView=4\n"
        "[]\n"
        "nameless=1\n"
        "[Preferences]\n"
        "LastView=5\n"
        "[Tail] trailing words\n"
        "k="s +
        std::string(100000, 'x') + "\n";
    IniFile file = fromText(text);
    EXPECT_EQ(file.getInt("Preferences", "LastView", -1), 4);
    EXPECT_EQ(file.get("Preferences", "stray"), std::nullopt);
    EXPECT_EQ(file.get("Tail", "k").value_or("").size(), 100000u);
    EXPECT_EQ(file.toText(), text);

    ASSERT_TRUE(file.set("Preferences", "LastView", "6").ok());
    std::string expected = text;
    expected.replace(expected.find("LastView=4"), 10, "LastView=6");
    EXPECT_EQ(file.toText(), expected);
}

TEST(IniFileTest, ByteOrderMarksAreReadAndNotWritten) {
    IniFile utf8 = fromText("\xEF\xBB\xBF[S]\nk=v\n");
    EXPECT_EQ(utf8.get("S", "k"), "v");
    EXPECT_EQ(utf8.toText(), "[S]\nk=v\n");

    const std::string utf16("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22);
    IniFile wide = fromText(utf16);
    EXPECT_EQ(wide.get("S", "k"), "\xC3\xA9");
    EXPECT_EQ(wide.toText(), "[S]\r\nk=\xC3\xA9\r\n");
}

TEST(IniFileTest, LoadAndSaveFiles) {
    TempDir dir;
    IniFile file;
    EXPECT_TRUE(file.load(dir.file("missing.ini")).ok());
    EXPECT_TRUE(file.keys("S").empty());
    EXPECT_FALSE(file.load(dir.path().string()).ok());  // a folder

    writeText(dir.path() / "a.ini", "[S]\nk=v\n");
    ASSERT_TRUE(file.load(dir.file("a.ini")).ok());
    ASSERT_TRUE(file.setInt("S", "n", -12).ok());
    ASSERT_TRUE(file.save(dir.file("a.ini")).ok());
    EXPECT_EQ(readText(dir.path() / "a.ini"), "[S]\nk=v\nn=-12\n");
    EXPECT_FALSE(file.save(dir.file("no/such/folder/a.ini")).ok());
}

}  // namespace
}  // namespace sonara

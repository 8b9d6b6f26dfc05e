#include "core/skin/FontInfo.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/skin/SkinFiles.h"
#include "support/AsNobody.h"
#include "support/TempDir.h"

namespace sonara::skin {
namespace {

namespace fs = std::filesystem;
using testing::readText;
using testing::TempDir;
using testing::writeText;

IniFile fromText(std::string_view text) {
    IniFile file;
    EXPECT_TRUE(file.loadFromText(text).ok());
    return file;
}

TEST(FontInfoTest, BuiltInTextReadsBackAsTheBuiltInValuesAndIsComplete) {
    const std::string text = builtInFontInfoText();
    IniFile file = fromText(text);
    EXPECT_EQ(readAndCompleteFontInfo(file), FontInfo::builtIn());
    EXPECT_EQ(file.toText(), text);
    EXPECT_EQ(file.get("Button", "RGB Text Color Focus"), "(144,144,0)");
    EXPECT_EQ(file.get("GraphicSliders", "TransColor"), "(64,123,54)");
}

TEST(FontInfoTest, AnEmptyFileGetsTheTableDefaultsWrittenIn) {
    IniFile file;
    EXPECT_EQ(readAndCompleteFontInfo(file), FontInfo());
    EXPECT_EQ(file.sections().front(), "BackgroundSettings");
    EXPECT_EQ(file.sections().back(), "ShortLevels");
    EXPECT_EQ(file.get("StaticText", "Font Style"), "Arial");
    EXPECT_EQ(file.get("StaticText", "RGB Enabled Color"), "(0,0,255)");
    EXPECT_EQ(file.get("PopupMenus", "Font Style"), "MS Sans Serif");
    EXPECT_EQ(file.get("ShortLevels", "Gain"), "1");
}

TEST(FontInfoTest, MissingMediumButtonAndMenuKeysFollowWhatWasJustRead) {
    IniFile file = fromText(
        "[StaticText]\nRGB Enabled Color=(1,1,1)\nRGB Disabled Color=(2,2,2)\n"
        "[Button]\nFont Style=Verdana\nFont Size=9\nFont Bold=0\n"
        "RGB Text Color Up=(10,20,30)\nRGB Text Color MouseOver=(40,50,60)\n"
        "[Medium Button]\nFont Size=17\n");
    const FontInfo info = readAndCompleteFontInfo(file);
    EXPECT_EQ(info.mediumFont, (FontSpec{"Verdana", 17, false}));
    EXPECT_EQ(info.mediumText, info.buttonText);
    EXPECT_EQ(info.mediumText.forColumn(kUp), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ(info.mediumText.forColumn(kMouseOver), Colour::fromRgb(40, 50, 60));
    EXPECT_EQ(info.mediumText.forColumn(kDisabled), Colour::fromRgb(192, 192, 192));
    EXPECT_EQ(info.menuEnabled, Colour::fromRgb(1, 1, 1));
    EXPECT_EQ(info.menuDisabled, Colour::fromRgb(2, 2, 2));
    // The section now carries the inherited values.
    EXPECT_EQ(file.get("Medium Button", "Font Style"), "Verdana");
    EXPECT_EQ(file.get("Medium Button", "RGB Text Color Up"), "(10,20,30)");
    EXPECT_EQ(file.get("PopupMenus", "RGB Enabled Color"), "(1,1,1)");
}

TEST(FontInfoTest, DamagedLinesAndBadColoursFallBackToDefaults) {
    IniFile file = fromText(
        "garbage without equals\n\x01\x02\xff\n[StaticText\n"
        "[Button]\nRGB Text Color Up=(300,-5,7)\nRGB Text Color Down=(1,2)\n"
        "RGB Transparent Color=red\nRGB Text Color Focus=\nFont Size=12px\n"
        "[HyperLinks]\nRGB HyperLink Color=(1,2,3)\n");
    const FontInfo info = readAndCompleteFontInfo(file);
    EXPECT_EQ(info.buttonText.up, Colour::fromRgb(255, 0, 7));  // parts are clamped
    EXPECT_EQ(info.buttonText.down, Colour::fromRgb(255, 255, 255));
    EXPECT_EQ(info.buttonText.focus, Colour::fromRgb(255, 255, 255));
    EXPECT_EQ(info.transparent, Colour::fromRgb(0, 0, 0));
    EXPECT_EQ(info.buttonFont.size, 12);
    EXPECT_EQ(info.hyperLink, Colour::fromRgb(1, 2, 3));
    EXPECT_EQ(file.get("Button", "RGB Text Color Down"), "(255,255,255)");
    EXPECT_NE(file.toText().find("garbage without equals"), std::string::npos);
}

TEST(FontInfoFileTest, CompletesTheFileFoundIgnoringCase) {
    TempDir dir;
    writeText(dir.path() / "FONTINFO.INI", "[Button]\nFont Size=9\n");
    const FontInfo info = readAndCompleteFontInfoFile(dir.path().string() + "/");
    EXPECT_EQ(info.mediumFont.size, 9);
    EXPECT_FALSE(fs::exists(dir.path() / "FontInfo.ini"));
    EXPECT_NE(readText(dir.path() / "FONTINFO.INI").find("[Medium Button]"), std::string::npos);
}

TEST(FontInfoFileTest, AMissingFileIsCreated) {
    TempDir dir;
    EXPECT_EQ(readAndCompleteFontInfoFile(dir.path().string()), FontInfo());
    const std::string path = dir.file(std::string(fileInfo(kFontInfo).name));
    IniFile written;
    ASSERT_TRUE(written.load(path).ok());
    EXPECT_EQ(written.get("ComboBoxColors", "RGB ComboBox Background"), "(255,255,255)");
}

TEST(FontInfoFileTest, AReadOnlyFolderStillGivesTheValues) {
    TempDir dir;
    const fs::path skin = dir.path() / "skin";
    fs::create_directory(skin);
    const std::string text = "[Button]\nFont Size=9\n";
    writeText(skin / "FontInfo.ini", text);
    fs::permissions(skin, fs::perms(0555));
    {
        testing::AsNobody nobody(dir.path(), {});
        EXPECT_EQ(readAndCompleteFontInfoFile(skin.string()).mediumFont.size, 9);
    }
    fs::permissions(skin, fs::perms(0755));
    EXPECT_EQ(readText(skin / "FontInfo.ini"), text);
}

TEST(FontInfoFileTest, AnUnreadableFileGivesDefaultsAndIsLeftAlone) {
    TempDir dir;
    const std::string text = "[Button]\nFont Size=9\n";
    writeText(dir.path() / "FontInfo.ini", text);
    // The folder stays writable for whoever runs the check, so only the
    // guard keeps the file from being replaced.
    [[maybe_unused]] const int owned = ::chown(dir.path().c_str(), 65534, 65534);
    {
        testing::AsNobody nobody(dir.path(), {dir.path() / "FontInfo.ini"});
        EXPECT_EQ(readAndCompleteFontInfoFile(dir.path().string()), FontInfo());
    }
    EXPECT_EQ(readText(dir.path() / "FontInfo.ini"), text);
}

}  // namespace
}  // namespace sonara::skin

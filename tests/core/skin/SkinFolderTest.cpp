#include "core/skin/SkinFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings/PreferenceStore.h"
#include "core/skin/BuiltInSkin.h"
#include "core/skin/SkinFiles.h"
#include "support/AsNobody.h"
#include "support/TempDir.h"

namespace sonara::skin {
namespace {

namespace fs = std::filesystem;
using testing::readText;
using testing::TempDir;
using testing::writeText;

// Every file the table marks as built in, holding its own name.
class FakeBuiltInSkin final : public BuiltInSkin {
  public:
    std::string_view file(int index) const override {
        return fileInfo(index).hasBuiltIn ? fileInfo(index).name : std::string_view();
    }
};

std::string name(int index) {
    return std::string(fileInfo(index).name);
}

bool exists(const fs::path& folder, int index) {
    return findFile(folder.string(), fileInfo(index).name).has_value();
}

TEST(SkinFolderTest, FindsFilesIgnoringCaseButNotFolders) {
    TempDir dir;
    writeText(dir.path() / "TILE.BMP", "x");
    fs::create_directory(dir.path() / "vol.bmp");
    EXPECT_EQ(findFile(dir.path().string(), "tile.bmp"), dir.file("TILE.BMP"));
    EXPECT_EQ(findFile(dir.path().string() + "/", "Tile.bmp"), dir.file("TILE.BMP"));
    EXPECT_FALSE(findFile(dir.path().string(), "vol.bmp"));
    EXPECT_FALSE(findFile(dir.file("missing"), "tile.bmp"));
    EXPECT_EQ(filePath(dir.path().string(), kTile), dir.file("TILE.BMP"));
    EXPECT_EQ(filePath(dir.path().string(), kLogo), dir.file("Logo.bmp"));
}

TEST(SkinFolderTest, ListsOnlyFoldersHoldingATile) {
    TempDir dir;
    for (const char* skin : {"zebra", "Apple", "mango", "NoTile"}) {
        fs::create_directory(dir.path() / skin);
    }
    writeText(dir.path() / "zebra" / "tile.bmp", "x");
    writeText(dir.path() / "Apple" / "TILE.BMP", "x");
    writeText(dir.path() / "mango" / "Tile.bmp", "x");
    writeText(dir.path() / "NoTile" / "Logo.bmp", "x");
    writeText(dir.path() / "tile.bmp", "a file, not a skin");
    EXPECT_EQ(listSkins(dir.path().string()),
              (std::vector<std::string>{"Apple", "mango", "zebra"}));
    EXPECT_TRUE(listSkins(dir.file("missing")).empty());
    EXPECT_TRUE(listSkins(dir.file("tile.bmp")).empty());
}

TEST(SkinFolderTest, RepairRestoresRequiredFilesOnly) {
    TempDir dir;
    const FakeBuiltInSkin builtIn;
    const std::string folder = dir.path().string() + "/";
    for (int i = 0; i < kFileCount; ++i) {
        extractBuiltInFile(builtIn, i, folder);
    }
    fs::remove(dir.path() / name(kVol));
    writeText(dir.path() / name(kLogo), "");  // empty, but present: the loader judges it
    ASSERT_TRUE(repairSkinFolder(folder, builtIn));
    EXPECT_EQ(readText(dir.path() / name(kVol)), name(kVol));
    EXPECT_EQ(readText(dir.path() / name(kLogo)), "");
    EXPECT_FALSE(exists(dir.path(), kDialogBackground));
    EXPECT_FALSE(exists(dir.path(), kMenuBackground));
}

TEST(SkinFolderTest, RepairFailsWhenACopyCannotBeWritten) {
    TempDir dir;
    const FakeBuiltInSkin builtIn;
    EXPECT_FALSE(repairSkinFolder(dir.file("missing"), builtIn));
    writeText(dir.path() / "plain", "x");
    EXPECT_FALSE(repairSkinFolder(dir.file("plain"), builtIn));

    const fs::path skin = dir.path() / "readonly";
    fs::create_directory(skin);
    fs::permissions(skin, fs::perms(0555));
    {
        testing::AsNobody nobody(dir.path(), {});
        EXPECT_FALSE(repairSkinFolder(skin.string(), builtIn));
    }
    fs::permissions(skin, fs::perms(0755));
    EXPECT_TRUE(fs::is_empty(skin));
}

class SkinResetTest : public ::testing::Test {
  protected:
    TempDir dir;
    FakeBuiltInSkin builtIn;
    PreferenceStore prefs{dir.file("Sonara.ini"), dir.file("program")};
    fs::path defaultFolder() const { return dir.path() / "program" / "Skins" / "Default"; }
};

TEST_F(SkinResetTest, ResetWritesTheBuiltInSkinAndSavesThePreferences) {
    prefs.setSkinsFolder(dir.file("elsewhere") + "/");
    prefs.setSkinName("Gone");
    const std::string folder = resetToDefaultSkin(prefs, builtIn);
    EXPECT_EQ(fs::path(folder), defaultFolder() / "");
    for (int i = 0; i < kFileCount; ++i) {
        EXPECT_EQ(exists(defaultFolder(), i), fileInfo(i).hasBuiltIn) << name(i);
    }
    EXPECT_TRUE(exists(defaultFolder(), kLogoSmall));
    IniFile saved;
    ASSERT_TRUE(saved.load(prefs.iniPath()).ok());
    EXPECT_EQ(saved.get("Preferences", "CurrentSkin"), "Default");
    EXPECT_EQ(saved.get("Preferences", "SkinsFolder"), "");
}

TEST_F(SkinResetTest, ResetKeepsFilesAlreadyThere) {
    fs::create_directories(defaultFolder());
    writeText(defaultFolder() / "tile.bmp", "mine");
    resetToDefaultSkin(prefs, builtIn);
    EXPECT_EQ(readText(defaultFolder() / "tile.bmp"), "mine");
    EXPECT_FALSE(fs::exists(defaultFolder() / "Tile.bmp"));
}

TEST_F(SkinResetTest, CheckResetsMissingOrForeignFoldersAndRepairsTheRest) {
    prefs.setSkinName("Blue");
    EXPECT_EQ(checkAndRepairCurrentSkin(prefs, builtIn), SkinCheck::Reset);
    EXPECT_EQ(prefs.values().currentSkin, "Default");
    EXPECT_EQ(checkAndRepairCurrentSkin(prefs, builtIn), SkinCheck::Fine);

    fs::remove(defaultFolder() / name(kVol));
    EXPECT_EQ(checkAndRepairCurrentSkin(prefs, builtIn), SkinCheck::Repaired);
    EXPECT_TRUE(exists(defaultFolder(), kVol));

    // A folder of unrelated files is no skin.
    const fs::path other = dir.path() / "program" / "Skins" / "Other";
    fs::create_directories(other);
    writeText(other / "notes.txt", "x");
    prefs.setSkinName("Other");
    EXPECT_EQ(checkAndRepairCurrentSkin(prefs, builtIn), SkinCheck::Reset);
    EXPECT_EQ(prefs.values().currentSkin, "Default");
}

}  // namespace
}  // namespace sonara::skin

#include "core/settings/PreferenceStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/settings/SearchHistory.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using sonara::testing::readText;
using sonara::testing::TempDir;
using sonara::testing::writeText;

class PreferenceStoreTest : public ::testing::Test {
  protected:
    std::string ini() const { return dir_.file("Sonara.ini"); }
    PreferenceStore store() const { return PreferenceStore(ini(), "/opt/sonara/", "/home/ann"); }
    IniFile saved() const {
        IniFile file;
        EXPECT_TRUE(file.load(ini()).ok());
        return file;
    }

    TempDir dir_;
};

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

const std::vector<std::string> kSaveOrder = {"CurrentSkin",
                                             "SkinsFolder",
                                             "LastView",
                                             "PlayerTimeFormat",
                                             "LastPrefPageOn",
                                             "PlayerAction",
                                             "RemovePlayedSong",
                                             "Associate MP3",
                                             "Bar",
                                             "Player",
                                             "Playlist",
                                             "Normal",
                                             "TouchScreen",
                                             "UseLibraryWizard",
                                             "ShowTips",
                                             "DlgEffects",
                                             "ScrollToolBarTitle",
                                             "SearchBy",
                                             "UseTagInfoDBAdd",
                                             "PromptForCollectionName",
                                             "ShowAvailSongsOnly",
                                             "CheckAvailStartup",
                                             "CheckRemovableMediaOnly",
                                             "CheckAvailAfterRemovableMediaSelection",
                                             "Random Add",
                                             "RandomGenre",
                                             "ScrollTitle",
                                             "FirstLetterCaps",
                                             "ReplaceBrackets",
                                             "ReplaceParens",
                                             "ReplaceUnderscore",
                                             "UseAsDefaultPlayer",
                                             "AddToLibrary",
                                             "AddToPlayList",
                                             "SNEnqueueAction",
                                             "LastUsedFolder",
                                             "DupFilesFolder",
                                             "CopyDelFilesToFolder",
                                             "CopyDelFiles",
                                             "StripChars",
                                             "DeleteFile",
                                             "NumColumns",
                                             "ExportFN",
                                             "Deliminator",
                                             "ExportContents",
                                             "ExportWhat",
                                             "LP3DecoderPath",
                                             "WavFilesFolder",
                                             "StreamVolumeMMTools",
                                             "BalanceMMTools",
                                             "ShowArtist",
                                             "ShowAlbum",
                                             "ShowTitle",
                                             "ShowLength",
                                             "PLPercentage",
                                             "PlayerBufferSizeK",
                                             "VisualTallLevels",
                                             "VisualShortLevels",
                                             "VisualLargeSpectrum",
                                             "VisualSmallSpectrum",
                                             "VisPriority",
                                             "VisualLargeSpectrumKind",
                                             "VisualSmallSpectrumKind",
                                             "UseID3v2Tags",
                                             "ExePath"};

TEST_F(PreferenceStoreTest, FreshSystemStartsWithTheDefaults) {
    PreferenceStore prefs = store();
    EXPECT_TRUE(prefs.loadAll().ok());
    const Preferences& v = prefs.values();
    EXPECT_EQ(v.currentSkin, "Default");
    EXPECT_EQ(v.skinsFolder, "/opt/sonara/Skins/");
    EXPECT_EQ(v.lastUsedFolder, "/home/ann/");
    EXPECT_EQ(v.dupFilesFolder, "/home/ann/");
    EXPECT_EQ(v.copyDelFilesToFolder, "/opt/sonara/Deleted MP3s");
    EXPECT_EQ(v.lp3DecoderPath, "(none specified)");
    EXPECT_EQ(v.wavFilesFolder, "(none specified)");
    EXPECT_EQ(v.exportFileName, "");
    EXPECT_EQ(v.searchBy, 1);
    EXPECT_EQ(v.streamVolumeMMTools, 16384);
    EXPECT_EQ(v.balanceMMTools, 32767);
    EXPECT_EQ(v.plPercentage, 100);
    EXPECT_EQ(v.playerBufferSizeK, 320);
    EXPECT_EQ(v.visualLargeSpectrumKind, 3);
    EXPECT_EQ(v.visPriority, 6);
    EXPECT_EQ(v.useId3v2Tags, 1);
    EXPECT_EQ(v.waveoutDeviceId, -1);
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(PreferenceStoreTest, FirstSaveWritesEveryValueInOrder) {
    PreferenceStore prefs = store();
    EXPECT_TRUE(prefs.loadAll());
    ASSERT_TRUE(prefs.saveAll().ok());
    const IniFile file = saved();
    EXPECT_EQ(file.sections(), (std::vector<std::string>{"Preferences"}));
    EXPECT_EQ(file.keys("Preferences"), kSaveOrder);
    EXPECT_EQ(file.get("Preferences", "ExePath"), "/opt/sonara");
    EXPECT_EQ(file.get("Preferences", "SkinsFolder"), "/opt/sonara/Skins/");
    EXPECT_EQ(file.get("Preferences", "BalanceMMTools"), "32767");
    EXPECT_TRUE(startsWith(readText(ini()), "[Preferences]\nCurrentSkin=Default\nSkinsFolder="));
}

TEST_F(PreferenceStoreTest, EveryValueRoundTrips) {
    PreferenceStore first = store();
    int n = 1000;
    for (const auto& [name, text] : first.list()) {
        const bool isText = findPreference(name)->kind == PreferenceKind::Text;
        ASSERT_TRUE(
            first.setByName(name, isText ? "C:\\" + name + " (1,2,3)" : std::to_string(n++)).ok());
    }
    ASSERT_TRUE(first.setByName("LastView", "5").ok());
    ASSERT_TRUE(first.saveAll().ok());
    ASSERT_TRUE(first.writeOutputDevice().ok());

    PreferenceStore second = store();
    ASSERT_TRUE(second.loadAll().ok());
    const auto a = first.list();
    const auto b = second.list();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].text, b[i].text) << a[i].name;
    }
}

TEST_F(PreferenceStoreTest, StoredValuesAreTakenAsTheyAreExceptTouchScreenView) {
    writeText(ini(), "[preferences]\nlastview=7\nPLPercentage=500\nsearchby=-3\nCurrentSkin=" +
                         std::string(600, 's') + "\n");
    PreferenceStore prefs = store();
    ASSERT_TRUE(prefs.loadAll().ok());
    EXPECT_EQ(prefs.values().lastView, 0);
    EXPECT_EQ(prefs.values().plPercentage, 500);
    EXPECT_EQ(prefs.values().searchBy, -3);
    EXPECT_EQ(prefs.values().currentSkin, std::string(511, 's'));

    writeText(ini(), "[Preferences]\nLastView=6\n");
    EXPECT_TRUE(prefs.loadAll());
    EXPECT_EQ(prefs.values().lastView, 6);
}

TEST_F(PreferenceStoreTest, SkinFolders) {
    PreferenceStore prefs = store();
    prefs.setSkinsFolder("");
    EXPECT_EQ(prefs.skinsFolder(), "/opt/sonara/Skins/");
    EXPECT_EQ(prefs.values().skinsFolder, "/opt/sonara/Skins/");
    prefs.setSkinsFolder("/data/skins");
    prefs.setSkinName("Dark");
    EXPECT_EQ(prefs.skinsFolder(), "/data/skins/");
    EXPECT_EQ(prefs.currentSkinFolder(), "/data/skins/Dark/");

    writeText(ini(), "[Preferences]\nSkinsFolder=\n");
    EXPECT_TRUE(prefs.loadAll());
    EXPECT_EQ(prefs.values().skinsFolder, "");  // stored empty, replaced when asked for
    EXPECT_EQ(prefs.currentSkinFolder(), "/opt/sonara/Skins/Default/");
}

TEST_F(PreferenceStoreTest, SaveKeepsWhatOthersWrote) {
    writeText(ini(),
              "; my notes\n[Preferences]\nwindowpos=0,1,(0,0),(1,2,3,4)\nSEARCHBY=3\n"
              "ColumnX=keep\n[SearchHistory]\n#0=abba\n[Foreign]\nA=(255,0,0)\n; end\n");
    PreferenceStore prefs = store();
    EXPECT_TRUE(prefs.loadAll());
    EXPECT_EQ(prefs.values().searchBy, 3);
    prefs.values().searchBy = 4;
    ASSERT_TRUE(prefs.saveAll().ok());
    const std::string text = readText(ini());
    EXPECT_TRUE(startsWith(text,
                           "; my notes\n[Preferences]\nwindowpos=0,1,(0,0),(1,2,3,4)\nSEARCHBY=4\n"
                           "ColumnX=keep\n"));
    EXPECT_NE(text.find("\n[SearchHistory]\n#0=abba\n[Foreign]\nA=(255,0,0)\n; end\n"),
              std::string::npos);
    EXPECT_EQ(saved().keys("Preferences").size(), kSaveOrder.size() + 2);
    EXPECT_EQ(prefs.windowPlacement(placementKey::kNormalView),
              (WindowPlacement{0, 1, 0, 0, 1, 2, 3, 4}));
}

TEST_F(PreferenceStoreTest, UnreadableFileIsNotOverwritten) {
    std::filesystem::create_directory(ini());  // reading a folder fails
    PreferenceStore prefs = store();
    EXPECT_FALSE(prefs.loadAll().ok());
    EXPECT_EQ(prefs.values().plPercentage, 100);
    EXPECT_FALSE(prefs.saveAll().ok());
    EXPECT_TRUE(std::filesystem::is_directory(ini()));
}

TEST_F(PreferenceStoreTest, OutputDeviceHasItsOwnReadAndWrite) {
    PreferenceStore prefs = store();
    EXPECT_EQ(prefs.readOutputDevice(-1), -1);
    prefs.values().waveoutDeviceId = 3;
    ASSERT_TRUE(prefs.saveAll().ok());
    EXPECT_EQ(saved().get("Preferences", "WaveoutDeviceID"), std::nullopt);

    ASSERT_TRUE(prefs.writeOutputDevice().ok());
    prefs.values().waveoutDeviceId = 9;
    ASSERT_TRUE(prefs.saveAll().ok());  // leaves the stored device alone
    EXPECT_EQ(prefs.readOutputDevice(-1), 3);
    EXPECT_EQ(prefs.values().waveoutDeviceId, 3);
    EXPECT_EQ(saved().keys("Preferences").back(), "WaveoutDeviceID");
}

TEST_F(PreferenceStoreTest, ByNameAccess) {
    PreferenceStore prefs = store();
    const auto all = prefs.list();
    ASSERT_EQ(all.size(), kSaveOrder.size());  // less ExePath, plus WaveoutDeviceID
    EXPECT_EQ(all.front().name, "CurrentSkin");
    EXPECT_EQ(all[all.size() - 2].name, "UseID3v2Tags");
    EXPECT_EQ(all.back().name, "WaveoutDeviceID");
    EXPECT_EQ(all.back().text, "-1");

    EXPECT_EQ(prefs.getByName("random add").value(), "1");
    EXPECT_FALSE(prefs.getByName("ExePath").ok());
    EXPECT_FALSE(prefs.getByName("Nope").ok());

    EXPECT_TRUE(prefs.setByName("plpercentage", "-40").ok());
    EXPECT_TRUE(prefs.setByName("PLPercentage", "+40").ok());
    EXPECT_EQ(prefs.values().plPercentage, 40);
    for (const char* bad : {"", "12abc", " 12", "1.5", "0x10", "99999999999", "+-1"}) {
        const Status status = prefs.setByName("PLPercentage", bad);
        EXPECT_FALSE(status.ok()) << bad;
        EXPECT_NE(status.error().find("PLPercentage"), std::string::npos);
    }
    EXPECT_EQ(prefs.values().plPercentage, 40);
    EXPECT_FALSE(prefs.setByName("Unknown", "1").ok());
    EXPECT_FALSE(prefs.setByName("RandomGenre", "Rock\nPop").ok());
    EXPECT_TRUE(prefs.setByName("randomgenre", std::string(600, 'g')).ok());
    EXPECT_EQ(prefs.values().randomGenre.size(), 511u);

    ASSERT_TRUE(prefs.setByNameAndSave("WaveoutDeviceID", "2").ok());
    ASSERT_TRUE(prefs.setByNameAndSave("ShowTips", "0").ok());
    EXPECT_EQ(saved().get("Preferences", "WaveoutDeviceID"), "2");
    EXPECT_EQ(saved().get("Preferences", "ShowTips"), "0");
}

TEST_F(PreferenceStoreTest, WindowPlacements) {
    PreferenceStore prefs = store();
    EXPECT_EQ(prefs.windowPlacement(placementKey::kBarWindow), std::nullopt);
    const WindowPlacement p{0, 1, -1, -1, 100, 50, 900, 650};
    ASSERT_TRUE(prefs.setWindowPlacement(placementKey::kLibraryAndPlaylistView, p).ok());
    EXPECT_EQ(saved().get("Preferences", "Library and Playlist View"),
              "0,1,(-1,-1),(100,50,900,650)");
    EXPECT_EQ(prefs.windowPlacement("library and playlist view"), p);

    writeText(ini(), "[Preferences]\nWindowPos=\nBarWindowPos=0,1,(0,0),(1,2,3)\n");
    EXPECT_EQ(prefs.windowPlacement(placementKey::kNormalView), std::nullopt);
    EXPECT_EQ(prefs.windowPlacement(placementKey::kBarWindow), std::nullopt);
}

TEST_F(PreferenceStoreTest, SearchHistoryKeepsFifteenAndDropsStaleKeys) {
    PreferenceStore prefs = store();
    std::vector<std::string> entries;
    for (int i = 0; i < 20; ++i) {
        entries.push_back("search " + std::to_string(i));
    }
    ASSERT_TRUE(prefs.setSearchHistory(entries).ok());
    const std::vector<std::string> stored = prefs.searchHistory();
    ASSERT_EQ(stored.size(), 15u);
    EXPECT_EQ(stored.front(), "search 0");
    EXPECT_EQ(stored.back(), "search 14");
    EXPECT_EQ(saved().keys("SearchHistory").back(), "#14");

    ASSERT_TRUE(prefs.setSearchHistory({"abba", "  ", "queen"}).ok());
    EXPECT_EQ(saved().keys("SearchHistory"), (std::vector<std::string>{"#0", "#1"}));
    EXPECT_EQ(prefs.searchHistory(), (std::vector<std::string>{"abba", "queen"}));

    IniFile gaps;
    EXPECT_TRUE(gaps.loadFromText("[SearchHistory]\n#0=a\n#2=c\n#20=beyond\nother=kept\n#1=\n"));
    EXPECT_EQ(readHistory(gaps, kSearchHistorySection, kSearchHistoryMax),
              (std::vector<std::string>{"a", "c"}));
    writeHistory(gaps, kSearchHistorySection, {"x"}, kSearchHistoryMax);
    EXPECT_EQ(gaps.keys("SearchHistory"), (std::vector<std::string>{"#0", "other"}));
}

TEST_F(PreferenceStoreTest, ColumnLayoutIsAppliedOnce) {
    PreferenceStore prefs = store();
    ColumnLayout layout;
    layout.columns = {{"Artist", 120, 1}, {std::string(60, 'T'), 200, 0}, {"Length", 0, 2}};
    ASSERT_TRUE(prefs.saveColumnLayout(layout).ok());
    EXPECT_EQ(saved().get("Preferences", "Column1Id"), std::string(50, 'T'));
    EXPECT_EQ(saved().get("Preferences", "Column0OrderIdx"), "1");

    EXPECT_EQ(prefs.loadColumnLayout(4), std::nullopt);
    const std::optional<ColumnLayout> read = prefs.loadColumnLayout(3);
    ASSERT_TRUE(read.has_value());
    layout.columns[1].id = std::string(50, 'T');
    EXPECT_EQ(*read, layout);
    EXPECT_TRUE(read->columns[0].hasWidth());
    EXPECT_FALSE(read->columns[2].hasWidth());
    EXPECT_EQ(saved().get("Preferences", "VisibleColumns"), "0");
    EXPECT_EQ(prefs.loadColumnLayout(3), std::nullopt);

    IniFile partial;
    EXPECT_TRUE(partial.loadFromText("[L]\nVisibleColumns=2\nColumn0Id=Title\n"));
    const auto defaults = readColumnLayout(partial, "L", 2);
    ASSERT_TRUE(defaults.has_value());
    EXPECT_EQ(defaults->columns[0], (ColumnSetting{"Title", 0, 0}));
    EXPECT_EQ(defaults->columns[1], (ColumnSetting{"", 0, 1}));
}

TEST_F(PreferenceStoreTest, NormaliseOptionsFollowTheFiveValues) {
    PreferenceStore prefs = store();
    EXPECT_TRUE(prefs.normaliseOptions().useTagInfo);
    prefs.values().useTagInfoDBAdd = 0;
    prefs.values().replaceBrackets = 0;
    const NormaliseOptions o = prefs.normaliseOptions();
    EXPECT_FALSE(o.useTagInfo);
    EXPECT_FALSE(o.replaceBrackets);
    EXPECT_TRUE(o.replaceParens);
    EXPECT_TRUE(o.replaceUnderscore);
    EXPECT_TRUE(o.firstLetterCaps);
}

TEST_F(PreferenceStoreTest, DamagedFileKeepsWhatCanBeRead) {
    const std::string junk("\xFF\xFE\x00garbage\n[Preferences]\n\x01\x02\x03\nShowTips=0\n\x7F",
                           41);
    writeText(ini(), junk);
    PreferenceStore prefs = store();
    ASSERT_TRUE(prefs.loadAll().ok());
    ASSERT_TRUE(prefs.saveAll().ok());
    PreferenceStore again = store();
    ASSERT_TRUE(again.loadAll().ok());
    EXPECT_EQ(again.values().currentSkin, "Default");

    writeText(ini(), "\x01\x02\n[Preferences]\n\x03\x04 junk\nShowTips=0\n\x7F\n");
    ASSERT_TRUE(prefs.loadAll().ok());
    EXPECT_EQ(prefs.values().showTips, 0);
    ASSERT_TRUE(prefs.saveAll().ok());
    const std::string text = readText(ini());
    EXPECT_TRUE(startsWith(text, "\x01\x02\n[Preferences]\n\x03\x04 junk\nShowTips=0\n"));
    EXPECT_NE(text.find("\n\x7F\n"), std::string::npos);
}

TEST(PreferenceStoreFolders, HomeFolderComesFromTheEnvironmentWhenNotGiven) {
    const char* old = std::getenv("HOME");
    const std::string saved = old != nullptr ? old : "";
    setenv("HOME", "/tmp/somebody", 1);
    EXPECT_EQ(PreferenceStore("x.ini", "/p").values().lastUsedFolder, "/tmp/somebody/");
    unsetenv("HOME");
    EXPECT_EQ(PreferenceStore("x.ini", "/p").values().dupFilesFolder, "/");
    if (old != nullptr) {
        setenv("HOME", saved.c_str(), 1);
    }
}

}  // namespace
}  // namespace sonara

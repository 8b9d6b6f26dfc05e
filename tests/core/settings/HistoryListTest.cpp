#include "core/settings/HistoryList.h"

#include <gtest/gtest.h>

#include "core/settings/PreferenceStore.h"
#include "core/settings/SearchHistory.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

TEST(HistoryList, KeepsTheTenMostRecentDistinctEntriesNewestFirst) {
    HistoryList history;
    for (int i = 0; i < 12; ++i) {
        history.add("search " + std::to_string(i));
    }
    history.add("search 5");  // already there: moves to the top
    ASSERT_EQ(history.size(), 10u);
    EXPECT_EQ(history.entries().front(), "search 5");
    EXPECT_EQ(history.entries()[1], "search 11");
    EXPECT_EQ(history.entries().back(), "search 2");
    EXPECT_EQ(std::count(history.entries().begin(), history.entries().end(), "search 5"), 1);
}

TEST(HistoryList, EqualIgnoringCaseIsOneEntryBlankIsNone) {
    HistoryList history(15);
    history.add("ABBA");
    history.add("queen");
    history.add("abba");
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"abba", "queen"}));
    EXPECT_FALSE(history.add("   "));
    EXPECT_FALSE(history.add(""));
    EXPECT_TRUE(history.add(" beck "));  // kept as typed
    EXPECT_EQ(history.entries().front(), " beck ");
    EXPECT_EQ(history.size(), 3u);
}

TEST(HistoryList, FifteenForTheSearchBoxThroughThePreferenceFile) {
    testing::TempDir dir;
    PreferenceStore prefs(dir.file("Sonara.ini"), dir.path().string());
    HistoryList history(kSearchHistoryMax);
    for (int i = 0; i < 20; ++i) {
        history.add("q" + std::to_string(i));
    }
    ASSERT_TRUE(prefs.setSearchHistory(history.entries(), history.maximum()).ok());

    HistoryList again(kSearchHistoryMax);
    again.load(prefs.searchHistory(kSearchHistoryMax));
    ASSERT_EQ(again.size(), 15u);
    EXPECT_EQ(again.entries().front(), "q19");
    EXPECT_EQ(again.entries().back(), "q5");

    // A hand-edited file with gaps and repeats loads each text once.
    again.load({"a", "", "A", "b"});
    EXPECT_EQ(again.entries(), (std::vector<std::string>{"a", "b"}));
    again.setMaximum(1);
    EXPECT_EQ(again.entries(), (std::vector<std::string>{"a"}));
}

}  // namespace
}  // namespace sonara

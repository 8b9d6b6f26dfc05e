#include <gtest/gtest.h>

#include "SearchFakes.h"
#include "core/library/search/LibrarySearch.h"
#include "core/settings/HistoryList.h"
#include "core/settings/PreferenceStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

TEST(MediumFilterTest, ShowsTheMediumsSongsIgnoringCaseOrAllForNoName) {
    TempDir dir;
    PreferenceStore prefs(dir.file("Sonara.ini"), dir.path().string());
    Library library;
    ScriptedPrompter prompter;
    FakeDialogs dialogs;
    HistoryList history(15);
    LibrarySearch search(library, prefs, prompter, dialogs, history);
    fill(library,
         {{"B", "On disc"}, {"A", "Fixed"}, {"A", "Also on disc", "", "", kMissingOnMedia}});
    library.at(0)->setMediaName("Disc 1");
    library.at(2)->setMediaName("DISC 1");

    EXPECT_EQ(search.mediumFilter("disc 1"), SearchOutcome::Refilled);
    ASSERT_EQ(search.rows().size(), 2u);
    EXPECT_EQ(search.rows().at(0)->title(), "Also on disc");  // sorted as every refill is
    EXPECT_TRUE(search.mediumFilter("Disc 2") == SearchOutcome::Refilled && search.rows().empty());
    search.mediumFilter("");
    EXPECT_EQ(search.rows().size(), 3u);

    prefs.values().showAvailSongsOnly = 1;  // the availability rule holds here too
    search.mediumFilter("Disc 1");
    EXPECT_EQ(search.rows().size(), 1u);
}

}  // namespace
}  // namespace sonara::testing

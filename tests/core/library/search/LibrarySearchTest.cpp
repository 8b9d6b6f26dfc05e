#include "core/library/search/LibrarySearch.h"

#include <gtest/gtest.h>

#include "SearchFakes.h"
#include "core/settings/HistoryList.h"
#include "core/settings/PreferenceStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

const std::string kTooShort = "Please enter at least 2 characters to search for";
const std::string kNothing = "Nothing in the database meets your search criteria";

class LibrarySearchTest : public ::testing::Test {
  protected:
    LibrarySearchTest()
        : prefs(dir.file("Sonara.ini"), dir.path().string()),
          history(15),
          search(library, prefs, prompter, dialogs, history) {}

    // The rows as "artist/title".
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (const LibraryRecord* r : search.rows().records()) {
            out.push_back(std::string(r->artist()) + "/" + std::string(r->title()));
        }
        return out;
    }

    TempDir dir;
    PreferenceStore prefs;
    Library library;
    ScriptedPrompter prompter;
    FakeDialogs dialogs;
    HistoryList history;
    LibrarySearch search;
};

TEST_F(LibrarySearchTest, AllFindsTitleArtistOrAlbumOnceEach) {
    fill(library, {{"Taxi", "Cab Ride", "Ab Album"},
                   {"The Beatles", "Come Together", "Abbey Road"},
                   {"Nobody", "Nothing", ""}});
    EXPECT_EQ(search.textSearch(SearchField::All, "ab"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Taxi/Cab Ride", "The Beatles/Come Together"}));
    EXPECT_TRUE(prompter.messages.empty());

    EXPECT_EQ(search.textSearch(SearchField::Album, "AB"), SearchOutcome::Refilled);
    EXPECT_EQ(search.rows().size(), 2u);
    EXPECT_EQ(search.textSearch(SearchField::Title, "ab"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Taxi/Cab Ride"}));
    EXPECT_EQ(search.textSearch(SearchField::Artist, "beat"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"The Beatles/Come Together"}));
}

TEST_F(LibrarySearchTest, MatchesWhatTheListShowsNotWhatIsStored) {
    fill(library, {{"ac_dc", "[live] t.n.t", ""}, {"Low", "(some) thing", ""}});
    // Underscores show as blanks and brackets vanish.
    EXPECT_EQ(search.textSearch(SearchField::Artist, "c d"), SearchOutcome::Refilled);
    EXPECT_EQ(search.rows().size(), 1u);
    EXPECT_EQ(search.textSearch(SearchField::Title, "e] t"), SearchOutcome::NothingFound);
    EXPECT_EQ(search.textSearch(SearchField::Title, "live t"), SearchOutcome::Refilled);
    EXPECT_EQ(search.textSearch(SearchField::Title, "some thing"), SearchOutcome::Refilled);
    // With the filters off the stored text is what is shown and searched.
    prefs.values().replaceBrackets = 0;
    EXPECT_EQ(search.textSearch(SearchField::Title, "e] t"), SearchOutcome::Refilled);
}

TEST_F(LibrarySearchTest, ShortTextShowsMessageAndKeepsRowsAndHistory) {
    fill(library, {{"Abba", "Waterloo", ""}});
    ASSERT_EQ(search.textSearch(SearchField::All, "waterloo"), SearchOutcome::Refilled);
    EXPECT_EQ(search.textSearch(SearchField::All, "w"), SearchOutcome::TooShort);
    // One character, two bytes: still too short.
    EXPECT_EQ(search.textSearch(SearchField::All, "é"), SearchOutcome::TooShort);
    EXPECT_EQ(search.textSearch(SearchField::All, ""), SearchOutcome::TooShort);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>(3, kTooShort)));
    EXPECT_EQ(search.rows().size(), 1u);
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"waterloo"}));
}

TEST_F(LibrarySearchTest, SearchesGoIntoTheHistoryNewestFirstOnce) {
    fill(library, {{"Abba", "Waterloo", ""}});
    for (const char* text : {"abba", "queen", "ABBA", "zz"}) {
        search.textSearch(SearchField::All, text);
    }
    // A search that finds nothing is recorded too; it was still run.
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"zz", "ABBA", "queen"}));
    EXPECT_EQ(prompter.messages, (std::vector<std::string>(2, kNothing)));
    EXPECT_TRUE(search.rows().empty());
}

TEST_F(LibrarySearchTest, AvailabilityRuleCanLeaveNothingToShow) {
    fill(library, {{"Abba", "Waterloo", "", "", kMissing}, {"Beck", "Loser", "", "", kAvailable}});
    EXPECT_EQ(search.textSearch(SearchField::All, "water"), SearchOutcome::Refilled);
    prefs.values().showAvailSongsOnly = 1;
    EXPECT_EQ(search.textSearch(SearchField::All, "water"), SearchOutcome::NothingFound);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{kNothing}));
    EXPECT_EQ(search.letterFilter(SearchField::All, "*"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Beck/Loser"}));
    library.at(size_t{1})->availability = kAvailabilityUnknown;
    search.letterFilter(SearchField::All, "*");
    EXPECT_TRUE(search.rows().empty());
}

TEST_F(LibrarySearchTest, LetterFilterByFirstCharacterOfTheField) {
    fill(library, {{"Beatles", "Help", "Blue Album"},
                   {"beck", "Loser", ""},
                   {"The Beatles", "Because", ""},
                   {"1000 Maniacs", "[b-side] Trouble", ""},
                   {"", "", ""}});
    EXPECT_EQ(search.letterFilter(SearchField::Artist, "b"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Beatles/Help", "beck/Loser"}));
    // All: artist or title. The bracket is gone from what the list shows.
    search.letterFilter(SearchField::All, "B");
    EXPECT_EQ(search.rows().size(), 4u);
    search.letterFilter(SearchField::Album, "b");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Beatles/Help"}));
    search.letterFilter(SearchField::Artist, "1");
    EXPECT_EQ(shown(), (std::vector<std::string>{"1000 Maniacs/[b-side] Trouble"}));
    search.letterFilter(SearchField::Title, "[");
    EXPECT_TRUE(search.rows().empty());
    search.letterFilter(SearchField::All, "*");
    EXPECT_EQ(search.rows().size(), 5u);
}

TEST_F(LibrarySearchTest, FoldsLettersBeyondAToZ) {
    fill(library, {{"Björk", "Jóga", ""}, {"Кино", "Группа крови", ""}, {"Bjork", "Plain", ""}});
    EXPECT_EQ(search.textSearch(SearchField::Artist, "BJÖRK"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Björk/Jóga"}));
    search.textSearch(SearchField::All, "КИНО");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Кино/Группа крови"}));
    search.textSearch(SearchField::Title, "КРОВИ");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Кино/Группа крови"}));

    EXPECT_EQ(search.letterFilter(SearchField::Artist, "к"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Кино/Группа крови"}));
    search.letterFilter(SearchField::Title, "ј");  // Cyrillic je, not j
    EXPECT_TRUE(search.rows().empty());
    search.letterFilter(SearchField::Title, "Г");
    EXPECT_EQ(search.rows().size(), 1u);

    dialogs.choose = 0;
    EXPECT_EQ(search.chooseValue(SearchField::Artist, "к"), SearchOutcome::Refilled);
    EXPECT_EQ(dialogs.listed, (std::vector<std::string>{"Кино"}));
    EXPECT_EQ(search.showValue(ListerField::Artist, "BJÖRK"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Björk/Jóga"}));
}

// File names stay one song only when they differ in A to Z alone: folding
// the search wider leaves which songs a library holds as it was.
TEST_F(LibrarySearchTest, FileNameIdentityStillFoldsOnlyAToZ) {
    ASSERT_NE(library.insert(makeRecord("Björk - Jóga.mp3")), nullptr);
    EXPECT_NE(library.insert(makeRecord("BJÖRK - JÓGA.mp3")), nullptr);
    EXPECT_EQ(library.insert(makeRecord("BJöRK - JóGA.MP3")), nullptr);
    EXPECT_NE(library.insert(makeRecord("Кино.mp3")), nullptr);
    EXPECT_NE(library.insert(makeRecord("КИНО.mp3")), nullptr);
    EXPECT_EQ(library.insert(makeRecord("Кино.MP3")), nullptr);
    EXPECT_EQ(library.count(), 4u);
}

TEST_F(LibrarySearchTest, LetterFilterIgnoredByWizardTouchScreenOrNoCharacter) {
    fill(library, {{"Beck", "Loser", ""}, {"Abba", "Waterloo", ""}});
    search.letterFilter(SearchField::Artist, "b");
    ASSERT_EQ(search.rows().size(), 1u);
    prefs.values().useLibraryWizard = 1;
    EXPECT_EQ(search.letterFilter(SearchField::All, "*"), SearchOutcome::Ignored);
    prefs.values().useLibraryWizard = 0;
    search.setTouchScreenView(true);
    EXPECT_EQ(search.letterFilter(SearchField::All, "*"), SearchOutcome::Ignored);
    search.setTouchScreenView(false);
    EXPECT_EQ(search.letterFilter(SearchField::All, ""), SearchOutcome::Ignored);
    EXPECT_EQ(search.rows().size(), 1u);
}

TEST_F(LibrarySearchTest, GenresByPickerNamesIgnoringCase) {
    fill(library, {{"A", "One", "", "Rock"},
                   {"B", "Two", "", "rock"},
                   {"C", "Three", "", "Jazz"},
                   {"D", "Four", "", ""}});
    // Cancelled picker: rows unchanged.
    search.letterFilter(SearchField::All, "*");
    EXPECT_EQ(search.textSearch(SearchField::Genre, "ignored"), SearchOutcome::Cancelled);
    EXPECT_EQ(search.rows().size(), 4u);
    EXPECT_EQ(dialogs.pickerLetters, (std::vector<std::string>{"*"}));
    EXPECT_TRUE(dialogs.pickerWasMultiple);

    dialogs.onPicker = [](GenrePicker& picker) {
        picker.selectAll();
        return true;
    };
    EXPECT_EQ(search.letterFilter(SearchField::Genre, "r"), SearchOutcome::Refilled);
    EXPECT_EQ(dialogs.pickerLetters.back(), "r");
    EXPECT_EQ(shown(), (std::vector<std::string>{"A/One", "B/Two"}));
    search.chooseValue(SearchField::Genre, "j");
    EXPECT_EQ(shown(), (std::vector<std::string>{"C/Three"}));

    EXPECT_EQ(search.genreFilter({"JAZZ", "Rock"}), SearchOutcome::Refilled);
    EXPECT_EQ(search.rows().size(), 3u);
    search.genreFilter({""});
    EXPECT_TRUE(search.rows().empty());  // an empty genre is no genre
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LibrarySearchTest, SelectorListsChoosesAndShowsTheValue) {
    fill(library, {{"ABBA", "Waterloo", ""},
                   {"Abba", "SOS", ""},
                   {"Beck", "Loser", ""},
                   {"abc", "Poison Arrow", ""}});
    dialogs.choose = 0;
    EXPECT_EQ(search.chooseValue(SearchField::All, "a"), SearchOutcome::Refilled);
    EXPECT_EQ(dialogs.selectorField, ListerField::Artist);
    ASSERT_EQ(dialogs.listed.size(), 2u);
    EXPECT_TRUE(dialogs.listed[0] == "ABBA" || dialogs.listed[0] == "Abba");
    EXPECT_EQ(dialogs.listed[1], "Abc");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Abba/SOS", "ABBA/Waterloo"}));

    dialogs.choose.reset();
    EXPECT_EQ(search.chooseValue(SearchField::Title, "l"), SearchOutcome::Cancelled);
    EXPECT_EQ(search.rows().size(), 2u);

    EXPECT_EQ(search.chooseValue(SearchField::Album, "*"), SearchOutcome::NoValues);
    EXPECT_EQ(search.chooseValue(SearchField::Artist, "z"), SearchOutcome::NoValues);
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"No Albums starting with that symbol were found.",
                                        "No Artists starting with that symbol were found."}));
    EXPECT_EQ(search.rows().size(), 2u);

    EXPECT_EQ(search.showValue(ListerField::Title, "sos"), SearchOutcome::Refilled);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Abba/SOS"}));
    search.showValue(ListerField::Album, "");
    EXPECT_TRUE(search.rows().empty());
}

TEST_F(LibrarySearchTest, RowsFollowTheRuleNotTheLibraryOrder) {
    fill(library, {{"Zed", "Alpha Song", "B"},
                   {"Abba", "Zulu Song", ""},
                   {"abba", "Mid Song", "A"},
                   {"Abba", "Beta Song", "A"}});
    // "All" and the letters: artist, album with empty albums last, title.
    const std::vector<std::string> byArtist = {"Abba/Beta Song", "abba/Mid Song", "Abba/Zulu Song",
                                               "Zed/Alpha Song"};
    search.textSearch(SearchField::All, "song");
    EXPECT_EQ(shown(), byArtist);
    search.letterFilter(SearchField::All, "*");
    EXPECT_EQ(shown(), byArtist);
    // A field search: title, then artist.
    search.textSearch(SearchField::Title, "song");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Zed/Alpha Song", "Abba/Beta Song",
                                                 "abba/Mid Song", "Abba/Zulu Song"}));
}

TEST_F(LibrarySearchTest, RowsOutliveSortsAndAddsOfTheLibrary) {
    fill(library, {{"Beck", "Loser"}, {"Abba", "SOS"}});
    search.letterFilter(SearchField::All, "*");
    const std::vector<LibraryRecord*> before = search.rows().records();
    // The selectors and lookups reorder the library; adds grow it.
    library.sort(SortOrder::FileName, {});
    for (int i = 0; i < 100; ++i) {
        library.insert(song({"Zed", "Song " + std::to_string(i)}, 100 + i));
    }
    library.sort(SortOrder::Title, {});
    ASSERT_EQ(search.rows().records(), before);
    EXPECT_EQ(search.rows().at(0)->title(), "SOS");
    EXPECT_EQ(search.rows().at(1)->title(), "Loser");
    EXPECT_EQ(search.rows().at(2), nullptr);
}

TEST(SearchField, BoxItemsAndStoredCodes) {
    EXPECT_EQ(searchFieldOfItem(2), SearchField::Album);
    EXPECT_EQ(int(searchFieldOfItem(3)), 2);  // "Title" is stored as 2
    EXPECT_EQ(searchFieldOfItem(9), SearchField::All);
    EXPECT_EQ(itemOfSearchField(SearchField::Genre), 4);
    EXPECT_STREQ(kSearchByItems[itemOfSearchField(SearchField::Title)], "Title");
    EXPECT_EQ(searchFieldFromCode(4), SearchField::Album);
    EXPECT_EQ(searchFieldFromCode(5), std::nullopt);
    EXPECT_EQ(searchFieldFromCode(-1), std::nullopt);
    EXPECT_EQ(listerFieldFor(SearchField::All), ListerField::Artist);
    EXPECT_EQ(listerFieldFor(SearchField::Genre), std::nullopt);
}

}  // namespace
}  // namespace sonara::testing

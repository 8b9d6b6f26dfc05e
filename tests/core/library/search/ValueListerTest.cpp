#include "core/library/search/ValueLister.h"

#include <gtest/gtest.h>

#include "SearchFakes.h"
#include "core/metadata/Normaliser.h"

namespace sonara::testing {
namespace {

std::vector<std::string> texts(const ValueListing& listing) {
    std::vector<std::string> out;
    for (const ListedValue& v : listing.values) {
        out.push_back(v.text);
    }
    return out;
}

TEST(ValueLister, EqualValuesIgnoringCaseAreListedOnceInOrder) {
    Library library;
    fill(library, {{"Beck", "", ""}, {"ABBA", "", ""}, {"", "", ""}, {"Abba", "", ""}});
    const ValueListing all = ValueLister(ListerField::Artist, "*").fill(library, {}, nullptr);
    ASSERT_EQ(all.values.size(), 2u);
    EXPECT_TRUE(all.values[0].text == "ABBA" || all.values[0].text == "Abba");
    EXPECT_EQ(all.values[1].text, "Beck");
    EXPECT_EQ(all.values[1].record, library.at(size_t{0}));
    // The library keeps its own order.
    EXPECT_EQ(library.at(size_t{0})->artist(), "Beck");
    EXPECT_EQ(library.sortOrder(), SortOrder::Unsorted);
}

TEST(ValueLister, ValuesFoldingAlikeBeyondAToZAreListedOnce) {
    Library library;
    fill(library, {{"Björk", "", ""}, {"КИНО", "", ""}, {"BJÖRK", "", ""}, {"Кино", "", ""}});
    EXPECT_EQ(texts(ValueLister(ListerField::Artist, "*").fill(library, {}, nullptr)),
              (std::vector<std::string>{"Björk", "КИНО"}));
    EXPECT_EQ(texts(ValueLister(ListerField::Artist, "к").fill(library, {}, nullptr)),
              (std::vector<std::string>{"КИНО"}));
}

TEST(ValueLister, ListsDisplayValuesByTheirFirstCharacter) {
    Library library;
    fill(library, {{"the_band", "[intro] alpha", "(deluxe) best of"},
                   {"The Band", "Omega", "Best Of"},
                   {"Thee", "Éclair", ""},
                   {"3 Doors", "écrit", ""}});
    const NormaliseOptions options;
    EXPECT_EQ(texts(ValueLister(ListerField::Artist, "t").fill(library, options, nullptr)),
              (std::vector<std::string>{"The Band", "Thee"}));
    // "(deluxe) best of" shows as "Deluxe Best Of".
    EXPECT_EQ(texts(ValueLister(ListerField::Album, "B").fill(library, options, nullptr)),
              (std::vector<std::string>{"Best Of"}));
    EXPECT_EQ(texts(ValueLister(ListerField::Title, "i").fill(library, options, nullptr)),
              (std::vector<std::string>{"Intro Alpha"}));
    // "écrit" shows as "Écrit"; É and é are one letter to the selector.
    EXPECT_EQ(texts(ValueLister(ListerField::Title, "É").fill(library, options, nullptr)),
              (std::vector<std::string>{"Éclair", "Écrit"}));
    EXPECT_EQ(texts(ValueLister(ListerField::Title, "é").fill(library, options, nullptr)),
              (std::vector<std::string>{"Éclair", "Écrit"}));
    EXPECT_EQ(texts(ValueLister(ListerField::Artist, "3").fill(library, options, nullptr)),
              (std::vector<std::string>{"3 Doors"}));
    EXPECT_TRUE(
        ValueLister(ListerField::Artist, "").fill(library, options, nullptr).values.empty());
}

TEST(ValueLister, PleaseWaitFromSevenHundredFiftyOneRecordsForStarOnly) {
    Library library;
    for (int i = 0; i < 750; ++i) {
        fill(library, {{"Artist " + std::to_string(i % 7), "", ""}});
    }
    FakeProgress small;
    ValueLister(ListerField::Artist, "*").fill(library, {}, &small);
    EXPECT_EQ(small.opened, 0);

    fill(library, {{"Last", "", ""}});
    FakeProgress big;
    const ValueListing listing = ValueLister(ListerField::Artist, "*").fill(library, {}, &big);
    EXPECT_EQ(listing.values.size(), 8u);
    EXPECT_EQ(big.opened, 1);
    EXPECT_EQ(big.range, 752);
    EXPECT_EQ(big.steps, 20);  // every 751 / 20 = 37 records
    EXPECT_EQ(big.closed, 1);

    FakeProgress letter;
    ValueLister(ListerField::Artist, "a").fill(library, {}, &letter);
    EXPECT_EQ(letter.opened, 0);
}

TEST(ValueLister, CancelStopsTheListing) {
    Library library;
    for (int i = 0; i < 2000; ++i) {
        fill(library, {{"Artist " + std::to_string(i), "", ""}});
    }
    FakeProgress progress;
    progress.cancelAtStep = 3;
    const ValueListing listing = ValueLister(ListerField::Artist, "*").fill(library, {}, &progress);
    EXPECT_TRUE(listing.cancelled);
    EXPECT_TRUE(listing.values.empty());
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(progress.closed, 1);
}

TEST(ValueLister, SelectorTexts) {
    EXPECT_EQ(selectorTitle(ListerField::Album), "Album  Selector");
    EXPECT_EQ(selectorTitle(ListerField::Artist), "Artist Selector");
    EXPECT_EQ(selectorCaption(ListerField::Title), "Title");
}

}  // namespace
}  // namespace sonara::testing

#include "core/metadata/GenreTable.h"

#include <gtest/gtest.h>

namespace sonara::genres {
namespace {

TEST(MetadataGenreTable, NamesKeepTheirHistoricSpellings) {
    EXPECT_EQ(name(0), "Blues");
    EXPECT_EQ(name(40), "Alt. Rock");
    EXPECT_EQ(name(67), "Psychadelic");
    EXPECT_EQ(name(81), "Folk/Rock");
    EXPECT_EQ(name(30), "Fusion");
    EXPECT_EQ(name(84), "Fusion");
    EXPECT_EQ(name(85), "Bebob");
    EXPECT_EQ(name(kCount - 1), "Folklore");
    for (int i = 0; i < kCount; ++i) {
        EXPECT_FALSE(name(i).empty()) << i;
    }
}

TEST(MetadataGenreTable, IndicesWithoutNameAreEmpty) {
    EXPECT_EQ(name(-1), "");
    EXPECT_EQ(name(kCount), "");
    EXPECT_EQ(name(kNone), "");
    EXPECT_EQ(name(100000), "");
}

TEST(MetadataGenreTable, LookupIgnoresAsciiCaseAndTakesFirstMatch) {
    EXPECT_EQ(indexOf("blues"), 0);
    EXPECT_EQ(indexOf("BLUES"), 0);
    EXPECT_EQ(indexOf("fusion"), 30);  // the first of the two
    EXPECT_EQ(indexOf("R&B"), 14);
    EXPECT_EQ(indexOf("Folklore"), 115);
    EXPECT_EQ(indexOf("Blues "), std::nullopt);
    EXPECT_EQ(indexOf(""), std::nullopt);
    EXPECT_EQ(indexOf("Shoegaze"), std::nullopt);
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(name(indexOf(name(i)).value_or(-1)), name(i));
    }
}

}  // namespace
}  // namespace sonara::genres

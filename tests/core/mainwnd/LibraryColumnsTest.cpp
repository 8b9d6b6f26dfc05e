#include "core/mainwnd/LibraryColumns.h"

#include <gtest/gtest.h>

#include "core/metadata/Normaliser.h"
#include "core/settings/Preferences.h"
#include "support/RecordBuilder.h"

namespace sonara {
namespace {

using Columns = std::vector<LibraryColumn>;

TEST(LibraryColumns, PreferencesPickTheColumnsInListOrder) {
    Preferences values;
    values.showArtist = 1;
    values.showAlbum = 0;
    values.showTitle = 1;
    values.showLength = 0;
    EXPECT_EQ(shownLibraryColumns(values), (Columns{LibraryColumn::Artist, LibraryColumn::Title}));
    values.showAlbum = values.showLength = 1;
    EXPECT_EQ(shownLibraryColumns(values), (Columns{LibraryColumn::Artist, LibraryColumn::Album,
                                                    LibraryColumn::Title, LibraryColumn::Length}));
    // A hand-edited file with every column off still shows the titles.
    values.showArtist = values.showAlbum = values.showTitle = values.showLength = 0;
    EXPECT_EQ(shownLibraryColumns(values), (Columns{LibraryColumn::Title}));
}

TEST(LibraryColumns, CellsShowDisplayValuesAndKnownLengths) {
    auto record = testing::makeRecord("a.mp3", "the_beatles", "let it be", "[Live] abbey");
    record->lengthSeconds = 245;
    const NormaliseOptions options;
    EXPECT_EQ(libraryCellText(*record, LibraryColumn::Artist, options), "The Beatles");
    EXPECT_EQ(libraryCellText(*record, LibraryColumn::Title, options), "Let It Be");
    EXPECT_EQ(libraryCellText(*record, LibraryColumn::Album, options), "Live Abbey");
    EXPECT_EQ(libraryCellText(*record, LibraryColumn::Length, options), "04:05");
    record->lengthSeconds = 0;
    EXPECT_EQ(libraryCellText(*record, LibraryColumn::Length, options), "");
    EXPECT_EQ(libraryColumnHeader(LibraryColumn::Length), "Length");
}

TEST(LibraryColumns, FirstFillShowsTheLetterAFromTwoHundredRecords) {
    EXPECT_EQ(firstFillLetter(0), "*");
    EXPECT_EQ(firstFillLetter(199), "*");
    EXPECT_EQ(firstFillLetter(200), "A");
}

}  // namespace
}  // namespace sonara

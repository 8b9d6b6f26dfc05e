#include <gtest/gtest.h>

#include "core/library/Library.h"
#include "core/library/RecordFactory.h"
#include "core/metadata/Normaliser.h"
#include "support/FakeLengthProbe.h"
#include "support/RecordBuilder.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

std::unique_ptr<LibraryRecord> record(const std::string& file, const std::string& artist = "",
                                      const std::string& album = "",
                                      const std::string& title = "") {
    return testing::makeRecord(file, artist, title, album);
}

std::vector<std::string> fileNames(const Library& library) {
    std::vector<std::string> names;
    for (size_t i = 0; i < library.count(); ++i) {
        names.emplace_back(library.at(i)->fileName());
    }
    return names;
}

NormaliseOptions plain() {
    NormaliseOptions o;
    o.firstLetterCaps = o.replaceBrackets = o.replaceParens = o.replaceUnderscore = false;
    return o;
}

TEST(LibraryFind, BinarySearchIgnoringCaseWithInsertPlace) {
    Library library;
    EXPECT_EQ(library.find("a.mp3"), std::nullopt);
    EXPECT_EQ(library.placeFor("a.mp3"), 0u);  // an empty library appends
    for (const char* name : {"b.mp3", "D.mp3", "f.mp3"}) {
        library.append(record(name));
    }
    library.sort(SortOrder::FileName, plain());
    EXPECT_EQ(library.find("B.MP3"), 0u);
    EXPECT_EQ(library.find("d.mp3"), 1u);
    EXPECT_EQ(library.find("a.mp3"), std::nullopt);
    EXPECT_EQ(library.placeFor("a.mp3"), 0u);
    EXPECT_EQ(library.find("c.mp3"), std::nullopt);
    EXPECT_EQ(library.placeFor("c.mp3"), 1u);
    EXPECT_EQ(library.find("e.mp3"), std::nullopt);
    EXPECT_EQ(library.placeFor("e.mp3"), 2u);
    EXPECT_EQ(library.find("z.mp3"), std::nullopt);
    EXPECT_EQ(library.placeFor("z.mp3"), 3u);
}

class LibraryAdd : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"song.mp3", "zed.mp3", "alpha.mp3"}) {
            testing::writeText(dir.path() / name, "not really audio");
        }
    }
    testing::TempDir dir;
    testing::FakeLengthProbe probe;
    RecordFactory factory{&probe, false};
    Library library;
};

TEST_F(LibraryAdd, SameNameFromAnotherFolderIsAlreadyPresent) {
    const AddResult first = library.addSong(dir.file("song.mp3"), "", factory);
    ASSERT_EQ(first.status, AddStatus::Added);
    EXPECT_EQ(library.count(), 1u);
    const AddResult again = library.addSong("/elsewhere/Music/Song.MP3", "", factory);
    EXPECT_EQ(again.status, AddStatus::AlreadyPresent);
    EXPECT_EQ(again.record, nullptr);
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(probe.calls, 1);  // nothing was built for the duplicate
}

TEST_F(LibraryAdd, InsertsInFileNameOrderEvenAfterAnotherSort) {
    library.addSong(dir.file("zed.mp3"), "", factory);
    library.addSong(dir.file("alpha.mp3"), "", factory);
    library.sort(SortOrder::Artist, plain());
    library.addSong(dir.file("song.mp3"), "", factory);
    // Re-adding after the artist sort must find the existing record.
    EXPECT_EQ(library.addSong(dir.file("zed.mp3"), "", factory).status, AddStatus::AlreadyPresent);
    EXPECT_EQ(fileNames(library), (std::vector<std::string>{"alpha.mp3", "song.mp3", "zed.mp3"}));
}

TEST(LibrarySort, OrdersByDisplayValues) {
    Library library;
    library.append(record("1.mp3", "beta", "", "x"));
    library.append(record("2.mp3", "Alpha", "Zoo", "b"));
    library.append(record("3.mp3", "alpha", "", "a"));
    library.append(record("4.mp3", "alpha", "Apple", "c"));

    library.sort(SortOrder::Artist, plain());
    EXPECT_EQ(library.at(size_t(3))->fileName(), "1.mp3");

    // Order 2: an empty album sorts first.
    library.sort(SortOrder::Album, plain());
    EXPECT_TRUE(library.at(size_t(0))->tagAlbum().empty());
    EXPECT_TRUE(library.at(size_t(1))->tagAlbum().empty());
    EXPECT_EQ(library.at(size_t(3))->tagAlbum(), "Zoo");

    // Order 5: within one artist, albums first, then the album-less songs.
    library.sort(SortOrder::ArtistAlbumTitle, plain());
    EXPECT_EQ(fileNames(library), (std::vector<std::string>{"4.mp3", "2.mp3", "3.mp3", "1.mp3"}));

    library.sort(SortOrder::Title, plain());
    EXPECT_EQ(fileNames(library), (std::vector<std::string>{"3.mp3", "2.mp3", "4.mp3", "1.mp3"}));
}

TEST(LibrarySort, PlayCountDescending) {
    Library library;
    for (int plays : {2, 9, 5}) {
        auto r = record(std::to_string(plays) + ".mp3");
        r->playCount = plays;
        library.append(std::move(r));
    }
    library.sort(SortOrder::PlayCount, plain());
    EXPECT_EQ(fileNames(library), (std::vector<std::string>{"9.mp3", "5.mp3", "2.mp3"}));
}

TEST(LibraryEdit, RemoveClearAndTotals) {
    Library library;
    for (int i = 0; i < 10; ++i) {
        auto r = record(std::to_string(i) + ".mp3");
        r->lengthSeconds = 3600;
        library.append(std::move(r));
    }
    EXPECT_EQ(totalCountText(library), "Total Library Count: 10");
    EXPECT_EQ(totalTimeText(library), "Total Library Time (hours): 10.0");
    library.removeAt(2, 3);
    EXPECT_EQ(library.count(), 7u);
    EXPECT_EQ(library.at(size_t(2))->fileName(), "5.mp3");
    library.removeAt(6, 10);  // clipped at the end
    EXPECT_EQ(library.count(), 6u);
    library.removeAt(99, 1);  // out of range: nothing
    EXPECT_EQ(library.count(), 6u);
    EXPECT_EQ(library.at(long(-1)), nullptr);
    EXPECT_EQ(library.at(size_t(6)), nullptr);
    library.clear();
    EXPECT_EQ(library.totalSeconds(), 0);
    EXPECT_EQ(totalTimeText(library), "Total Library Time (hours): 0.0");
}

TEST(LibraryRecordDisplay, TagValuesOnlyWhenTitleAndArtistBothThere) {
    LibraryRecord r;
    r.setTitle("file_title");
    r.setArtist("file artist");
    r.setTagTitle("Tag Title");
    NormaliseOptions options;  // defaults: everything on
    EXPECT_EQ(r.displayTitle(options), "File Title");
    EXPECT_EQ(r.displayArtist(options), "File Artist");
    r.setTagArtist("tag artist");
    EXPECT_EQ(r.displayTitle(options), "Tag Title");
    EXPECT_EQ(r.displayArtist(options), "Tag Artist");
    options.useTagInfo = false;
    EXPECT_EQ(r.displayTitle(options), "File Title");
}

}  // namespace
}  // namespace sonara

namespace sonara {
namespace {

TEST(LibraryRecordTexts, SettersKeepTheOtherTextsAndMayReuseTheirOwn) {
    LibraryRecord r;
    r.setTitle("title");
    r.setFileName("file.mp3");
    r.setReserved("end");
    r.setGenre("Rock");
    EXPECT_EQ(r.fileName(), "file.mp3");
    EXPECT_EQ(r.genre(), "Rock");
    EXPECT_EQ(r.title(), "title");
    EXPECT_EQ(r.reserved(), "end");
    r.setGenre("");  // shrinking moves the texts after it
    EXPECT_EQ(r.title(), "title");
    EXPECT_EQ(r.reserved(), "end");
    r.setArtist(r.fileName());  // a view into the record's own buffer
    EXPECT_EQ(r.artist(), "file.mp3");
    r.setFileName(r.title().substr(1));
    EXPECT_EQ(r.fileName(), "itle");
    EXPECT_EQ(r.artist(), "file.mp3");
    EXPECT_TRUE(r.mediaName().empty());

    LibraryRecord copy = r;  // copies own their texts
    r.setArtist("changed");
    EXPECT_EQ(copy.artist(), "file.mp3");
    copy = LibraryRecord();
    EXPECT_TRUE(copy.fileName().empty());
}

}  // namespace
}  // namespace sonara

#include <gtest/gtest.h>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/metadata/Normaliser.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::unique_ptr<LibraryRecord> makeRecord(const std::string& fileName, int plays = 0) {
    auto r = std::make_unique<LibraryRecord>();
    r->setFileName(fileName);
    r->setMediaName("Disc");
    r->playCount = plays;
    r->availability = 4;
    r->setGenre("Rock");
    r->setComment("c");
    r->lengthSeconds = 61;
    r->setTitle("T");
    r->setArtist("A");
    r->setReserved("r");
    r->setTagTitle("tt");
    r->setTagArtist("ta");
    r->setTagAlbum("tb");
    return r;
}

std::vector<uint8_t> serialise(const Library& library) {
    std::vector<uint8_t> bytes;
    ArchiveWriter out(bytes);
    library_file::write(out, library);
    out.flush();
    return bytes;
}

// Reads through the streaming reader, or as a whole file whose records
// borrow their texts from the bytes (how load() reads).
bool readBytesInto(const std::vector<uint8_t>& bytes, Library& library, bool whole) {
    if (!whole) {
        ArchiveReader in(bytes);
        return library_file::read(in, library);
    }
    auto copy = std::make_unique<char[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return library_file::read(std::move(copy), bytes.size(), library);
}

void expectSameRecord(const LibraryRecord& a, const LibraryRecord& b) {
    EXPECT_EQ(a.texts(), b.texts()) << a.fileName();
    EXPECT_EQ(a.playCount, b.playCount);
    EXPECT_EQ(a.availability, b.availability);
    EXPECT_EQ(a.lengthSeconds, b.lengthSeconds);
}

TEST(LibraryFile, EmptyLibraryIsEightBytes) {
    Library library;
    EXPECT_EQ(serialise(library), (std::vector<uint8_t>{3, 0, 0, 0, 0, 0, 0, 0}));
    Library loaded;
    loaded.append(makeRecord("stale.mp3"));
    const auto bytes = serialise(library);
    ArchiveReader in(bytes);
    EXPECT_TRUE(library_file::read(in, loaded));
    EXPECT_EQ(loaded.count(), 0u);
}

TEST(LibraryFile, RecordLayoutIsInFileOrder) {
    Library library;
    library.append(makeRecord("a.mp3", 7));
    const auto bytes = serialise(library);
    const std::vector<uint8_t> expected = {
        3,  0,   0,   0,   1,   0,   0,   0,                   // version, count
        5,  'a', '.', 'm', 'p', '3', 4,   'D', 'i', 's', 'c',  // fileName, mediaName
        7,  0,   0,   0,   4,   0,   0,   0,                   // playCount, availability
        4,  'R', 'o', 'c', 'k', 1,   'c',                      // genre, comment
        61, 0,   0,   0,                                       // lengthSeconds
        2,  't', 't', 2,   't', 'a', 2,   't', 'b',            // tagTitle, tagArtist, tagAlbum
        1,  'T', 1,   'A', 1,   'r'};                          // title, artist, reserved
    EXPECT_EQ(bytes, expected);
}

TEST(LibraryFile, AnyVersionLoadsWithOneLayoutAndSavesAsThree) {
    for (int32_t version : {1, 7}) {
        Library library;
        library.append(makeRecord("x.mp3"));
        auto bytes = serialise(library);
        bytes[0] = uint8_t(version);
        Library loaded;
        ArchiveReader in(bytes);
        ASSERT_TRUE(library_file::read(in, loaded));
        EXPECT_EQ(loaded.version(), version);
        ASSERT_EQ(loaded.count(), 1u);
        EXPECT_EQ(loaded.at(size_t(0))->tagAlbum(), "tb");
        EXPECT_EQ(serialise(loaded)[0], 3);
    }
}

TEST(LibraryFile, CutInsideRecordKeepsTheRecordsBefore) {
    Library library;
    for (int i = 0; i < 5; ++i) {
        library.append(makeRecord("song" + std::to_string(i) + ".mp3"));
    }
    const auto whole = serialise(library);
    const size_t recordSize = (whole.size() - 8) / 5;
    // Cut in the middle of record 3 (index 2), and at every byte of it.
    for (bool wholeFile : {false, true}) {
        for (size_t cut = 8 + 2 * recordSize; cut < 8 + 3 * recordSize; ++cut) {
            std::vector<uint8_t> bytes(whole.begin(), whole.begin() + long(cut));
            Library loaded;
            EXPECT_FALSE(readBytesInto(bytes, loaded, wholeFile));
            ASSERT_EQ(loaded.count(), 2u) << cut;
            EXPECT_EQ(loaded.at(size_t(1))->fileName(), "song1.mp3");
        }
    }
}

TEST(LibraryFile, HostileCountDoesNotAllocate) {
    const std::vector<uint8_t> bytes = {3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    for (bool wholeFile : {false, true}) {
        Library loaded;
        EXPECT_FALSE(readBytesInto(bytes, loaded, wholeFile));
        EXPECT_EQ(loaded.count(), 0u);
    }
}

TEST(LibraryFile, WholeFileReadGivesTheSameRecordsAsStreaming) {
    // Plain records borrow their texts; the others (non-ASCII, long, wide,
    // near the end of the bytes) take the general path. Both must agree
    // with what was saved, field by field, and save back byte for byte.
    Library library;
    for (int i = 0; i < 120; ++i) {
        auto r = makeRecord("song" + std::to_string(i) + ".mp3", i);
        r->lengthSeconds = 100 + 37 * i;  // bytes with their high bit set
        switch (i % 9) {
            case 1:
                r->setArtist("Bj\xC3\xB6rk");  // UTF-8
                break;
            case 2:
                r->setTitle(std::string(127, 't'));  // the longest plain text
                break;
            case 3:
                r->setComment(std::string(128, 'c'));
                break;
            case 4:
                r->setTagAlbum(std::string(300, 'b'));  // a three-byte length
                break;
            case 5:
                r->availability = -1;
                r->playCount = -2;
                break;
            case 6:
                for (size_t t = 0; t < LibraryRecord::kTextCount; ++t) {
                    r->setText(LibraryRecord::Text(t), "");
                }
                break;
            case 7:
                r->availability = -1;
                r->setReserved("caf\xC3\xA9");  // in the last text, behind high-bit numbers
                break;
            default:
                break;
        }
        library.append(std::move(r));
    }
    const auto bytes = serialise(library);
    Library streamed;
    Library borrowed;
    ASSERT_TRUE(readBytesInto(bytes, streamed, false));
    ASSERT_TRUE(readBytesInto(bytes, borrowed, true));
    ASSERT_EQ(borrowed.count(), library.count());
    for (size_t i = 0; i < library.count(); ++i) {
        expectSameRecord(*borrowed.at(i), *library.at(i));
        expectSameRecord(*streamed.at(i), *library.at(i));
    }
    EXPECT_EQ(serialise(borrowed), bytes);
}

TEST(LibraryFile, WholeFileReadConvertsLegacyText) {
    Library library;
    library.append(makeRecord("a.mp3"));
    library.append(makeRecord("b.mp3"));
    library.append(makeRecord("c.mp3"));
    auto bytes = serialise(library);
    // The first record's genre "Rock" becomes Windows-1252 "R\xF6ck".
    const size_t genre = 8 + 6 + 5 + 8 + 1;
    ASSERT_EQ(bytes[genre + 1], 'o');
    bytes[genre + 1] = 0xF6;
    Library loaded;
    ASSERT_TRUE(readBytesInto(bytes, loaded, true));
    EXPECT_EQ(loaded.at(size_t(0))->genre(),
              "R\xC3\xB6"
              "ck");
    EXPECT_EQ(loaded.at(size_t(1))->genre(), "Rock");
}

TEST(LibraryFile, BorrowedRecordsOwnTheirTextsOnceChangedOrCopied) {
    Library library;
    for (int i = 0; i < 10; ++i) {
        library.append(makeRecord("song" + std::to_string(i) + ".mp3"));
    }
    const auto bytes = serialise(library);
    auto loaded = std::make_unique<Library>();
    ASSERT_TRUE(readBytesInto(bytes, *loaded, true));

    LibraryRecord* changed = loaded->at(size_t(2));
    changed->setTitle("A longer title than before");
    changed->setFileName(changed->fileName());  // from its own texts
    EXPECT_EQ(changed->title(), "A longer title than before");
    EXPECT_EQ(changed->fileName(), "song2.mp3");
    EXPECT_EQ(changed->tagAlbum(), "tb");
    EXPECT_EQ(loaded->at(size_t(3))->title(), "T");

    // Copies outlive the library and its bytes (AddressSanitizer watches).
    const LibraryRecord copy = *loaded->at(size_t(4));
    LibraryRecord assigned;
    assigned = *loaded->at(size_t(5));
    loaded->removeAt(0, 2);
    loaded.reset();
    EXPECT_EQ(copy.fileName(), "song4.mp3");
    EXPECT_EQ(copy.reserved(), "r");
    EXPECT_EQ(assigned.tagArtist(), "ta");
}

TEST(LibraryFile, LoadReplacesRecordsInMemoryAndLeavesThemUnsorted) {
    TempDir dir;
    const std::string path = dir.file("Sonara.dat");
    testing::ScriptedPrompter prompter;
    Library saved;
    saved.append(makeRecord("b.mp3"));
    saved.append(makeRecord("a.mp3"));
    ASSERT_TRUE(library_file::save(path, saved, prompter));

    Library library;
    library.append(makeRecord("old.mp3"));
    library.sort(SortOrder::FileName, {});
    EXPECT_EQ(library_file::load(path, library), LoadOutcome::Loaded);
    ASSERT_EQ(library.count(), 2u);
    EXPECT_EQ(library.at(size_t(0))->fileName(), "b.mp3");
    EXPECT_EQ(library.sortOrder(), SortOrder::Unsorted);

    // A missing file leaves what is in memory alone.
    EXPECT_EQ(library_file::load(dir.file("none.dat"), library), LoadOutcome::Missing);
    EXPECT_EQ(library.count(), 2u);
}

TEST(LibraryFile, TooShortForAHeaderLeavesTheLibraryAlone) {
    TempDir dir;
    const std::string path = dir.file("Sonara.dat");
    writeBytes(path, {3, 0, 0});
    Library library;
    library.append(makeRecord("kept.mp3"));
    EXPECT_EQ(library_file::load(path, library), LoadOutcome::Damaged);
    EXPECT_EQ(library.count(), 1u);
    EXPECT_EQ(readBytes(path + ".damaged"), (std::vector<uint8_t>{3, 0, 0}));
}

}  // namespace
}  // namespace sonara

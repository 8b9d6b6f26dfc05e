#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "core/app/BackgroundSaver.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/LibraryRecord.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

struct SaverFixture : ::testing::Test {
    TempDir dir;
    std::vector<uint8_t> data{1, 2, 3};
    int snapshots = 0;
    BackgroundSaver saver{{{dir.file("Sonara.dat"), [this] {
                                return wholeSnapshot([this] {
                                    ++snapshots;
                                    return data;
                                });
                            }}}};

    void takeRound() {
        ASSERT_TRUE(saver.startRound());
        while (saver.step()) {
        }
    }
    void round() {
        takeRound();
        for (const auto& failure : saver.finish()) {
            ADD_FAILURE() << failure.path << ": " << failure.status.error();
        }
    }
};

TEST_F(SaverFixture, WritesChangedDataAndLeavesAnUnchangedFileAlone) {
    round();
    EXPECT_EQ(readBytes(dir.file("Sonara.dat")), data);

    // Unchanged data is not written again: a file replaced behind the saver's
    // back stays as it is.
    writeBytes(dir.file("Sonara.dat"), {9});
    round();
    EXPECT_EQ(readBytes(dir.file("Sonara.dat")), std::vector<uint8_t>{9});

    data = {4, 5};  // a play count went up
    round();
    EXPECT_EQ(readBytes(dir.file("Sonara.dat")), data);
    EXPECT_EQ(snapshots, 3);
}

TEST_F(SaverFixture, TheFirstRoundDoesNotRewriteWhatWasRead) {
    writeBytes(dir.file("Sonara.dat"), data);
    const auto before = std::filesystem::last_write_time(dir.file("Sonara.dat"));
    std::filesystem::last_write_time(dir.file("Sonara.dat"), before - std::chrono::hours(1));
    round();
    EXPECT_EQ(std::filesystem::last_write_time(dir.file("Sonara.dat")),
              before - std::chrono::hours(1));
}

TEST_F(SaverFixture, AFailedWriteKeepsTheOldFileAndIsTriedAgain) {
    writeBytes(dir.file("Sonara.dat"), {7});
    data = {8};
    // The folder cannot take the temporary file.
    std::filesystem::remove_all(dir.path());
    takeRound();
    const auto failures = saver.finish();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, dir.file("Sonara.dat"));

    std::filesystem::create_directories(dir.path());
    round();
    EXPECT_EQ(readBytes(dir.file("Sonara.dat")), data);
}

TEST_F(SaverFixture, AReadOnlyFileIsLeftForTheExitSaveToAskAbout) {
    writeBytes(dir.file("Sonara.dat"), {7});
    std::filesystem::permissions(dir.file("Sonara.dat"), std::filesystem::perms(0444));
    round();
    EXPECT_EQ(readBytes(dir.file("Sonara.dat")), std::vector<uint8_t>{7});
}

TEST_F(SaverFixture, ARoundThatEndedHandsBackItsFailuresOnce) {
    std::filesystem::remove_all(dir.path());
    takeRound();
    while (saver.writing()) {
        std::this_thread::yield();
    }
    EXPECT_EQ(saver.takeEndedFailures().size(), 1u);
    EXPECT_TRUE(saver.takeEndedFailures().empty());
    EXPECT_TRUE(saver.finish().empty());
}

TEST(LibrarySnapshot, SlicesGiveTheLibraryFilesBytesAndAReshapedLibraryDropsThem) {
    Library library;
    for (int i = 0; i < 5; ++i) {
        auto record = std::make_unique<LibraryRecord>();
        record->setFileName("Song " + std::to_string(i) + ".mp3");
        library.append(std::move(record));
    }
    std::vector<uint8_t> whole;
    {
        ArchiveWriter out(whole);
        library_file::write(out, library);
    }

    auto sliced = librarySnapshot(library, 2);
    EXPECT_FALSE(sliced->step());
    EXPECT_FALSE(sliced->step());
    EXPECT_TRUE(sliced->step());
    EXPECT_EQ(sliced->take(), whole);

    // A play count that changes between slices is no change of shape.
    auto edited = librarySnapshot(library, 2);
    EXPECT_FALSE(edited->step());
    library.at(size_t(4))->playCount = 9;
    while (!edited->step()) {
    }
    const std::optional<std::vector<uint8_t>> bytes = edited->take();
    ASSERT_TRUE(bytes);
    EXPECT_NE(*bytes, whole);

    auto reshaped = librarySnapshot(library, 2);
    EXPECT_FALSE(reshaped->step());
    library.removeAt(0);
    while (!reshaped->step()) {
    }
    EXPECT_FALSE(reshaped->take());
}

}  // namespace
}  // namespace sonara

#include <gtest/gtest.h>

#include "core/library/RecordFactory.h"
#include "support/FakeLengthProbe.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::Mp3Spec;
using testing::TempDir;

class RecordFactoryTest : public ::testing::Test {
  protected:
    std::string write(const std::string& name, std::vector<uint8_t> head,
                      std::vector<uint8_t> tail) {
        Mp3Spec spec;
        spec.frames = 20;
        spec.head = std::move(head);
        spec.tail = std::move(tail);
        testing::writeMp3(dir.path() / name, spec);
        return dir.file(name);
    }
    TempDir dir;
    testing::FakeLengthProbe probe{61999};
};

TEST_F(RecordFactoryTest, TagValuesNameSplitAndLength) {
    const std::string path =
        write("Band - (Live) Song.mp3", {},
              testing::id3v1Block("Tag Title", "Tag Artist", "Tag Album", "1999", "Nice", 17));
    RecordFactory factory(&probe, true);
    const auto record = factory.create(path, "Disc 2");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->fileName(), "Band - (Live) Song.mp3");
    EXPECT_EQ(record->mediaName(), "Disc 2");
    EXPECT_EQ(record->availability, kAvailable);
    EXPECT_EQ(record->lengthSeconds, 61);  // whole seconds, rounded down
    EXPECT_EQ(record->tagTitle(), "Tag Title");
    EXPECT_EQ(record->tagArtist(), "Tag Artist");
    EXPECT_EQ(record->tagAlbum(), "Tag Album");
    EXPECT_EQ(record->genre(), "Rock");
    EXPECT_EQ(record->comment(), "Nice");
    EXPECT_EQ(record->artist(), "Band");
    EXPECT_EQ(record->title(), "Song");
    EXPECT_EQ(record->playCount, 0);
}

TEST_F(RecordFactoryTest, UntaggedFileHasOnlyNameValues) {
    const std::string path = write("Track07.mp3", {}, {});
    RecordFactory factory(nullptr, true);
    const auto record = factory.create(path, "");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->artist(), "Unknown");
    EXPECT_EQ(record->title(), "Track07");
    EXPECT_EQ(record->lengthSeconds, 0);
    EXPECT_TRUE(record->comment().empty());
    EXPECT_TRUE(record->genre().empty());
    EXPECT_TRUE(record->tagAlbum().empty());
}

TEST_F(RecordFactoryTest, Id3v2TagOnlyWhenNoId3v1AndOnlyWhenWanted) {
    const std::string v2only =
        write("a - b.mp3", testing::id3v2Block("V2 Title", "V2 Artist", "V2 Album"), {});
    RecordFactory withV2(&probe, true);
    auto record = withV2.create(v2only, "");
    EXPECT_EQ(record->tagTitle(), "V2 Title");
    EXPECT_EQ(record->tagArtist(), "V2 Artist");
    EXPECT_EQ(record->tagAlbum(), "V2 Album");

    RecordFactory withoutV2(&probe, false);
    record = withoutV2.create(v2only, "");
    EXPECT_TRUE(record->tagTitle().empty());

    // The ID3v1 block wins over an ID3v2 tag.
    const std::string both = write("both.mp3", testing::id3v2Block("V2", "V2", "V2"),
                                   testing::id3v1Block("V1", "V1", "", "", "", 255));
    record = withV2.create(both, "");
    EXPECT_EQ(record->tagTitle(), "V1");
    EXPECT_TRUE(record->genre().empty());
}

TEST_F(RecordFactoryTest, Windows1252TagTextReadsRight) {
    const std::string path =
        write("x.mp3", {}, testing::id3v1Block("Caf\xE9", "Bj\xF6rk", "", "", "", 255));
    RecordFactory factory(nullptr, false);
    const auto record = factory.create(path, "");
    EXPECT_EQ(record->tagTitle(), "Caf\xC3\xA9");
    EXPECT_EQ(record->tagArtist(), "Bj\xC3\xB6rk");
}

TEST_F(RecordFactoryTest, UnreadableFilesStillGetANameRecord) {
    RecordFactory factory(&probe, true);
    auto record = factory.create(dir.file("Missing - Song.mp3"), "");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->artist(), "Missing");
    EXPECT_TRUE(record->tagTitle().empty());
    testing::writeBytes(dir.path() / "tiny.mp3", {'T', 'A', 'G'});
    record = factory.create(dir.file("tiny.mp3"), "");
    EXPECT_TRUE(record->tagTitle().empty());
}

}  // namespace
}  // namespace sonara

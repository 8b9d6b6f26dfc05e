#include "core/metadata/Id3v2Reader.h"

#include <gtest/gtest.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <string>
#include <utility>
#include <vector>

#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::TempDir;

// An ID3v2 tag of text frames (ISO-8859-1) as bytes; version 3 or 4.
Bytes id3v2(int version, const std::vector<std::pair<std::string, std::string>>& frames) {
    Bytes body;
    for (const auto& [id, text] : frames) {
        const size_t size = text.size() + 1;
        body.insert(body.end(), id.begin(), id.end());
        for (int shift = 24; shift >= 0; shift -= 8) {  // v2.4 wants sync-safe sizes
            body.push_back(
                uint8_t(version == 4 ? (size >> (shift / 8 * 7)) & 0x7F : (size >> shift) & 0xFF));
        }
        body.insert(body.end(), {0, 0, 0});  // flags, encoding ISO-8859-1
        body.insert(body.end(), text.begin(), text.end());
    }
    Bytes tag{'I', 'D', '3', uint8_t(version), 0, 0};
    for (int shift = 21; shift >= 0; shift -= 7) {
        tag.push_back(uint8_t((body.size() >> shift) & 0x7F));
    }
    tag.insert(tag.end(), body.begin(), body.end());
    return tag;
}

class MetadataId3v2 : public ::testing::Test {
  protected:
    std::string mp3(Bytes head, Bytes tail = {}) {
        testing::Mp3Spec audio;
        audio.frames = 4;
        audio.head = std::move(head);
        audio.tail = std::move(tail);
        testing::writeMp3(path, audio);
        return path;
    }
    std::string genreOf(int version, const std::string& tcon) {
        const auto values = readId3v2(mp3(id3v2(version, {{"TIT2", "T"}, {"TCON", tcon}})));
        return values ? values->genre : "<none>";
    }

    TempDir dir;
    std::string path = dir.file("song.mp3");
};

TEST_F(MetadataId3v2, HeaderCheck) {
    const Bytes good{'I', 'D', '3', 3, 0, 0, 0, 0, 0x10, 0x7F};
    EXPECT_TRUE(hasId3v2Header(good));
    EXPECT_FALSE(hasId3v2Header(std::span(good).first(9)));
    for (auto [at, value] : {std::pair{0, 'i'}, {3, 1}, {3, 5}, {4, 0xFF}, {6, 0x80}, {9, 0x80}}) {
        Bytes bad = good;
        bad[size_t(at)] = uint8_t(value);
        EXPECT_FALSE(hasId3v2Header(bad)) << at << " " << value;
    }
}

TEST_F(MetadataId3v2, ValuesOfATagWrittenByTagLib) {
    mp3({});
    {
        TagLib::MPEG::File file(path.c_str(), false);
        auto* tag = file.ID3v2Tag(true);
        tag->setTitle(TagLib::String("\xD0\x9F\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F",  // Песня
                                     TagLib::String::UTF8));
        tag->setArtist("Band");
        tag->setAlbum(TagLib::String("Caf\xC3\xA9", TagLib::String::UTF8));
        tag->setComment("Nice");
        tag->setGenre("Shoegaze");
        ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers));
    }
    const auto values = readId3v2(path);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->title, "\xD0\x9F\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F");
    EXPECT_EQ(values->artist, "Band");
    EXPECT_EQ(values->album, "Caf\xC3\xA9");
    EXPECT_EQ(values->comment, "Nice");
    EXPECT_EQ(values->genre, "Shoegaze");

    // The test fixture's own tag in front of zero bytes instead of audio.
    Bytes zeros = testing::id3v2Block("Title", "Artist", "", 64);
    zeros.resize(zeros.size() + 300, 0);
    testing::writeBytes(path, zeros);
    const auto plain = readId3v2(path);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->title, "Title");
    EXPECT_EQ(plain->album, "");
}

TEST_F(MetadataId3v2, GenreNumbersUseTheGenreTable) {
    EXPECT_EQ(genreOf(3, "(17)"), "Rock");
    EXPECT_EQ(genreOf(3, "(40)"), "Alt. Rock");
    EXPECT_EQ(genreOf(3, "(67)"), "Psychadelic");
    // ID3v2.3 refinements, which TagLib splits, and the same stored raw in 2.4.
    EXPECT_EQ(genreOf(3, "(4)Eurodisco"), "Disco / Eurodisco");
    EXPECT_EQ(genreOf(4, "(4)Eurodisco"), "Disco / Eurodisco");
    EXPECT_EQ(genreOf(4, "(17)"), "Rock");
    EXPECT_EQ(genreOf(3, "(RX)"), "Remix");
    EXPECT_EQ(genreOf(4, "CR"), "Cover");
    EXPECT_EQ(genreOf(4, "85"), "Bebob");
    EXPECT_EQ(genreOf(4, std::string("17\0Shoegaze\0"
                                     "17",
                                     14)),
              "Rock / Shoegaze");
    EXPECT_EQ(genreOf(4, "Trip-Hop"), "Trip-Hop");
    EXPECT_EQ(genreOf(4, "255"), "");
}

TEST_F(MetadataId3v2, AnythingElseGivesNothing) {
    EXPECT_FALSE(readId3v2(dir.file("missing.mp3")));
    EXPECT_FALSE(readId3v2(dir.path().string()));
    EXPECT_FALSE(readId3v2(mp3({}, testing::id3v1Block("T", "A", "", "", "", 1))));
    EXPECT_FALSE(readId3v2(mp3(id3v2(3, {}))));  // a tag without values

    // A header promising far more than the file holds, then garbage.
    Bytes junk{'I', 'D', '3', 4, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F};
    for (int i = 0; i < 2000; ++i) {
        junk.push_back(uint8_t(i * 131 + 7));
    }
    testing::writeBytes(path, junk);
    const auto values = readId3v2(path);
    if (values) {  // whatever TagLib makes of it, it is text and no crash
        EXPECT_LT(values->title.size(), junk.size());
    }
    testing::writeBytes(path, Bytes(junk.begin(), junk.begin() + 6));
    EXPECT_FALSE(readId3v2(path));
}

}  // namespace
}  // namespace sonara

#include "core/metadata/TagRecord.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/metadata/TagLayout.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

// Stand-in audio whose bytes are easy to tell apart from tag bytes.
Bytes audio(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) {
        b[i] = uint8_t(0x80 + i % 97);
    }
    return b;
}

void put(Bytes& out, std::string_view raw, size_t width, char pad = ' ') {
    for (size_t i = 0; i < width; ++i) {
        out.push_back(uint8_t(i < raw.size() ? raw[i] : pad));
    }
}

// An ID3v1 block as another tagger writes it: raw on-disk bytes, zero padding.
Bytes id3v1(std::string_view title, std::string_view artist = "", std::string_view comment = "",
            uint8_t genre = 255) {
    Bytes b{'T', 'A', 'G'};
    put(b, title, 30, '\0');
    put(b, artist, 30, '\0');
    put(b, "", 30, '\0');
    put(b, "1999", 4);
    put(b, comment, 30, '\0');
    b.push_back(genre);
    return b;
}

// A "TAG+" block (227 bytes) with raw texts.
Bytes extended(std::string_view title, uint8_t speed = 0, std::string_view genre = "") {
    Bytes b{'T', 'A', 'G', '+'};
    put(b, title, 60);
    put(b, "", 60);
    put(b, "", 60);
    b.push_back(speed);
    put(b, genre, 30);
    put(b, "000:10", 6);
    put(b, "003:20", 6);
    return b;
}

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

std::string text(const Bytes& b, size_t back, size_t n) {
    return std::string(b.end() - std::ptrdiff_t(back), b.end() - std::ptrdiff_t(back - n));
}

bool startsWith(const Bytes& b, const Bytes& prefix) {
    return b.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), b.begin());
}

class MetadataTagRecord : public ::testing::Test {
  protected:
    std::string make(const Bytes& content) {
        writeBytes(path, content);
        return path;
    }
    TagRecord readBack() {
        TagRecord r(path);
        EXPECT_TRUE(r.read());
        return r;
    }

    TempDir dir;
    std::string path = dir.file("song.mp3");
};

TEST_F(MetadataTagRecord, WriteToUntaggedFileAppendsOnlyWhatIsNeeded) {
    const Bytes sound = audio(1000);
    TagRecord r(make(sound));
    r.title = std::string(30, 'T');
    r.artist = "Band";
    r.year = "2001";
    r.comment = "c";
    r.setGenre(17);
    ASSERT_TRUE(r.write());
    Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 1000u + 128);
    EXPECT_TRUE(startsWith(file, sound));
    EXPECT_EQ(text(file, 128, 33), "TAG" + std::string(30, 'T'));
    EXPECT_EQ(text(file, 95, 30), "Band" + std::string(26, ' '));
    EXPECT_EQ(text(file, 35, 4), "2001");
    EXPECT_EQ(file.back(), 17);
    EXPECT_FALSE(r.hasExtendedBlock());

    // One more character needs the marker and the extended block.
    make(sound);
    r.title = std::string(30, 'T') + "U";
    ASSERT_TRUE(r.write());
    file = readBytes(path);
    ASSERT_EQ(file.size(), 1000u + 359);
    EXPECT_TRUE(startsWith(file, sound));
    EXPECT_EQ(text(file, 359, 9), "SNTGTAG+U");
    EXPECT_EQ(text(file, 350, 59), std::string(59, ' '));
    EXPECT_EQ(file[file.size() - 359 + 188], 0);  // speed of a record never read
    EXPECT_EQ(text(file, 125, 30), std::string(30, 'T'));
    EXPECT_EQ(readBack().title, r.title);
}

TEST_F(MetadataTagRecord, LongTextsReadBackUpToNinetyCharacters) {
    std::string forty, hundred;
    for (int i = 0; i < 100; ++i) {
        hundred += char('a' + i % 26);
    }
    forty = hundred.substr(0, 40);
    TagRecord r(make(audio(500)));
    r.title = forty;
    r.artist = hundred;
    r.album = "Short";
    ASSERT_TRUE(r.write());
    TagRecord back = readBack();
    EXPECT_EQ(back.title, forty);
    EXPECT_EQ(back.extendedTitle, forty.substr(30));
    EXPECT_EQ(back.artist, hundred.substr(0, 90));
    EXPECT_EQ(back.album, "Short");
    EXPECT_EQ(back.extendedAlbum, "");
    EXPECT_EQ(readBytes(path).size(), 500u + 359);
}

TEST_F(MetadataTagRecord, RewritesKeepTheFileSizeAndDropStaleExtensions) {
    TagRecord r(make(audio(600)));
    r.title = std::string(40, 'x');
    r.speed = 3;
    r.freeTextGenre = "Shoegaze";
    r.startTime = "001:05";
    ASSERT_TRUE(r.write());
    ASSERT_TRUE(r.write());
    EXPECT_EQ(readBytes(path).size(), 600u + 359);

    TagRecord edited = readBack();
    edited.title = "Now short";
    ASSERT_TRUE(edited.write());
    EXPECT_EQ(readBytes(path).size(), 600u + 359);
    TagRecord back = readBack();
    EXPECT_EQ(back.title, "Now short");
    EXPECT_EQ(back.extendedTitle, "");
    EXPECT_EQ(back.speed, 3);
    EXPECT_EQ(back.freeTextGenre, "Shoegaze");
    EXPECT_EQ(back.startTime, "001:05");
    EXPECT_TRUE(startsWith(readBytes(path), audio(600)));
}

TEST_F(MetadataTagRecord, PlainId3v1IsReplacedNotLeftInFrontOfTheNewBlocks) {
    const Bytes sound = audio(800);
    TagRecord r(make(cat({sound, id3v1("Old", "Old artist")})));
    ASSERT_TRUE(r.read());
    r.title = std::string(45, 'n');
    ASSERT_TRUE(r.write());
    const Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 800u + 359);  // not 800 + 128 + 359
    EXPECT_TRUE(startsWith(file, sound));
    EXPECT_EQ(text(file, 359, 8), "SNTGTAG+");
    EXPECT_EQ(text(file, 128, 3), "TAG");
    TagRecord back = readBack();
    EXPECT_EQ(back.title, r.title);
    EXPECT_EQ(back.artist, "Old artist");
}

TEST_F(MetadataTagRecord, ForeignExtendedBlockIsReadAndRewrittenWhereItStands) {
    const Bytes sound = cat({audio(400), {'L', 'A', 'S', 'T'}});
    make(cat({sound, extended("-more", 2, "Krautrock"), id3v1(std::string(30, 'F'))}));
    TagRecord r(path);
    EXPECT_TRUE(r.hasExtendedBlock());
    ASSERT_TRUE(r.read());
    EXPECT_EQ(r.title, std::string(30, 'F') + "-more");
    EXPECT_EQ(r.extendedTitle, "-more");
    EXPECT_EQ(r.speed, 2);
    EXPECT_EQ(r.freeTextGenre, "Krautrock");
    EXPECT_EQ(r.endTime, "003:20");

    r.title = std::string(35, 'G');
    ASSERT_TRUE(r.write());
    const Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), sound.size() + 355);
    EXPECT_TRUE(startsWith(file, sound));  // "LAST" is not overwritten by a marker
    EXPECT_EQ(readBack().title, r.title);
    EXPECT_EQ(readBack().freeTextGenre, "Krautrock");
}

TEST_F(MetadataTagRecord, ExtendedBlockWithoutId3v1IsNoTag) {
    const Bytes content = cat({audio(300), {'S', 'N', 'T', 'G'}, extended("x"), audio(128)});
    TagRecord r(make(content));
    r.genre = 7;
    r.speed = 9;
    EXPECT_FALSE(r.read());
    EXPECT_EQ(r.title, "");
    EXPECT_EQ(r.extendedTitle, "");
    EXPECT_EQ(r.genre, 7);  // no block, nothing to change them
    EXPECT_EQ(r.speed, 9);
    EXPECT_TRUE(r.hasExtendedBlock());
    EXPECT_FALSE(r.hasId3v1());

    // Those bytes are not ours to overwrite: a write appends.
    r.title = "T";
    ASSERT_TRUE(r.write());
    const Bytes file = readBytes(path);
    EXPECT_EQ(file.size(), content.size() + 128);
    EXPECT_TRUE(startsWith(file, content));
}

TEST_F(MetadataTagRecord, ShortFiles) {
    TagRecord r(make(audio(127)));
    r.title = "T";
    EXPECT_FALSE(r.write());
    EXPECT_EQ(readBytes(path), audio(127));
    EXPECT_FALSE(r.read());

    // Too short for an extended block in front of the old ID3v1 block, but
    // the new blocks replace that block, so the text is kept whole.
    make(cat({audio(72), id3v1("Old")}));
    r.title = std::string(50, 'L');
    ASSERT_TRUE(r.write());
    EXPECT_EQ(readBytes(path).size(), 72u + 359);
    EXPECT_EQ(readBack().title, r.title);

    make(Bytes(128, 0));
    ASSERT_TRUE(r.write());
    EXPECT_EQ(readBytes(path).size(), 128u + 359);
    EXPECT_EQ(readBack().title, r.title);
}

TEST_F(MetadataTagRecord, FilesThatCannotBeUsedGiveFalse) {
    for (const std::string& bad : {dir.file("missing.mp3"), dir.path().string()}) {
        TagRecord r(bad);
        r.title = "T";
        EXPECT_FALSE(r.read());
        EXPECT_FALSE(r.write());
        EXPECT_FALSE(r.hasId3v1());
        EXPECT_FALSE(r.hasExtendedBlock());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.mp3")));  // never created

    // A FIFO would block a plain open; it is turned away at once.
    const std::string fifo = dir.file("pipe.mp3");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TagRecord pipe(fifo);
    EXPECT_FALSE(pipe.read());
    EXPECT_FALSE(pipe.write());

    const Bytes content = cat({audio(200), id3v1("Keep")});
    make(content);
    // Read-only means read-only, also for root, who could write anyway.
    chmod(path.c_str(), 0444);
    {
        TagRecord r(path);
        r.title = "New";
        EXPECT_FALSE(r.write());
        EXPECT_EQ(readBytes(path), content);
    }
    EXPECT_EQ(readBack().title, "Keep");
}

TEST_F(MetadataTagRecord, TextsAreLatin1OnDiskAndUtf8InMemory) {
    TagRecord r(make(audio(200)));
    r.title = std::string(15, 'a');
    for (int i = 0; i < 15; ++i) {
        r.title += "\xC3\xA9";  // é: 2 bytes in memory, 1 character on disk
    }
    r.artist = "Caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x8E\xB5";  // € and a note do not fit
    ASSERT_TRUE(r.write());
    Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 200u + 128);  // 30 characters need no extended block
    EXPECT_EQ(file[file.size() - 128 + 3 + 29], 0xE9);
    EXPECT_EQ(text(file, 95, 8), "Caf\xE9 ?? ");
    TagRecord back = readBack();
    EXPECT_EQ(back.title, r.title);
    EXPECT_EQ(back.artist, "Caf\xC3\xA9 ??");

    r.title += "\xC3\xBF";  // the 31st character
    ASSERT_TRUE(r.write());
    file = readBytes(path);
    ASSERT_EQ(file.size(), 200u + 359);
    EXPECT_EQ(file[file.size() - 359 + 8], 0xFF);
    EXPECT_EQ(readBack().title, r.title);
}

TEST_F(MetadataTagRecord, ReadingTakesUtf8AndLegacyBytes) {
    struct Case {
        std::string raw, expected;
    } cases[] = {
        {"\xC3\x9Cn\xC3\xAF"
         "code",
         "\xC3\x9Cn\xC3\xAF"
         "code"},  // UTF-8 from another tagger
        {"Caf\xE9 \x80"
         "5",
         "Caf\xC3\xA9 \xE2\x82\xAC"
         "5"},  // Latin-1 / Windows-1252
        {std::string(27, 'a') + "\xC3\xA9\xC3", std::string(27, 'a') + "\xC3\xA9"},  // cut
        {std::string(29, 'a') + "\xC3", std::string(29, 'a') + "\xC3\x83"},          // legacy Ã
        {"Song\0junk", "Song"},
        {std::string("Song\0junk", 9), "Song"},
        {"  Lead and trail \t ", "  Lead and trail"},
    };
    for (const auto& c : cases) {
        make(cat({audio(200), id3v1(c.raw)}));
        EXPECT_EQ(readBack().title, c.expected) << c.raw;
    }
    // The extended part ends at its zero byte too.
    make(cat({audio(200), extended(std::string("ab\0cd", 5)), id3v1(std::string(30, 'x'))}));
    EXPECT_EQ(readBack().title, std::string(30, 'x') + "ab");
}

TEST_F(MetadataTagRecord, GenreAndTrackNumberBytes) {
    // ID3v1.1: a zero and the track number at the comment's end.
    Bytes tag = id3v1("T", "A", "Nice", 0);
    tag[126] = 5;
    make(cat({audio(200), tag}));
    TagRecord r = readBack();
    EXPECT_EQ(r.comment, "Nice");
    EXPECT_EQ(r.genreName(), "Blues");
    EXPECT_EQ(r.genreName(13), "Pop");
    r.setGenre(-1);
    EXPECT_EQ(r.genre, 255);
    EXPECT_EQ(r.genreName(), "");
    r.setGenre(0x111);
    EXPECT_EQ(r.genre, 0x11);
    EXPECT_EQ(TagRecord::genreIndex("bLuEs"), 0);

    r.comment = std::string(28, 'c');
    ASSERT_TRUE(r.write());
    Bytes file = readBytes(path);
    EXPECT_EQ(file[file.size() - 3], 0);
    EXPECT_EQ(file[file.size() - 2], 5);
    EXPECT_EQ(file.back(), 0x11);
    // A longer comment takes the track number's room.
    r.comment = std::string(29, 'c');
    ASSERT_TRUE(r.write());
    EXPECT_EQ(readBack().comment, r.comment);
    r.comment = "x";
    ASSERT_TRUE(r.write());
    file = readBytes(path);
    EXPECT_EQ(file[file.size() - 2], ' ');
}

TEST(MetadataTagParse, TailIsBoundedByItselfAndTheFileSize) {
    const Bytes tail = cat({{'S', 'N', 'T', 'G'}, extended("more"), id3v1(std::string(30, 'a'))});
    TagRecord r;
    EXPECT_TRUE(r.parseTail(tail, 359));
    EXPECT_EQ(r.title, std::string(30, 'a') + "more");
    // A tail that does not reach the extended block sees only ID3v1.
    EXPECT_TRUE(r.parseTail(std::span(tail).last(200), 5000));
    EXPECT_EQ(r.title, std::string(30, 'a'));
    // A file size below the tail's size wins.
    EXPECT_FALSE(r.parseTail(tail, 127));
    EXPECT_FALSE(r.parseTail({}, 1000));
    EXPECT_FALSE(TagLayout::probe(tail, 300).extended);
    EXPECT_TRUE(TagLayout::probe(tail, 300).id3v1);
    // A damaged file, size 0: never the tail's bytes.
    EXPECT_FALSE(r.parseTail(tail, 0));
    EXPECT_FALSE(r.planWrite(tail, 0).has_value());
    EXPECT_EQ(r.planWrite(tail, 359)->offset, 0u);
    EXPECT_EQ(r.planWrite(tail, 300)->offset, 300u - 128);
}

}  // namespace
}  // namespace sonara

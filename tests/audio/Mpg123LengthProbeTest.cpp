#include "audio/Mpg123LengthProbe.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <random>

#include "DecodedLength.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara::audio {
namespace {

using testing::Mp3Spec;
using testing::songSpec;
using testing::TempDir;
using Vbr = Mp3Spec::Vbr;

class Mpg123LengthProbeTest : public ::testing::Test {
  protected:
    // The probe's length for `spec`, checked against a full decode.
    int64_t probeAndDecode(const Mp3Spec& spec, int64_t* decoded = nullptr) {
        const std::string path = dir.file("song.mp3");
        testing::writeMp3(path, spec);
        const int64_t ms = probe.lengthMilliseconds(path);
        if (decoded != nullptr) {
            *decoded = testing::decodedMilliseconds(path, spec.sampleRate);
        }
        return ms;
    }
    int64_t probeBytes(const std::vector<uint8_t>& bytes) {
        const std::string path = dir.file("data.mp3");
        testing::writeBytes(path, bytes);
        return probe.lengthMilliseconds(path);
    }

    TempDir dir;
    Mpg123LengthProbe probe;
};

TEST_F(Mpg123LengthProbeTest, MatchesTheDecoderForCbrAndHeaderedFiles) {
    struct Case {
        const char* name;
        Mp3Spec spec;
    };
    Mp3Spec lame = songSpec(95.3, 192, 44100, true, Vbr::Xing);
    lame.lameDelay = 576;
    lame.lamePadding = 1500;
    Mp3Spec info = songSpec(61, 128, 44100, true);
    info.infoHeader = true;
    info.lameDelay = 576;
    info.lamePadding = 300;
    const Case cases[] = {
        {"cbr 128", songSpec(62.5, 128, 44100, true)},
        {"cbr 320 48k", songSpec(31, 320, 48000, true)},
        {"cbr 32 32k", songSpec(45, 32, 32000, true)},
        {"cbr 64 mono", songSpec(70, 64, 44100, false)},
        {"mpeg2 24k", songSpec(40, 48, 24000, true)},
        {"mpeg2.5 11k mono", songSpec(33, 16, 11025, false)},
        {"layer 2", songSpec(20, 224, 48000, true)},
        {"xing", songSpec(123.4, 128, 44100, true, Vbr::Xing)},
        {"xing mono 22k", songSpec(50, 64, 22050, false, Vbr::Xing)},
        {"lame", lame},
        {"info", info},
        {"vbri", songSpec(77.7, 160, 44100, true, Vbr::Vbri)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int64_t decoded = 0;
        const int64_t ms = probeAndDecode(c.spec, &decoded);
        EXPECT_EQ(ms, decoded);
        // Gapless trimming takes at most the delay and padding off the frames.
        EXPECT_NEAR(double(ms), double(testing::expectedMilliseconds(c.spec)), 60.0);
    }
}

TEST_F(Mpg123LengthProbeTest, TagsAtEitherEndDoNotCount) {
    Mp3Spec s = songSpec(90, 128, 44100, true);
    const int64_t plain = probeAndDecode(s);
    s.head = testing::id3v2Block("Title", "Artist", "Album", 70000);
    s.tail = testing::id3v1Block("Title", "Artist", "Album", "1999", "", 12);
    EXPECT_EQ(probeAndDecode(s), plain);

    // The extended block in front of the ID3v1 block.
    std::vector<uint8_t> extended = {'S', 'N', 'T', 'G', 'T', 'A', 'G', '+'};
    extended.resize(231, ' ');
    s.tail.insert(s.tail.begin(), extended.begin(), extended.end());
    EXPECT_EQ(probeAndDecode(s), plain);

    Mp3Spec xing = songSpec(90, 128, 44100, true, Vbr::Xing);
    const int64_t xingPlain = probeAndDecode(xing);
    xing.head = s.head;
    xing.tail = s.tail;
    EXPECT_EQ(probeAndDecode(xing), xingPlain);
}

TEST_F(Mpg123LengthProbeTest, VbrWithoutHeaderIsWalked) {
    for (double seconds : {3.0, 47.0, 180.0}) {
        SCOPED_TRACE(seconds);
        int64_t decoded = 0;
        const Mp3Spec s = songSpec(seconds, 128, 44100, true, Vbr::NoHeader);
        EXPECT_EQ(probeAndDecode(s, &decoded), decoded);
        EXPECT_EQ(probeAndDecode(s) / 1000, testing::expectedMilliseconds(s) / 1000);
    }
}

TEST_F(Mpg123LengthProbeTest, TruncatedFilesGetWhatIsLeft) {
    for (Vbr vbr : {Vbr::None, Vbr::Xing, Vbr::NoHeader}) {
        SCOPED_TRACE(int(vbr));
        auto bytes = testing::makeMp3(songSpec(120, 128, 44100, true, vbr));
        bytes.resize(bytes.size() / 3 + 77);  // about 40 s, cut inside a frame
        const int64_t ms = probeBytes(bytes);
        EXPECT_NEAR(double(ms), 40000.0, 1000.0);
        EXPECT_NEAR(double(ms), double(testing::decodedMilliseconds(dir.file("data.mp3"), 44100)),
                    30.0);
    }
}

TEST_F(Mpg123LengthProbeTest, BadInputGetsZero) {
    EXPECT_EQ(probe.lengthMilliseconds(dir.file("missing.mp3")), 0);
    EXPECT_EQ(probe.lengthMilliseconds(dir.path().string()), 0);
    std::filesystem::create_directory(dir.path() / "folder.mp3");
    EXPECT_EQ(probe.lengthMilliseconds(dir.file("folder.mp3")), 0);
    ASSERT_EQ(mkfifo(dir.file("fifo.mp3").c_str(), 0600), 0);
    EXPECT_EQ(probe.lengthMilliseconds(dir.file("fifo.mp3")), 0);

    EXPECT_EQ(probeBytes({}), 0);
    EXPECT_EQ(probeBytes({'I', 'D', '3'}), 0);
    EXPECT_EQ(probeBytes(testing::id3v2Block("only", "a", "tag")), 0);
    EXPECT_EQ(probeBytes(testing::makeWav(44100, 2, 3.0)), 0);
    EXPECT_EQ(probeBytes(testing::makeWav(22050, 1, 1.0)), 0);

    Mp3Spec free = songSpec(10, 128, 44100, true);
    free.freeFormat = true;
    EXPECT_EQ(probeAndDecode(free), 0);
    Mp3Spec one = songSpec(0, 128, 44100, true);
    one.frames = 1;
    EXPECT_EQ(probeAndDecode(one), 0);

    std::mt19937 random(7);
    std::vector<uint8_t> garbage(300000);
    for (auto& b : garbage) {
        b = uint8_t(random());
    }
    EXPECT_EQ(probeBytes(garbage), 0);
    const std::string text = "#EXTM3U\nsong.mp3\n";
    EXPECT_EQ(probeBytes(std::vector<uint8_t>(text.begin(), text.end())), 0);
}

TEST_F(Mpg123LengthProbeTest, OneProbeServesManyFiles) {
    // A failed or scanned file must leave the shared decoder usable.
    const Mp3Spec cbr = songSpec(30, 128, 44100, true);
    const int64_t expected = probeAndDecode(cbr);
    EXPECT_GT(expected, 0);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(probeBytes(testing::makeWav(44100, 2, 1.0)), 0);
        EXPECT_GT(probeAndDecode(songSpec(20, 128, 44100, true, Vbr::NoHeader)), 19000);
        EXPECT_EQ(probeAndDecode(cbr), expected);
    }
}

}  // namespace
}  // namespace sonara::audio

#include "support/Mp3Fixture.h"

#include <gtest/gtest.h>

#include "DecodedLength.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

using Vbr = Mp3Spec::Vbr;

struct FixtureCase {
    const char* name;
    Mp3Spec spec;
};

Mp3Spec spec(int layer, int kbps, int rate, bool stereo, Vbr vbr = Vbr::None) {
    Mp3Spec s;
    s.layer = layer;
    s.bitrateKbps = kbps;
    s.sampleRate = rate;
    s.stereo = stereo;
    s.vbr = vbr;
    s.frames = 40;
    return s;
}

// Every format the fixture makes must be real MPEG audio to libmpg123: it
// plays exactly the frames asked for (header frames are not audio, and the
// decoder delay is trimmed where a Xing/Info header allows gapless output).
TEST(Mp3Fixture, DecodesToTheFramesItWasAskedFor) {
    const FixtureCase cases[] = {
        {"cbr 128", spec(3, 128, 44100, true)},
        {"cbr 320 48k", spec(3, 320, 48000, true)},
        {"cbr 32 32k mono", spec(3, 32, 32000, false)},
        {"mpeg2 64 22k", spec(3, 64, 22050, true)},
        {"mpeg2 8 16k mono", spec(3, 8, 16000, false)},
        {"mpeg2.5 8 8k", spec(3, 8, 8000, true)},
        {"layer 2 192", spec(2, 192, 44100, true)},
        {"layer 1 384", spec(1, 384, 44100, true)},
        {"layer 1 mpeg2 32 mono", spec(1, 32, 24000, false)},
        {"vbr no header", spec(3, 128, 44100, true, Vbr::NoHeader)},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeMp3(dir.file("a.mp3"), c.spec);
        EXPECT_EQ(decodedSamples(dir.file("a.mp3")), int64_t(40) * samplesPerFrame(c.spec));
    }
}

TEST(Mp3Fixture, HeaderFramesAreWhatDecodersExpect) {
    TempDir dir;
    Mp3Spec xing = spec(3, 128, 44100, true, Vbr::Xing);
    writeMp3(dir.file("x.mp3"), xing);
    EXPECT_EQ(decodedSamples(dir.file("x.mp3")), 40 * 1152 - 529);

    Mp3Spec lame = xing;
    lame.lameDelay = 576;
    lame.lamePadding = 1000;
    writeMp3(dir.file("l.mp3"), lame);
    EXPECT_EQ(decodedSamples(dir.file("l.mp3")), 40 * 1152 - 576 - 1000);

    Mp3Spec info = spec(3, 64, 22050, false);
    info.infoHeader = true;
    writeMp3(dir.file("i.mp3"), info);
    EXPECT_EQ(decodedSamples(dir.file("i.mp3")), 40 * 576 - 529);

    // libmpg123 knows no VBRI: it plays the header frame as a silent frame.
    writeMp3(dir.file("v.mp3"), spec(3, 128, 44100, true, Vbr::Vbri));
    EXPECT_EQ(decodedSamples(dir.file("v.mp3")), 41 * 1152);

    // The smallest frames cannot hold a Xing header: a bigger one is chosen.
    writeMp3(dir.file("s.mp3"), spec(3, 8, 8000, false, Vbr::Xing));
    EXPECT_EQ(decodedSamples(dir.file("s.mp3")), 40 * 576 - 529);
}

TEST(Mp3Fixture, SizesFramesLikeAnEncoder) {
    Mp3Spec s = spec(3, 128, 44100, true);
    s.frames = 1000;
    // Padding keeps the mean frame at 144 × 128000 / 44100 bytes.
    EXPECT_NEAR(double(makeMp3(s).size()), 1000 * 144 * 128000.0 / 44100, 1.0);
    s.frames = 0;
    s.seconds = 2.0;
    EXPECT_EQ(audioFrames(s), 77);  // 2 s = 76.56 frames of 1152 samples
    EXPECT_EQ(expectedMilliseconds(s), 77 * 1152 * 1000 / 44100);

    Mp3Spec vbr = spec(3, 128, 44100, true, Vbr::NoHeader);
    const auto bytes = makeMp3(vbr);
    EXPECT_NE(bytes[2] >> 4, bytes[417 + 2] >> 4);  // the second frame at another rate
    EXPECT_THROW(makeMp3(spec(3, 100, 44100, true)), std::invalid_argument);
    EXPECT_THROW(makeMp3(spec(3, 128, 44000, true)), std::invalid_argument);
    EXPECT_THROW(makeMp3(spec(2, 128, 44100, true, Vbr::Xing)), std::invalid_argument);
}

TEST(Mp3Fixture, TagsAndHeadAndTailBytes) {
    const auto v1 = id3v1Block("Title", "Artist", "Album", "1999", "Comment", 17, 5);
    ASSERT_EQ(v1.size(), 128u);
    EXPECT_EQ(std::string(v1.begin(), v1.begin() + 8), "TAGTitle");
    EXPECT_EQ(v1[33], 'A');
    EXPECT_EQ(std::string(v1.begin() + 93, v1.begin() + 97), "1999");
    EXPECT_EQ(v1[125], 0);
    EXPECT_EQ(v1[126], 5);
    EXPECT_EQ(v1[127], 17);
    const auto longTitle = id3v1Block(std::string(40, 'x'), "", "", "", "", 255);
    EXPECT_EQ(longTitle[32], 'x');
    EXPECT_EQ(longTitle[33], 0);

    const auto v2 = id3v2Block("T", "", "Al", 100);
    // Header, TIT2 with 1 + 1 bytes, TALB with 1 + 2 bytes, padding.
    ASSERT_EQ(v2.size(), 10u + 12 + 13 + 100);
    EXPECT_EQ(std::string(v2.begin(), v2.begin() + 3), "ID3");
    EXPECT_EQ(v2[9], 125);
    EXPECT_EQ(std::string(v2.begin() + 10, v2.begin() + 14), "TIT2");
    EXPECT_EQ(std::string(v2.begin() + 22, v2.begin() + 26), "TALB");

    TempDir dir;
    Mp3Spec s = spec(3, 128, 44100, true);
    s.head = id3v2Block("a", "b", "c", 5000);
    s.tail = v1;
    writeMp3(dir.file("t.mp3"), s);
    EXPECT_EQ(readBytes(dir.file("t.mp3")).size(),
              makeMp3(spec(3, 128, 44100, true)).size() + s.head.size() + 128);
    EXPECT_EQ(decodedSamples(dir.file("t.mp3")), 40 * 1152);
}

TEST(Mp3Fixture, WavFileHoldsSyncLikeSamples) {
    const auto wav = makeWav(44100, 2, 0.5);
    ASSERT_EQ(wav.size(), 44u + 22050 * 4);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    bool syncLike = false;
    for (size_t i = 44; i + 1 < wav.size(); ++i) {
        syncLike = syncLike || (wav[i] == 0xFF && (wav[i + 1] & 0xE0) == 0xE0);
    }
    EXPECT_TRUE(syncLike);
}

}  // namespace
}  // namespace sonara::testing

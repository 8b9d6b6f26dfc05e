#include "audio/Decoder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <vector>

#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara::audio {
namespace {

using testing::Mp3Spec;
using testing::TempDir;
using Vbr = Mp3Spec::Vbr;

Mp3Spec song(double seconds, int layer, int kbps, int rate, bool stereo, Vbr vbr = Vbr::None) {
    Mp3Spec s;
    s.seconds = seconds;
    s.layer = layer;
    s.bitrateKbps = kbps;
    s.sampleRate = rate;
    s.stereo = stereo;
    s.vbr = vbr;
    return s;
}

// Frames of one read; -1 when it failed.
long count(const Result<size_t>& read) {
    return read ? long(read.value()) : -1;
}

// Frames read until the end, in blocks of `block`; -1 when read() failed.
int64_t readAll(Decoder& decoder, size_t block = 4096) {
    std::vector<int16_t> buffer(block * size_t(decoder.info().channels));
    int64_t frames = 0;
    for (int guard = 0; guard < 1000000; ++guard) {
        const long got = count(decoder.read(buffer.data(), block));
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            return frames;
        }
        frames += got;
    }
    ADD_FAILURE() << "read() never ended";
    return frames;
}

class DecoderTest : public ::testing::Test {
  protected:
    std::unique_ptr<Decoder> open(const Mp3Spec& spec) {
        testing::writeMp3(dir.file("song.mp3"), spec);
        return openOrFail(dir.file("song.mp3"));
    }
    std::unique_ptr<Decoder> openBytes(const std::vector<uint8_t>& bytes) {
        testing::writeBytes(dir.file("data"), bytes);
        return openOrFail(dir.file("data"));
    }
    std::unique_ptr<Decoder> openOrFail(const std::string& path) {
        auto opened = openDecoder(path);
        EXPECT_TRUE(opened) << opened.error();
        return opened ? std::move(opened.value()) : nullptr;
    }
    // A file the decoders refuse: the text says why.
    std::string failure(const std::vector<uint8_t>& bytes) {
        testing::writeBytes(dir.file("bad"), bytes);
        const auto opened = openDecoder(dir.file("bad"));
        EXPECT_FALSE(opened);
        EXPECT_EQ(opened.kind(), ErrorKind::Rejected);
        return opened.error();
    }

    TempDir dir;
};

TEST_F(DecoderTest, EveryMpegKindReportsItsFormatAndExactLength) {
    struct Case {
        const char* name;
        Mp3Spec spec;
        int channels;
    };
    Mp3Spec info = song(7.3, 3, 128, 44100, true);
    info.infoHeader = true;
    info.lameDelay = 576;
    info.lamePadding = 1200;
    const std::vector<Case> cases = {
        {"CBR layer 3", song(5.2, 3, 128, 44100, true), 2},
        {"CBR with Info and LAME tag", info, 2},
        {"VBR with Xing", song(6.1, 3, 160, 44100, true, Vbr::Xing), 2},
        {"VBR with VBRI", song(4.4, 3, 128, 48000, true, Vbr::Vbri), 2},
        {"MPEG-2 22.05 kHz mono", song(3.7, 3, 64, 22050, false), 1},
        {"MPEG-2.5 11.025 kHz", song(2.9, 3, 32, 11025, true), 2},
        {"layer 1", song(2.5, 1, 192, 32000, true), 2},
        {"layer 2 mono", song(3.1, 2, 96, 48000, false), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto decoder = open(c.spec);
        ASSERT_TRUE(decoder);
        const StreamInfo& i = decoder->info();
        EXPECT_TRUE(i.isMpeg);
        EXPECT_EQ(i.sampleRate, c.spec.sampleRate);
        EXPECT_EQ(i.channels, c.channels);
        EXPECT_EQ(i.layer, c.spec.layer);
        EXPECT_GT(i.bitRateKbps, 0);
        EXPECT_EQ(i.lengthMs, i.lengthFrames * 1000 / i.sampleRate);
        EXPECT_NEAR(double(i.lengthMs), double(testing::expectedMilliseconds(c.spec)), 60.0);
        // The length promised is what read() delivers, odd block sizes included.
        EXPECT_EQ(readAll(*decoder, 1000), i.lengthFrames);
        EXPECT_EQ(count(decoder->read(nullptr, 0)), 0);
    }
}

TEST_F(DecoderTest, BitRatesAreTheFirstFramesThenTheCurrentOnes) {
    auto cbr = open(song(2, 3, 192, 44100, true));
    ASSERT_TRUE(cbr);
    EXPECT_EQ(cbr->info().bitRateKbps, 192);
    EXPECT_EQ(cbr->currentBitRateKbps(), 192);

    Mp3Spec vbr = song(4, 3, 128, 44100, true, Vbr::Xing);
    vbr.vbrBitrates = {64, 256};
    auto decoder = open(vbr);
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->info().bitRateKbps, 64);
    std::vector<int16_t> buffer(1152 * 2);
    std::set<int> seen;
    while (count(decoder->read(buffer.data(), 1152)) > 0) {
        seen.insert(decoder->currentBitRateKbps());
    }
    EXPECT_EQ(seen, (std::set<int>{64, 256}));
}

TEST_F(DecoderTest, VbrWithoutHeaderGivesAnEstimateAndDecodesWhole) {
    const Mp3Spec spec = song(6, 3, 128, 44100, true, Vbr::NoHeader);
    auto decoder = open(spec);
    ASSERT_TRUE(decoder);
    EXPECT_GT(decoder->info().lengthMs, 3000);
    EXPECT_LT(decoder->info().lengthMs, 12000);
    EXPECT_EQ(readAll(*decoder), int64_t(testing::audioFrames(spec)) * 1152);
}

TEST_F(DecoderTest, WavFilesDecodeThroughLibsndfile) {
    auto stereo = openBytes(testing::makeWav(44100, 2, 1.5));
    ASSERT_TRUE(stereo);
    const StreamInfo& i = stereo->info();
    EXPECT_FALSE(i.isMpeg);
    EXPECT_EQ(i.layer, 0);
    EXPECT_EQ(i.sampleRate, 44100);
    EXPECT_EQ(i.channels, 2);
    EXPECT_EQ(i.bitRateKbps, 1411);
    EXPECT_EQ(stereo->currentBitRateKbps(), 1411);
    EXPECT_EQ(i.lengthFrames, 66150);
    EXPECT_EQ(i.lengthMs, 1500);

    // The samples are the file's own, byte for byte.
    const std::vector<uint8_t> bytes = testing::makeWav(22050, 1, 0.25);
    auto mono = openBytes(bytes);
    ASSERT_TRUE(mono);
    std::vector<int16_t> samples(10000);
    ASSERT_EQ(count(mono->read(samples.data(), samples.size())), 5513);
    for (size_t k = 0; k < 5513; k += 997) {
        const auto expected = int16_t(bytes[44 + 2 * k] | bytes[45 + 2 * k] << 8);
        EXPECT_EQ(samples[k], expected) << k;
    }
    EXPECT_EQ(count(mono->read(samples.data(), samples.size())), 0);
}

TEST_F(DecoderTest, SeekingMovesByFramesAndClamps) {
    const Mp3Spec spec = song(4, 3, 128, 44100, true);
    auto mpeg = open(spec);
    ASSERT_TRUE(mpeg);
    const int64_t total = mpeg->info().lengthFrames;
    ASSERT_TRUE(mpeg->seek(total / 2));
    EXPECT_EQ(readAll(*mpeg), total - total / 2);
    ASSERT_TRUE(mpeg->seek(0));
    EXPECT_EQ(readAll(*mpeg), total);
    EXPECT_TRUE(mpeg->seek(total * 10));
    EXPECT_EQ(readAll(*mpeg), 0);

    auto wav = openBytes(testing::makeWav(8000, 2, 1.0));
    ASSERT_TRUE(wav);
    ASSERT_TRUE(wav->seek(6000));
    EXPECT_EQ(readAll(*wav), 2000);
    EXPECT_TRUE(wav->seek(-5));
    EXPECT_EQ(readAll(*wav), 8000);
}

TEST_F(DecoderTest, FilesThatAreNoPlayableAudioFailWithAReason) {
    EXPECT_EQ(openDecoder(dir.file("missing.mp3")).error(), "no such file");
    EXPECT_EQ(openDecoder(dir.file("missing.mp3")).kind(), ErrorKind::Io);
    EXPECT_EQ(openDecoder(dir.path().string()).error(), "not a regular file");
    const std::string fifo = dir.file("fifo.mp3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(openDecoder(fifo).error(), "not a regular file");  // and does not block

    EXPECT_EQ(failure({}), "the file is empty");
    std::vector<uint8_t> garbage(20000);
    for (size_t k = 0; k < garbage.size(); ++k) {
        garbage[k] = uint8_t(k * 7919 % 251);
    }
    EXPECT_NE(failure(garbage).find("not MPEG audio"), std::string::npos);
    EXPECT_NE(failure(testing::id3v2Block("Title", "Artist", "", 64)).find("not MPEG audio"),
              std::string::npos);

    Mp3Spec freeFormat = song(3, 3, 128, 44100, true);
    freeFormat.freeFormat = true;
    EXPECT_NE(failure(testing::makeMp3(freeFormat)).find("free-format"), std::string::npos);

    // A RIFF file of another kind, and a WAVE whose header is cut.
    std::vector<uint8_t> avi = testing::makeWav(8000, 1, 0.5);
    std::copy_n("AVI ", 4, avi.begin() + 8);
    EXPECT_NE(failure(avi).find("not MPEG audio"), std::string::npos);
    std::vector<uint8_t> cut = testing::makeWav(8000, 1, 0.5);
    cut.resize(20);
    EXPECT_NE(failure(cut).find("not a readable WAV file"), std::string::npos);
}

TEST_F(DecoderTest, TruncatedFilesDecodeWhatTheyHoldAndEnd) {
    Mp3Spec spec = song(5, 3, 128, 44100, true, Vbr::Xing);
    std::vector<uint8_t> bytes = testing::makeMp3(spec);
    bytes.resize(bytes.size() / 3 + 17);  // mid-frame, far short of the Xing count
    auto decoder = openBytes(bytes);
    ASSERT_TRUE(decoder);
    const int64_t got = readAll(*decoder);
    EXPECT_GT(got, 0);
    EXPECT_LT(got, int64_t(testing::audioFrames(spec)) * 1152 / 2);
    EXPECT_LE(count(decoder->read(std::vector<int16_t>(4096).data(), 2048)), 0);

    // Cut to a frame header or two: whatever is whole is played, nothing hangs.
    for (const size_t size : {size_t(417 + 100), size_t(417 + 418 + 100)}) {
        bytes = testing::makeMp3(song(1, 3, 128, 44100, true));
        bytes.resize(size);
        auto cut = openBytes(bytes);
        ASSERT_TRUE(cut);
        const int64_t frames = readAll(*cut);
        EXPECT_GE(frames, 0);
        EXPECT_LE(frames, int64_t(size / 417) * 1152);
    }
}

}  // namespace
}  // namespace sonara::audio

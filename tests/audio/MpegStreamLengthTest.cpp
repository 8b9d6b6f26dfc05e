#include "audio/MpegStreamLength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "support/Mp3Fixture.h"

namespace sonara::audio {
namespace {

using testing::Mp3Spec;
using Outcome = MpegStreamLength::Outcome;
using Vbr = Mp3Spec::Vbr;

// Counts the reads so that the tests can see the fast path is taken.
class BufferSource final : public ByteSource {
  public:
    explicit BufferSource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    uint64_t size() const override { return bytes_.size(); }
    size_t readAt(uint64_t offset, uint8_t* into, size_t n) override {
        ++reads;
        bytesRead += n;
        if (offset >= bytes_.size()) {
            return 0;
        }
        n = std::min<size_t>(n, bytes_.size() - size_t(offset));
        std::memcpy(into, bytes_.data() + offset, n);
        return n;
    }
    int reads = 0;
    size_t bytesRead = 0;

  private:
    std::vector<uint8_t> bytes_;
};

MpegStreamLength measure(const std::vector<uint8_t>& bytes) {
    BufferSource source(bytes);
    return measureMpegStream(source);
}

Mp3Spec minutes(double seconds, int kbps = 128, Vbr vbr = Vbr::None) {
    Mp3Spec s;
    s.seconds = seconds;
    s.bitrateKbps = kbps;
    s.vbr = vbr;
    return s;
}

TEST(MpegStreamLength, CbrFromBothEndsInTwoReads) {
    for (int kbps : {32, 128, 320}) {
        SCOPED_TRACE(kbps);
        Mp3Spec s = minutes(200, kbps);
        s.tail = testing::id3v1Block("t", "a", "b", "2000", "c", 1);
        BufferSource source(testing::makeMp3(s));
        const auto r = measureMpegStream(source);
        ASSERT_EQ(r.outcome, Outcome::Measured);
        EXPECT_EQ(r.samples, int64_t(testing::audioFrames(s)) * 1152);
        EXPECT_EQ(r.sampleRate, 44100);
        EXPECT_EQ(source.reads, 2);
        EXPECT_LE(source.bytesRead, 8192u);
    }
}

TEST(MpegStreamLength, HeaderFrameGivesTheLength) {
    Mp3Spec s = minutes(100, 128, Vbr::Xing);
    s.lameDelay = 576;
    s.lamePadding = 1200;
    BufferSource source(testing::makeMp3(s));
    auto r = measureMpegStream(source);
    ASSERT_EQ(r.outcome, Outcome::Measured);
    EXPECT_EQ(r.samples, int64_t(testing::audioFrames(s)) * 1152 - 576 - 1200);
    EXPECT_EQ(source.reads, 1);

    // Padding shorter than the decoder delay cuts nothing at the end.
    s.lamePadding = 100;
    r = measure(testing::makeMp3(s));
    EXPECT_EQ(r.samples, int64_t(testing::audioFrames(s)) * 1152 - 576 - 529);

    s.vbr = Vbr::Vbri;
    r = measure(testing::makeMp3(s));
    ASSERT_EQ(r.outcome, Outcome::Measured);
    EXPECT_EQ(r.samples, int64_t(testing::audioFrames(s) + 1) * 1152);
}

TEST(MpegStreamLength, LeavesDoubtfulStreamsToAScan) {
    // VBR without a header, even when both ends share one bit rate.
    EXPECT_EQ(measure(testing::makeMp3(minutes(60, 128, Vbr::NoHeader))).outcome,
              Outcome::NeedsScan);
    Mp3Spec sameEnds = minutes(60, 128, Vbr::NoHeader);
    sameEnds.vbrBitrates = {128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 160};
    EXPECT_EQ(measure(testing::makeMp3(sameEnds)).outcome, Outcome::NeedsScan);

    // A Xing file cut short of the bytes its header announces.
    auto cut = testing::makeMp3(minutes(60, 128, Vbr::Xing));
    cut.resize(cut.size() / 2);
    EXPECT_EQ(measure(cut).outcome, Outcome::NeedsScan);

    // Junk between CBR frames moves the last frames off the grid.
    auto gap = testing::makeMp3(minutes(60));
    gap.insert(gap.begin() + 500000, 100, 0);
    EXPECT_EQ(measure(gap).outcome, Outcome::NeedsScan);
}

TEST(MpegStreamLength, FindsTheFirstFrameBehindTagsAndJunk) {
    const Mp3Spec plain = minutes(30);
    const int64_t expected = int64_t(testing::audioFrames(plain)) * 1152;

    Mp3Spec tagged = plain;
    tagged.head = testing::id3v2Block("a", "b", "c", 20000);  // beyond the first block
    auto second = testing::id3v2Block("d", "e", "f");
    tagged.head.insert(tagged.head.end(), second.begin(), second.end());
    EXPECT_EQ(measure(testing::makeMp3(tagged)).samples, expected);

    for (size_t junk : {300u, 10000u, 65535u}) {
        SCOPED_TRACE(junk);
        Mp3Spec s = plain;
        s.head.assign(junk, 'x');
        const auto r = measure(testing::makeMp3(s));
        ASSERT_EQ(r.outcome, Outcome::Measured);
        EXPECT_EQ(r.samples, expected);
    }
    Mp3Spec tooMuch = plain;
    tooMuch.head.assign(65536, 'x');  // libmpg123 gives up here too
    EXPECT_EQ(measure(testing::makeMp3(tooMuch)).outcome, Outcome::NotMpeg);
}

TEST(MpegStreamLength, SmallFilesAreCountedWhole) {
    Mp3Spec vbr = minutes(0, 64, Vbr::NoHeader);
    vbr.frames = 12;
    vbr.tail = testing::id3v1Block("t", "", "", "", "", 0);
    auto r = measure(testing::makeMp3(vbr));
    ASSERT_EQ(r.outcome, Outcome::Measured);
    EXPECT_EQ(r.samples, 12 * 1152);

    Mp3Spec two = minutes(0);
    two.frames = 2;
    EXPECT_EQ(measure(testing::makeMp3(two)).samples, 2 * 1152);
    two.frames = 1;  // a lone frame has no follower to confirm it
    EXPECT_EQ(measure(testing::makeMp3(two)).outcome, Outcome::NotMpeg);
}

TEST(MpegStreamLength, RejectsWhatIsNotMpegAudio) {
    EXPECT_EQ(measure({}).outcome, Outcome::NotMpeg);
    EXPECT_EQ(measure({0xFF, 0xFB}).outcome, Outcome::NotMpeg);
    EXPECT_EQ(measure(testing::makeWav(44100, 2, 2.0)).outcome, Outcome::NotMpeg);
    const std::string text(5000, 'a');
    EXPECT_EQ(measure(std::vector<uint8_t>(text.begin(), text.end())).outcome, Outcome::NotMpeg);

    // MPEG audio inside a RIFF file is still a RIFF file.
    auto riff = testing::makeWav(44100, 2, 0);
    auto mp3 = testing::makeMp3(minutes(5));
    riff.insert(riff.end(), mp3.begin(), mp3.end());
    EXPECT_EQ(measure(riff).outcome, Outcome::NotMpeg);

    Mp3Spec free = minutes(5);
    free.freeFormat = true;
    EXPECT_EQ(measure(testing::makeMp3(free)).outcome, Outcome::NotMpeg);
    free.head = testing::id3v2Block("a", "b", "c");
    EXPECT_EQ(measure(testing::makeMp3(free)).outcome, Outcome::NotMpeg);

    // An ID3v2 tag that claims more than the file holds.
    auto tagOnly = testing::id3v2Block("a", "b", "c");
    tagOnly[6] = 0x7F;
    EXPECT_EQ(measure(tagOnly).outcome, Outcome::NotMpeg);
}

// Damage anywhere (cuts, flipped bytes, lying header fields) must give an
// answer, never a read outside the blocks or a negative length.
TEST(MpegStreamLength, DamagedFilesGiveAnAnswer) {
    Mp3Spec xing = minutes(8, 64, Vbr::Xing);
    xing.lameDelay = 576;
    xing.head = testing::id3v2Block("a", "b", "c");
    Mp3Spec vbri = minutes(8, 64, Vbr::Vbri);
    vbri.tail = testing::id3v1Block("t", "a", "b", "", "", 0);
    std::mt19937 random(11);
    for (const auto& original :
         {testing::makeMp3(xing), testing::makeMp3(vbri), testing::makeMp3(minutes(8, 32))}) {
        for (int round = 0; round < 300; ++round) {
            auto bytes = original;
            const size_t span = std::min<size_t>(bytes.size(), round % 2 ? 600 : bytes.size());
            for (int flips = 0; flips < 1 + round % 5; ++flips) {
                bytes[random() % span] = uint8_t(random());
            }
            if (round % 3 == 0) {
                bytes.resize(random() % bytes.size());
            }
            const auto r = measure(bytes);
            EXPECT_GE(r.samples, 0);
            if (r.outcome == Outcome::Measured) {
                EXPECT_GT(r.sampleRate, 0);
            }
        }
    }
}

}  // namespace
}  // namespace sonara::audio

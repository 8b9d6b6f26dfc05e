#include "audio/MpegFrameHeader.h"

#include <gtest/gtest.h>

#include <array>

namespace sonara::audio {
namespace {

std::optional<MpegFrameHeader> parse(uint8_t b1, uint8_t b2, uint8_t b3 = 0x44) {
    const std::array<uint8_t, 4> bytes = {0xFF, b1, b2, b3};
    return MpegFrameHeader::parse(bytes.data());
}

TEST(MpegFrameHeader, ReadsVersionLayerRateAndSize) {
    // MPEG-1 layer 3, 128 kbit/s, 44.1 kHz, joint stereo.
    auto h = parse(0xFB, 0x90);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, MpegFrameHeader::Version::Mpeg1);
    EXPECT_EQ(h->layer, 3);
    EXPECT_EQ(h->bitrateKbps, 128);
    EXPECT_EQ(h->sampleRate, 44100);
    EXPECT_FALSE(h->crc);
    EXPECT_FALSE(h->mono);
    EXPECT_EQ(h->frameBytes(), 417);
    EXPECT_EQ(h->samplesPerFrame(), 1152);
    EXPECT_EQ(h->sideInfoBytes(), 32);
    EXPECT_NEAR(h->meanFrameBytes(), 417.959, 0.001);

    h = parse(0xFB, 0x92);  // padded
    EXPECT_EQ(h->frameBytes(), 418);

    // MPEG-2 layer 3, 64 kbit/s, 22.05 kHz, mono, with CRC.
    h = parse(0xF2, 0x80, 0xC4);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, MpegFrameHeader::Version::Mpeg2);
    EXPECT_EQ(h->sampleRate, 22050);
    EXPECT_TRUE(h->crc);
    EXPECT_TRUE(h->mono);
    EXPECT_EQ(h->frameBytes(), 208);  // 72 × 64000 / 22050
    EXPECT_EQ(h->samplesPerFrame(), 576);
    EXPECT_EQ(h->sideInfoBytes(), 9);

    // MPEG-2.5 layer 3, 8 kbit/s, 8 kHz.
    h = parse(0xE3, 0x18);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, MpegFrameHeader::Version::Mpeg25);
    EXPECT_EQ(h->sampleRate, 8000);
    EXPECT_EQ(h->frameBytes(), 72);

    // Layer 1, 384 kbit/s, 44.1 kHz, padded: slots of 4 bytes.
    h = parse(0xFF, 0xC2);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->layer, 1);
    EXPECT_EQ(h->frameBytes(), 4 * (12 * 384000 / 44100 + 1));
    EXPECT_EQ(h->samplesPerFrame(), 384);
    EXPECT_EQ(h->slotBytes(), 4);

    // MPEG-2 layer 2 keeps 1152 samples and the 144 factor.
    h = parse(0xF5, 0x80);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->layer, 2);
    EXPECT_EQ(h->samplesPerFrame(), 1152);
    EXPECT_EQ(h->frameBytes(), 144 * 64000 / 22050);
}

TEST(MpegFrameHeader, RejectsWhatIsNoHeader) {
    EXPECT_FALSE(parse(0xDB, 0x90));  // 11 sync bits incomplete
    EXPECT_FALSE(parse(0xEB, 0x90));  // reserved version
    EXPECT_FALSE(parse(0xF9, 0x90));  // reserved layer
    EXPECT_FALSE(parse(0xFB, 0xF0));  // bit-rate index 15
    EXPECT_FALSE(parse(0xFB, 0x9C));  // reserved sample rate
    const std::array<uint8_t, 4> text = {'R', 'I', 'F', 'F'};
    EXPECT_FALSE(MpegFrameHeader::parse(text.data()));
}

TEST(MpegFrameHeader, FreeFormatParsesWithoutSize) {
    const auto h = parse(0xFB, 0x00);
    ASSERT_TRUE(h);
    EXPECT_TRUE(h->freeFormat());
    EXPECT_EQ(h->frameBytes(), 0);
}

TEST(MpegFrameHeader, SameStreamIgnoresBitRateAndPadding) {
    const auto a = parse(0xFB, 0x90);
    EXPECT_TRUE(a->sameStream(*parse(0xFB, 0xB2)));
    EXPECT_FALSE(a->sameStream(*parse(0xFB, 0x94)));        // 48 kHz
    EXPECT_FALSE(a->sameStream(*parse(0xFD, 0x90)));        // layer 2
    EXPECT_FALSE(a->sameStream(*parse(0xFB, 0x90, 0xC4)));  // mono
    EXPECT_FALSE(a->sameStream(*parse(0xF3, 0x90)));        // MPEG-2
}

}  // namespace
}  // namespace sonara::audio

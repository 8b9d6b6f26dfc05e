#include "support/Mp3Fixture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "support/TempDir.h"

namespace sonara::testing {

namespace {

enum class Version { Mpeg1, Mpeg2, Mpeg25 };

// [MPEG-1 or not][layer - 1][index], kbit/s.
constexpr int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};

struct Layout {
    Version version;
    int rateIndex;
    int layer;
    bool stereo;
};

Layout layoutOf(const Mp3Spec& spec) {
    static constexpr std::array<int, 9> rates = {44100, 48000, 32000, 22050, 24000,
                                                 16000, 11025, 12000, 8000};
    const auto it = std::find(rates.begin(), rates.end(), spec.sampleRate);
    if (it == rates.end()) {
        throw std::invalid_argument("sample rate not in MPEG audio");
    }
    if (spec.layer < 1 || spec.layer > 3) {
        throw std::invalid_argument("layer must be 1, 2 or 3");
    }
    const int n = int(it - rates.begin());
    return {Version(n / 3), n % 3, spec.layer, spec.stereo};
}

const int* bitrateRow(const Layout& l) {
    return kBitrates[l.version == Version::Mpeg1 ? 0 : 1][l.layer - 1];
}

int bitrateIndex(const Layout& l, int kbps) {
    const int* row = bitrateRow(l);
    for (int i = 1; i < 15; ++i) {
        if (row[i] == kbps) {
            return i;
        }
    }
    throw std::invalid_argument("bit rate not in this MPEG version and layer");
}

int samplesPerFrameOf(const Layout& l) {
    if (l.layer == 1) {
        return 384;
    }
    return (l.layer == 3 && l.version != Version::Mpeg1) ? 576 : 1152;
}

int sampleRateOf(const Layout& l) {
    static constexpr int base[3] = {44100, 48000, 32000};
    const int shift = l.version == Version::Mpeg1 ? 0 : l.version == Version::Mpeg2 ? 1 : 2;
    return base[l.rateIndex] >> shift;
}

// Frame size numerator in bytes × sample rate, and the padding slot size.
int64_t sizeNumerator(const Layout& l, int kbps) {
    const int64_t bps = int64_t(kbps) * 1000;
    if (l.layer == 1) {
        return 12 * bps;  // in 4-byte slots
    }
    return (l.layer == 3 && l.version != Version::Mpeg1 ? 72 : 144) * bps;
}

int slotBytes(const Layout& l) {
    return l.layer == 1 ? 4 : 1;
}

int frameBytes(const Layout& l, int kbps, bool padded) {
    const int slots = int(sizeNumerator(l, kbps) / sampleRateOf(l)) + (padded ? 1 : 0);
    return slots * slotBytes(l);
}

int sideInfoBytes(const Layout& l) {
    if (l.version == Version::Mpeg1) {
        return l.stereo ? 32 : 17;
    }
    return l.stereo ? 17 : 9;
}

void putHeader(std::vector<uint8_t>& out, size_t at, const Layout& l, int brIndex, bool padded) {
    static constexpr int versionBits[3] = {3, 2, 0};
    const int layerBits = 4 - l.layer;
    out[at] = 0xFF;
    out[at + 1] = uint8_t(0xE0 | (versionBits[int(l.version)] << 3) | (layerBits << 1) | 1);
    out[at + 2] = uint8_t((brIndex << 4) | (l.rateIndex << 2) | (padded ? 2 : 0));
    out[at + 3] = uint8_t(((l.stereo ? 1 : 3) << 6) | 0x04);  // original bit set
}

void putBe32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
    }
}

void putBe16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = uint8_t(v >> 8);
    out[at + 1] = uint8_t(v);
}

void putText(std::vector<uint8_t>& out, size_t at, const char* text) {
    for (size_t i = 0; text[i] != 0; ++i) {
        out[at + i] = uint8_t(text[i]);
    }
}

struct Frame {
    int brIndex;
    bool padded;
    int bytes;
};

// The audio frames' bit rates and sizes. CBR pads like encoders do, so that
// the mean frame size matches the bit rate exactly.
std::vector<Frame> audioFrameList(const Mp3Spec& spec, const Layout& l) {
    const int count = audioFrames(spec);
    std::vector<int> rates;
    if (spec.vbr == Mp3Spec::Vbr::None) {
        rates = {spec.bitrateKbps};
    } else if (!spec.vbrBitrates.empty()) {
        rates = spec.vbrBitrates;
    } else {
        const int base = bitrateIndex(l, spec.bitrateKbps);
        for (int step : {0, 3, -2, 1, -3, 2, -1}) {
            rates.push_back(bitrateRow(l)[std::clamp(base + step, 1, 14)]);
        }
    }
    std::vector<Frame> frames;
    std::vector<int64_t> remainder(rates.size(), 0);
    for (int i = 0; i < count; ++i) {
        const size_t k = size_t(i) % rates.size();
        const int index = bitrateIndex(l, rates[k]);
        bool padded = false;
        if (!spec.freeFormat) {
            remainder[k] += sizeNumerator(l, rates[k]) % sampleRateOf(l);
            if (remainder[k] >= sampleRateOf(l)) {
                remainder[k] -= sampleRateOf(l);
                padded = true;
            }
        }
        frames.push_back({spec.freeFormat ? 0 : index, padded, frameBytes(l, rates[k], padded)});
    }
    return frames;
}

// A header frame at the nominal bit rate, or the smallest one holding `need` bytes.
Frame headerFrame(const Mp3Spec& spec, const Layout& l, int need) {
    const int nominal = bitrateIndex(l, spec.bitrateKbps);
    if (frameBytes(l, spec.bitrateKbps, false) >= need) {
        return {nominal, false, frameBytes(l, spec.bitrateKbps, false)};
    }
    for (int i = 1; i < 15; ++i) {
        if (frameBytes(l, bitrateRow(l)[i], false) >= need) {
            return {i, false, frameBytes(l, bitrateRow(l)[i], false)};
        }
    }
    throw std::invalid_argument("no frame of this format holds the VBR header");
}

std::vector<uint8_t> xingFrame(const Mp3Spec& spec, const Layout& l,
                               const std::vector<Frame>& frames, bool info) {
    const size_t at = 4 + size_t(sideInfoBytes(l));
    const bool lame = spec.lameDelay >= 0;
    const Frame head = headerFrame(spec, l, int(at) + (lame ? 156 : 120));
    std::vector<uint8_t> out(size_t(head.bytes), 0);
    putHeader(out, 0, l, head.brIndex, false);
    putText(out, at, info ? "Info" : "Xing");
    putBe32(out, at + 4, 0x0F);  // frames, bytes, table of contents, quality
    uint64_t total = uint64_t(head.bytes);
    for (const Frame& f : frames) {
        total += uint64_t(f.bytes);
    }
    putBe32(out, at + 8, uint32_t(frames.size()));
    putBe32(out, at + 12, uint32_t(total));
    // Byte offset of each percent of the play time, in 1/256 of the stream.
    std::vector<uint64_t> offsets;
    uint64_t pos = uint64_t(head.bytes);
    for (const Frame& f : frames) {
        offsets.push_back(pos);
        pos += uint64_t(f.bytes);
    }
    for (size_t i = 0; i < 100; ++i) {
        const size_t frame = frames.size() * i / 100;
        const uint64_t offset = frame < offsets.size() ? offsets[frame] : total;
        out[at + 16 + i] = uint8_t(std::min<uint64_t>(255, offset * 256 / total));
    }
    putBe32(out, at + 116, 50);
    if (lame) {
        const size_t tag = at + 120;
        putText(out, tag, "LAME3.100");
        const uint32_t delay = uint32_t(std::clamp(spec.lameDelay, 0, 4095));
        const uint32_t padding = uint32_t(std::clamp(spec.lamePadding, 0, 4095));
        out[tag + 21] = uint8_t(delay >> 4);
        out[tag + 22] = uint8_t(((delay & 0x0F) << 4) | (padding >> 8));
        out[tag + 23] = uint8_t(padding);
    }
    return out;
}

std::vector<uint8_t> vbriFrame(const Mp3Spec& spec, const Layout& l,
                               const std::vector<Frame>& frames) {
    const size_t framesPerEntry = std::max<size_t>(1, (frames.size() + 99) / 100);
    const size_t entries = (frames.size() + framesPerEntry - 1) / framesPerEntry;
    std::vector<uint64_t> chunk(entries, 0);
    for (size_t i = 0; i < frames.size(); ++i) {
        chunk[i / framesPerEntry] += uint64_t(frames[i].bytes);
    }
    const uint64_t largest = chunk.empty() ? 0 : *std::max_element(chunk.begin(), chunk.end());
    const uint64_t scale = std::max<uint64_t>(1, (largest + 65534) / 65535);

    const size_t at = 36;  // fixed place, whatever the channel mode
    const Frame head = headerFrame(spec, l, int(at + 26 + 2 * entries));
    std::vector<uint8_t> out(size_t(head.bytes), 0);
    putHeader(out, 0, l, head.brIndex, false);
    uint64_t total = uint64_t(head.bytes);
    for (const Frame& f : frames) {
        total += uint64_t(f.bytes);
    }
    putText(out, at, "VBRI");
    putBe16(out, at + 4, 1);     // version
    putBe16(out, at + 6, 1105);  // encoder delay
    putBe16(out, at + 8, 75);    // quality
    putBe32(out, at + 10, uint32_t(total));
    putBe32(out, at + 14, uint32_t(frames.size()));
    putBe16(out, at + 18, uint32_t(entries));
    putBe16(out, at + 20, uint32_t(scale));
    putBe16(out, at + 22, 2);  // bytes per entry
    putBe16(out, at + 24, uint32_t(framesPerEntry));
    for (size_t i = 0; i < entries; ++i) {
        putBe16(out, at + 26 + 2 * i, uint32_t(chunk[i] / scale));
    }
    return out;
}

void append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void putField(std::vector<uint8_t>& out, size_t at, const std::string& text, size_t width) {
    std::copy_n(text.begin(), std::min(width, text.size()), out.begin() + long(at));
}

}  // namespace

int samplesPerFrame(const Mp3Spec& spec) {
    return samplesPerFrameOf(layoutOf(spec));
}

int audioFrames(const Mp3Spec& spec) {
    if (spec.frames > 0) {
        return spec.frames;
    }
    return int(std::lround(spec.seconds * spec.sampleRate / samplesPerFrame(spec)));
}

int64_t expectedMilliseconds(const Mp3Spec& spec) {
    return int64_t(audioFrames(spec)) * samplesPerFrame(spec) * 1000 / spec.sampleRate;
}

Mp3Spec songSpec(double seconds, int kbps, int rate, bool stereo, Mp3Spec::Vbr vbr) {
    Mp3Spec s;
    s.seconds = seconds;
    s.bitrateKbps = kbps;
    s.sampleRate = rate;
    s.stereo = stereo;
    s.vbr = vbr;
    return s;
}

std::vector<uint8_t> makeMp3(const Mp3Spec& spec) {
    const Layout l = layoutOf(spec);
    bitrateIndex(l, spec.bitrateKbps);  // throws on a rate the format lacks
    const std::vector<Frame> frames = audioFrameList(spec, l);
    const bool wantsHeader = spec.vbr == Mp3Spec::Vbr::Xing || spec.vbr == Mp3Spec::Vbr::Vbri ||
                             (spec.vbr == Mp3Spec::Vbr::None && spec.infoHeader);
    if (wantsHeader && l.layer != 3) {
        throw std::invalid_argument("VBR header frames are made for layer 3 only");
    }

    std::vector<uint8_t> out = spec.head;
    if (spec.vbr == Mp3Spec::Vbr::Xing || (spec.vbr == Mp3Spec::Vbr::None && spec.infoHeader)) {
        append(out, xingFrame(spec, l, frames, spec.vbr == Mp3Spec::Vbr::None));
    } else if (spec.vbr == Mp3Spec::Vbr::Vbri) {
        append(out, vbriFrame(spec, l, frames));
    }
    for (const Frame& f : frames) {
        const size_t at = out.size();
        out.resize(at + size_t(f.bytes), 0);
        putHeader(out, at, l, f.brIndex, f.padded);
    }
    append(out, spec.tail);
    return out;
}

void writeMp3(const std::filesystem::path& file, const Mp3Spec& spec) {
    const std::vector<uint8_t> bytes = makeMp3(spec);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

void writeTaggedSong(const std::filesystem::path& file, const std::vector<uint8_t>& id3v1) {
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path());
    }
    std::vector<uint8_t> bytes = makeMp3(songSpec(0.1));
    bytes.insert(bytes.end(), id3v1.begin(), id3v1.end());
    writeBytes(file, bytes);
}

void writeTaggedSong(const std::filesystem::path& file, const std::string& artist,
                     const std::string& title, const std::string& album, const std::string& year) {
    writeTaggedSong(file, id3v1Block(title, artist, album, year, "", 255));
}

std::vector<uint8_t> id3v1Block(const std::string& title, const std::string& artist,
                                const std::string& album, const std::string& year,
                                const std::string& comment, uint8_t genre, int track) {
    std::vector<uint8_t> out(128, 0);
    putText(out, 0, "TAG");
    putField(out, 3, title, 30);
    putField(out, 33, artist, 30);
    putField(out, 63, album, 30);
    putField(out, 93, year, 4);
    if (track > 0) {
        putField(out, 97, comment, 28);
        out[126] = uint8_t(track);
    } else {
        putField(out, 97, comment, 30);
    }
    out[127] = genre;
    return out;
}

std::vector<uint8_t> id3v2Block(const std::string& title, const std::string& artist,
                                const std::string& album, size_t padding) {
    std::vector<uint8_t> body;
    for (const auto& [id, text] : {std::pair<const char*, const std::string&>{"TIT2", title},
                                   {"TPE1", artist},
                                   {"TALB", album}}) {
        if (text.empty()) {
            continue;
        }
        const size_t at = body.size();
        body.resize(at + 11 + text.size(), 0);
        putText(body, at, id);
        putBe32(body, at + 4, uint32_t(text.size() + 1));
        body[at + 10] = 0;  // ISO-8859-1
        std::copy(text.begin(), text.end(), body.begin() + long(at + 11));
    }
    body.resize(body.size() + padding, 0);

    std::vector<uint8_t> out(10, 0);
    putText(out, 0, "ID3");
    out[3] = 3;  // version 2.3.0, no flags
    const size_t size = body.size();
    for (int i = 0; i < 4; ++i) {
        out[6 + size_t(i)] = uint8_t((size >> (21 - 7 * i)) & 0x7F);  // sync-safe
    }
    append(out, body);
    return out;
}

std::vector<uint8_t> makeWav(int sampleRate, int channels, double seconds) {
    const uint32_t frames = uint32_t(std::lround(seconds * sampleRate));
    const uint32_t dataBytes = frames * uint32_t(channels) * 2;
    std::vector<uint8_t> out(44, 0);
    auto le = [&out](size_t at, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out[at + size_t(i)] = uint8_t(v >> (8 * i));
        }
    };
    putText(out, 0, "RIFF");
    le(4, 36 + dataBytes, 4);
    putText(out, 8, "WAVEfmt ");
    le(16, 16, 4);
    le(20, 1, 2);  // PCM
    le(22, uint32_t(channels), 2);
    le(24, uint32_t(sampleRate), 4);
    le(28, uint32_t(sampleRate * channels * 2), 4);
    le(32, uint32_t(channels * 2), 2);
    le(34, 16, 2);
    putText(out, 36, "data");
    le(40, dataBytes, 4);
    out.reserve(44 + dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        // Quiet and just below zero half the time: bytes 0xFF 0xEx and the like.
        const auto sample = int16_t(std::lround(300 * std::sin(i * 0.0627)) - 20);
        for (int c = 0; c < channels; ++c) {
            out.push_back(uint8_t(uint16_t(sample) & 0xFF));
            out.push_back(uint8_t(uint16_t(sample) >> 8));
        }
    }
    return out;
}

}  // namespace sonara::testing

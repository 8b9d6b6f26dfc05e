#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sonara::testing {

// What makeMp3 builds: real MPEG audio frames with valid headers and zeroed
// side info and main data, so every decoder plays them as silence. The MPEG
// version follows from the sample rate (44100/48000/32000 MPEG-1,
// 22050/24000/16000 MPEG-2, 11025/12000/8000 MPEG-2.5). A bit rate that the
// version and layer do not know throws std::invalid_argument.
struct Mp3Spec {
    int layer = 3;  // 1, 2 or 3
    int bitrateKbps = 128;
    int sampleRate = 44100;
    bool stereo = true;  // joint stereo, else mono
    // Audio frames; when 0, `seconds` rounded to whole frames. Both 0 makes a
    // file without audio frames (tags and header frame only).
    int frames = 0;
    double seconds = 0;

    // None is CBR. The VBR kinds cycle the frames through `vbrBitrates` (or,
    // when empty, rates around bitrateKbps) and put a Xing or VBRI header frame
    // in front, or nothing. Header frames exist for layer 3 only.
    enum class Vbr { None, Xing, Vbri, NoHeader };
    Vbr vbr = Vbr::None;
    std::vector<int> vbrBitrates;
    // CBR only: a Xing-layout "Info" header frame in front, as encoders write.
    bool infoHeader = false;
    // When >= 0, a LAME tag follows the Xing/Info data with this encoder delay
    // and padding in samples (gapless decoders trim them).
    int lameDelay = -1;
    int lamePadding = 0;
    // Bit-rate index 0 ("free format"), frames sized as bitrateKbps would.
    bool freeFormat = false;

    // Raw bytes put before the first frame (an id3v2Block, junk) and after the
    // last one (an id3v1Block, other tag blocks).
    std::vector<uint8_t> head;
    std::vector<uint8_t> tail;
};

// The spec of a song of `seconds` at the given rate and channels (layer 3).
Mp3Spec songSpec(double seconds, int kbps = 128, int rate = 44100, bool stereo = true,
                 Mp3Spec::Vbr vbr = Mp3Spec::Vbr::None);

std::vector<uint8_t> makeMp3(const Mp3Spec& spec);
void writeMp3(const std::filesystem::path& file, const Mp3Spec& spec);

// Audio frames makeMp3 writes (header frames not counted).
int audioFrames(const Mp3Spec& spec);
// 384 for layer 1, 1152 for layer 2 and MPEG-1 layer 3, 576 for MPEG-2/2.5 layer 3.
int samplesPerFrame(const Mp3Spec& spec);
// The play length of the audio frames: frames × samples per frame ÷ rate.
int64_t expectedMilliseconds(const Mp3Spec& spec);

// A 128-byte ID3v1 block: "TAG", fields cut or zero-padded to 30/30/30/4 bytes,
// the comment to 30 (28 and a track byte when track > 0, ID3v1.1), the genre byte.
// Texts are copied as bytes (ISO-8859-1 is the caller's business).
std::vector<uint8_t> id3v1Block(const std::string& title, const std::string& artist,
                                const std::string& album, const std::string& year,
                                const std::string& comment, uint8_t genre, int track = 0);

// A 0.1 s song followed by `id3v1` (an id3v1Block), written to `file`; its
// folders are made as needed.
void writeTaggedSong(const std::filesystem::path& file, const std::vector<uint8_t>& id3v1);
// The same with a tag of `artist` and `title` (and `album`, `year`), no
// comment and no genre.
void writeTaggedSong(const std::filesystem::path& file, const std::string& artist,
                     const std::string& title, const std::string& album = {},
                     const std::string& year = {});

// A minimal ID3v2.3 tag with TIT2, TPE1 and TALB frames (ISO-8859-1, empty
// texts left out), followed by `padding` zero bytes inside the tag.
std::vector<uint8_t> id3v2Block(const std::string& title, const std::string& artist,
                                const std::string& album, size_t padding = 0);

// A 16-bit PCM WAV file holding a quiet tone: its samples contain the byte
// patterns that look like MPEG frame sync.
std::vector<uint8_t> makeWav(int sampleRate, int channels, double seconds);

}  // namespace sonara::testing

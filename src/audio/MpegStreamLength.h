#pragma once

#include <cstdint>

#include "audio/ByteSource.h"

namespace sonara::audio {

// What the frame headers at the two ends of an MPEG audio file tell about its
// play length, read from a handful of small blocks instead of the whole file.
struct MpegStreamLength {
    enum class Outcome {
        Measured,   // `samples` is what libmpg123 plays
        NeedsScan,  // MPEG audio, but only a walk over every frame can tell
        NotMpeg,    // nothing libmpg123 should be given: 0 length
    };
    Outcome outcome = Outcome::NotMpeg;
    int64_t samples = 0;  // per channel
    int sampleRate = 0;
};

// Measured: a Xing/Info or VBRI header that the file's size does not
// contradict; a CBR stream whose first and last frames share the bit rate and
// sit on the grid that bit rate gives; a file small enough to walk whole.
// NotMpeg: an empty file, other containers (RIFF WAV, AIFF, Ogg, FLAC ...),
// no frame pair within the 64 KiB of junk libmpg123 searches after ID3v2
// tags, a first frame in free format (bit rate 0, which is also how
// libmpg123 misreads PCM samples), a single frame.
// Reads the first and last 4 KiB, more only behind large ID3v2 tags or junk.
MpegStreamLength measureMpegStream(ByteSource& source);

}  // namespace sonara::audio

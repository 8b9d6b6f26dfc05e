#pragma once

#include <string>

namespace sonara::testing {
class TempDir;
}

namespace sonara::bench {

class ResultTable;

// Playback on the sound server (skipped without one): the CPU time a song
// costs with the visualisations fed, over the audio time; and Play to the
// started event.
// Writes a 30-second MP3 into `dir` and returns its path: music-like audio
// when the lame encoder is at hand, else the fixtures' silent frames.
std::string makeBenchSong(const testing::TempDir& dir);

void runPlaybackBench(ResultTable& table);

}  // namespace sonara::bench

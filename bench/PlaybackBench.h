#pragma once

namespace sonara::bench {

class ResultTable;

// Playback on the sound server (skipped without one): the CPU time a song
// costs with the visualisations fed, over the audio time; and Play to the
// started event.
void runPlaybackBench(ResultTable& table);

}  // namespace sonara::bench

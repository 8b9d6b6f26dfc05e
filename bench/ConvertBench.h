#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// MP3-to-WAV conversion through the conversion sequencer, beside the mpg123
// program writing the same WAV files in the same run: one long file with one
// job, and a batch of eight files with two jobs against mpg123 converting
// them one after another. The MP3s are encoded by lame from a synthetic
// piece of music when lame is installed, else they are the test fixtures'
// silent frames (which decode faster than music; the rows say so). Without
// mpg123 the peer rows are left out.
void runConvertBench(ResultTable& table);

}  // namespace sonara::bench

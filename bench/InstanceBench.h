#pragma once

namespace sonara::bench {

class ResultTable;

// A second start handing two songs to the running program (the real
// binary on the offscreen platform): from its start to its exit, beside the
// same binary's `--help` start, and from its exit until the running program
// had run both open commands (read from its trace). Starts and stops its
// own running program in a temporary data folder.
void runInstanceBench(ResultTable& table);

}  // namespace sonara::bench

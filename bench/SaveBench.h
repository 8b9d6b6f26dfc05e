#pragma once

namespace sonara::bench {

class ResultTable;

// The periodic save of a library of `records` records: how long a round
// holds the window's thread (the snapshot and the hand-off to the writer),
// beside the whole save on one thread as the exit save does it.
void runSaveBench(int records, ResultTable& table);

}  // namespace sonara::bench

#pragma once

#include "BenchCorpus.h"
#include "ResultTable.h"

namespace sonara::bench {

// What a library scan costs per new file: the physical limit (open, first
// 4 KiB, last 359 bytes), TagLib as the peer, the length probe alone and the
// record factory with it.
void runScanBench(const BenchCorpus& corpus, ResultTable& table);

}  // namespace sonara::bench

#pragma once

#include "BenchCorpus.h"
#include "ResultTable.h"

namespace sonara::bench {

// The duplicate finder over the corpus tree beside `fdupes -r` on the same
// tree (a run of the real program, its output thrown away).
void runDupesBench(const BenchCorpus& corpus, ResultTable& table);

}  // namespace sonara::bench

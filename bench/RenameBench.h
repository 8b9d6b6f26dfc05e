#pragma once

#include "BenchCorpus.h"
#include "ResultTable.h"

namespace sonara::bench {

// The rename tool's search over the corpus (walk, tag of every file, sort)
// beside the physical-limit walk.
void runRenameBench(const BenchCorpus& corpus, ResultTable& table);

}  // namespace sonara::bench

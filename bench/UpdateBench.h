#pragma once

#include "BenchCorpus.h"
#include "ResultTable.h"

namespace sonara::bench {

// The library update of the corpus tree: from an empty library, beside the
// physical-limit walk and MPD's database update of the same tree; and again
// with nothing changed, beside `find` listing the tree.
void runUpdateBench(const BenchCorpus& corpus, ResultTable& table);

}  // namespace sonara::bench

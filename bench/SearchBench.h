#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// The library list's search, letter filter and artist selector over a
// library of `records` records, each beside a plain pass over the same
// stored texts or the library's own sort.
void runSearchBench(int records, ResultTable& table);

}  // namespace sonara::bench

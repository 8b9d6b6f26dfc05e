#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// Loading and saving a library file of `records` records, each beside
// reading or writing as many bytes raw, and the memory a loaded record takes.
void runLibraryFileBench(int records, ResultTable& table);

}  // namespace sonara::bench

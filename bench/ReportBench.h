#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// A library report (library names, one song per line) of `records` songs,
// written to a file; the target is one second.
void runReportBench(int records, ResultTable& table);

}  // namespace sonara::bench

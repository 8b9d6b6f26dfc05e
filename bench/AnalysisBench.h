#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// What the visualisations cost per fast-timer tick (20 ms): two chained
// connectors feeding a 512- and a 256-point stereo spectrum and four level
// meters, beside the bare transforms those spectra need and the budget of
// 1 % of one core.
void runAnalysisBench(ResultTable& table);

}  // namespace sonara::bench

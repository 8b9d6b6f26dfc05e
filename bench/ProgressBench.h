#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// The library update under the real progress dialog over `files` tiny songs
// (one of them slow to read) while a window asks to be repainted every
// frame: the longest gap between two of its repaints, and the update's time
// beside the same update without a dialog. Not part of the default run.
void runProgressBench(int files, ResultTable& table);

}  // namespace sonara::bench

#pragma once

#include "ResultTable.h"

namespace sonara::bench {

// Painting a screenful of a 100,000-row skinned list offscreen (target
// 10 ms), and switching skins with a window of every skinned control open
// (target 200 ms).
void runSkinBench(ResultTable& table);

}  // namespace sonara::bench

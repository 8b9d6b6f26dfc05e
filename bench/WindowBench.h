#pragma once

namespace sonara::bench {

class ResultTable;

// The main window's figures over a library of `records` generated records,
// each beside a baseline measured in the same run: start to the first
// painted window (beside the same start with an empty library), a search
// until the list repainted, a screenful of either list, a view's layout, a
// resize, the process's CPU while playing with every display on (needs the
// sound server; skipped without), and the program's peak resident memory
// with the window shown. Makes its own QApplication on the offscreen
// platform; no other may exist.
void runWindowBench(int records, ResultTable& table);

}  // namespace sonara::bench

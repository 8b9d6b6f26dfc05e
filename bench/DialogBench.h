#pragma once

namespace sonara::bench {

class ResultTable;

// Each named dialog's opening over the main window of a library of `records`
// generated records and one real song listed first, as its menu opens it
// (that row selected for the dialogs that work on a selection): from the
// command to the dialog shown with its posted work done and painted, the
// median of three, beside the same opening over a library of the one song.
// The setup wizard goes last: over a full library it first resets it. Makes its own QApplication on
// the offscreen platform; no other may exist.
void runDialogBench(int records, ResultTable& table);

}  // namespace sonara::bench

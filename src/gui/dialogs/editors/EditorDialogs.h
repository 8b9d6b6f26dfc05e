#pragma once

#include "gui/dialogs/DialogFamily.h"

namespace sonara {
class LibraryRecord;
}

namespace sonara::gui {

class MainWindow;

// The editors the library's pop-up menu opens for its records ("Edit Tag
// Info", "Edit Library Record", "Assign Genre") and the Volume Control
// dialog. Borrows the window, which outlives it.
class EditorDialogs final : public DialogFamily {
  public:
    explicit EditorDialogs(MainWindow& window);
    bool run(Command command) override;

  private:
    // The library list's focused record, else its first selected one.
    LibraryRecord* focusedRecord() const;
    void editTag();
    void editRecord();
    void assignGenre();
    void volumeControl();
    // After records changed: the data files saved, the list shown again.
    void recordsChanged();

    MainWindow& window_;
};

}  // namespace sonara::gui

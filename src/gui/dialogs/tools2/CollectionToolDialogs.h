#pragma once

#include <string>
#include <vector>

#include "gui/dialogs/DialogFamily.h"

namespace sonara::gui {

class MainWindow;

// The tools over the whole collection: "Backup...", "Restore...", "Top
// 100..." and "MP3 To WAV" from the library's and the play list's pop-ups
// (their selected rows). Borrows the window; user-interface thread only.
class CollectionToolDialogs final : public DialogFamily {
  public:
    explicit CollectionToolDialogs(MainWindow& window);

    bool run(Command command) override;

  private:
    void backup();
    void restore();
    void showTop100();
    void convertToWav(std::vector<std::string> sources);
    std::vector<std::string> selectedLibraryFiles() const;
    std::vector<std::string> selectedPlayListFiles() const;

    MainWindow& window_;
};

}  // namespace sonara::gui

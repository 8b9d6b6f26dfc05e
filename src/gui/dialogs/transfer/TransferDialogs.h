#pragma once

#include <string>
#include <vector>

#include "gui/dialogs/DialogFamily.h"

namespace sonara::gui {

class MainWindow;

// "Transfer to NOMAD" from the library's and the play list's pop-ups: finds
// the first connected player (SONARA_FAKE_PLAYER, when set, names players
// held in memory instead), opens it, and shows the transfer dialog over the
// selected songs. Borrows the window; user-interface thread only.
class TransferDialogs final : public DialogFamily {
  public:
    explicit TransferDialogs(MainWindow& window);

    bool run(Command command) override;

  private:
    struct Songs {
        std::vector<std::string> paths;
        bool leftOut = false;
    };
    void transfer(bool fromLibrary);
    Songs selectedLibrarySongs() const;
    Songs selectedPlayListSongs() const;

    MainWindow& window_;
};

}  // namespace sonara::gui

#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/PreferencePageRules.h"
#include "gui/dialogs/settings/PlayerPage.h"
#include "gui/skin/SkinDialog.h"

class QListWidget;
class QStackedWidget;

namespace sonara {
class Prompter;
}

namespace sonara::gui {

class GeneralPage;
class LibraryPage;
class PlaybackPage;
class PreferencePage;
class SkinCaptionButton;
class VisualizationPage;

// What the pages show beyond the preferences: the user's own player (none
// where the desktop is left alone), the output devices in index order with
// the one in use, and the genre picker behind "Genre...".
struct PreferencesSetup {
    std::optional<OutsidePlayerInfo> outsidePlayer;
    std::vector<std::string> devices;
    int currentDevice = -1;
    PlayerPage::GenrePicking pickGenres;
};

// "Preferences:  <page>": the five page names on the left, the chosen page
// on the right, "OK" and "Cancel". The pages are filled from the store's
// values when it is made; nothing is written back by the dialog itself:
// after OK, storeInto() gives the edited values. A page with a value it
// cannot take keeps the focus (the switch to another page is refused, OK
// shows that page), with the message through the prompter.
// User-interface thread only; borrows the context and the prompter.
class PreferencesDialog final : public SkinDialog {
    Q_OBJECT
  public:
    static constexpr int kPageCount = 5;

    PreferencesDialog(SkinContext& context, Prompter& prompter, PreferencesSetup setup,
                      QWidget* parent = nullptr);

    int currentPage() const { return current_; }
    // False (and the message shown) when the page now shown cannot be left.
    bool showPage(int index);
    // Every page's values and "LastPrefPageOn" into `values`; only what the
    // pages own is written.
    void storeInto(Preferences& values) const;

    QListWidget* pageList() const { return list_; }
    GeneralPage* generalPage() const { return general_; }
    LibraryPage* libraryPage() const { return library_; }
    PlayerPage* playerPage() const { return player_; }
    PlaybackPage* playbackPage() const { return playback_; }
    VisualizationPage* visualizationPage() const { return visualization_; }
    SkinCaptionButton* okButton() const { return ok_; }
    SkinCaptionButton* cancelButton() const { return cancel_; }

  protected:
    bool validate() override;
    void skinChanged() override;

  private:
    void pageChosen(int row);
    void select(int index);
    // Shows the failure of the page at `index`; false when there is one.
    bool pageAccepts(int index);

    Prompter& prompter_;
    QListWidget* list_;
    QStackedWidget* stack_;
    GeneralPage* general_;
    LibraryPage* library_;
    PlayerPage* player_;
    PlaybackPage* playback_;
    VisualizationPage* visualization_;
    std::array<PreferencePage*, kPageCount> pages_{};
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
    int current_ = -1;
};

}  // namespace sonara::gui

#pragma once

#include <string_view>

#include "core/mainwnd/ViewDisplay.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

struct Preferences;

// Which of the two lists a column-width step concerns.
enum class ViewLists { PlayListOnly, Both };

// What the main window does for a view switch. Called on the user-interface
// thread, in the order ViewSwitcher documents.
class ViewPort {
  public:
    virtual ~ViewPort() = default;
    virtual void setSeekBarEnabled(bool enabled) = 0;
    // Store the window's current placement under `key`.
    virtual void saveWindowPlacement(std::string_view key) = 0;
    // Remember the lists' column widths as fractions of the list width.
    virtual void rememberColumnFractions(ViewLists lists) = 0;
    virtual void reapplyColumnFractions(ViewLists lists) = 0;
    // Write every preference to the file.
    virtual void savePreferences() = 0;
    // Post the file-description refresh.
    virtual void refreshFileDescription() = 0;
    virtual bool isPlaying() const = 0;
    virtual void setDisplay(const ViewDisplay& display) = 0;
    // Show the current view's controls, place the window for the view and
    // apply its layout to the client size.
    virtual void relayout() = 0;
};

// The main window's current view and owner mode, and switching between
// views. Borrows the port and the preferences; user-interface thread only.
class ViewSwitcher {
  public:
    ViewSwitcher(ViewPort& port, Preferences& preferences, ViewMode initial);

    ViewMode view() const { return view_; }
    bool ownerMode() const { return ownerMode_; }
    // The key the window's placement goes under now (moves and resizes).
    std::string_view placementKey() const;

    // Switch to `mode`: enable the seek bar unless Party; nothing more for
    // the current view; save the old view's placement (not when leaving the
    // owner mode, which only ends, nor when entering the bar view); remember
    // the column fractions of the lists the old view shows; store and save
    // "LastView"; refresh the file description, the displays and the layout;
    // re-apply the fractions unless the old view had no lists.
    void setView(ViewMode mode);
    // When the window opens: the seek bar, the displays and the layout of
    // the initial view, without saving anything.
    void showInitialView();
    // Ctrl+O in Party view: view 0 filling the work area. The placement of
    // the view left is saved under its own key first; in view 0 the owner
    // mode only starts and the window is placed again.
    void enterOwnerMode();
    // "UseAsDefaultPlayer" changed: the view moves to its twin for the new
    // player choice, or the current view is laid out again (the volume and
    // the displays come and go with the player).
    void applyPlayerChoice(bool builtInPlayer);

    // The user resized the window: keep the lists' column fractions across
    // the new layout and save the placement. Ignored while the program
    // places the window itself.
    void windowResized();
    // The user moved the window: save the placement; ignored likewise.
    void windowMoved();

    // Marks the program's own moving and sizing of the window (every
    // relayout the switcher asks for is marked already).
    class ProgramPlacing {
      public:
        explicit ProgramPlacing(ViewSwitcher& switcher);
        ~ProgramPlacing();
        ProgramPlacing(const ProgramPlacing&) = delete;
        ProgramPlacing& operator=(const ProgramPlacing&) = delete;

      private:
        ViewSwitcher& switcher_;
    };

  private:
    void switchTo(ViewMode mode, bool ownerMode);
    void relayout();

    ViewPort& port_;
    Preferences& preferences_;
    ViewMode view_;
    bool ownerMode_ = false;
    int programPlacing_ = 0;
};

}  // namespace sonara

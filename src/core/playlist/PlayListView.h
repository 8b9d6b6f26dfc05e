#pragma once

#include <cstddef>
#include <string>

namespace sonara {

struct PlayListTotals;

// What the play list tells the main window, whose list rows mirror the
// entries row for row (row i shows entry i). The window implements it while
// it exists; the play list works without one. User-interface thread only.
// The play list calls in after its own change is done, so a call may read
// the play list back (and pressStop() may call stopCurrent()).
class PlayListView {
  public:
    virtual ~PlayListView() = default;

    virtual void rowsInserted(size_t first, size_t count) = 0;
    virtual void rowsRemoved(size_t first, size_t count) = 0;
    // The row's state icon or texts changed.
    virtual void rowChanged(size_t row) = 0;
    virtual void rowsSwapped(size_t a, size_t b) = 0;
    // Every row changed (shuffle, load): rebuild them from the list.
    virtual void rowsReset() = 0;
    virtual void selectRow(size_t row) = 0;

    virtual void totalsChanged(const PlayListTotals& totals) = 0;
    // The now-playing caption: window caption and tray tooltip.
    virtual void captionChanged(const std::string& caption) = 0;
    virtual void setScrollingTitle(const std::string& text) = 0;
    // The entry of `row` was opened in the player: post the file description
    // and show the entry in the scrolling title.
    virtual void currentOpened(size_t row) = 0;
    // Library rows were added while nothing plays: the scrolling title shows
    // the current entry or, failing that, the selected row.
    virtual void showIdleTitle() = 0;
    // Time display, seek bar and info line back to their idle texts.
    virtual void resetDisplay() = 0;
    // As if the Stop button was pressed.
    virtual void pressStop() = 0;
    // The ViewMode shown (0 Normal ... 5 Library, 6 Library and Playlist, 7
    // Touch Screen).
    virtual int viewMode() const = 0;
};

}  // namespace sonara

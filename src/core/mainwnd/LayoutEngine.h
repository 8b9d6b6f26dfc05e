#pragma once

#include <array>

#include "core/mainwnd/LayoutTable.h"
#include "core/mainwnd/LayoutTableRows.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

// The main window's layout: its eight tables captured against the window and
// applied on every relayout. Lives as long as the window; used on the
// window's thread only. Holds the target by reference: the window outlives it.
class LayoutEngine {
  public:
    explicit LayoutEngine(LayoutTarget& target) : target_(target) {}

    // Records `client` as the initial client rectangle and captures all eight
    // tables from the controls as they stand now. Again after a skin change.
    void rebuild(const Rect& client);

    // A skin control changed its own size: its rows in every table take its
    // current width and height as their initial size.
    void updateRow(ControlId control);

    // Empty until the first rebuild.
    const LayoutTable& tableFor(ViewMode view, bool smallSpectrumShown) const;
    const LayoutTable& table(LayoutTableId id) const;

    void apply(const LayoutTable& table, const Rect& client);
    void applyView(ViewMode view, bool smallSpectrumShown, const Rect& client) {
        apply(tableFor(view, smallSpectrumShown), client);
    }

    // The play list's share of the work space in view 6, in percent. The
    // window clamps it to its range; 100 puts the play-list label at the top.
    void setWorkSpacePercent(int percent) { workSpacePercent_ = percent; }
    int workSpacePercent() const { return workSpacePercent_; }

    const Rect& initialClient() const { return initialClient_; }

  private:
    LayoutTarget& target_;
    Rect initialClient_;
    int workSpacePercent_ = 100;
    std::array<LayoutTable, kAllLayoutTables.size()> tables_;
};

}  // namespace sonara

#include "core/mainwnd/ViewSwitcher.h"

#include "core/mainwnd/ViewTable.h"
#include "core/settings/Preferences.h"

namespace sonara {

ViewSwitcher::ViewSwitcher(ViewPort& port, Preferences& preferences, ViewMode initial)
    : port_(port), preferences_(preferences), view_(initial) {}

std::string_view ViewSwitcher::placementKey() const {
    return placementKeyFor(view_, ownerMode_);
}

void ViewSwitcher::setView(ViewMode mode) {
    switchTo(mode, false);
}

void ViewSwitcher::showInitialView() {
    port_.setSeekBarEnabled(view_ != ViewMode::Party);
    port_.setDisplay(displayForView(view_, port_.isPlaying()));
    relayout();
}

void ViewSwitcher::enterOwnerMode() {
    if (view_ != ViewMode::Normal) {
        switchTo(ViewMode::Normal, true);
        return;
    }
    if (!ownerMode_) {
        ownerMode_ = true;
        relayout();
    }
}

void ViewSwitcher::applyPlayerChoice(bool builtInPlayer) {
    const ViewMode twin = viewForPlayerChoice(view_, builtInPlayer);
    if (twin != view_) {
        setView(twin);
    } else {
        relayout();
    }
}

void ViewSwitcher::windowResized() {
    if (programPlacing_ > 0) {
        return;
    }
    port_.rememberColumnFractions(ViewLists::Both);
    port_.saveWindowPlacement(placementKey());
    relayout();
    port_.reapplyColumnFractions(ViewLists::Both);
}

void ViewSwitcher::windowMoved() {
    if (programPlacing_ == 0) {
        port_.saveWindowPlacement(placementKey());
    }
}

void ViewSwitcher::relayout() {
    const ProgramPlacing placing(*this);
    port_.relayout();
}

ViewSwitcher::ProgramPlacing::ProgramPlacing(ViewSwitcher& switcher) : switcher_(switcher) {
    ++switcher_.programPlacing_;
}

ViewSwitcher::ProgramPlacing::~ProgramPlacing() {
    --switcher_.programPlacing_;
}

void ViewSwitcher::switchTo(ViewMode mode, bool ownerMode) {
    port_.setSeekBarEnabled(mode != ViewMode::Party);
    if (mode == view_) {
        return;
    }
    const ViewMode old = view_;
    if (old == ViewMode::Normal && ownerMode_) {
        // The owner's filled work area is no placement to come back to.
        ownerMode_ = false;
    } else if (mode != ViewMode::Toolbar) {
        port_.saveWindowPlacement(placementKeyFor(old, ownerMode_));
    }

    if (old == ViewMode::Normal || old == ViewMode::Party) {
        port_.rememberColumnFractions(ViewLists::Both);
    } else if (old == ViewMode::Playlist) {
        port_.rememberColumnFractions(ViewLists::PlayListOnly);
    }

    view_ = mode;
    ownerMode_ = ownerMode;
    preferences_.lastView = viewModeNumber(mode);
    port_.savePreferences();

    port_.refreshFileDescription();
    port_.setDisplay(displayForView(mode, port_.isPlaying()));
    relayout();

    // The player and bar views hide both lists, so nothing was remembered
    // from them.
    if (old == ViewMode::Player || old == ViewMode::Toolbar) {
        return;
    }
    if (mode == ViewMode::Playlist) {
        port_.reapplyColumnFractions(ViewLists::PlayListOnly);
    } else if (mode == ViewMode::Normal || mode == ViewMode::Party) {
        port_.reapplyColumnFractions(ViewLists::Both);
    }
}

}  // namespace sonara

#pragma once

#include <QKeyEvent>
#include <unordered_set>

#include "core/mainwnd/KeyMap.h"

namespace sonara::gui {

// Turns the window's key events into the keyboard table's terms: which key
// went down, with which modifiers, and which of the owner's skip keys are
// held with it (a key counts as held from its press to its release).
class MainKeyboard {
  public:
    // The key going down, as the table sees it; remembers it as held.
    KeyPress pressed(const QKeyEvent& event);
    void released(const QKeyEvent& event);
    // A window that loses the focus never hears the releases.
    void clearHeld() { held_.clear(); }

    static Key keyOf(const QKeyEvent& event);

  private:
    bool isHeld(Key key) const { return held_.count(static_cast<int>(key)) != 0; }
    std::unordered_set<int> held_;
};

}  // namespace sonara::gui

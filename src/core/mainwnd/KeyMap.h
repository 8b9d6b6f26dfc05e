#pragma once

#include "core/app/Command.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

// The keys the main window's keyboard table names; the gui maps its key
// codes onto these, everything else is Other.
enum class Key { Escape, Enter, Up, Down, Delete, F1, F5, F6, F9, A, N, O, P, X, Keypad1, Other };

// Where the keyboard focus is when the key goes down.
enum class KeyFocus { LibraryList, PlayList, SearchText, Other };

// A key going down, with the keys of the owner's skip that are held with it.
struct KeyPress {
    Key key = Key::Other;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool heldA = false;
    bool heldKeypad1 = false;
    bool heldX = false;
    bool heldF9 = false;
};

enum class KeyAction {
    // Not the window's: the focused control gets the key.
    PassOn,
    // Consumed, nothing happens.
    Swallow,
    // Run `command` as if its button or menu item was used.
    Run,
    // Switch to `view` directly (Ctrl+N goes to view 0 whichever player is
    // in use, unlike the "Normal" menu item).
    SwitchView,
    // From Party view to view 0 in owner mode.
    EnterOwnerMode,
    // The owner's skip in Party view: the Next button's action, which Party
    // view otherwise refuses.
    OwnerSkip,
};

struct KeyOutcome {
    KeyAction action = KeyAction::PassOn;
    Command command{};
    ViewMode view{};
    bool operator==(const KeyOutcome&) const = default;
};

// The main window's keyboard table, looked up before the controls see a
// key. Party view's lock-down is applied: a command Party view refuses is
// swallowed, not passed on. Pure.
KeyOutcome mapKey(const KeyPress& press, ViewMode view, KeyFocus focus);

}  // namespace sonara

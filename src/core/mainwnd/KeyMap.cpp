#include "core/mainwnd/KeyMap.h"

#include "core/mainwnd/PartyLock.h"

namespace sonara {

namespace {

KeyOutcome passOn() {
    return {};
}
KeyOutcome swallow() {
    return {KeyAction::Swallow, Command{}, ViewMode{}};
}
KeyOutcome switchTo(ViewMode view) {
    return {KeyAction::SwitchView, Command{}, view};
}

// A command the view refuses is swallowed: the key must not reach a list
// that would act on it in its own way.
KeyOutcome run(Command command, ViewMode view) {
    if (!isCommandAllowed(command, view)) {
        return swallow();
    }
    return {KeyAction::Run, command, ViewMode{}};
}

KeyOutcome controlKey(Key key, ViewMode view) {
    const bool party = view == ViewMode::Party;
    switch (key) {
        case Key::O:
            if (party) {
                return {KeyAction::EnterOwnerMode, Command{}, ViewMode::Normal};
            }
            if (view == ViewMode::Normal) {
                return run(Command::ViewParty, view);
            }
            return passOn();
        case Key::N:
            return switchTo(ViewMode::Normal);
        case Key::P:
            // Already there: the note on the way out is not shown again.
            return party ? swallow() : run(Command::ViewParty, view);
        case Key::Up:
            return run(Command::PreviousButton, view);
        case Key::Down:
            return run(Command::NextButton, view);
        default:
            return passOn();
    }
}

}  // namespace

KeyOutcome mapKey(const KeyPress& press, ViewMode view, KeyFocus focus) {
    const bool party = view == ViewMode::Party;
    if (press.ctrl && !press.alt) {
        return controlKey(press.key, view);
    }
    if (press.ctrl || press.alt) {
        return passOn();
    }
    switch (press.key) {
        case Key::Escape:
            return party ? swallow() : passOn();
        case Key::Enter:
            // A search is started with Enter where it is typed; elsewhere
            // Enter is the Play button, and always the window's.
            if (focus == KeyFocus::SearchText) {
                return run(Command::GoButton, view);
            }
            return party ? swallow() : run(Command::PlayButton, view);
        case Key::Delete:
            if (focus == KeyFocus::LibraryList) {
                return run(Command::RemoveButton, view);
            }
            if (focus == KeyFocus::PlayList) {
                return run(Command::RemoveFromPlayListButton, view);
            }
            return passOn();
        case Key::F5:
            return run(Command::UpdateLibrary, view);
        case Key::F6:
            return run(Command::CheckAvailability, view);
        case Key::F1:
            return run(Command::Help, view);
        case Key::N:
            if (party && (press.heldA || press.heldKeypad1) && (press.heldX || press.heldF9)) {
                return {KeyAction::OwnerSkip, Command::NextButton, ViewMode{}};
            }
            return passOn();
        default:
            return passOn();
    }
}

}  // namespace sonara

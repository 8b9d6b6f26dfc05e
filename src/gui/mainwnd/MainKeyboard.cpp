#include "gui/mainwnd/MainKeyboard.h"

namespace sonara::gui {

Key MainKeyboard::keyOf(const QKeyEvent& event) {
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Delete:
            return Key::Delete;
        case Qt::Key_F1:
            return Key::F1;
        case Qt::Key_F5:
            return Key::F5;
        case Qt::Key_F6:
            return Key::F6;
        case Qt::Key_F9:
            return Key::F9;
        case Qt::Key_A:
            return Key::A;
        case Qt::Key_N:
            return Key::N;
        case Qt::Key_O:
            return Key::O;
        case Qt::Key_P:
            return Key::P;
        case Qt::Key_X:
            return Key::X;
        case Qt::Key_1:
        case Qt::Key_End:  // keypad 1 with Num Lock off
            return keypad ? Key::Keypad1 : Key::Other;
        default:
            return Key::Other;
    }
}

KeyPress MainKeyboard::pressed(const QKeyEvent& event) {
    KeyPress press;
    press.key = keyOf(event);
    press.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    press.alt = event.modifiers().testFlag(Qt::AltModifier);
    press.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    press.heldA = isHeld(Key::A);
    press.heldKeypad1 = isHeld(Key::Keypad1);
    press.heldX = isHeld(Key::X);
    press.heldF9 = isHeld(Key::F9);
    if (press.key != Key::Other) {
        held_.insert(static_cast<int>(press.key));
    }
    return press;
}

void MainKeyboard::released(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return;
    }
    held_.erase(static_cast<int>(keyOf(event)));
}

}  // namespace sonara::gui

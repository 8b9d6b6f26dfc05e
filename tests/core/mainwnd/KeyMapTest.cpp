#include <gtest/gtest.h>

#include "core/mainwnd/KeyMap.h"
#include "core/mainwnd/PartyLock.h"

namespace sonara {
namespace {

KeyPress plain(Key key) {
    return KeyPress{key};
}
KeyPress ctrl(Key key) {
    KeyPress press{key};
    press.ctrl = true;
    return press;
}
KeyOutcome runs(Command command) {
    return {KeyAction::Run, command, ViewMode{}};
}
const KeyOutcome kPassOn{};
const KeyOutcome kSwallow{KeyAction::Swallow, Command{}, ViewMode{}};

TEST(KeyMap, TheWindowsKeysOutsidePartyView) {
    const ViewMode normal = ViewMode::Normal;
    const KeyFocus other = KeyFocus::Other;
    EXPECT_EQ(mapKey(plain(Key::Enter), normal, KeyFocus::PlayList), runs(Command::PlayButton));
    EXPECT_EQ(mapKey(plain(Key::Enter), normal, KeyFocus::SearchText), runs(Command::GoButton));
    EXPECT_EQ(mapKey(ctrl(Key::Up), normal, other), runs(Command::PreviousButton));
    EXPECT_EQ(mapKey(ctrl(Key::Down), normal, other), runs(Command::NextButton));
    EXPECT_EQ(mapKey(plain(Key::F5), normal, other), runs(Command::UpdateLibrary));
    EXPECT_EQ(mapKey(plain(Key::F6), normal, other), runs(Command::CheckAvailability));
    EXPECT_EQ(mapKey(plain(Key::F1), normal, other), runs(Command::Help));
    EXPECT_EQ(mapKey(ctrl(Key::P), ViewMode::Player, other), runs(Command::ViewParty));
    EXPECT_EQ(mapKey(ctrl(Key::O), normal, other), runs(Command::ViewParty));
    EXPECT_EQ(mapKey(ctrl(Key::O), ViewMode::Playlist, other), kPassOn);

    // Delete belongs to the list that has the focus; in the search text it
    // deletes a character.
    EXPECT_EQ(mapKey(plain(Key::Delete), normal, KeyFocus::LibraryList),
              runs(Command::RemoveButton));
    EXPECT_EQ(mapKey(plain(Key::Delete), normal, KeyFocus::PlayList),
              runs(Command::RemoveFromPlayListButton));
    EXPECT_EQ(mapKey(plain(Key::Delete), normal, KeyFocus::SearchText), kPassOn);

    // Plain arrows, Esc, letters and other chords stay with the controls.
    EXPECT_EQ(mapKey(plain(Key::Up), normal, KeyFocus::LibraryList), kPassOn);
    EXPECT_EQ(mapKey(plain(Key::Escape), normal, other), kPassOn);
    EXPECT_EQ(mapKey(plain(Key::N), normal, KeyFocus::SearchText), kPassOn);
    KeyPress altF5{Key::F5};
    altF5.alt = true;
    EXPECT_EQ(mapKey(altF5, normal, other), kPassOn);
}

TEST(KeyMap, CtrlNReturnsToViewZeroFromEveryView) {
    for (int view = 0; view <= 7; ++view) {
        EXPECT_EQ(mapKey(ctrl(Key::N), static_cast<ViewMode>(view), KeyFocus::SearchText),
                  (KeyOutcome{KeyAction::SwitchView, Command{}, ViewMode::Normal}))
            << view;
    }
}

TEST(KeyMap, PartyViewLockDownAndTheOwnersWays) {
    const ViewMode party = ViewMode::Party;
    const KeyFocus list = KeyFocus::PlayList;
    EXPECT_EQ(mapKey(plain(Key::Escape), party, list), kSwallow);
    EXPECT_EQ(mapKey(plain(Key::Enter), party, list), kSwallow);
    EXPECT_EQ(mapKey(ctrl(Key::Up), party, list), kSwallow);
    EXPECT_EQ(mapKey(ctrl(Key::Down), party, list), kSwallow);
    EXPECT_EQ(mapKey(ctrl(Key::P), party, list), kSwallow);
    // A guest's Delete must not reach the library list, which would delete.
    EXPECT_EQ(mapKey(plain(Key::Delete), party, KeyFocus::LibraryList), kSwallow);
    EXPECT_EQ(mapKey(plain(Key::Delete), party, list), kSwallow);
    // Searching still works.
    EXPECT_EQ(mapKey(plain(Key::Enter), party, KeyFocus::SearchText), runs(Command::GoButton));

    EXPECT_EQ(mapKey(ctrl(Key::O), party, list).action, KeyAction::EnterOwnerMode);

    // The owner's skip: N while (A or keypad 1) and (X or F9) are held.
    for (const bool keypad : {false, true}) {
        for (const bool f9 : {false, true}) {
            KeyPress skip{Key::N};
            skip.heldA = !keypad;
            skip.heldKeypad1 = keypad;
            skip.heldX = !f9;
            skip.heldF9 = f9;
            EXPECT_EQ(mapKey(skip, party, list).action, KeyAction::OwnerSkip);
            EXPECT_EQ(mapKey(skip, ViewMode::Normal, list), kPassOn);
        }
    }
    KeyPress half{Key::N};
    half.heldA = true;
    EXPECT_EQ(mapKey(half, party, list), kPassOn);
}

TEST(PartyLock, GuestsQueueAndPlayButChangeNothing) {
    for (const Command refused :
         {Command::PauseButton, Command::StopButton, Command::PreviousButton, Command::NextButton,
          Command::TrayPrevious, Command::TrayPause, Command::TrayStop, Command::TrayNext,
          Command::RemoveButton, Command::RemoveFromPlayListButton, Command::ClearPlayList,
          Command::Shuffle, Command::FileButton, Command::Preferences, Command::ViewPlayer}) {
        EXPECT_FALSE(isCommandAllowed(refused, ViewMode::Party)) << int(refused);
        EXPECT_TRUE(isCommandAllowed(refused, ViewMode::Normal)) << int(refused);
        EXPECT_TRUE(isCommandAllowed(refused, ViewMode::Toolbar)) << int(refused);
    }
    for (const Command allowed :
         {Command::PlayButton, Command::AddToPlayListButton, Command::AddToPlayList,
          Command::GoButton, Command::MenuButton, Command::Top100, Command::About,
          Command::TrayPlay, Command::TrayShow, Command::ViewNormal}) {
        EXPECT_TRUE(isCommandAllowed(allowed, ViewMode::Party)) << int(allowed);
    }
}

}  // namespace
}  // namespace sonara

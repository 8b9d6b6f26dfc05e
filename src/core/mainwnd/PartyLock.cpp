#include "core/mainwnd/PartyLock.h"

namespace sonara {

bool isCommandAllowed(Command command, ViewMode view) {
    if (view != ViewMode::Party) {
        return true;
    }
    // What Party view itself offers: Play, ">>", its menu, its library
    // pop-up, the search bar, the keys of the keyboard table, and the way
    // out for the owner. A command not named here cannot be reached from a
    // Party view screen, so refusing it only closes side doors (a Delete key
    // passed on by a list, a tray or media-key command).
    switch (command) {
        case Command::PlayButton:
        case Command::AddToPlayListButton:
        case Command::AddToPlayList:
        case Command::SelectAllLibrary:
        case Command::ClearLibrarySelection:
        case Command::ShowHideColumns:
        case Command::GoButton:
        case Command::SearchFieldChanged:
        case Command::MenuButton:
        case Command::Top100:
        case Command::About:
        case Command::Help:
        case Command::UpdateLibrary:
        case Command::CheckAvailability:
        case Command::ViewNormal:
        case Command::ViewParty:
        case Command::Exit:
        case Command::TrayShow:
        case Command::TrayAbout:
        case Command::TrayPlay:
        case Command::TrayExit:
            return true;
        default:
            return false;
    }
}

}  // namespace sonara

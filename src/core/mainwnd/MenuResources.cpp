#include "core/mainwnd/MenuResources.h"

#include "core/app/StringTable.h"

namespace sonara {

namespace {

MenuItem item(TextId text, Command command) {
    return MenuItem{MenuItemKind::Normal, stringText(text), command, false, {}};
}

MenuItem separator() {
    return MenuItem{MenuItemKind::Separator, {}, Command{}, false, {}};
}

MenuItem subMenu(TextId text, std::vector<MenuItem> items) {
    return MenuItem{MenuItemKind::SubMenu, stringText(text), Command{}, false, std::move(items)};
}

std::vector<MenuItem> mainMenu() {
    // The five online links are left out: their addresses were never given.
    return {
        subMenu(TextId::MenuViews,
                {
                    item(TextId::MenuNormal, Command::ViewNormal),
                    item(TextId::MenuPlayList, Command::ViewPlayList),
                    item(TextId::MenuPlayer, Command::ViewPlayer),
                    item(TextId::MenuBar, Command::ViewBar),
                    item(TextId::MenuParty, Command::ViewParty),
                    item(TextId::MenuTouchScreen, Command::ViewTouchScreen),
                }),
        separator(),
        item(TextId::MenuTop100, Command::Top100),
        item(TextId::MenuClearPlayList, Command::ClearPlayList),
        separator(),
        item(TextId::MenuUpdateLibrary, Command::UpdateLibrary),
        item(TextId::MenuCheckAvailability, Command::CheckAvailability),
        item(TextId::MenuRemovableMedia, Command::RemovableMedia),
        item(TextId::MenuSources, Command::Sources),
        separator(),
        item(TextId::MenuBackup, Command::Backup),
        item(TextId::MenuRestore, Command::Restore),
        separator(),
        item(TextId::MenuSkins, Command::Skins),
        item(TextId::MenuPreferences, Command::Preferences),
        subMenu(TextId::MenuTools,
                {
                    item(TextId::MenuFindDuplicates, Command::FindDuplicates),
                    item(TextId::MenuRenameFromTags, Command::RenameFromTags),
                }),
        item(TextId::MenuVolume, Command::Volume),
        item(TextId::MenuReport, Command::Report),
        item(TextId::MenuSetupWizard, Command::SetupWizard),
        separator(),
        item(TextId::MenuHelp, Command::Help),
        item(TextId::MenuAbout, Command::About),
        separator(),
        item(TextId::MenuExit, Command::Exit),
    };
}

std::vector<MenuItem> libraryPopup() {
    return {
        item(TextId::MenuPlayInExternalPlayer, Command::PlayInExternalPlayer),
        separator(),
        item(TextId::MenuAddToPlayList, Command::AddToPlayList),
        separator(),
        item(TextId::MenuAssignGenre, Command::AssignGenre),
        item(TextId::MenuEditLibraryRecord, Command::EditLibraryRecord),
        item(TextId::MenuEditTagInfo, Command::EditTagInfo),
        item(TextId::MenuGenerateReport, Command::Report),
        separator(),
        item(TextId::MenuSelectAllLibrary, Command::SelectAllLibrary),
        item(TextId::MenuClearLibrarySelection, Command::ClearLibrarySelection),
        item(TextId::MenuShowHideColumns, Command::ShowHideColumns),
        separator(),
        item(TextId::MenuConvertLibraryToWav, Command::ConvertLibraryToWav),
        item(TextId::MenuTransferLibraryToPortable, Command::TransferLibraryToPortable),
    };
}

std::vector<MenuItem> playListPopup() {
    return {
        item(TextId::MenuClearPlayList, Command::ClearPlayList),
        separator(),
        item(TextId::MenuResetPlayedStatus, Command::ResetPlayedStatus),
        item(TextId::MenuResetAllPlayedStatus, Command::ResetAllPlayedStatus),
        separator(),
        item(TextId::MenuShuffle, Command::Shuffle),
        subMenu(TextId::MenuRandomlyAdd,
                {
                    item(TextId::MenuRandomAdd1, Command::RandomAdd1),
                    item(TextId::MenuRandomAdd5, Command::RandomAdd5),
                    item(TextId::MenuRandomAdd10, Command::RandomAdd10),
                }),
        separator(),
        item(TextId::MenuSelectAllPlayList, Command::SelectAllPlayList),
        item(TextId::MenuClearPlayListSelection, Command::ClearPlayListSelection),
        separator(),
        item(TextId::MenuConvertPlayListToWav, Command::ConvertPlayListToWav),
        item(TextId::MenuTransferPlayListToPortable, Command::TransferPlayListToPortable),
    };
}

std::vector<MenuItem> workSpaceMenu() {
    std::vector<MenuItem> heights;
    // Texts and commands both run in steps: 20 % is the first of nine.
    for (int step = 0; step < 9; ++step) {
        heights.push_back(
            item(static_cast<TextId>(static_cast<int>(TextId::MenuWorkSpace20) + step),
                 static_cast<Command>(static_cast<int>(Command::WorkSpace20) + step)));
    }
    return {
        item(TextId::MenuWorkSpaceBumpUp, Command::WorkSpaceBumpUp),
        item(TextId::MenuWorkSpaceBumpDown, Command::WorkSpaceBumpDown),
        subMenu(TextId::MenuSetHeight, std::move(heights)),
    };
}

}  // namespace

Menu menuResource(MenuId id) {
    Menu menu{id, {}, false};
    switch (id) {
        case MenuId::Main:
            menu.items = mainMenu();
            break;
        case MenuId::Party:
            menu.items = {item(TextId::MenuTop100, Command::Top100),
                          item(TextId::MenuAbout, Command::About)};
            break;
        case MenuId::AddSongs:
            menu.items = {item(TextId::MenuAddByFile, Command::AddByFile),
                          item(TextId::MenuAddByFolder, Command::AddByFolder)};
            break;
        case MenuId::LibraryPopup:
            menu.items = libraryPopup();
            break;
        case MenuId::LibraryPopupParty:
            menu.items = {
                item(TextId::MenuAddToPlayList, Command::AddToPlayList),
                separator(),
                item(TextId::MenuSelectAllLibrary, Command::SelectAllLibrary),
                item(TextId::MenuClearLibrarySelection, Command::ClearLibrarySelection),
                item(TextId::MenuShowHideColumns, Command::ShowHideColumns),
            };
            break;
        case MenuId::PlayListPopup:
            menu.items = playListPopup();
            break;
        case MenuId::FilePopup:
            menu.items = {
                item(TextId::MenuFileOpen, Command::FileOpen),
                item(TextId::MenuFileSave, Command::FileSave),
                separator(),
                item(TextId::MenuSetExternalPlayList, Command::SetExternalPlayList),
                item(TextId::MenuAppendExternalPlayList, Command::AppendExternalPlayList),
            };
            break;
        case MenuId::WorkSpace:
            menu.items = workSpaceMenu();
            break;
        case MenuId::Tray:
            menu.items = {
                item(TextId::MenuTrayShow, Command::TrayShow),
                item(TextId::MenuTrayAbout, Command::TrayAbout),
                separator(),
                item(TextId::MenuTrayPrevious, Command::TrayPrevious),
                item(TextId::MenuTrayPlay, Command::TrayPlay),
                item(TextId::MenuTrayPause, Command::TrayPause),
                item(TextId::MenuTrayStop, Command::TrayStop),
                item(TextId::MenuTrayNext, Command::TrayNext),
                separator(),
                item(TextId::MenuTrayExit, Command::TrayExit),
            };
            break;
        case MenuId::TrayShort:
            menu.items = {
                item(TextId::MenuTrayShow, Command::TrayShow),
                item(TextId::MenuTrayAbout, Command::TrayAbout),
                separator(),
                item(TextId::MenuTrayExit, Command::TrayExit),
            };
            break;
        case MenuId::DuplicateFinder:
            menu.items = {
                item(TextId::MenuDuplicatesInSources, Command::DuplicatesInSources),
                item(TextId::MenuDuplicatesByFolder, Command::DuplicatesByFolder),
            };
            break;
    }
    return menu;
}

}  // namespace sonara

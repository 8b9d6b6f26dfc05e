#pragma once

namespace sonara {

// Every action of the main window, its menus and the tray arrives as one of
// these. The values are the program's own command and control numbers, which
// menus and posted messages carry, and never change.
enum class Command {
    // Main menu, "Views".
    ViewNormal = 9299,
    ViewPlayList = 9300,
    ViewPlayer = 9301,
    ViewBar = 9302,
    ViewParty = 9303,
    ViewTouchScreen = 9304,

    // Main menu.
    Top100 = 9218,
    ClearPlayList = 9242,
    UpdateLibrary = 9240,
    CheckAvailability = 9227,
    RemovableMedia = 9236,
    Sources = 9221,
    Backup = 9249,
    Restore = 9251,
    Skins = 9217,
    Preferences = 9223,
    FindDuplicates = 9244,
    RenameFromTags = 9255,
    Volume = 9270,
    Report = 9219,
    SetupWizard = 9241,
    OnlineLink1 = 9273,
    OnlineLink2 = 9274,
    OnlineLink3 = 9275,
    OnlineLink4 = 9276,
    OnlineLink5 = 9277,
    Help = 57670,
    About = 9216,
    Exit = 9294,

    // "Add" menu.
    AddByFile = 9224,
    AddByFolder = 9225,

    // Library pop-up.
    PlayInExternalPlayer = 9272,
    AddToPlayList = 9230,
    AssignGenre = 9248,
    EditLibraryRecord = 9265,
    EditTagInfo = 9229,
    SelectAllLibrary = 9257,
    ClearLibrarySelection = 9258,
    ShowHideColumns = 9269,
    ConvertLibraryToWav = 9245,
    TransferLibraryToPortable = 9267,

    // Play-list pop-up.
    ResetPlayedStatus = 9256,
    ResetAllPlayedStatus = 9259,
    Shuffle = 9268,
    RandomAdd1 = 9279,
    RandomAdd5 = 9280,
    RandomAdd10 = 9281,
    SelectAllPlayList = 9260,
    ClearPlayListSelection = 9261,
    ConvertPlayListToWav = 9264,
    TransferPlayListToPortable = 9266,

    // File pop-up.
    FileOpen = 9262,
    FileSave = 9263,
    SetExternalPlayList = 9271,
    AppendExternalPlayList = 9278,

    // Work-space pop-up.
    WorkSpaceBumpUp = 9282,
    WorkSpaceBumpDown = 9283,
    WorkSpace20 = 9285,
    WorkSpace30 = 9286,
    WorkSpace40 = 9287,
    WorkSpace50 = 9288,
    WorkSpace60 = 9289,
    WorkSpace70 = 9290,
    WorkSpace80 = 9291,
    WorkSpace90 = 9292,
    WorkSpace100 = 9293,

    // Main-window buttons and controls.
    PlayButton = 1039,
    PauseButton = 1034,
    StopButton = 1035,
    PreviousButton = 1031,
    NextButton = 1033,
    AddToPlayListButton = 1027,
    RemoveFromPlayListButton = 1028,
    MoveUpButton = 1037,
    MoveDownButton = 1038,
    AddButton = 1025,
    EditButton = 1015,
    RemoveButton = 1036,
    GoButton = 1091,
    SearchFieldChanged = 1059,
    FileButton = 1006,
    MenuButton = 1049,
    WorkSpaceButton = 1245,
    TouchSearchButton = 1310,
    TouchBackButton = 1311,

    // Tray menu.
    TrayShow = 9234,
    TrayAbout = 1012,
    TrayPrevious = 9232,
    TrayPlay = 9252,
    TrayPause = 9253,
    TrayStop = 9254,
    TrayNext = 9233,
    TrayExit = 9231,

    // Duplicate finder's "Search" pop-up; the program gave these no numbers,
    // so they follow the last menu number.
    DuplicatesInSources = 9305,
    DuplicatesByFolder = 9306,
};

}  // namespace sonara

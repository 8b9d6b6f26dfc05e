#include "core/app/StringTable.h"

#include <unordered_map>

namespace sonara {

namespace {

const std::unordered_map<TextId, std::string>& table() {
    static const std::unordered_map<TextId, std::string> texts = {
        {TextId::Default, "Default"},
        {TextId::BrowseForFolder, "Browse for Folder"},
        {TextId::ProgramName, "Sonara"},
        {TextId::PlayListItemsNotAdded,
         "Some of the items from the playlist could not be added.  Verify the names of the "
         "files specified in the playlist and try again."},
        {TextId::CreateFolderQuestion,
         "The specified folder does not exist.  Would you like to create it?"},
        {TextId::AvailabilityCheckFinished, "Finished checking availability"},
        {TextId::TrayTip, "Sonara"},
        {TextId::InstanceName, "Sonara; inst running"},
        {TextId::NothingFound, "Nothing in the database meets your search criteria"},
        {TextId::NoValuesStartingWithSymbol, "No %ss starting with that symbol were found."},
        {TextId::ContinueAddingQuestion, "Do you wish to continue adding songs?"},
        {TextId::TagWriteFailed,
         "Unable to write tag info to file.  The file may be read-only or is in use."},
        {TextId::SongAddedToPlayList, "Song added to playlist"},
        {TextId::AddingFolders, "Adding folders"},
        {TextId::CheckingAvailability, "Checking Availability"},
        {TextId::InsertRemovableMedia,
         "Removable media not found:  %s \nPlease insert and try again "},
        {TextId::FileNotFound, "Unable to find file."},
        {TextId::UpdatingLibrary, "Updating Library"},
        {TextId::DefaultFolder, "C:\\"},
        {TextId::RenameFailed, "Unable to rename file..."},
        {TextId::FileNameExists, "This filename already exists"},
        {TextId::SourceAddFailed, "Failed to add source"},
        {TextId::ResetLibraryQuestion,
         "This will reset your current library.  Do you wish to continue?"},
        {TextId::DeleteFailed,
         "Unable to delete file.  The file may be read-only, is in use, or is on readonly "
         "media."},
        {TextId::DefaultFontFace, "Arial"},
        {TextId::StaticTextEnabledColour, "(0,0,255)"},
        {TextId::StaticTextDisabledColour, "(192,192,192)"},
        {TextId::ButtonTextUpColour, "(255,255,255)"},
        {TextId::ButtonTextFocusColour, "(255,255,255)"},
        {TextId::ButtonTextDownColour, "(255,255,255)"},
        {TextId::ButtonTextMouseOverColour, "(255,255,255)"},
        {TextId::ButtonTextDisabledColour, "(192,192,192)"},
        {TextId::HyperLinkColour, "(0,0,238)"},
        {TextId::VisitedHyperLinkColour, "(85,26,139)"},
        {TextId::ButtonTransparentColour, "(0,0,0)"},
        {TextId::ProgressStartColour, "(0,0,0)"},
        {TextId::ProgressEndColour, "(255,255,255)"},
        {TextId::CopyLibraryToTag, "Copy Library Info to Tag Info"},
        {TextId::CopyTagToLibrary, "Copy Tag Info to Library Info"},
        {TextId::ListTextColour, "(0,0,0)"},
        {TextId::ListBackgroundColour, "(255,255,255)"},
        {TextId::ComboTextColour, "(0,0,0)"},
        {TextId::ComboBackgroundColour, "(255,255,255)"},
        {TextId::ReportGenerated, "Report successfully generated."},
        {TextId::CancelWizardQuestion,
         "The Setup Wizard aids you in the initial setup of your library.\n\nAre you sure you "
         "would like to cancel?"},
        {TextId::WizardCancelledNote,
         "You can launch the Setup Wizard from the Menu button at any time to reinitiallize "
         "your library."},
        {TextId::SelectOneColumn, "Please select at least one column"},
        {TextId::SlashNotAllowed, "A filename cannot contain the character:  /"},
        {TextId::PreferencesSection, "Preferences"},
        {TextId::ValueInPlace, "%s in %s"},
        {TextId::SliderTransparentColour, "(0,0,0)"},
        {TextId::ListFontFace, "MS Sans Serif"},
        {TextId::MenuFontFace, "MS Sans Serif"},
        {TextId::CopyFailedOriginalKept, "Unable to copy file, original file not deleted."},
        {TextId::NoDuplicates, "No duplicate files found."},
        {TextId::EnterValidFileName, "Please enter a valid filename"},
        {TextId::NoneSpecified, "(none specified)"},
        {TextId::SearchTooShort, "Please enter at least 2 characters to search for"},
        {TextId::ResetListQuestion, "Are you sure you want to reset the list?"},
        {TextId::ReadOnlyRenameFailed, "Unable to rename read-only file"},
        {TextId::IllegalCharacters, "Unable to rename file - illegal characters in filename?"},
        {TextId::DeleteQuestion, "Are you sure you want to delete this?"},
        {TextId::Scanning, "...scanning..."},
        {TextId::SearchingDrives, "Searching Drives"},
        {TextId::SelectRemovableDrive,
         "Please select a removable drive to scan.\n\nIf you would not like to use removable "
         "media press the Prev button and select No."},
        {TextId::ProfileFileName, "Sonara.ini"},
        {TextId::UnsupportedPlayer, "Unsupported MP3 player."},
        {TextId::RemoveReadOnlyQuestion,
         "Unable to write to file %s  \n\nWould you like to remove the ''Read-only'' "
         "attribute?"},
        {TextId::AlreadyDefaultPlayer, "Error: Sonara is already the default MP3 player"},
        {TextId::DefaultPlayerUnknown, "Sonara was unable to determine the default MP3 player."},
        {TextId::RandomAddFailure,
         "Random Add Failure!\n\nMake sure your removeable media is inserted, or rescan "
         "your sources and try again."},
        {TextId::OverwriteLibraryQuestion,
         "This will overwrite your current library.  Do you wish to continue?"},
        {TextId::Mp3FileFilter, "MP3 - MPEG Layer 3 Audio File|*.mp3"},
        {TextId::SelectBackupFolder, "Select backup directory...\n"},
        {TextId::SelectRestoreFolder, "Select a directory to backup to...\n"},
        // Texts that had no number of their own.
        {TextId::BackupCancelled, "Backup cancelled."},
        {TextId::BackupIntoDataFolder,
         "Backup destination must be different than current Library location!"},
        {TextId::BackupProgressTitle, "Backup..."},
        {TextId::BackupFailed,
         "Backup was unsuccessfull!\n\nChoose a different folder and try again."},
        {TextId::BackupCompleted, "Backup completed successfully!"},
        {TextId::RestoreCancelled, "Restore cancelled."},
        {TextId::RestoreFromDataFolder,
         "Restore source must be different than current Library location!"},
        {TextId::NoBackupFilesIn, "No backup files were found in %s"},
        {TextId::RestoreProgressTitle, "Restore..."},
        {TextId::RestoreFailed,
         "Restore was unsuccessfull!\n\nNot all files may have been restored."},
        {TextId::RestoreCompleted, "Restore Completed Successfully!"},
        {TextId::FolderAddedBefore, "You have added this folder previously"},
        {TextId::UnableToFindNamed, "Unable to find %s"},
        {TextId::DeleteReadOnlyQuestion, "%s is readonly.  Delete this file anyway?"},
        {TextId::AttributesNotChanged,
         "Unable to change file attributes, it may be on read-only media"},
        {TextId::DeleteFailedReadOnlyMedia, "Unable to delete file, it may be on read-only media"},
        {TextId::PathCacheDamaged, "Resources low"},
        {TextId::PleaseWait, "Please wait..."},
        {TextId::ReportNotWritten, "Unable to write %s"},
        {TextId::MediaNameRequired, "You must specify a name for this removable media"},
        {TextId::MediaNameExists, "This removable media name already exists"},
        {TextId::ConversionCancelled, "Conversion cancelled!"},
        {TextId::ConversionSomeErrors, "Some errors occured while converting files"},
        {TextId::ConversionSucceeded, "File(s) converted successfully!"},
        {TextId::ConversionNoneConverted, "At least one error occurred while converting file(s)"},
        {TextId::ConversionFileStatus, "File %s of %s : "},
        {TextId::NoDestinationFolder, "No destination folder was given"},
        {TextId::FolderNotCreated, "Unable to create the folder %s"},
        {TextId::SelectOneGenre, "You must select at least one Genre."},
        {TextId::SpaceMakerTitle, "MP3 Space Maker"},
        {TextId::TagTextOutsideLatin1,
         "The %s holds characters that an ID3v1 tag cannot store (%s); the tag was not "
         "written."},
        {TextId::TitleFieldName, "title"},
        {TextId::ArtistFieldName, "artist"},
        {TextId::AlbumFieldName, "album"},
        {TextId::YearFieldName, "year"},
        {TextId::CommentFieldName, "comment"},
        {TextId::FreeTextGenreFieldName, "free-text genre"},
        {TextId::StartTimeFieldName, "start time"},
        {TextId::EndTimeFieldName, "end time"},
        {TextId::DeleteCheckedQuestion, "Are you sure you want to delete the checked items?"},
        {TextId::RenameCheckedQuestion, "Rename the checked files?"},
        {TextId::OutputDeviceUnusable, "Sonara is unable to use the Output Device: %s"},
        {TextId::PartyViewNote, "Note: hit CTRL+N to switch out of Party View"},
        {TextId::NormalViewName, "Normal View"},
        {TextId::PartyViewName, "Party View"},
        {TextId::PlayerViewName, "Player View"},
        {TextId::PlaylistViewName, "Playlist View"},
        {TextId::ToolbarViewName, "Toolbar View"},
        {TextId::LibraryViewName, "Library View"},
        {TextId::LibraryAndPlaylistViewName, "Library and Playlist View"},
        {TextId::TouchScreenViewName, "TouchScreen View"},
        {TextId::PlayListLabel, "Playlist"},
        {TextId::PlayListWorkSpaceLabel, "Playlist Work Space"},
        // Menu item texts.
        {TextId::MenuViews, "Views"},
        {TextId::MenuTools, "Tools"},
        {TextId::MenuRandomlyAdd, "Randomly add..."},
        {TextId::MenuSetHeight, "Set Height..."},
        {TextId::MenuGenerateReport, "Generate Report"},
        {TextId::MenuNormal, "Normal"},
        {TextId::MenuPlayList, "Playlist"},
        {TextId::MenuPlayer, "Player"},
        {TextId::MenuBar, "Bar"},
        {TextId::MenuParty, "Party"},
        {TextId::MenuTouchScreen, "Touch Screen"},
        {TextId::MenuTop100, "Top 100..."},
        {TextId::MenuClearPlayList, "Clear Playlist"},
        {TextId::MenuUpdateLibrary, "Update Library                F5"},
        {TextId::MenuCheckAvailability, "Check Availability           F6"},
        {TextId::MenuRemovableMedia, "Removable Media..."},
        {TextId::MenuSources, "Sources..."},
        {TextId::MenuBackup, "Backup..."},
        {TextId::MenuRestore, "Restore..."},
        {TextId::MenuSkins, "Skins..."},
        {TextId::MenuPreferences, "Preferences..."},
        {TextId::MenuFindDuplicates, "MP3 Space Maker..."},
        {TextId::MenuRenameFromTags, "Rename Files Based on Tag Info..."},
        {TextId::MenuVolume, "Volume..."},
        {TextId::MenuReport, "Report..."},
        {TextId::MenuSetupWizard, "Setup Wizard..."},
        {TextId::MenuHelp, "Help                                 F1"},
        {TextId::MenuAbout, "About..."},
        {TextId::MenuExit, "Exit"},
        {TextId::MenuAddByFile, "By File"},
        {TextId::MenuAddByFolder, "By Folder"},
        {TextId::MenuPlayInExternalPlayer, "Play"},
        {TextId::MenuAddToPlayList, "Add to Playlist"},
        {TextId::MenuAssignGenre, "Assign Genre"},
        {TextId::MenuEditLibraryRecord, "Edit Library Record"},
        {TextId::MenuEditTagInfo, "Edit Tag Info"},
        {TextId::MenuSelectAllLibrary, "Select All"},
        {TextId::MenuClearLibrarySelection, "Clear Selection"},
        {TextId::MenuShowHideColumns, "Show/Hide Columns"},
        {TextId::MenuConvertLibraryToWav, "Convert to WAV file"},
        {TextId::MenuTransferLibraryToPortable, "Transfer to NOMAD"},
        {TextId::MenuResetPlayedStatus, "Reset Played Status"},
        {TextId::MenuResetAllPlayedStatus, "Reset Played Status (all)"},
        {TextId::MenuShuffle, "Shuffle"},
        {TextId::MenuRandomAdd1, "1 Title"},
        {TextId::MenuRandomAdd5, "5 Titles"},
        {TextId::MenuRandomAdd10, "10 Titles"},
        {TextId::MenuSelectAllPlayList, "Select All"},
        {TextId::MenuClearPlayListSelection, "Clear Selection"},
        {TextId::MenuConvertPlayListToWav, "Convert to WAV file"},
        {TextId::MenuTransferPlayListToPortable, "Transfer to NOMAD"},
        {TextId::MenuFileOpen, "File Open"},
        {TextId::MenuFileSave, "File Save"},
        {TextId::MenuSetExternalPlayList, "Set as %s Playlist"},
        {TextId::MenuAppendExternalPlayList, "Append to %s Playlist"},
        {TextId::MenuWorkSpaceBumpUp, "Bump Up"},
        {TextId::MenuWorkSpaceBumpDown, "Bump Down"},
        {TextId::MenuWorkSpace20, "20%"},
        {TextId::MenuWorkSpace30, "30%"},
        {TextId::MenuWorkSpace40, "40%"},
        {TextId::MenuWorkSpace50, "50%"},
        {TextId::MenuWorkSpace60, "60%"},
        {TextId::MenuWorkSpace70, "70%"},
        {TextId::MenuWorkSpace80, "80%"},
        {TextId::MenuWorkSpace90, "90%"},
        {TextId::MenuWorkSpace100, "100%"},
        {TextId::MenuTrayShow, "Show Sonara"},
        {TextId::MenuTrayAbout, "About Sonara"},
        {TextId::MenuTrayPrevious, "Previous"},
        {TextId::MenuTrayPlay, "Play"},
        {TextId::MenuTrayPause, "Pause"},
        {TextId::MenuTrayStop, "Stop"},
        {TextId::MenuTrayNext, "Next"},
        {TextId::MenuTrayExit, "Exit"},
        {TextId::MenuDuplicatesInSources, "Sonara Sources"},
        {TextId::MenuDuplicatesByFolder, "By Folder (Recursive)"},
        {TextId::DataFileDamaged,
         "%s is damaged. What was read before the damage was kept; the whole file was copied to "
         "%s.damaged."},
        {TextId::UnableToInitialize, "Sonara was unable to initialize."},
        {TextId::ProgressFileName, "File name:"},
        {TextId::ProgressFolder, "Folder:"},
        {TextId::MediaNameTitle, "Specify Name for Removable Media"},
        {TextId::MediaNameLabel, "Name:"},
        {TextId::ProgressCancel, "Cancel"},
    };
    return texts;
}

std::string replaceNext(std::string text, const std::string& arg, size_t& from) {
    const size_t at = text.find("%s", from);
    if (at == std::string::npos) {
        return text;
    }
    text.replace(at, 2, arg);
    from = at + arg.size();
    return text;
}

}  // namespace

const std::string& stringText(TextId id) {
    static const std::string empty;
    const auto& texts = table();
    const auto it = texts.find(id);
    return it == texts.end() ? empty : it->second;
}

std::string formatText(TextId id, const std::string& arg) {
    size_t from = 0;
    return replaceNext(stringText(id), arg, from);
}

std::string formatText(TextId id, const std::string& arg1, const std::string& arg2) {
    size_t from = 0;
    std::string once = replaceNext(stringText(id), arg1, from);
    return replaceNext(std::move(once), arg2, from);
}

std::size_t stringTableSize() {
    return table().size();
}

}  // namespace sonara

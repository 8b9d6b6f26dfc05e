#pragma once

#include <string>

namespace sonara {

// Every value of "Sonara.ini" section "Preferences", named after its key.
// Plain data: the defaults, the key names and the read and save orders are
// in PreferenceTable; PreferenceStore fills and saves it. Integers are kept as
// stored, whatever range the dialogs offer.
struct Preferences {
    std::string currentSkin;          // "CurrentSkin"
    std::string skinsFolder;          // "SkinsFolder"
    int searchBy = 0;                 // "SearchBy": 0 All, 1 Artist, 2 Title, 3 Genre, 4 Album
    std::string lastUsedFolder;       // "LastUsedFolder"
    int showAvailSongsOnly = 0;       // "ShowAvailSongsOnly"
    int checkRemovableMediaOnly = 0;  // "CheckRemovableMediaOnly"
    int checkAvailAfterRemovableMediaSelection = 0;  // "CheckAvailAfterRemovableMediaSelection"
    int deleteFile = 0;                              // "DeleteFile"
    int streamVolumeMMTools = 0;                     // "StreamVolumeMMTools": 0..32768
    int balanceMMTools = 0;                          // "BalanceMMTools": 0..65536
    int deliminator = 0;                             // "Deliminator": 0 comma, 1 space, 2 tab
    int exportWhat = 0;                              // "ExportWhat"
    int exportContents = 0;                          // "ExportContents"
    int numColumns = 0;                              // "NumColumns"
    int plPercentage = 0;                            // "PLPercentage"
    std::string exportFileName;                      // "ExportFN"
    std::string dupFilesFolder;                      // "DupFilesFolder"
    std::string copyDelFilesToFolder;                // "CopyDelFilesToFolder"
    int copyDelFiles = 0;                            // "CopyDelFiles"
    int stripChars = 0;                              // "StripChars"
    std::string lp3DecoderPath;                      // "LP3DecoderPath"
    std::string wavFilesFolder;                      // "WavFilesFolder"
    int lastView = 0;                                // "LastView": ViewMode 0..7
    int playerTimeFormat = 0;                        // "PlayerTimeFormat": 0 elapsed, 1 remaining
    int lastPrefPageOn = 0;                          // "LastPrefPageOn"
    int removePlayedSong = 0;                        // "RemovePlayedSong"
    int associateMp3 = 0;                            // "Associate MP3"
    int playerAction = 0;                            // "PlayerAction": 0 open, 1 play, 2 enqueue
    int barOnTop = 0;                                // "Bar"
    int playerOnTop = 0;                             // "Player"
    int normalOnTop = 0;                             // "Normal"
    int touchScreenOnTop = 0;                        // "TouchScreen"
    int playlistOnTop = 0;                           // "Playlist"
    int useLibraryWizard = 0;                        // "UseLibraryWizard"
    int showTips = 0;                                // "ShowTips"
    int scrollToolBarTitle = 0;                      // "ScrollToolBarTitle"
    int dlgEffects = 0;                              // "DlgEffects"
    int randomAdd = 0;                               // "Random Add"
    std::string randomGenre;                         // "RandomGenre"
    int useTagInfoDBAdd = 0;                         // "UseTagInfoDBAdd"
    int promptForCollectionName = 0;                 // "PromptForCollectionName"
    int checkAvailStartup = 0;                       // "CheckAvailStartup"
    int firstLetterCaps = 0;                         // "FirstLetterCaps"
    int replaceBrackets = 0;                         // "ReplaceBrackets"
    int replaceParens = 0;                           // "ReplaceParens"
    int replaceUnderscore = 0;                       // "ReplaceUnderscore"
    int useAsDefaultPlayer = 0;                      // "UseAsDefaultPlayer"
    int addToLibrary = 0;                            // "AddToLibrary"
    int addToPlayList = 0;                           // "AddToPlayList"
    int snEnqueueAction = 0;                         // "SNEnqueueAction": 0 play, 1 enqueue
    int scrollTitle = 0;              // "ScrollTitle": 0 automatic, 1 always, 2 never
    int showArtist = 0;               // "ShowArtist"
    int showAlbum = 0;                // "ShowAlbum"
    int showTitle = 0;                // "ShowTitle"
    int showLength = 0;               // "ShowLength"
    int playerBufferSizeK = 0;        // "PlayerBufferSizeK"
    int visualTallLevels = 0;         // "VisualTallLevels"
    int visualShortLevels = 0;        // "VisualShortLevels"
    int visualLargeSpectrum = 0;      // "VisualLargeSpectrum"
    int visualSmallSpectrum = 0;      // "VisualSmallSpectrum"
    int visualLargeSpectrumKind = 0;  // "VisualLargeSpectrumKind"
    int visualSmallSpectrumKind = 0;  // "VisualSmallSpectrumKind"
    int visPriority = 0;              // "VisPriority": 0 idle .. 6 time critical
    int useId3v2Tags = 0;             // "UseID3v2Tags": read ID3v2 tags as well
    int waveoutDeviceId = 0;          // "WaveoutDeviceID": -1 none chosen; own read/write
};

}  // namespace sonara

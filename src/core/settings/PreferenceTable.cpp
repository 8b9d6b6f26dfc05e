#include "core/settings/PreferenceTable.h"

#include <array>

#include "core/app/StringTable.h"
#include "core/io/Text.h"

namespace sonara {

namespace {

using P = Preferences;

constexpr PreferenceDescriptor integer(std::string_view name, int P::*field, int byDefault) {
    return PreferenceDescriptor{name, PreferenceKind::Integer, field, nullptr, byDefault, nullptr};
}

constexpr PreferenceDescriptor text(std::string_view name, std::string P::*field,
                                    std::string (*byDefault)(const PreferenceFolders&)) {
    return PreferenceDescriptor{name, PreferenceKind::Text, nullptr, field, 0, byDefault};
}

std::string empty(const PreferenceFolders&) {
    return {};
}
std::string defaultSkin(const PreferenceFolders&) {
    return stringText(TextId::Default);
}
std::string noneSpecified(const PreferenceFolders&) {
    return stringText(TextId::NoneSpecified);
}
// "C:\" on Windows; the home folder means the same here: where a user starts.
std::string homeFolder(const PreferenceFolders& f) {
    return f.homeFolder;
}
std::string skinsFolder(const PreferenceFolders& f) {
    return f.programFolder + "/Skins/";
}
std::string deletedFiles(const PreferenceFolders& f) {
    return f.programFolder + "/Deleted MP3s";
}

constexpr PreferenceDescriptor waveoutDevice() {
    PreferenceDescriptor d = integer("WaveoutDeviceID", &P::waveoutDeviceId, -1);
    d.savedByAll = false;
    return d;
}

constexpr auto kTable = std::to_array<PreferenceDescriptor>({
    text("CurrentSkin", &P::currentSkin, defaultSkin),
    text("SkinsFolder", &P::skinsFolder, skinsFolder),
    integer("LastView", &P::lastView, 0),
    integer("PlayerTimeFormat", &P::playerTimeFormat, 0),
    integer("LastPrefPageOn", &P::lastPrefPageOn, 0),
    integer("PlayerAction", &P::playerAction, 1),
    integer("RemovePlayedSong", &P::removePlayedSong, 0),
    integer("Associate MP3", &P::associateMp3, 1),
    integer("Bar", &P::barOnTop, 1),
    integer("Player", &P::playerOnTop, 1),
    integer("Playlist", &P::playlistOnTop, 0),
    integer("Normal", &P::normalOnTop, 0),
    integer("TouchScreen", &P::touchScreenOnTop, 0),
    integer("UseLibraryWizard", &P::useLibraryWizard, 0),
    integer("ShowTips", &P::showTips, 1),
    integer("DlgEffects", &P::dlgEffects, 1),
    integer("ScrollToolBarTitle", &P::scrollToolBarTitle, 1),
    integer("SearchBy", &P::searchBy, 1),
    integer("UseTagInfoDBAdd", &P::useTagInfoDBAdd, 1),
    integer("PromptForCollectionName", &P::promptForCollectionName, 0),
    integer("ShowAvailSongsOnly", &P::showAvailSongsOnly, 0),
    integer("CheckAvailStartup", &P::checkAvailStartup, 0),
    integer("CheckRemovableMediaOnly", &P::checkRemovableMediaOnly, 0),
    integer("CheckAvailAfterRemovableMediaSelection", &P::checkAvailAfterRemovableMediaSelection,
            1),
    integer("Random Add", &P::randomAdd, 1),
    text("RandomGenre", &P::randomGenre, empty),
    integer("ScrollTitle", &P::scrollTitle, 1),
    integer("FirstLetterCaps", &P::firstLetterCaps, 1),
    integer("ReplaceBrackets", &P::replaceBrackets, 1),
    integer("ReplaceParens", &P::replaceParens, 1),
    integer("ReplaceUnderscore", &P::replaceUnderscore, 1),
    integer("UseAsDefaultPlayer", &P::useAsDefaultPlayer, 1),
    integer("AddToLibrary", &P::addToLibrary, 0),
    integer("AddToPlayList", &P::addToPlayList, 1),
    integer("SNEnqueueAction", &P::snEnqueueAction, 0),
    text("LastUsedFolder", &P::lastUsedFolder, homeFolder),
    text("DupFilesFolder", &P::dupFilesFolder, homeFolder),
    text("CopyDelFilesToFolder", &P::copyDelFilesToFolder, deletedFiles),
    integer("CopyDelFiles", &P::copyDelFiles, 1),
    integer("StripChars", &P::stripChars, 1),
    integer("DeleteFile", &P::deleteFile, 0),
    integer("NumColumns", &P::numColumns, 0),
    text("ExportFN", &P::exportFileName, empty),
    integer("Deliminator", &P::deliminator, 0),
    integer("ExportContents", &P::exportContents, 0),
    integer("ExportWhat", &P::exportWhat, 0),
    text("LP3DecoderPath", &P::lp3DecoderPath, noneSpecified),
    text("WavFilesFolder", &P::wavFilesFolder, noneSpecified),
    integer("StreamVolumeMMTools", &P::streamVolumeMMTools, 0x4000),
    integer("BalanceMMTools", &P::balanceMMTools, 0x7FFF),
    integer("ShowArtist", &P::showArtist, 1),
    integer("ShowAlbum", &P::showAlbum, 0),
    integer("ShowTitle", &P::showTitle, 1),
    integer("ShowLength", &P::showLength, 0),
    integer("PLPercentage", &P::plPercentage, 100),
    integer("PlayerBufferSizeK", &P::playerBufferSizeK, 320),
    integer("VisualTallLevels", &P::visualTallLevels, 0),
    integer("VisualShortLevels", &P::visualShortLevels, 0),
    integer("VisualLargeSpectrum", &P::visualLargeSpectrum, 1),
    integer("VisualSmallSpectrum", &P::visualSmallSpectrum, 1),
    integer("VisPriority", &P::visPriority, 6),
    integer("VisualLargeSpectrumKind", &P::visualLargeSpectrumKind, 3),
    integer("VisualSmallSpectrumKind", &P::visualSmallSpectrumKind, 0),
    integer("UseID3v2Tags", &P::useId3v2Tags, 1),
    waveoutDevice(),
});

}  // namespace

std::span<const PreferenceDescriptor> preferenceTable() {
    return kTable;
}

const PreferenceDescriptor* findPreference(std::string_view name) {
    for (const PreferenceDescriptor& value : kTable) {
        if (text::equalsNoCase(value.name, name)) {
            return &value;
        }
    }
    return nullptr;
}

std::string defaultText(const PreferenceDescriptor& value, const PreferenceFolders& folders) {
    return value.textDefault != nullptr ? value.textDefault(folders) : std::string();
}

Preferences defaultPreferences(const PreferenceFolders& folders) {
    Preferences values;
    for (const PreferenceDescriptor& value : kTable) {
        if (value.kind == PreferenceKind::Integer) {
            values.*value.integer = value.integerDefault;
        } else {
            values.*value.text = defaultText(value, folders);
        }
    }
    return values;
}

}  // namespace sonara

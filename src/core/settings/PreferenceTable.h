#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/settings/Preferences.h"

namespace sonara {

// The folders the path defaults are made from.
struct PreferenceFolders {
    std::string programFolder;  // Sonara's data folder, no trailing '/'
    std::string homeFolder;     // the user's home folder, with a trailing '/'
};

enum class PreferenceKind { Integer, Text };

// One value of the preference store: its key, its field and its default.
struct PreferenceDescriptor {
    std::string_view name;
    PreferenceKind kind = PreferenceKind::Integer;
    int Preferences::*integer = nullptr;
    std::string Preferences::*text = nullptr;
    int integerDefault = 0;
    std::string (*textDefault)(const PreferenceFolders&) = nullptr;
    bool savedByAll = true;  // written by save all
};

// Every value in the order save all writes them, "UseID3v2Tags" right after
// "VisualSmallSpectrumKind"; last "WaveoutDeviceID", which save all leaves out
// (it has its own read and write). "ExePath" is no value of the store.
std::span<const PreferenceDescriptor> preferenceTable();

// The value named `name` ignoring case, or null.
const PreferenceDescriptor* findPreference(std::string_view name);

std::string defaultText(const PreferenceDescriptor& value, const PreferenceFolders& folders);
Preferences defaultPreferences(const PreferenceFolders& folders);

}  // namespace sonara

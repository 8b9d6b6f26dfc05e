#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"
#include "core/metadata/Normaliser.h"
#include "core/settings/ColumnLayout.h"
#include "core/settings/IniFile.h"
#include "core/settings/PreferenceTable.h"
#include "core/settings/Preferences.h"
#include "core/settings/WindowPlacement.h"

namespace sonara {

// The preference record of the whole run and its file, "Sonara.ini", section
// "Preferences". The application creates one and hands it to whoever needs
// it; parts read and change values() directly and then call saveAll().
// Window placements, the search history and column layouts go to the file at
// once, as the framework's profile functions did; each of those calls reads
// and rewrites the file. User-interface thread only.
class PreferenceStore {
  public:
    // `programFolder` is Sonara's data folder (a trailing '/' is dropped);
    // `homeFolder` defaults to $HOME, else "/".
    PreferenceStore(std::string iniPath, std::string programFolder, std::string homeFolder = {});

    Preferences& values() { return values_; }
    const Preferences& values() const { return values_; }
    const std::string& iniPath() const { return iniPath_; }
    const std::string& programFolder() const { return folders_.programFolder; }

    // Reads every value ("LastView" first, then "CurrentSkin" and
    // "SkinsFolder", then the rest); absent keys give the defaults, text is cut
    // to 511 characters, a stored LastView of 7 (touch screen) reads as 0. A
    // missing file is no error; an unreadable one leaves the defaults and
    // returns why.
    Status loadAll();
    void loadFrom(const IniFile& file);

    // Reads the file as it is now (so the sections, keys and comments of
    // others survive), writes every value in the save-all order and then
    // "ExePath", and replaces the file atomically. A file that exists but
    // cannot be read is not overwritten.
    Status saveAll() const;
    void saveTo(IniFile& file) const;

    // "WaveoutDeviceID", which saveAll() leaves out: read with the caller's
    // default (stored and returned), and written on its own.
    int readOutputDevice(int defaultId);
    Status writeOutputDevice() const;

    void setSkinName(std::string name) { values_.currentSkin = std::move(name); }
    void setSkinsFolder(std::string folder) { values_.skinsFolder = std::move(folder); }
    // "SkinsFolder" ending in '/'; an empty one becomes the program folder +
    // "/Skins/" first.
    std::string skinsFolder();
    std::string currentSkinFolder();

    NormaliseOptions normaliseOptions() const;

    // Window placements under the keys of placementKey; nothing when the key
    // is missing or its text does not hold all eight fields.
    std::optional<WindowPlacement> windowPlacement(std::string_view key) const;
    Status setWindowPlacement(std::string_view key, const WindowPlacement& placement) const;

    std::vector<std::string> searchHistory(int maxEntries = 15) const;
    Status setSearchHistory(const std::vector<std::string>& entries, int maxEntries = 15) const;
    // The same for a history box whose owner names its own section.
    std::vector<std::string> history(std::string_view section, int maxEntries) const;
    Status setHistory(std::string_view section, const std::vector<std::string>& entries,
                      int maxEntries) const;

    // The library list's layout in `section`. Reading a layout that fits
    // writes "VisibleColumns" = 0 afterwards, so a saved layout is applied
    // once; the next save writes it again.
    std::optional<ColumnLayout> loadColumnLayout(int columnCount,
                                                 std::string_view section = "Preferences") const;
    Status saveColumnLayout(const ColumnLayout& layout,
                            std::string_view section = "Preferences") const;

    // By-name access for the command line. Names match ignoring case; list
    // gives the save-all order, then "WaveoutDeviceID".
    struct NamedValue {
        std::string name;
        std::string text;
    };
    std::vector<NamedValue> list() const;
    Result<std::string> getByName(std::string_view name) const;
    // In memory only. An integer must be a whole decimal number in the int
    // range; a text must be one line and is cut to 511 characters.
    Status setByName(std::string_view name, std::string_view text);
    // setByName() and then the save that writes that value.
    Status setByNameAndSave(std::string_view name, std::string_view text);

  private:
    IniFile readFile() const;
    Status updateFile(const std::function<void(IniFile&)>& change) const;
    void readValue(const IniFile& file, const PreferenceDescriptor& value);

    std::string iniPath_;
    PreferenceFolders folders_;
    Preferences values_;
};

}  // namespace sonara

// Any bytes as a profile file: reading must not crash, and saving what was
// read must give a file that reads back the same way and saves the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/settings/IniFile.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/ProfileRoutines.h"
#include "core/settings/SearchHistory.h"
#include "core/settings/WindowPlacement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sonara;
    IniFile file;
    // Damage is kept, not refused: only a want of memory fails here.
    (void)file.loadFromText(std::string_view(reinterpret_cast<const char*>(data), size));

    for (const std::string& section : file.sections()) {
        for (const std::string& key : file.keys(section)) {
            if (const auto value = file.get(section, key)) {
                parseWindowPlacement(*value);
                parseColour(*value, true);
            }
            file.getInt(section, key, -1);
            file.getText(section, key, "", 7);
        }
    }
    readHistory(file, kSearchHistorySection, kSearchHistoryMax);
    readColumnLayout(file, "Preferences", file.getInt("Preferences", "VisibleColumns", 0) & 0xFF);

    PreferenceStore store("/nonexistent/Sonara.ini", "/opt/sonara", "/home/fuzz");
    store.loadFrom(file);
    store.skinsFolder();

    const std::string once = file.toText();
    store.saveTo(file);
    IniFile reread;
    if (!reread.loadFromText(once) || reread.toText() != once) {
        std::abort();  // a save is not stable
    }
    PreferenceStore again("/nonexistent/Sonara.ini", "/opt/sonara", "/home/fuzz");
    IniFile saved;
    if (!saved.loadFromText(file.toText())) {
        std::abort();  // a save does not read back
    }
    again.loadFrom(saved);
    for (const auto& [name, text] : store.list()) {
        if (name != "WaveoutDeviceID" && again.getByName(name).value() != text) {
            std::abort();  // a value did not survive its own save
        }
    }
    return 0;
}

#include "core/settings/PreferenceStore.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/settings/SearchHistory.h"

namespace sonara {

namespace {

constexpr size_t kMaxTextChars = 511;
constexpr int kTouchScreenView = 7;
constexpr std::string_view kExePath = "ExePath";
constexpr std::string_view kOutputDevice = "WaveoutDeviceID";

const std::string& section() {
    return stringText(TextId::PreferencesSection);
}

std::string withoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string homeFolderOrDefault(std::string home) {
    if (home.empty()) {
        const char* env = std::getenv("HOME");
        home = env != nullptr ? env : "";
    }
    return home.empty() ? std::string("/") : files::withTrailingSlash(std::move(home));
}

std::optional<int> parseWholeInt(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

PreferenceStore::PreferenceStore(std::string iniPath, std::string programFolder,
                                 std::string homeFolder)
    : iniPath_(std::move(iniPath)),
      folders_{withoutTrailingSlash(std::move(programFolder)),
               homeFolderOrDefault(std::move(homeFolder))},
      values_(defaultPreferences(folders_)) {}

void PreferenceStore::readValue(const IniFile& file, const PreferenceDescriptor& value) {
    if (value.kind == PreferenceKind::Integer) {
        values_.*value.integer = file.getInt(section(), value.name, value.integerDefault);
    } else {
        values_.*value.text =
            file.getText(section(), value.name, defaultText(value, folders_), kMaxTextChars);
    }
}

void PreferenceStore::loadFrom(const IniFile& file) {
    constexpr std::string_view kFirst[] = {"LastView", "CurrentSkin", "SkinsFolder"};
    for (const std::string_view name : kFirst) {
        readValue(file, *findPreference(name));
    }
    for (const PreferenceDescriptor& value : preferenceTable()) {
        if (std::find(std::begin(kFirst), std::end(kFirst), value.name) == std::end(kFirst)) {
            readValue(file, value);
        }
    }
    if (values_.lastView == kTouchScreenView) {
        values_.lastView = 0;
    }
}

Status PreferenceStore::loadAll() {
    IniFile file;
    const Status status = file.load(iniPath_);
    loadFrom(file);
    return status;
}

void PreferenceStore::saveTo(IniFile& file) const {
    // The table's key names are valid: set() can only fail for want of memory.
    for (const PreferenceDescriptor& value : preferenceTable()) {
        if (!value.savedByAll) {
            continue;
        }
        if (value.kind == PreferenceKind::Integer) {
            (void)file.setInt(section(), value.name, values_.*value.integer);
        } else {
            (void)file.set(section(), value.name, values_.*value.text);
        }
    }
    (void)file.set(section(), kExePath, folders_.programFolder);
}

Status PreferenceStore::saveAll() const {
    return updateFile([this](IniFile& file) { saveTo(file); });
}

int PreferenceStore::readOutputDevice(int defaultId) {
    values_.waveoutDeviceId = readFile().getInt(section(), kOutputDevice, defaultId);
    return values_.waveoutDeviceId;
}

Status PreferenceStore::writeOutputDevice() const {
    return updateFile(
        // A fixed, valid key: setInt() can only fail for want of memory.
        [this](IniFile& file) {
            (void)file.setInt(section(), kOutputDevice, values_.waveoutDeviceId);
        });
}

std::string PreferenceStore::skinsFolder() {
    if (values_.skinsFolder.empty()) {
        values_.skinsFolder = folders_.programFolder + "/Skins/";
    }
    return files::withTrailingSlash(values_.skinsFolder);
}

std::string PreferenceStore::currentSkinFolder() {
    return skinsFolder() + values_.currentSkin + "/";
}

NormaliseOptions PreferenceStore::normaliseOptions() const {
    NormaliseOptions options;
    options.useTagInfo = values_.useTagInfoDBAdd != 0;
    options.replaceUnderscore = values_.replaceUnderscore != 0;
    options.replaceBrackets = values_.replaceBrackets != 0;
    options.replaceParens = values_.replaceParens != 0;
    options.firstLetterCaps = values_.firstLetterCaps != 0;
    return options;
}

IniFile PreferenceStore::readFile() const {
    IniFile file;
    (void)file.load(iniPath_);  // unreadable reads as empty, as a profile read would
    return file;
}

Status PreferenceStore::updateFile(const std::function<void(IniFile&)>& change) const {
    IniFile file;
    if (Status status = file.load(iniPath_); !status) {
        return status;
    }
    change(file);
    return file.save(iniPath_);
}

std::optional<WindowPlacement> PreferenceStore::windowPlacement(std::string_view key) const {
    const std::optional<std::string> text = readFile().get(section(), key);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    return parseWindowPlacement(*text);
}

Status PreferenceStore::setWindowPlacement(std::string_view key,
                                           const WindowPlacement& placement) const {
    Status result = Status::success();
    Status saved = updateFile([&](IniFile& file) {
        result = file.set(section(), key, formatWindowPlacement(placement));
    });
    return result ? saved : result;
}

std::vector<std::string> PreferenceStore::searchHistory(int maxEntries) const {
    return readHistory(readFile(), kSearchHistorySection, maxEntries);
}

Status PreferenceStore::setSearchHistory(const std::vector<std::string>& entries,
                                         int maxEntries) const {
    return updateFile(
        [&](IniFile& file) { writeHistory(file, kSearchHistorySection, entries, maxEntries); });
}

std::vector<std::string> PreferenceStore::history(std::string_view historySection,
                                                  int maxEntries) const {
    return readHistory(readFile(), historySection, maxEntries);
}

Status PreferenceStore::setHistory(std::string_view historySection,
                                   const std::vector<std::string>& entries, int maxEntries) const {
    return updateFile(
        [&](IniFile& file) { writeHistory(file, historySection, entries, maxEntries); });
}

std::optional<ColumnLayout> PreferenceStore::loadColumnLayout(
    int columnCount, std::string_view layoutSection) const {
    std::optional<ColumnLayout> layout = readColumnLayout(readFile(), layoutSection, columnCount);
    if (layout) {
        // Applied once; a failed write only means it applies again next time.
        (void)updateFile(
            [&](IniFile& file) { (void)file.setInt(layoutSection, "VisibleColumns", 0); });
    }
    return layout;
}

Status PreferenceStore::saveColumnLayout(const ColumnLayout& layout,
                                         std::string_view layoutSection) const {
    return updateFile([&](IniFile& file) { writeColumnLayout(file, layoutSection, layout); });
}

std::vector<PreferenceStore::NamedValue> PreferenceStore::list() const {
    std::vector<NamedValue> out;
    for (const PreferenceDescriptor& value : preferenceTable()) {
        out.push_back({std::string(value.name), getByName(value.name).value()});
    }
    return out;
}

Result<std::string> PreferenceStore::getByName(std::string_view name) const {
    const PreferenceDescriptor* value = findPreference(name);
    if (value == nullptr) {
        return Result<std::string>::failure("Unknown preference \"" + std::string(name) + "\"");
    }
    if (value->kind == PreferenceKind::Integer) {
        return std::to_string(values_.*value->integer);
    }
    return values_.*value->text;
}

Status PreferenceStore::setByName(std::string_view name, std::string_view text) {
    const PreferenceDescriptor* value = findPreference(name);
    if (value == nullptr) {
        return Status::failure("Unknown preference \"" + std::string(name) + "\"");
    }
    if (value->kind == PreferenceKind::Integer) {
        const std::optional<int> number = parseWholeInt(text);
        if (!number) {
            return Status::failure("\"" + std::string(value->name) +
                                   "\" takes a whole decimal number, not \"" + std::string(text) +
                                   "\"");
        }
        values_.*value->integer = *number;
        return Status::success();
    }
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos) {
        return Status::failure("\"" + std::string(value->name) + "\" takes a single line of text");
    }
    values_.*value->text = cutToChars(text, kMaxTextChars);
    return Status::success();
}

Status PreferenceStore::setByNameAndSave(std::string_view name, std::string_view text) {
    if (Status status = setByName(name, text); !status) {
        return status;
    }
    return findPreference(name)->savedByAll ? saveAll() : writeOutputDevice();
}

}  // namespace sonara

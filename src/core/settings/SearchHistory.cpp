#include "core/settings/SearchHistory.h"

#include <algorithm>

#include "core/io/Text.h"

namespace sonara {

namespace {

std::string historyKey(int index) {
    return "#" + std::to_string(index);
}

// The n of a key "#<n>", or -1.
long historyIndex(std::string_view key) {
    if (key.size() < 2 || key.size() > 10 || key.front() != '#') {
        return -1;
    }
    long n = 0;
    for (const char c : key.substr(1)) {
        if (c < '0' || c > '9') {
            return -1;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::vector<std::string> readHistory(const IniFile& file, std::string_view section,
                                     int maxEntries) {
    std::vector<std::string> entries;
    for (int i = 0; i < maxEntries; ++i) {
        std::optional<std::string> entry = file.get(section, historyKey(i));
        if (entry && !entry->empty()) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

void writeHistory(IniFile& file, std::string_view section, const std::vector<std::string>& entries,
                  int maxEntries) {
    int written = 0;
    for (const std::string& entry : entries) {
        if (written >= maxEntries) {
            break;
        }
        if (text::trim(entry).empty()) {
            continue;
        }
        if (file.set(section, historyKey(written), entry)) {
            ++written;
        }
    }
    for (const std::string& key : file.keys(section)) {
        const long index = historyIndex(key);
        if (index >= written) {
            file.remove(section, key);
        }
    }
}

}  // namespace sonara

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/IniFile.h"

// A history box's entries in a section of their own, under the keys "#0",
// "#1", ... (the main window's search box: section "SearchHistory", 15 entries).
namespace sonara {

inline constexpr std::string_view kSearchHistorySection = "SearchHistory";
inline constexpr int kSearchHistoryMax = 15;

// The stored entries "#0" to "#<maxEntries - 1>" in order; a missing or empty
// key is skipped, not the end of the list, so a gap loses nothing behind it.
std::vector<std::string> readHistory(const IniFile& file, std::string_view section, int maxEntries);
// Writes up to `maxEntries` non-blank entries as "#0", "#1", ... and removes
// every other "#<n>" key of the section, so no stale entry comes back.
void writeHistory(IniFile& file, std::string_view section, const std::vector<std::string>& entries,
                  int maxEntries);

}  // namespace sonara

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/IniFile.h"

namespace sonara {

// A report list's saved column layout: "VisibleColumns" and per column i the
// keys "Column<i>Id" (header text), "Column<i>Size" (width in pixels) and
// "Column<i>OrderIdx" (display position).
struct ColumnSetting {
    std::string id;  // empty when not stored
    int size = 0;    // 0 when not stored
    int orderIndex = 0;
    // The width is applied only when both the header text and the width are
    // stored.
    bool hasWidth() const { return !id.empty() && size != 0; }
    bool operator==(const ColumnSetting&) const = default;
};

struct ColumnLayout {
    std::vector<ColumnSetting> columns;
    bool operator==(const ColumnLayout&) const = default;
};

// The stored layout of a list with `columnCount` columns; nothing when the
// stored "VisibleColumns" is missing or counts other columns.
std::optional<ColumnLayout> readColumnLayout(const IniFile& file, std::string_view section,
                                             int columnCount);
// Header texts are cut to 50 characters.
void writeColumnLayout(IniFile& file, std::string_view section, const ColumnLayout& layout);

}  // namespace sonara

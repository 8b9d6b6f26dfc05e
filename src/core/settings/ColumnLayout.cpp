#include "core/settings/ColumnLayout.h"

namespace sonara {

namespace {

constexpr std::string_view kVisibleColumns = "VisibleColumns";
constexpr size_t kMaxIdChars = 50;

std::string columnKey(size_t index, std::string_view suffix) {
    return "Column" + std::to_string(index) + std::string(suffix);
}

}  // namespace

std::optional<ColumnLayout> readColumnLayout(const IniFile& file, std::string_view section,
                                             int columnCount) {
    if (columnCount < 0 || !file.get(section, kVisibleColumns) ||
        file.getInt(section, kVisibleColumns, -1) != columnCount) {
        return std::nullopt;
    }
    ColumnLayout layout;
    for (size_t i = 0; i < static_cast<size_t>(columnCount); ++i) {
        ColumnSetting column;
        column.id = file.getText(section, columnKey(i, "Id"), "");
        column.size = file.getInt(section, columnKey(i, "Size"), 0);
        column.orderIndex = file.getInt(section, columnKey(i, "OrderIdx"), static_cast<int>(i));
        layout.columns.push_back(std::move(column));
    }
    return layout;
}

// The key names are fixed and valid: set() can only fail for want of memory.
void writeColumnLayout(IniFile& file, std::string_view section, const ColumnLayout& layout) {
    (void)file.setInt(section, kVisibleColumns, static_cast<int>(layout.columns.size()));
    for (size_t i = 0; i < layout.columns.size(); ++i) {
        const ColumnSetting& column = layout.columns[i];
        (void)file.set(section, columnKey(i, "Id"), cutToChars(column.id, kMaxIdChars));
        (void)file.setInt(section, columnKey(i, "Size"), column.size);
        (void)file.setInt(section, columnKey(i, "OrderIdx"), column.orderIndex);
    }
}

}  // namespace sonara

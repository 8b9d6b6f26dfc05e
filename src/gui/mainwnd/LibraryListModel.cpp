#include "gui/mainwnd/LibraryListModel.h"

#include <QString>

#include "core/library/Library.h"
#include "core/library/search/LibraryRows.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::gui {

LibraryListModel::LibraryListModel(Library& library, const PreferenceStore& prefs, QObject* parent)
    : QAbstractTableModel(parent), library_(library), prefs_(prefs) {
    readPreferences();
}

void LibraryListModel::showRows(const LibraryRows* rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void LibraryListModel::refresh() {
    beginResetModel();
    readPreferences();
    endResetModel();
}

void LibraryListModel::readPreferences() {
    columns_ = shownLibraryColumns(prefs_.values());
    options_ = prefs_.normaliseOptions();
}

LibraryRecord* LibraryListModel::recordAt(int row) const {
    if (row < 0) {
        return nullptr;
    }
    const auto at = static_cast<size_t>(row);
    if (rows_ != nullptr) {
        return rows_->at(at);
    }
    return at < library_.count() ? library_.at(at) : nullptr;
}

int LibraryListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return static_cast<int>(rows_ != nullptr ? rows_->size() : library_.count());
}

int LibraryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant LibraryListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::TextAlignmentRole) {
        return {};
    }
    const LibraryRecord* record = recordAt(index.row());
    if (record == nullptr || index.column() < 0 ||
        index.column() >= static_cast<int>(columns_.size())) {
        return {};
    }
    const LibraryColumn column = columns_[static_cast<size_t>(index.column())];
    if (column == LibraryColumn::Length && role != Qt::DisplayRole) {
        return role == Qt::TextAlignmentRole
                   ? QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    }
    if (role == Qt::TextAlignmentRole) {
        return {};
    }
    return QString::fromStdString(libraryCellText(*record, column, options_));
}

QVariant LibraryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(libraryColumnHeader(columns_[static_cast<size_t>(section)]));
    }
    if (role == Qt::TextAlignmentRole &&
        columns_[static_cast<size_t>(section)] == LibraryColumn::Length) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace sonara::gui

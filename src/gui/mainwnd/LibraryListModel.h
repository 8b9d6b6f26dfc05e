#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "core/mainwnd/LibraryColumns.h"
#include "core/metadata/Normaliser.h"

namespace sonara {
class Library;
class LibraryRecord;
class LibraryRows;
class PreferenceStore;
}  // namespace sonara

namespace sonara::gui {

// The library list's rows: every record of the library in its order, or the
// rows of the latest search or letter. Cells are made when the view asks for
// them, so a list of 100,000 rows costs what a screenful costs. The columns
// and the display rules come from the preferences, read at each reset.
//
// Borrows the library, the rows and the store. Rows hold record pointers:
// before records are destroyed (a removal, a reload), show other rows or
// call showRows() again once the rows are rebuilt. User-interface thread.
class LibraryListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    LibraryListModel(Library& library, const PreferenceStore& prefs, QObject* parent = nullptr);

    // `rows` (borrowed), or nothing for every library record. Resets.
    void showRows(const LibraryRows* rows);
    bool showsAll() const { return rows_ == nullptr; }
    // Columns and display options re-read from the preferences. Resets.
    void refresh();

    // Nothing for a row outside the list.
    LibraryRecord* recordAt(int row) const;
    const std::vector<LibraryColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void readPreferences();

    Library& library_;
    const PreferenceStore& prefs_;
    const LibraryRows* rows_ = nullptr;
    std::vector<LibraryColumn> columns_;
    NormaliseOptions options_;
};

}  // namespace sonara::gui

#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QPixmap>
#include <array>

#include "core/playlist/PlayListObserver.h"
#include "core/playlist/PlayListTotals.h"

namespace sonara {
class PlayList;
}

namespace sonara::gui {

// The play list as a table: row i is entry i, read from the list when
// drawn (no row is copied, so 100,000 entries cost what a screenful does).
// The first column carries the entry's state picture (not played, playing
// or chosen, played). Changes arrive as the list's notices, by first row
// and count.
//
// Takes the list's one observer slot for its lifetime and empties it on
// destruction, so a window's model must be destroyed before the next
// window's is made (delete, not deleteLater, when the window closes). The
// list must outlive the model. User-interface thread.
class PlayListModel : public QAbstractTableModel, public PlayListObserver {
    Q_OBJECT
  public:
    enum Column { TitleColumn, ArtistColumn, LengthColumn, ColumnCount };

    explicit PlayListModel(PlayList& list, QObject* parent = nullptr);
    ~PlayListModel() override;

    const PlayList& list() const { return list_; }
    // The state pictures are drawn in `colour` (the list's text colour).
    void setPictureColour(QColor colour);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void rowsInserted(size_t first, size_t count) override;
    void rowsRemoved(size_t first, size_t count) override;
    void rowsChanged(size_t first, size_t count) override;
    void rowsReset() override;
    void totalsChanged(const PlayListTotals& totals) override;

  signals:
    void totalsUpdated(const sonara::PlayListTotals& totals);

  private:
    PlayList& list_;
    // The rows the view has been told of: between the notices of a removal
    // in several runs the list is already shorter than the view.
    int rows_ = 0;
    std::array<QPixmap, 4> pictures_;
};

}  // namespace sonara::gui

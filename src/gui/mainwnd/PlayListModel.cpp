#include "gui/mainwnd/PlayListModel.h"

#include <QPainter>
#include <QPainterPath>

#include "core/app/StringTable.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayTime.h"

namespace sonara::gui {

namespace {

constexpr int kPictureSide = 16;

QPixmap statePicture(EntryState state, QColor colour) {
    QPixmap picture(kPictureSide, kPictureSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (state) {
        case EntryState::Current: {
            QPainterPath triangle;
            triangle.moveTo(4.5, 3.5);
            triangle.lineTo(12.5, 8);
            triangle.lineTo(4.5, 12.5);
            triangle.closeSubpath();
            painter.fillPath(triangle, colour);
            break;
        }
        case EntryState::Played: {
            painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(
                QPolygonF({QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)}));
            break;
        }
        case EntryState::Unplayed:
        case EntryState::Fresh:
            painter.setPen(QPen(colour, 1.2));
            painter.drawEllipse(QRectF(5.5, 5.5, 5, 5));
            break;
    }
    return picture;
}

}  // namespace

PlayListModel::PlayListModel(PlayList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), rows_(int(list.count())) {
    setPictureColour(Qt::black);
    list_.setObserver(this);
}

PlayListModel::~PlayListModel() {
    list_.setObserver(nullptr);
}

void PlayListModel::setPictureColour(QColor colour) {
    for (int state = 0; state < int(pictures_.size()); ++state) {
        pictures_[size_t(state)] = statePicture(EntryState(state), colour);
    }
    if (rows_ > 0) {
        emit dataChanged(index(0, TitleColumn), index(rows_ - 1, TitleColumn),
                         {Qt::DecorationRole});
    }
}

int PlayListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int PlayListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlayListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= list_.count()) {
        return {};
    }
    const PlayListEntry& entry = list_.at(size_t(index.row()));
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            switch (index.column()) {
                case TitleColumn:
                    return QString::fromStdString(entry.title);
                case ArtistColumn:
                    return QString::fromStdString(entry.artist);
                case LengthColumn:
                    return entry.length > 0 ? QString::fromStdString(formatPlayTime(entry.length))
                                            : QString();
                default:
                    return {};
            }
        case Qt::DecorationRole:
            if (index.column() == TitleColumn) {
                const auto state = size_t(entry.state);
                return state < pictures_.size() ? pictures_[state] : QPixmap();
            }
            return {};
        case Qt::TextAlignmentRole:
            return index.column() == LengthColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                  : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant PlayListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case TitleColumn:
            return QString::fromStdString(stringText(TextId::PlayListTitleColumn));
        case ArtistColumn:
            return QString::fromStdString(stringText(TextId::PlayListArtistColumn));
        case LengthColumn:
            return QString::fromStdString(stringText(TextId::PlayListLengthColumn));
        default:
            return {};
    }
}

void PlayListModel::rowsInserted(size_t first, size_t count) {
    if (count == 0) {
        return;
    }
    beginInsertRows({}, int(first), int(first + count - 1));
    rows_ += int(count);
    endInsertRows();
}

void PlayListModel::rowsRemoved(size_t first, size_t count) {
    if (count == 0) {
        return;
    }
    beginRemoveRows({}, int(first), int(first + count - 1));
    rows_ -= int(count);
    endRemoveRows();
}

void PlayListModel::rowsChanged(size_t first, size_t count) {
    if (count == 0) {
        return;
    }
    emit dataChanged(index(int(first), 0), index(int(first + count - 1), ColumnCount - 1));
}

void PlayListModel::rowsReset() {
    beginResetModel();
    rows_ = int(list_.count());
    endResetModel();
}

void PlayListModel::totalsChanged(const PlayListTotals& totals) {
    emit totalsUpdated(totals);
}

}  // namespace sonara::gui

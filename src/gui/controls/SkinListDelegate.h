#pragma once

#include <QStyledItemDelegate>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// Draws the cells of a SkinListCtrl: selected rows in the system highlight
// colours; other rows in "RGB ListCtrl Text" on "RGB ListCtrl Background",
// or on nothing when "Use Transparent Background" is 1. The text is one
// line, vertically centred, aligned by the model's TextAlignmentRole and
// cut with an ellipsis; a decoration (state image or small icon) comes
// before it. Rows are the list font's height + leading + 1 pixel high.
class SkinListDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    SkinListDelegate(SkinContext context, QObject* parent = nullptr);

    // The height every row takes in `font`.
    static int rowHeight(const QFont& font);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    SkinContext context_;
};

}  // namespace sonara::gui

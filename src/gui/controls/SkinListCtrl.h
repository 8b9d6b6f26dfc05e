#pragma once

#include <QImage>
#include <QString>
#include <QTreeView>
#include <string>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class SkinListDelegate;

// The skinned report list: a view over any QAbstractItemModel (rows are
// never filled one by one, so 100,000 rows cost what a screenful costs),
// drawn in the skin's list font and colours by SkinListDelegate, with
// skinned scroll bars. With "Use Transparent Background" the parent
// dialog's background shows through, tiled from the top-level window so it
// stays aligned with the dialog; every scroll repaints the whole viewport
// to keep it so. Cell tool tips come from the model's ToolTipRole.
// User-interface thread only.
class SkinListCtrl : public QTreeView {
    Q_OBJECT
  public:
    explicit SkinListCtrl(SkinContext context, QWidget* parent = nullptr);
    // Saves the layout to the section loadLayout() read, if any.
    ~SkinListCtrl() override;

    // The skin index of the background that shows through (default the
    // dialog background; the main window uses the tile).
    void setBackgroundIndex(int index);
    int backgroundIndex() const { return backgroundIndex_; }

    // Applies the layout stored in `section` once (the store marks it used)
    // and remembers the section for the save on destruction. A layout saved
    // for another column count is ignored.
    void loadLayout(const std::string& section = "Preferences");
    // Writes the column count, header texts, widths and display positions.
    void saveLayout(const std::string& section = "Preferences");

    int rowHeight() const;

  signals:
    // The Delete key: the owner runs its delete command.
    void deletePressed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void applySkin();
    // Paints the parent's background behind `area` of the viewport, aligned
    // with the top-level window.
    void paintParentBackground(QPainter& painter, const QRect& area);

    SkinContext context_;
    SkinListDelegate* delegate_;
    int backgroundIndex_ = skin::kDialogBackground;
    std::string layoutSection_;
    bool layoutLoaded_ = false;
    // The background stretched over the top-level window, when the skin
    // does not tile it; rebuilt when the window size changes.
    QImage stretched_;
    QSize stretchedFor_;
};

}  // namespace sonara::gui

#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// A skin bitmap, or a picture of the program's own, drawn in one of the
// modes below. Draws nothing without a picture.
class SkinPicture : public QWidget {
    Q_OBJECT
  public:
    enum Mode : int {
        kCopy = 0,         // 1:1 at the origin; takes the picture's size
        kTile = 1,         // tiled over the picture
        kStretch = 2,      // stretched over the picture
        kCoverParent = 4,  // tiled, the picture covering the parent
        kFit = 8,          // scaled to fit, aspect kept, on black
        kTransparent = 16  // as kCopy, the transparent colour keyed out
    };

    explicit SkinPicture(SkinContext& context, QWidget* parent = nullptr);

    // A table index, or skin::kNoBitmap for the own picture.
    void setSkinIndex(int index);
    int skinIndex() const { return index_; }
    void setImage(QImage image);
    void setMode(int mode);
    int mode() const { return mode_; }
    // Nothing: the skin's "RGB Transparent Color".
    void setTransparentColour(std::optional<QColor> colour);

    void setControlId(int id) { controlId_ = id; }
    int controlId() const { return controlId_; }

    const QImage& picture() const;

    // The picture's own size in the modes that take it, so layouts give a
    // copied picture its room; other modes keep whatever size they are given.
    QSize sizeHint() const override;

  signals:
    void released(int id);
    void resizedForSkin(int id);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void applySize();

    SkinContext& context_;
    int index_ = skin::kNoBitmap;
    QImage own_;
    int mode_ = kCopy;
    std::optional<QColor> transparent_;
    int controlId_ = 0;
};

}  // namespace sonara::gui

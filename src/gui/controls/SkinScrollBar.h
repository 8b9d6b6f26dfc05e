#pragma once

#include <QScrollBar>

#include "gui/skin/SkinContext.h"

class QAbstractScrollArea;

namespace sonara::gui {

class SkinScrollBarStyle;

// A scroll bar drawn from the skin's scroll-bar bitmaps when the skin has
// all four of them; otherwise it is a standard scroll bar. Mouse and
// keyboard behaviour stay QScrollBar's: a proxy style reports the skinned
// layout, so hit testing matches what is drawn.
//
// Bitmap layout (per orientation, horizontal given, vertical the same
// turned by a quarter):
// - "hscrollbar background.bmp": the track; its height is the bar's
//   thickness; it is stretched along the track.
// - "hscrollbar buttons.bmp": three cells of equal width side by side: the
//   left arrow, the right arrow and the thumb; a cell's width is the arrow
//   length (vertical: three cells of equal height, top to bottom: up arrow,
//   down arrow, thumb). The thumb cell is stretched to the thumb length.
// User-interface thread only.
class SkinScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    SkinScrollBar(Qt::Orientation orientation, SkinContext context, QWidget* parent = nullptr);
    ~SkinScrollBar() override;

    // Gives `area` skinned scroll bars for both orientations (the area owns
    // them).
    static void install(QAbstractScrollArea* area, SkinContext context);

    // True when the skin has all four scroll-bar bitmaps.
    bool skinned() const;
    // Arrow-button length along the bar, and the thickness across it, from
    // the bitmaps (0 when not skinned).
    int arrowLength() const;
    int thickness() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    friend class SkinScrollBarStyle;
    const QImage& backgroundBitmap() const;
    const QImage& buttonsBitmap() const;
    // The buttons bitmap's cell: 0 first arrow, 1 second arrow, 2 thumb.
    QRect buttonCell(int cell) const;
    QRect subLineRect() const;
    QRect addLineRect() const;
    QRect grooveRect() const;
    QRect sliderRect() const;

    SkinContext context_;
    SkinScrollBarStyle* style_;
};

}  // namespace sonara::gui

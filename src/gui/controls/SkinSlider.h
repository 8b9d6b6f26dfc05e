#pragma once

#include <QImage>
#include <QWidget>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class HoverTip;

// A bitmap slider (volume, balance, equaliser, seek).
//
// Bitmap layout: horizontal sliders hold the track on the left and then
// `frames` thumb frames side by side, each `thumbExtent` pixels wide
// (default: the bitmap's height, i.e. square thumbs); the track is what is
// left on the left. Vertical sliders hold the track on top and the frames
// stacked below it, each `thumbExtent` high (default: the bitmap's width).
// Frame 0 is the normal thumb, 1 pressed (dragging), 2 disabled; a state
// without its own frame uses frame 0.
//
// The thumb's leading edge sits at (value − minimum) / (maximum − minimum +
// 1) × track length, the track length being the control's length minus the
// thumb. Minimum is at the left or top. With "GraphicSliders"
// "UseTransparency" both parts are drawn with "TransColor" transparent.
// User-interface thread only.
class SkinSlider : public QWidget {
    Q_OBJECT
  public:
    enum TipMode { kTipPercent = 0, kTipTime = 1, kTipNone = 2 };

    explicit SkinSlider(SkinContext context, QWidget* parent = nullptr);
    ~SkinSlider() override;

    // The id valueNotified() carries.
    void setId(int id) { id_ = id; }
    int id() const { return id_; }

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Ignored while the user drags the thumb; limited to the range.
    void setValue(int value);
    int value() const { return value_; }
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return orientation_; }

    // A skin bitmap by table index (follows skin changes) or an own picture.
    void setSkinBitmap(int index, int frames = 1, int thumbExtent = 0);
    void setBitmap(QImage bitmap, int frames = 1, int thumbExtent = 0);
    // Any mode other than percent or time shows no tip.
    void setTipMode(int mode) { tipMode_ = mode; }
    void setNotifyWhileDragging(bool on) { notifyWhileDragging_ = on; }
    bool dragging() const { return dragging_; }
    // For the gallery: draw the pressed thumb without a drag.
    void setShowPressed(bool on) {
        showPressed_ = on;
        update();
    }

    // The tip for the current value: "%d%%" of the range, the value as
    // play time (seconds), or empty.
    QString tipText() const;
    // Where the thumb is drawn, in widget coordinates.
    QRect thumbRect() const;
    int trackLength() const;

    QSize sizeHint() const override;

  signals:
    // Each move while dragging (when asked for) and the release. Emitted
    // from the mouse handler; owners that must not run inside it connect
    // queued.
    void valueNotified(int id);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool rangeUsable() const { return maximum_ > minimum_; }
    const QImage& source() const;
    int thumbExtent() const;
    QRect trackSource() const;
    QRect frameSource(int frame) const;
    int pointAlong(QPoint point) const;
    void moveTo(QPoint point);
    void showTip();
    // The bitmap with "TransColor" cleared, rebuilt when the skin changes.
    const QImage& drawable() const;

    SkinContext context_;
    HoverTip* tip_;
    int id_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    Qt::Orientation orientation_ = Qt::Horizontal;
    int skinIndex_ = -1;
    QImage own_;
    int frames_ = 1;
    int thumbExtent_ = 0;
    int tipMode_ = kTipNone;
    bool notifyWhileDragging_ = false;
    bool dragging_ = false;
    bool showPressed_ = false;
    int grabOffset_ = 0;
    mutable QImage transparentCache_;
    mutable bool cacheValid_ = false;
};

}  // namespace sonara::gui

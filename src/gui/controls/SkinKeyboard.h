#pragma once

#include <QChar>
#include <QRect>
#include <QVector>
#include <QWidget>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class HoverTip;

// The touch-screen view's on-screen keyboard: 39 keys, 0..25 "A".."Z",
// 26..35 "0".."9", 36 "[", 37 space, 38 "*".
//
// Keys sit in five rows: the digits 1..0, Q..P, A..L and "[", Z..M and
// "*", then the space bar, each row centred, 2 pixels apart. Letters and
// digits are "keysmall.bmp" sized, "[" "keymedium.bmp", "*" "keylarge.bmp"
// and the space bar "keyspacebar.bmp" (built-in sizes stand in for missing
// ones). With "keyboardbackground.bmp" the keyboard is that picture (keys
// drawn in) and the rows are scaled onto it; without it each key is drawn
// from its key bitmap with its character on it; with neither nothing is
// drawn. Every copy leaves "RGB Transparent Color" transparent.
// User-interface thread only.
class SkinKeyboard : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kKeyCount = 39;

    explicit SkinKeyboard(SkinContext context, QWidget* parent = nullptr);
    ~SkinKeyboard() override;

    static QChar keyChar(int key);
    // The key's hot rectangle, or an empty one.
    QRect keyRect(int key) const;
    // The key under `point`, or -1.
    int keyAt(QPoint point) const;

    int hotKey() const { return hot_; }
    int pressedKey() const { return pressed_; }
    // For the gallery: show a key hot or pressed without a mouse.
    void setHotKey(int key);
    void setPressedKey(int key);

    QSize sizeHint() const override;

  signals:
    // A key released under the button that pressed it.
    void keyPressedLeft(QChar character);
    void keyPressedRight(QChar character);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    enum class Kind { Small, Medium, Large, Space };
    static Kind kindOf(int key);
    int bitmapIndex(Kind kind) const;
    QSize keySize(Kind kind) const;
    void layoutKeys();
    void setHot(int key);

    SkinContext context_;
    HoverTip* tip_;
    QVector<QRect> rects_;  // by key
    QSize natural_;         // the rows' extent before any scaling
    int hot_ = -1;
    int pressed_ = -1;
    Qt::MouseButton pressedButton_ = Qt::NoButton;
};

}  // namespace sonara::gui

#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/app/TextId.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class HoverTip;

// The main window's mini tool bar: the skin's mini-tool-bar picture with
// hot rectangles that trigger actions. It can also serve as a handle that
// moves its window while the button is held.
class SkinToolStrip : public QWidget {
    Q_OBJECT
  public:
    struct Item {
        QRect rect;
        int action = 0;
        std::optional<TextId> tipId;  // string-table text shown as the tip
    };

    explicit SkinToolStrip(SkinContext context, QWidget* parent = nullptr);
    ~SkinToolStrip() override;

    void setItems(std::vector<Item> items);
    const std::vector<Item>& items() const { return items_; }
    // Lets a drag with the button held move the top-level window.
    void setMovesWindow(bool moves) { movesWindow_ = moves; }
    bool movesWindow() const { return movesWindow_; }

    // The item under `point` (strip coordinates), or -1.
    int itemAt(QPoint point) const;
    int hotItem() const { return hot_; }
    bool isPressed() const { return pressed_; }
    bool isDragging() const { return dragging_; }
    // For the gallery: draws `item` hot, and pressed when asked.
    void setHotItem(int item, bool pressed = false);

    HoverTip& hoverTip() { return *tip_; }

    QSize sizeHint() const override;

  signals:
    // Released over an item without a drag: the item's action code.
    void actionTriggered(int action);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void setHot(int item);
    void armTip();

    SkinContext context_;
    std::vector<Item> items_;
    HoverTip* tip_;
    int hot_ = -1;
    bool pressed_ = false;
    bool dragging_ = false;
    bool movesWindow_ = false;
    QPoint lastGlobal_;
};

}  // namespace sonara::gui

#pragma once

#include <QImage>
#include <QPushButton>
#include <optional>

#include "core/app/TextId.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class HoverTip;

// A push button drawn from a cell of a skin button strip (large 0, medium 2,
// small 6): one column per state, one row per caption when the strip has
// them. Pixels of the skin's transparent colour show the window behind.
class SkinButton : public QPushButton {
    Q_OBJECT
  public:
    explicit SkinButton(SkinContext& context, QWidget* parent = nullptr);
    ~SkinButton() override;

    // Sizes the button to the strip's cell, keeping its top-left corner.
    void setSkin(int stripIndex, std::optional<TextId> tipStringId = std::nullopt,
                 int captionRow = 0);
    int stripIndex() const { return strip_; }
    int captionRow() const { return row_; }
    std::optional<TextId> tipStringId() const { return tipId_; }
    QString tipText() const;

    // The id the signals carry; the parent picks it.
    void setControlId(int id) { controlId_ = id; }
    int controlId() const { return controlId_; }
    // Emits pressedWithMouse on each left-button press.
    void setReportPresses(bool on) { reportPresses_ = on; }
    bool reportsPresses() const { return reportPresses_; }

    // The strip column drawn now: disabled 4, pressed 1, focused 2, up 0,
    // and mouse-over 3 instead of focus or up.
    int stateColumn() const;
    bool isMouseOver() const { return mouseOver_; }
    // For rendering a state without a real mouse or focus (the gallery).
    void setMouseOver(bool over);
    void setShowsFocus(bool on);

    const HoverTip& hoverTip() const { return *tip_; }
    QSize sizeHint() const override;

  signals:
    void pressedWithMouse(int id);
    void resizedForSkin(int id);

  protected:
    SkinContext& context() const { return context_; }
    // The strip's cell for the state drawn now, transparent colour keyed out;
    // null without a strip.
    QImage stateCell();
    // After the button took its new size for a changed skin.
    virtual void skinChanged() {}

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void armTip();
    const QImage& keyedStrip();

    SkinContext& context_;
    HoverTip* tip_;
    int strip_ = -1;
    int row_ = 0;
    std::optional<TextId> tipId_;
    int controlId_ = 0;
    bool reportPresses_ = false;
    bool mouseOver_ = false;
    bool showsFocus_ = false;
    // The strip with its transparent colour keyed out, remade when the skin
    // bitmap or the colour changes.
    QImage keyed_;
    qint64 keyedFrom_ = 0;
    QRgb keyedColour_ = 0;
};

}  // namespace sonara::gui

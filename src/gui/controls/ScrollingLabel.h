#pragma once

#include <QFont>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "core/skin/FontInfo.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// The song title that scrolls sideways when it does not fit (or always, or
// never, as "ScrollTitle" says), in the skin's static-text font and colours,
// drawn over the parent's background.
class ScrollingLabel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStepPixels = 3;
    static constexpr int kIntervalMs = 100;
    static const QString& separator();

    explicit ScrollingLabel(SkinContext context, QWidget* parent = nullptr);

    // The title is drawn literally: "&" is no mnemonic here.
    void setText(const QString& title);
    const QString& text() const { return title_; }
    // An own face, size and weight instead of the skin's static-text font.
    void setOwnFont(const skin::FontSpec& spec);
    void clearOwnFont();
    const QFont& labelFont() const { return font_; }

    // Decides again whether to scroll, e.g. after "ScrollTitle" changed.
    void refresh();

    bool isScrolling() const { return scrolling_; }
    // The title with its separators, as it runs past; empty when still.
    const QString& scrollingText() const { return scrollingText_; }
    int scrollingWidth() const { return scrollingWidth_; }
    int offset() const { return offset_; }
    bool timerActive() const { return timer_.isActive(); }
    // One timer step: moves the text left, wrapping after its whole width.
    void tick();

    QSize sizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void makeFont();
    void evaluate(bool restart);

    SkinContext context_;
    std::optional<skin::FontSpec> ownFont_;
    QFont font_;
    QString title_;
    int titleWidth_ = 0;
    bool scrolling_ = false;
    QString scrollingText_;
    int scrollingWidth_ = 0;
    int offset_ = 0;
    QTimer timer_;
};

}  // namespace sonara::gui

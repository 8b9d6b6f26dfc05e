#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <optional>

#include "core/skin/FontInfo.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// Text drawn over the window behind it in the skin's static-text font and
// enabled or disabled colour.
class SkinLabel : public QWidget {
    Q_OBJECT
  public:
    enum Mode : int {
        kPlain = 0,
        kShrinkToFit = 1,  // the font gets smaller until the text fits
        kGrowHeight = 2,   // the height follows the wrapped text
        kRule = 3,         // a two-pixel horizontal line, no text
    };

    explicit SkinLabel(SkinContext& context, const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    // Instead of the skin's "StaticText" font.
    void setOwnFont(const skin::FontSpec& spec);
    void setMode(int mode);
    int mode() const { return mode_; }
    void setAlignment(Qt::Alignment alignment);

    void setControlId(int id) { controlId_ = id; }
    int controlId() const { return controlId_; }

    // The font the text is drawn in now.
    QFont textFont();
    QColor textColour() const;
    QSize sizeHint() const override;

  signals:
    void released(int id);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QFont baseFont() const;
    void relayout();
    int textFlags() const;

    SkinContext& context_;
    QString text_;
    std::optional<skin::FontSpec> ownFont_;
    int mode_ = kPlain;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    std::optional<QFont> font_;
    int controlId_ = 0;
    bool relayingOut_ = false;
};

}  // namespace sonara::gui

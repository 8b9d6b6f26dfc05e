#pragma once

#include <QFont>
#include <QProxyStyle>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// Measures and paints a skinned pop-up menu's items from the skin: the menu
// font, the menu background element, the menu text and highlight colours,
// the separator bar and the check dot. What to draw is core's MenuSkin; this
// style only carries it out. Set on each menu and sub-menu it draws; the
// skin is read at every paint, so a skin change needs nothing. Owned by the
// menu it is set on (as a child object).
class SkinPopupMenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    explicit SkinPopupMenuStyle(SkinContext context, QObject* owner);

    // The skin's menu font.
    QFont menuFont() const;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

  private:
    void fillBackground(QPainter& painter, const QRect& area) const;

    SkinContext context_;
};

}  // namespace sonara::gui

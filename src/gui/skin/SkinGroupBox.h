#pragma once

#include <QGroupBox>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// A group box whose caption is drawn in the skin's static-text font and
// colours, framed by a two-pixel line in the enabled colour.
class SkinGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit SkinGroupBox(SkinContext& context, const QString& title = {},
                          QWidget* parent = nullptr);

    // Font and contents margins from the skin (room for the caption and the
    // frame); done on construction and on a skin change.
    void applyMargins();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    SkinContext& context_;
};

}  // namespace sonara::gui

#pragma once

#include "core/mainwnd/MiniToolBarItems.h"
#include "gui/controls/SkinToolStrip.h"

namespace sonara::gui {

class ControlMap;

// The main window's mini tool bar (control 1104): the skin's mini-tool-bar
// picture with its fifteen buttons. The window runs what `action` asks for;
// miniToolBarCommand() gives the command of the buttons that have one.
class MiniToolBar : public SkinToolStrip {
    Q_OBJECT
  public:
    explicit MiniToolBar(SkinContext context, QWidget* parent = nullptr);

    // Creates the bar on `window`, registers it, and gives it the picture's
    // size with its right edge where the template puts it.
    static MiniToolBar* create(SkinContext context, QWidget* window, ControlMap& controls);

    // Resizes to the skin's picture, keeping the right edge; a skin change
    // does it too.
    void fitToPicture();

    // The picture's size; without a picture, room for every button.
    QSize sizeHint() const override;

  signals:
    void action(sonara::MiniToolBarAction action);

  protected:
    bool event(QEvent* event) override;

  private:
    SkinContext context_;
};

}  // namespace sonara::gui

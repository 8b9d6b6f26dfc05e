#pragma once

#include <QString>

#include "gui/skin/SkinDialog.h"

namespace sonara {
class Library;
}

namespace sonara::gui {

class SkinCaptionButton;
class SkinLabel;

// "About Sonara": the logo, the program's name and version and the library
// totals (songs and hours, as the command line's "totals" gives them), with
// OK. Return and Esc close it. The totals are read once, when it opens.
class AboutDialog : public SkinDialog {
    Q_OBJECT
  public:
    AboutDialog(SkinContext& context, const Library& library, QWidget* parent);

    QString versionText() const;
    QString countText() const;
    QString timeText() const;

  protected:
    void skinChanged() override;

  private:
    SkinLabel* name_;
    SkinLabel* version_;
    SkinLabel* count_;
    SkinLabel* time_;
    SkinCaptionButton* ok_;
};

}  // namespace sonara::gui

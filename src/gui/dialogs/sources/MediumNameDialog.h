#pragma once

#include <functional>
#include <string>

#include "gui/skin/SkinDialog.h"

class QLineEdit;

namespace sonara {
class Prompter;
}

namespace sonara::gui {

class SkinCaptionButton;

// "Specify Name for Removable Media": one "Name" field filled with the name
// the medium has now, "OK" and "Cancel". OK hands the typed name to `check`,
// which returns "" to take it or the refusal, which `prompter` shows before
// the dialog stays open. Borrows the prompter; user-interface thread only.
class MediumNameDialog : public SkinDialog {
    Q_OBJECT
  public:
    using Check = std::function<std::string(const std::string&)>;

    MediumNameDialog(SkinContext& context, const std::string& initial, Check check,
                     Prompter& prompter, QWidget* parent = nullptr);

    // What the user typed, as taken on OK.
    std::string name() const;
    QLineEdit* nameField() const { return name_; }
    SkinCaptionButton* okButton() const { return ok_; }

  protected:
    bool validate() override;
    void skinChanged() override;

  private:
    Check check_;
    Prompter& prompter_;
    QLineEdit* name_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
};

}  // namespace sonara::gui

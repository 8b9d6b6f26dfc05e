#pragma once

#include "gui/dialogs/settings/PreferencePage.h"

class QComboBox;

namespace sonara::gui {

// "General": tool tips, dialog effects, the task-bar title, and always on
// top per view.
class GeneralPage final : public PreferencePage {
    Q_OBJECT
  public:
    GeneralPage(SkinContext& context, QWidget* parent);
};

// "Library": adding, file availability and the filename filtering.
class LibraryPage final : public PreferencePage {
    Q_OBJECT
  public:
    LibraryPage(SkinContext& context, QWidget* parent);
    QCheckBox* firstLetterCapsBox() const { return firstLetterCaps_; }

  private:
    QCheckBox* firstLetterCaps_;
};

// "Visualization": which displays show and the priority of their updates.
class VisualizationPage final : public PreferencePage {
    Q_OBJECT
  public:
    VisualizationPage(SkinContext& context, QWidget* parent);
    void load(const Preferences& values) override;
    void store(Preferences& values) const override;
    QComboBox* priorityBox() const { return priority_; }

  private:
    QComboBox* priority_;
};

}  // namespace sonara::gui

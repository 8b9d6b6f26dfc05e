#pragma once

#include <QString>
#include <string>

#include "gui/skin/SkinDialog.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace sonara::gui {

class SkinCaptionButton;
class SkinSwitcher;

// "Select Skin": the skins of the skins folder; picking one applies it at
// once, and it stays applied when the dialog is cancelled.
class SelectSkinDialog : public SkinDialog {
    Q_OBJECT
  public:
    SelectSkinDialog(SkinContext& context, SkinSwitcher& switcher, QWidget* parent);

    QListWidget* skinList() const { return list_; }
    QString folderText() const;
    bool okEnabled() const;
    // "Browse": the folder the user picked, or nothing.
    void browse();
    // Picks `name` as a click on it would.
    void choose(const QString& name);

  signals:
    // The skin changed: the owner re-lays out and repaints its own windows.
    void skinApplied();

  protected:
    // The folder picker; tests answer it themselves. Empty for Cancel.
    virtual QString chooseFolder(const QString& start);
    void skinChanged() override;

  private:
    void fillList();
    void selectCurrent();
    void onCurrentChanged(QListWidgetItem* item);
    void assignButtonStrips();

    SkinSwitcher& switcher_;
    QListWidget* list_;
    QLabel* folder_;
    SkinCaptionButton* browse_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
    bool filling_ = false;
};

}  // namespace sonara::gui

#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "gui/skin/SkinDialog.h"

class QListWidget;

namespace sonara {
class Prompter;
class SourcesDialogModel;
class SourcesList;
}  // namespace sonara

namespace sonara::gui {

class SkinCaptionButton;

// "MP3 Sources": the list "Actual Location" of the source folders, "Add"
// (a folder browser), "Delete" (at once, no question) and "Close". Each
// change is made to the sources list straight away and reported through
// `changed`, which saves it; nothing is scanned here. Borrows the sources
// and the prompter; user-interface thread only.
class SourcesDialog : public SkinDialog {
    Q_OBJECT
  public:
    // The folder browser: the chosen folder, or "" when it was cancelled.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;

    SourcesDialog(SkinContext& context, SourcesList& sources, Prompter& prompter,
                  FolderChooser chooser, std::function<void()> changed, QWidget* parent = nullptr);
    ~SourcesDialog() override;

    QListWidget* list() const { return list_; }
    SkinCaptionButton* addButton() const { return add_; }
    SkinCaptionButton* deleteButton() const { return delete_; }
    SkinCaptionButton* closeButton() const { return close_; }

    // The standard folder browser, titled "Browse for Folder".
    static QString browseForFolder(QWidget* parent, const QString& start);

  protected:
    void skinChanged() override;

  private:
    void addFolder();
    void deleteSelected();
    void refill(int selectRow);
    void updateButtons();

    std::unique_ptr<SourcesDialogModel> model_;
    Prompter& prompter_;
    FolderChooser chooser_;
    std::function<void()> changed_;
    QListWidget* list_;
    SkinCaptionButton* add_;
    SkinCaptionButton* delete_;
    SkinCaptionButton* close_;
};

}  // namespace sonara::gui

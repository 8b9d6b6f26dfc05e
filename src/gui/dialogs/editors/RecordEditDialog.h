#pragma once

#include <memory>

#include "gui/skin/SkinDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace sonara {
class Library;
class PathCache;
class Prompter;
class RecordEditor;
}  // namespace sonara

namespace sonara::gui {

class SkinCaptionButton;
class TagFieldEdits;

// "Edit Library Record": the record's fields beside its file's tag, with the
// copy buttons between them. OK runs the editor's steps (tag written, file
// renamed when asked); when they close the dialog the record has taken the
// fields. Saving the library and refreshing the list are the caller's.
// Borrows everything. User-interface thread only.
class RecordEditDialog : public SkinDialog {
    Q_OBJECT
  public:
    RecordEditDialog(SkinContext& context, RecordEditor& editor, Prompter& prompter, Library& lib,
                     PathCache& cache, QWidget* parent = nullptr);
    ~RecordEditDialog() override;

    QLineEdit* libraryTitle() const { return title_; }
    QLineEdit* libraryArtist() const { return artist_; }
    QComboBox* libraryGenre() const { return genre_; }
    QLineEdit* libraryComment() const { return comment_; }
    QCheckBox* renameBox() const { return rename_; }
    TagFieldEdits& tagEdits() const { return *tag_; }
    QPushButton* libraryToTagButton() const { return down_; }
    QPushButton* tagToLibraryButton() const { return up_; }
    SkinCaptionButton* okButton() const { return ok_; }

  protected:
    bool validate() override;
    void skinChanged() override;

  private:
    void takeEdits();
    void showEditor();

    RecordEditor& editor_;
    Prompter& prompter_;
    Library& library_;
    PathCache& cache_;
    QLineEdit* title_;
    QLineEdit* artist_;
    QComboBox* genre_;
    QLineEdit* comment_;
    QCheckBox* rename_;
    std::unique_ptr<TagFieldEdits> tag_;
    QPushButton* down_;
    QPushButton* up_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
};

}  // namespace sonara::gui

#pragma once

#include <QString>

#include "gui/skin/SkinDialog.h"

class QCheckBox;

namespace sonara::gui {

class SkinCaptionButton;

// Which of the song lists' optional columns are shown.
struct ShownColumns {
    bool artist = false;
    bool album = false;
    bool title = false;
    bool length = false;
    // OK needs at least one.
    bool any() const { return artist || album || title || length; }
    bool operator==(const ShownColumns&) const = default;
};

// "Show/Hide Columns": four check boxes for "ShowArtist", "ShowAlbum",
// "ShowTitle" and "ShowLength". OK with none checked says so and stays
// open; otherwise it stores the four flags and saves the preferences.
class ShowHideColumnsDialog : public SkinDialog {
    Q_OBJECT
  public:
    explicit ShowHideColumnsDialog(SkinContext& context, QWidget* parent = nullptr);

    ShownColumns checked() const;
    void setChecked(const ShownColumns& columns);

    QCheckBox* artistBox() const { return artist_; }
    QCheckBox* albumBox() const { return album_; }
    QCheckBox* titleBox() const { return title_; }
    QCheckBox* lengthBox() const { return length_; }
    SkinCaptionButton* okButton() const { return ok_; }
    SkinCaptionButton* cancelButton() const { return cancel_; }

  protected:
    bool validate() override;
    // A message box; tests replace it to read the text.
    virtual void showMessage(const QString& text);

  private:
    QCheckBox* artist_;
    QCheckBox* album_;
    QCheckBox* title_;
    QCheckBox* length_;
    SkinCaptionButton* ok_;
    SkinCaptionButton* cancel_;
};

}  // namespace sonara::gui

#include "gui/controls/ShowHideColumnsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinGroupBox.h"

namespace sonara::gui {

namespace {}

ShowHideColumnsDialog::ShowHideColumnsDialog(SkinContext& context, QWidget* parent)
    : SkinDialog(context, parent) {
    setWindowTitle(tr("Show/Hide Columns"));
    auto* group = new SkinGroupBox(context, tr("Show Columns"), this);
    artist_ = new QCheckBox(tr("Artist"), group);
    album_ = new QCheckBox(tr("Album"), group);
    title_ = new QCheckBox(tr("Title"), group);
    length_ = new QCheckBox(tr("Length"), group);
    auto* boxes = new QVBoxLayout(group);
    for (QCheckBox* box : {artist_, album_, title_, length_}) {
        boxes->addWidget(box);
    }

    ok_ = new SkinCaptionButton(context, this);
    ok_->setText(tr("OK"));
    ok_->setCaptionId(std::nullopt);
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    ok_->setDefault(true);
    cancel_ = new SkinCaptionButton(context, this);
    cancel_->setText(tr("Cancel"));
    cancel_->setCaptionId(std::nullopt);
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    const Preferences& values = context.prefs.values();
    setChecked({values.showArtist != 0, values.showAlbum != 0, values.showTitle != 0,
                values.showLength != 0});
}

ShownColumns ShowHideColumnsDialog::checked() const {
    return {artist_->isChecked(), album_->isChecked(), title_->isChecked(), length_->isChecked()};
}

void ShowHideColumnsDialog::setChecked(const ShownColumns& columns) {
    artist_->setChecked(columns.artist);
    album_->setChecked(columns.album);
    title_->setChecked(columns.title);
    length_->setChecked(columns.length);
}

bool ShowHideColumnsDialog::validate() {
    const ShownColumns columns = checked();
    if (!columns.any()) {
        showMessage(QString::fromStdString(stringText(TextId::SelectOneColumn)));
        return false;
    }
    Preferences& values = context().prefs.values();
    values.showArtist = columns.artist ? 1 : 0;
    values.showAlbum = columns.album ? 1 : 0;
    values.showTitle = columns.title ? 1 : 0;
    values.showLength = columns.length ? 1 : 0;
    // A file that cannot be written keeps the values for this run.
    (void)context().prefs.saveAll();
    return true;
}

void ShowHideColumnsDialog::showMessage(const QString& text) {
    QMessageBox::warning(this, QStringLiteral("Sonara"), text);
}

}  // namespace sonara::gui

#include "gui/dialogs/tools/SpaceMakerOptionsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {
constexpr int kMaxFolderLength = 255;
}

SpaceMakerOptionsDialog::SpaceMakerOptionsDialog(SkinContext& context,
                                                 const DuplicateOptions& options, QWidget* parent)
    : SkinDialog(context, parent) {
    setWindowTitle(tr("Options"));
    strip_ = new QCheckBox(tr("Ignore Non Alpha-Numeric Characters"), this);
    strip_->setChecked(options.stripChars);
    copy_ = new QCheckBox(tr("Make a copy of deleted files"), this);
    copy_->setChecked(options.copyDeletedFiles);
    folder_ = new QLineEdit(QString::fromStdString(options.holdingFolder), this);
    folder_->setMaxLength(kMaxFolderLength);
    folder_->setMinimumWidth(280);
    auto* browseButton = makeCaptionButton(context, tr("Browse"), skin::kRowBrowse, this);
    auto* ok = makeCaptionButton(context, tr("OK"), skin::kRowOk, this);
    ok->setDefault(true);
    auto* cancel = makeCaptionButton(context, tr("Cancel"), skin::kRowCancel, this);
    chooseFolder_ = [this](const QString& start) { return browseForFolder(this, start); };
    connect(browseButton, &QAbstractButton::clicked, this, &SpaceMakerOptionsDialog::browse);
    connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);

    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(4);
    folderRow->addWidget(browseButton);
    folderRow->addWidget(folder_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(strip_);
    layout->addWidget(copy_);
    layout->addLayout(folderRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

DuplicateOptions SpaceMakerOptionsDialog::options() const {
    return {strip_->isChecked(), copy_->isChecked(), folder_->text().toStdString()};
}

void SpaceMakerOptionsDialog::browse() {
    const QString chosen = chooseFolder_(folder_->text());
    if (!chosen.isEmpty()) {
        folder_->setText(chosen.left(kMaxFolderLength));
    }
}

}  // namespace sonara::gui

#include "gui/app/ProgressDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

QString qText(TextId id) {
    return QString::fromStdString(stringText(id));
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ProgressDialog::ProgressDialog(SkinContext& context, const QString& title, const QString& text,
                               QWidget* parent)
    : SkinDialog(context, parent, true) {
    setWindowTitle(title);
    setModal(true);
    auto* line = new SkinLabel(context, text, this);
    auto* fileLabel = new SkinLabel(context, qText(TextId::ProgressFileName), this);
    auto* folderLabel = new SkinLabel(context, qText(TextId::ProgressFolder), this);
    fileName_ = new SkinLabel(context, {}, this);
    folder_ = new SkinLabel(context, {}, this);
    // Long names shrink rather than widen the dialog on every file.
    fileName_->setMode(SkinLabel::kShrinkToFit);
    folder_->setMode(SkinLabel::kShrinkToFit);
    cancel_ = new SkinCaptionButton(context, this);
    cancel_->setText(qText(TextId::ProgressCancel));
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(line, 0, 0, 1, 2);
    layout->addWidget(fileLabel, 1, 0);
    layout->addWidget(fileName_, 1, 1);
    layout->addWidget(folderLabel, 2, 0);
    layout->addWidget(folder_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addStretch();
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::reject);
    resize(420, 150);
}

void ProgressDialog::show(std::string_view fileName, std::string_view folder) {
    fileName_->setText(fromView(fileName));
    folder_->setText(fromView(folder));
    QCoreApplication::processEvents();
}

QString ProgressDialog::fileNameText() const {
    return fileName_->text();
}

QString ProgressDialog::folderText() const {
    return folder_->text();
}

void ProgressDialog::reject() {
    // The dialog stays up until the work sees the flag and returns.
    cancelled_ = true;
    cancel_->setEnabled(false);
}

}  // namespace sonara::gui

#include "gui/dialogs/sources/MediumNameDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/Prompter.h"
#include "core/skin/SkinFiles.h"
#include "gui/dialogs/sources/DialogParts.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

MediumNameDialog::MediumNameDialog(SkinContext& context, const std::string& initial, Check check,
                                   Prompter& prompter, QWidget* parent)
    : SkinDialog(context, parent), check_(std::move(check)), prompter_(prompter) {
    setWindowTitle(dialog_parts::text(TextId::MediaNameTitle));
    auto* label = new SkinLabel(context, dialog_parts::text(TextId::MediaNameLabel), this);
    name_ = new QLineEdit(QString::fromStdString(initial), this);
    name_->setMinimumWidth(260);
    name_->selectAll();
    ok_ = dialog_parts::button(context, TextId::MediaNameOkButton, this);
    ok_->setDefault(true);
    cancel_ = dialog_parts::button(context, TextId::MediaNameCancelButton, this);
    skinChanged();
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->setSpacing(4);
    field->addWidget(label, 0, Qt::AlignVCenter);
    field->addWidget(name_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addLayout(field);
    layout->addLayout(buttons);
    name_->setFocus();
}

std::string MediumNameDialog::name() const {
    return name_->text().toStdString();
}

bool MediumNameDialog::validate() {
    const std::string refusal = check_ ? check_(name()) : std::string();
    if (refusal.empty()) {
        return true;
    }
    prompter_.message(refusal, Icon::Exclamation);
    name_->setFocus();
    return false;
}

void MediumNameDialog::skinChanged() {
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
}

}  // namespace sonara::gui

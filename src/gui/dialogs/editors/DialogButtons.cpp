#include "gui/dialogs/editors/DialogButtons.h"

#include <QDialog>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

OkCancelButtons makeOkCancel(SkinContext& context, QDialog* dialog) {
    auto* ok = new SkinCaptionButton(context, dialog);
    ok->setText(QObject::tr("OK"));
    ok->setDefault(true);
    auto* cancel = new SkinCaptionButton(context, dialog);
    cancel->setText(QObject::tr("Cancel"));
    QObject::connect(ok, &QAbstractButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QAbstractButton::clicked, dialog, &QDialog::reject);
    return {ok, cancel};
}

void skinOkCancel(const OkCancelButtons& buttons) {
    buttons.ok->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    buttons.cancel->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
}

}  // namespace sonara::gui

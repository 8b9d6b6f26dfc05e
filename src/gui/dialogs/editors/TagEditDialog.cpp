#include "gui/dialogs/editors/TagEditDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/dialogs/editors/DialogButtons.h"
#include "gui/dialogs/editors/EditorChecks.h"
#include "gui/dialogs/editors/TagFieldEdits.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

TagEditDialog::TagEditDialog(SkinContext& context, Prompter& prompter, std::string path,
                             QWidget* parent)
    : SkinDialog(context, parent), prompter_(prompter), path_(std::move(path)) {
    setWindowTitle(QString::fromStdString(stringText(TextId::TagInfoTitle)));
    auto* pathLine = new SkinLabel(context, QString::fromStdString(path_), this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    edits_ = std::make_unique<TagFieldEdits>(context, this, *grid, 0);
    edits_->title->setMinimumWidth(300);
    if (!path_.empty()) {
        edits_->show(readTagFields(path_));
    }

    const OkCancelButtons okCancel = makeOkCancel(context, this);
    ok_ = okCancel.ok;
    cancel_ = okCancel.cancel;
    skinChanged();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(pathLine);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    edits_->title->setFocus();
}

TagEditDialog::~TagEditDialog() = default;

bool TagEditDialog::validate() {
    const TagFields fields = edits_->fields();
    if (!tagInputAccepted(fields, *edits_->comment, prompter_)) {
        return false;
    }
    // A failed write was shown; the dialog closes all the same.
    (void)writeTagFields(path_, fields, prompter_);
    return true;
}

void TagEditDialog::skinChanged() {
    skinOkCancel({ok_, cancel_});
}

}  // namespace sonara::gui

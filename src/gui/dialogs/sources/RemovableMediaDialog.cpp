#include "gui/dialogs/sources/RemovableMediaDialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/RemovableMediaModel.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/dialogs/sources/DialogParts.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

// The model asks its question itself; the dialog has asked it already, so
// that the window's lists let go of the records only when they will go.
class AnsweredYes final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }
};

}  // namespace

RemovableMediaDialog::RemovableMediaDialog(SkinContext& context, Library& library,
                                           SourcesList& sources, Prompter& prompter, Hooks hooks,
                                           QWidget* parent)
    : SkinDialog(context, parent),
      model_(std::make_unique<RemovableMediaModel>(library, sources)),
      prompter_(prompter),
      hooks_(std::move(hooks)) {
    setWindowTitle(dialog_parts::text(TextId::SelectMediaTitle));
    list_ = new QListWidget(this);
    list_->setMinimumSize(260, 200);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    checkOnClose_ = new QCheckBox(dialog_parts::text(TextId::SelectMediaCheckOnClose), this);
    checkOnClose_->setChecked(context.prefs.values().checkAvailAfterRemovableMediaSelection != 0);
    select_ = dialog_parts::button(context, TextId::SelectMediaSelectButton, this);
    select_->setDefault(true);
    edit_ = dialog_parts::button(context, TextId::SelectMediaEditButton, this);
    delete_ = dialog_parts::button(context, TextId::SelectMediaDeleteButton, this);
    close_ = dialog_parts::button(context, TextId::SelectMediaCloseButton, this);
    skinChanged();
    connect(select_, &QAbstractButton::clicked, this, &RemovableMediaDialog::selectMedium);
    connect(edit_, &QAbstractButton::clicked, this, &RemovableMediaDialog::editMedium);
    connect(delete_, &QAbstractButton::clicked, this, &RemovableMediaDialog::deleteMedium);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &RemovableMediaDialog::rowChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addLayout(dialog_parts::listWithButtons(list_, {select_, edit_, delete_}, close_), 1);
    layout->addWidget(checkOnClose_);
    setTabOrder(list_, select_);
    setTabOrder(select_, edit_);
    setTabOrder(edit_, delete_);
    setTabOrder(delete_, close_);
    setTabOrder(close_, checkOnClose_);

    refill();
    list_->setFocus();
}

RemovableMediaDialog::~RemovableMediaDialog() = default;

bool RemovableMediaDialog::removedAny() const {
    return model_->removedAny();
}

void RemovableMediaDialog::refill() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const std::string& name : model_->names()) {
        list_->addItem(QString::fromStdString(name));
    }
    const std::optional<size_t> selected = model_->selected();
    list_->setCurrentRow(selected ? int(*selected) : -1);
    rowChanged(list_->currentRow());
}

void RemovableMediaDialog::rowChanged(int row) {
    model_->select(row >= 0 ? std::optional<size_t>(size_t(row)) : std::nullopt);
    const bool any = model_->hasSelection();
    for (SkinCaptionButton* button : {select_, edit_, delete_}) {
        button->setEnabled(any);
    }
    // Return stays with a button that can act.
    close_->setDefault(!any);
    select_->setDefault(any);
}

void RemovableMediaDialog::selectMedium() {
    if (!model_->hasSelection()) {
        return;
    }
    PreferenceStore& prefs = context().prefs;
    chosen_ = model_->choose(checkOnClose_->isChecked(), prefs.values());
    if (const Status saved = prefs.saveAll(); !saved) {
        prompter_.message(saved.error(), Icon::Exclamation);
    }
    accept();
}

void RemovableMediaDialog::editMedium() {
    if (model_->edit(prompter_)) {
        refill();
        hooks_.save();
    }
}

void RemovableMediaDialog::deleteMedium() {
    if (!model_->hasSelection() || prompter_.ask(stringText(TextId::DeleteQuestion), Buttons::YesNo,
                                                 Icon::Question) != Answer::Yes) {
        return;
    }
    hooks_.beforeRemoval();
    AnsweredYes answered;
    if (model_->removeSelected(answered)) {
        refill();
        hooks_.save();
    }
}

void RemovableMediaDialog::skinChanged() {
    select_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowSelect);
    edit_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowEdit);
    delete_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowDelete);
    close_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowClose);
}

}  // namespace sonara::gui

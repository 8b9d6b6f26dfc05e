#include "gui/dialogs/tools2/WavConversionDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/GradientProgress.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr int kMaxFolderLength = 255;

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

// Hidden while idle without the dialog changing its size.
void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

GradientProgress* makeBar(SkinContext& context, QWidget* parent) {
    auto* bar = new GradientProgress(parent);
    bar->setRange(0, 99);
    bar->setStep(1);
    bar->setPosition(0);
    bar->setSkinColours(context.skin.fontInfo());
    bar->setFixedHeight(16);
    keepPlaceWhenHidden(bar);
    return bar;
}

std::string withTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

WavConversionDialog::WavConversionDialog(SkinContext& context, Dispatcher& dispatcher,
                                         Prompter& prompter, std::vector<std::string> sources,
                                         QWidget* parent)
    : SkinDialog(context, parent),
      prompter_(prompter),
      conversion_(dispatcher, prompter, context.prefs, std::move(sources),
                  audio::WavConversion::Options{1, 500}) {
    setWindowTitle(text(TextId::WavConversionTitle));
    conversion_.setListener(this);

    folderLabel_ = new SkinLabel(context, text(TextId::WavDestinationLabel), this);
    folder_ = new QLineEdit(QString::fromStdString(context.prefs.values().wavFilesFolder), this);
    folder_->setMaxLength(kMaxFolderLength);
    folder_->setMinimumWidth(320);
    browse_ = new SkinCaptionButton(context, this);
    browse_->setText(tr("Browse"));
    status_ = new SkinLabel(context, {}, this);
    status_->setMinimumHeight(18);
    keepPlaceWhenHidden(status_);
    fileBar_ = makeBar(context, this);
    totalBar_ = makeBar(context, this);
    convert_ = new SkinCaptionButton(context, this);
    convert_->setText(tr("Convert"));
    convert_->setDefault(true);
    close_ = new SkinCaptionButton(context, this);

    connect(browse_, &QAbstractButton::clicked, this, &WavConversionDialog::browse);
    connect(convert_, &QAbstractButton::clicked, this, &WavConversionDialog::convert);
    connect(close_, &QAbstractButton::clicked, this, &WavConversionDialog::cancelOrClose);

    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(4);
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse_);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    buttons->addWidget(convert_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(folderLabel_);
    layout->addLayout(folderRow);
    layout->addSpacing(6);
    layout->addWidget(status_);
    layout->addWidget(fileBar_);
    layout->addWidget(totalBar_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setTabOrder(folder_, browse_);
    setTabOrder(browse_, convert_);
    setTabOrder(convert_, close_);

    setConverting(false);
    if (conversion_.sources().empty()) {
        // Nothing was selected: say so instead of converting nothing.
        convert_->setEnabled(false);
        status_->setText(text(TextId::NothingToConvert));
        status_->show();
    }
    folder_->setFocus();
}

WavConversionDialog::~WavConversionDialog() {
    conversion_.setListener(nullptr);
}

QString WavConversionDialog::statusText() const {
    return status_->text();
}

int WavConversionDialog::fileProgress() const {
    return fileBar_->position();
}

int WavConversionDialog::totalProgress() const {
    return totalBar_->position();
}

void WavConversionDialog::skinChanged() {
    browse_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowBrowse);
    convert_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowBegin);
    close_->setSkin(skin::kLargeButton, std::nullopt,
                    converting() ? skin::kRowCancel : skin::kRowClose);
    fileBar_->setSkinColours(context().skin.fontInfo());
    totalBar_->setSkinColours(context().skin.fontInfo());
}

void WavConversionDialog::setConverting(bool on) {
    folderLabel_->setEnabled(!on);
    folder_->setEnabled(!on);
    browse_->setEnabled(!on);
    convert_->setEnabled(!on);
    close_->setText(on ? tr("Cancel") : tr("Close"));
    status_->setVisible(on);
    fileBar_->setVisible(on);
    totalBar_->setVisible(on);
    skinChanged();
    (on ? close_ : convert_)->setFocus();
}

void WavConversionDialog::browse() {
    const std::string start = folder_->text().toStdString();
    const std::optional<std::string> chosen =
        browser_ ? browser_(text(TextId::BrowseForFolder), start)
                 : browseForFolder(this, text(TextId::BrowseForFolder), start);
    if (!chosen) {
        return;
    }
    const std::string folder = withTrailingSlash(*chosen);
    context().prefs.values().wavFilesFolder = folder;
    if (const Status saved = context().prefs.saveAll(); !saved) {
        prompter_.message(saved.error(), Icon::Exclamation);
    }
    folder_->setText(QString::fromStdString(folder));
}

void WavConversionDialog::convert() {
    if (converting() || conversion_.sources().empty()) {
        return;
    }
    fileBar_->setPosition(0);
    totalBar_->setPosition(0);
    const audio::WavConversion::StartResult started =
        conversion_.start(folder_->text().toStdString());
    if (!started.preferencesError.empty()) {
        prompter_.message(started.preferencesError, Icon::Exclamation);
    }
    switch (started.outcome) {
        case audio::WavConversion::Start::Started:
            folder_->setText(QString::fromStdString(conversion_.folder()));
            setConverting(true);
            return;
        case audio::WavConversion::Start::Declined:
        case audio::WavConversion::Start::AlreadyRunning:
            return;
        case audio::WavConversion::Start::Failed:
            prompter_.message(started.error, Icon::Exclamation);
            return;
    }
}

void WavConversionDialog::cancelOrClose() {
    if (converting()) {
        conversion_.cancel();
        return;
    }
    SkinDialog::reject();
}

void WavConversionDialog::reject() {
    cancelOrClose();
}

void WavConversionDialog::statusChanged(const std::string& line) {
    const QString shown = QString::fromStdString(line);
    status_->setText(shown);
    showProgress(0);
    emit statusShown(shown);
}

void WavConversionDialog::progressChanged(int percent) {
    showProgress(percent);
}

void WavConversionDialog::showProgress(int filePercent) {
    // One file at a time: the files before the current one are done.
    const size_t count = conversion_.sources().size();
    const size_t done = conversion_.index() > 0 ? conversion_.index() - 1 : 0;
    const int total = count == 0 ? 0 : int((done * 100 + size_t(filePercent)) / count);
    fileBar_->setPosition(std::min(filePercent, 99));
    totalBar_->setPosition(std::min(total, 99));
}

void WavConversionDialog::finished(audio::ConversionOutcome, const std::string& message) {
    fileBar_->setPosition(99);
    totalBar_->setPosition(99);
    prompter_.message(message, Icon::Information);
    setConverting(false);
}

}  // namespace sonara::gui

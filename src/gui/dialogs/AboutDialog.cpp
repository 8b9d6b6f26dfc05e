#include "gui/dialogs/AboutDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinPicture.h"

namespace sonara::gui {

AboutDialog::AboutDialog(SkinContext& context, const Library& library, QWidget* parent)
    : SkinDialog(context, parent) {
    setWindowTitle(QString::fromStdString(stringText(TextId::AboutTitle)));
    auto* logo = new SkinPicture(context, this);
    logo->setSkinIndex(skin::kLogo);
    name_ = new SkinLabel(context, QString::fromStdString(stringText(TextId::ProgramName)), this);
    version_ = new SkinLabel(
        context, QString::fromStdString(formatText(TextId::AboutVersion, SONARA_VERSION)), this);
    auto* rule = new SkinLabel(context, {}, this);
    rule->setMode(SkinLabel::kRule);
    count_ = new SkinLabel(context, QString::fromStdString(totalCountText(library)), this);
    time_ = new SkinLabel(context, QString::fromStdString(totalTimeText(library)), this);
    ok_ = new SkinCaptionButton(context, this);
    ok_->setText("OK");
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    skinChanged();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(name_);
    layout->addWidget(version_);
    layout->addSpacing(4);
    layout->addWidget(rule);
    layout->addSpacing(4);
    layout->addWidget(count_);
    layout->addWidget(time_);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &AboutDialog::accept);
    ok_->setFocus();
}

QString AboutDialog::versionText() const {
    return version_->text();
}

QString AboutDialog::countText() const {
    return count_->text();
}

QString AboutDialog::timeText() const {
    return time_->text();
}

void AboutDialog::skinChanged() {
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
}

}  // namespace sonara::gui

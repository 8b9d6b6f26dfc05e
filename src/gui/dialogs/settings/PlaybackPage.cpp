#include "gui/dialogs/settings/PlaybackPage.h"

#include <QBoxLayout>
#include <QComboBox>

#include "core/settings/PreferencePageRules.h"
#include "gui/dialogs/settings/BufferSizeField.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr int kGap = 4;
constexpr int kFieldWidth = 80;

}  // namespace

PlaybackPage::PlaybackPage(SkinContext& context, const std::vector<std::string>& devices,
                           int currentDevice, QWidget* parent)
    : PreferencePage(context, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kGap);
    addHeading(layout);

    QVBoxLayout* output = addGroup(layout, tr("Output Device"));
    devices_ = new QComboBox(this);
    devices_->setAccessibleName(tr("Output Device"));
    for (size_t i = 0; i < devices.size(); ++i) {
        devices_->addItem(QString::fromStdString(devices[i]), static_cast<int>(i));
    }
    devices_->setCurrentIndex(devices_->findData(currentDevice));
    output->addWidget(devices_);

    QVBoxLayout* buffer = addGroup(layout, tr("Buffer Size *"));
    auto* row = new QHBoxLayout;
    row->setSpacing(kGap);
    buffer_ = new BufferSizeField(this);
    buffer_->setAccessibleName(tr("Buffer Size"));
    buffer_->setFixedWidth(kFieldWidth);
    row->addWidget(buffer_);
    auto* unit = new SkinLabel(context, tr("k  ( value between 64 and 800)"), this);
    unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(unit, 1);
    buffer->addLayout(row);

    auto* note = new SkinLabel(
        context,
        tr(" * On slower processors, a small mixer buffer may increase your pc's performance but "
           "may cause skipping.  On faster machines, a large buffer will usually yield "
           "acceptable performance while reducing skipping."),
        this);
    note->setMode(SkinLabel::kGrowHeight);
    layout->addWidget(note);
    layout->addStretch(1);
}

void PlaybackPage::load(const Preferences& values) {
    PreferencePage::load(values);
    buffer_->setValue(values.playerBufferSizeK);
}

Status PlaybackPage::validate() const {
    return parseBufferSize(buffer_->text().toStdString()).status();
}

void PlaybackPage::store(Preferences& values) const {
    PreferencePage::store(values);
    if (const Result<int> size = parseBufferSize(buffer_->text().toStdString())) {
        values.playerBufferSizeK = size.value();
    }
    // Without a sound server there is no list: the stored device stays.
    if (devices_->currentIndex() >= 0) {
        values.waveoutDeviceId = devices_->currentData().toInt();
    }
}

QWidget* PlaybackPage::invalidField() const {
    return buffer_;
}

}  // namespace sonara::gui

#include "gui/dialogs/editors/VolumeControlDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "audio/MasterVolume.h"
#include "audio/player/CMMAudioPlayerX.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinSlider.h"
#include "gui/dialogs/editors/DialogButtons.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr int kMasterMaximum = 65535;
constexpr int kPcmMaximum = 32768;
constexpr int kBalanceMaximum = 65536;

int centreOf(const SkinSlider* slider) {
    return (slider->maximum() - slider->minimum() + 1) / 2;
}

}  // namespace

VolumeControlDialog::VolumeControlDialog(SkinContext& context, Dispatcher& dispatcher,
                                         Prompter& prompter, audio::CMMAudioPlayerX& player,
                                         std::function<void(int)> masterMoved, QWidget* parent)
    : SkinDialog(context, parent),
      prompter_(prompter),
      player_(player),
      masterMoved_(std::move(masterMoved)),
      volume_(std::make_unique<audio::MasterVolume>(dispatcher)) {
    setWindowTitle(QString::fromStdString(stringText(TextId::VolumeControlTitle)));
    const Preferences& prefs = context.prefs.values();
    openingPcm_ = prefs.streamVolumeMMTools;
    openingBalance_ = prefs.balanceMMTools;

    auto makeSlider = [&](int maximum, int value) {
        auto* slider = new SkinSlider(context, this);
        slider->setRange(0, maximum);
        slider->setValue(value);
        slider->setNotifyWhileDragging(true);
        slider->setTipMode(SkinSlider::kTipPercent);
        slider->setFocusPolicy(Qt::StrongFocus);
        return slider;
    };
    master_ = makeSlider(kMasterMaximum, 0);
    pcm_ = makeSlider(kPcmMaximum, openingPcm_);
    balance_ = makeSlider(kBalanceMaximum, openingBalance_);
    balance_->setTipMode(SkinSlider::kTipNone);
    connect(master_, &SkinSlider::valueNotified, this, [this] { applyMaster(); });
    connect(pcm_, &SkinSlider::valueNotified, this, [this] { applyPcm(); });
    connect(balance_, &SkinSlider::valueNotified, this, [this] { applyBalance(); });

    if (volume_->hasVolumeControl()) {
        volume_->enableLine();
        // Posted through the dispatcher onto this thread; the callback goes
        // with the MasterVolume, which this dialog owns.
        volume_->setCallback(
            [](int level, void* self) {
                static_cast<VolumeControlDialog*>(self)->masterChangedElsewhere(level);
            },
            this);
        volume_->makeActive();
        openingMaster_ = volume_->getVolume();
        if (openingMaster_) {
            master_->setValue(*openingMaster_);
        }
    } else {
        master_->setEnabled(false);
    }

    reset_ = new SkinCaptionButton(context, this);
    reset_->setText(tr("Reset"));
    reset_->setAutoDefault(false);
    const OkCancelButtons okCancel = makeOkCancel(context, this);
    ok_ = okCancel.ok;
    cancel_ = okCancel.cancel;
    skinChanged();
    connect(reset_, &QAbstractButton::clicked, this, &VolumeControlDialog::reset);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    const std::pair<QString, SkinSlider*> rows[] = {
        {tr("Master Level"), master_}, {tr("PCM Level"), pcm_}, {tr("Balance"), balance_}};
    int row = 0;
    for (const auto& [caption, slider] : rows) {
        auto* label = new SkinLabel(context, caption, this);
        grid->addWidget(label, row, 0);
        grid->addWidget(slider, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
        ++row;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setTabOrder(master_, pcm_);
    setTabOrder(pcm_, balance_);
    setTabOrder(balance_, reset_);
    setTabOrder(reset_, ok_);
    setTabOrder(ok_, cancel_);
}

VolumeControlDialog::~VolumeControlDialog() = default;

void VolumeControlDialog::moveSlider(SkinSlider* slider, int value) {
    slider->setValue(value);
    if (slider == master_) {
        applyMaster();
    } else if (slider == pcm_) {
        applyPcm();
    } else if (slider == balance_) {
        applyBalance();
    }
}

void VolumeControlDialog::reset() {
    moveSlider(master_, centreOf(master_));
    moveSlider(pcm_, centreOf(pcm_));
    moveSlider(balance_, centreOf(balance_));
}

void VolumeControlDialog::reject() {
    if (!isShrinking()) {
        if (openingMaster_) {
            moveSlider(master_, *openingMaster_);
        }
        moveSlider(pcm_, openingPcm_);
        moveSlider(balance_, openingBalance_);
    }
    SkinDialog::reject();
}

bool VolumeControlDialog::validate() {
    Preferences& prefs = context().prefs.values();
    prefs.streamVolumeMMTools = pcm_->value();
    prefs.balanceMMTools = balance_->value();
    // The levels stay in force for this run when the file cannot be saved.
    if (const Status saved = context().prefs.saveAll(); !saved) {
        prompter_.message(saved.error(), Icon::Exclamation);
    }
    return true;
}

void VolumeControlDialog::skinChanged() {
    for (SkinSlider* slider : {master_, pcm_, balance_}) {
        slider->setSkinBitmap(skin::kVol, 3);
    }
    reset_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowReset);
    skinOkCancel({ok_, cancel_});
}

void VolumeControlDialog::applyMaster() {
    if (!master_->isEnabled()) {
        return;
    }
    volume_->setVolume(master_->value());
    if (masterMoved_) {
        masterMoved_(master_->value());
    }
}

void VolumeControlDialog::applyPcm() {
    player_.setVolume(pcm_->value());
}

void VolumeControlDialog::applyBalance() {
    player_.setBalance(balance_->value() - (balance_->maximum() - balance_->minimum()) / 2);
}

void VolumeControlDialog::masterChangedElsewhere(int level) {
    if (level != master_->value()) {
        master_->setValue(level);
    }
    if (masterMoved_) {
        masterMoved_(level);
    }
}

}  // namespace sonara::gui

#include "gui/mainwnd/DisplayPanel.h"

#include <QPointer>

#include "audio/analysis/VisualisationApply.h"
#include "audio/engine/PlayerHost.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/LevelMeterDisplay.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/SpectrumDisplay.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// Longer than any tick interval the priority setting gives, short enough
// that a stopped song does not leave its last bars standing.
constexpr int kIdleCheckMs = 300;

template <typename Display>
Display* makeDisplay(QWidget* window, ControlMap& controls, ControlId id) {
    auto* display = new Display(window);
    controls.place(id, display);
    return display;
}

}  // namespace

DisplayPanel::DisplayPanel(QWidget* window, MainServices& services, ControlMap& controls)
    : DisplayPanel(window, services.skin, services.player, controls) {}

DisplayPanel::DisplayPanel(QWidget* window, SkinContext skin, audio::PlayerHost& player,
                           ControlMap& controls)
    : QObject(window),
      skin_(skin),
      player_(player),
      large_(makeDisplay<SpectrumDisplay>(window, controls, ControlId::LargeSpectrum)),
      small_(makeDisplay<SpectrumDisplay>(window, controls, ControlId::SmallSpectrum)),
      tallLeft_(makeDisplay<LevelMeterDisplay>(window, controls, ControlId::TallLevelLeft)),
      tallRight_(makeDisplay<LevelMeterDisplay>(window, controls, ControlId::TallLevelRight)),
      shortLeft_(makeDisplay<LevelMeterDisplay>(window, controls, ControlId::ShortLevelLeft)),
      shortRight_(makeDisplay<LevelMeterDisplay>(window, controls, ControlId::ShortLevelRight)) {
    const audio::VisualisationDisplays displays{large_->analyser(),     small_->analyser(),
                                                tallLeft_->analyser(),  tallRight_->analyser(),
                                                shortLeft_->analyser(), shortRight_->analyser()};
    audio::applyDisplayTemplates(displays);
    applySettings();

    idle_.setInterval(kIdleCheckMs);
    connect(&idle_, &QTimer::timeout, this, &DisplayPanel::idleCheck);

    previousTick_ = player_.onVisualisationTick;
    player_.onVisualisationTick = [this] { tick(); };
    connected_ = true;
    connectShown();
}

DisplayPanel::~DisplayPanel() {
    disconnect();
}

template <typename Visit>
void DisplayPanel::forEachDisplay(Visit visit) {
    for (DisplayWidget* display : std::initializer_list<DisplayWidget*>{
             large_, small_, tallLeft_, tallRight_, shortLeft_, shortRight_}) {
        visit(*display);
    }
}

void DisplayPanel::setShown(ViewMode view, const ViewControlOptions& options) {
    const std::pair<DisplayWidget*, ControlId> controls[] = {
        {large_, ControlId::LargeSpectrum},      {small_, ControlId::SmallSpectrum},
        {tallLeft_, ControlId::TallLevelLeft},   {tallRight_, ControlId::TallLevelRight},
        {shortLeft_, ControlId::ShortLevelLeft}, {shortRight_, ControlId::ShortLevelRight}};
    for (const auto& [display, id] : controls) {
        const bool shown = controlState(view, id, options) != ControlState::Hidden;
        if (!shown) {
            display->clear();
        }
        display->setVisible(shown);
    }
    connectShown();
}

void DisplayPanel::skinChanged() {
    applySettings();
}

void DisplayPanel::disconnect() {
    if (!connected_) {
        return;
    }
    connected_ = false;
    idle_.stop();
    audio::disconnectVisualisations(player_.firstConnector(), player_.secondConnector());
    player_.onVisualisationTick = std::move(previousTick_);
    player_.setDisplaysShown(false);
}

void DisplayPanel::tick() {
    if (!connected_) {
        return;
    }
    player_.firstConnector().trigger();
    player_.secondConnector().trigger();
    forEachDisplay([](DisplayWidget& display) {
        if (display.isVisibleTo(display.parentWidget())) {
            display.refresh();
        }
    });
    tickedSinceCheck_ = true;
    if (!idle_.isActive()) {
        idle_.start();
    }
}

void DisplayPanel::applySettings() {
    const audio::VisualisationDisplays displays{large_->analyser(),     small_->analyser(),
                                                tallLeft_->analyser(),  tallRight_->analyser(),
                                                shortLeft_->analyser(), shortRight_->analyser()};
    audio::applyVisualisationSettings(displays, skin_.skin.fontInfo().visualisation);
    forEachDisplay([](DisplayWidget& display) { display.settingsChanged(); });
}

void DisplayPanel::connectShown() {
    if (!connected_) {
        return;
    }
    const auto shown = [](DisplayWidget* display) {
        return display->isVisibleTo(display->parentWidget());
    };
    audio::CMMConnectorX& first = player_.firstConnector();
    audio::CMMConnectorX& second = player_.secondConnector();
    // The same outputs connectVisualisations() gives, hidden ones left out
    // so that nothing is analysed for them.
    first.setFirstSpectrum(shown(large_) ? &large_->analyser() : nullptr);
    first.setSecondSpectrum(shown(small_) ? &small_->analyser() : nullptr);
    first.setFirstLevel(shown(tallLeft_) ? &tallLeft_->analyser() : nullptr);
    first.setSecondLevel(shown(tallRight_) ? &tallRight_->analyser() : nullptr);
    second.setFirstLevel(shown(shortLeft_) ? &shortLeft_->analyser() : nullptr);
    second.setSecondLevel(shown(shortRight_) ? &shortRight_->analyser() : nullptr);
    bool any = false;
    forEachDisplay([&](DisplayWidget& display) { any = any || shown(&display); });
    player_.setDisplaysShown(any);
}

void DisplayPanel::idleCheck() {
    if (tickedSinceCheck_) {
        tickedSinceCheck_ = false;
        return;
    }
    idle_.stop();
    forEachDisplay([](DisplayWidget& display) { display.clear(); });
}

}  // namespace sonara::gui

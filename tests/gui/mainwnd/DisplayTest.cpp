#include <QtTest>
#include <cmath>
#include <vector>

#include "audio/AudioOutput.h"
#include "audio/analysis/VisualisationApply.h"
#include "audio/engine/PlayerHost.h"
#include "core/app/EventQueue.h"
#include "core/app/Prompter.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/DisplayPanel.h"
#include "gui/mainwnd/LevelMeterDisplay.h"
#include "gui/mainwnd/SpectrumDisplay.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using gui::LevelMeterDisplay;
using gui::SpectrumDisplay;

class DisplayTest : public QObject {
    Q_OBJECT
  private slots:
    void spectrumPaintsBarsOfASampleBlock();
    void repaintsOnlyWhenASpotChanges();
    void levelMeterLightsFromTheFootUpOrFromTheLeft();
    void panelFeedsTheShownDisplaysAndUnhooksWhenDestroyed();
};

namespace {

const QColor kBar(0, 255, 255);  // the built-in skins' lowest zone

// A full-scale stereo sine of `frames` frames at 44.1 kHz.
std::vector<int16_t> sine(double hz, size_t frames) {
    std::vector<int16_t> samples(frames * 2);
    for (size_t frame = 0; frame < frames; ++frame) {
        const auto value = int16_t(32000 * std::sin(2 * M_PI * hz * double(frame) / 44100));
        samples[frame * 2] = samples[frame * 2 + 1] = value;
    }
    return samples;
}

audio::SampleBlock block(const std::vector<int16_t>& samples) {
    return {samples.data(), samples.size() / 2, 2, 44100};
}

int countInRow(const QImage& image, int y, QColor colour) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

class NoOutputs final : public audio::OutputFactory {
  public:
    std::unique_ptr<audio::AudioOutput> create(int) override { return nullptr; }
    std::string deviceName(int) override { return {}; }
};

class SilentPrompter final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Cancel; }
};

}  // namespace

void DisplayTest::spectrumPaintsBarsOfASampleBlock() {
    SpectrumDisplay display;
    display.resize(120, 40);
    audio::applySpectrumSettings(display.analyser(), SpectrumSettings::builtInLarge());
    display.settingsChanged();
    QCOMPARE(countInRow(display.grab().toImage(), 39, kBar), 0);

    const auto samples = sine(3000, 4096);
    display.analyser().update(block(samples));
    QVERIFY(display.refresh());
    const QImage lit = display.grab().toImage();
    // Some bars stand on the bottom row; the display's corner stays dark.
    QVERIFY(countInRow(lit, 39, kBar) > 0);
    QVERIFY(countInRow(lit, 39, kBar) < 120);
    QCOMPARE(lit.pixelColor(0, 0), QColor(0, 0, 0));

    // Silence brings the display back to dark.
    display.clear();
    QCOMPARE(countInRow(display.grab().toImage(), 39, kBar), 0);
}

void DisplayTest::repaintsOnlyWhenASpotChanges() {
    SpectrumDisplay display;
    display.resize(120, 40);
    audio::applySpectrumSettings(display.analyser(), SpectrumSettings::builtInSmall());
    display.settingsChanged();
    const int before = display.repaintsAsked();
    QVERIFY(!display.refresh());
    const std::vector<int16_t> silence(2048 * 2, 0);
    display.analyser().update(block(silence));
    QVERIFY(!display.refresh());
    QCOMPARE(display.repaintsAsked(), before);
}

void DisplayTest::levelMeterLightsFromTheFootUpOrFromTheLeft() {
    LevelMeterDisplay meter;
    meter.resize(10, 100);
    audio::applyLevelSettings(meter.analyser(), LevelSettings::builtIn());
    meter.settingsChanged();
    const auto samples = sine(440, 2048);
    meter.analyser().update(block(samples));
    QVERIFY(meter.refresh());
    QImage image = meter.grab().toImage();
    QCOMPARE(image.pixelColor(5, 99), kBar);
    // Full scale at gain 1 reaches the top zone, never past the top.
    QCOMPARE(image.pixelColor(5, 2), QColor(0, 0, 255));

    meter.analyser().setKind(audio::LevelKind::Horizontal);
    meter.resize(100, 10);
    meter.analyser().reset();
    const std::vector<int16_t> quiet(2048 * 2, 8000);
    meter.analyser().update(block(quiet));
    meter.refresh();
    image = meter.grab().toImage();
    QCOMPARE(image.pixelColor(0, 5), kBar);
    QCOMPARE(image.pixelColor(99, 5), QColor(0, 0, 128));  // unlit top zone
}

void DisplayTest::panelFeedsTheShownDisplaysAndUnhooksWhenDestroyed() {
    gui::test::SkinWidgetFixture f;
    EventQueue queue;
    NoOutputs outputs;
    SilentPrompter prompter;
    audio::PlayerHost host(queue, outputs, prompter);
    int earlierTicks = 0;
    host.onVisualisationTick = [&] { ++earlierTicks; };

    QWidget window;
    gui::ControlMap controls;
    auto panel = std::make_unique<gui::DisplayPanel>(&window, f.context(), host, controls);
    QCOMPARE(controls.find(ControlId::LargeSpectrum), &panel->largeSpectrum());
    QCOMPARE(controls.find(ControlId::TallLevelRight), &panel->tallRight());
    QCOMPARE(panel->shortLeft().geometry(),
             gui::ControlMap::templateRect(ControlId::ShortLevelLeft));
    QCOMPARE(host.firstConnector().firstSpectrum(), &panel->largeSpectrum().analyser());
    QCOMPARE(host.secondConnector().secondLevel(), &panel->shortRight().analyser());

    // Player view with only the large spectrum: the meters are hidden and
    // nothing is analysed for them.
    ViewControlOptions options;
    options.largeSpectrum = true;
    options.tallLevels = true;
    panel->setShown(ViewMode::Player, options);
    QVERIFY(!panel->tallLeft().isVisibleTo(&window));
    QVERIFY(panel->largeSpectrum().isVisibleTo(&window));
    QCOMPARE(host.firstConnector().firstSpectrum(), &panel->largeSpectrum().analyser());
    QCOMPARE(host.firstConnector().firstLevel(), nullptr);
    QCOMPARE(host.firstConnector().secondSpectrum(), nullptr);

    host.onVisualisationTick();  // the panel's own tick now
    QCOMPARE(earlierTicks, 0);

    // Ticks stop (the song stopped): the display does not keep its bars.
    const auto samples = sine(3000, 4096);
    audio::CMMSpectrumX& large = panel->largeSpectrum().analyser();
    large.update(block(samples));
    const size_t band = size_t(large.bandOf(3000).value_or(0));
    QVERIFY(large.bands(0)[band] > 0.5f);
    host.onVisualisationTick();
    QVERIFY(large.bands(0)[band] > 0.2f);
    QTRY_COMPARE_WITH_TIMEOUT(large.bands(0)[band], 0.0f, 3000);

    panel.reset();
    QCOMPARE(host.firstConnector().firstSpectrum(), nullptr);
    QCOMPARE(host.secondConnector().firstLevel(), nullptr);
    host.onVisualisationTick();
    QCOMPARE(earlierTicks, 1);
}

SONARA_GUI_TEST(DisplayTest)
#include "DisplayTest.moc"

// The player panel over the real play list, player host and master volume:
// what plays shows, the time display's toggle, seeking, the volume following
// the sound server, Party view's lock-down, a skin without its bitmaps.
#include <QMouseEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "audio/NullOutput.h"
#include "audio/engine/PlayListBinding.h"
#include "audio/engine/PlayerHost.h"
#include "audio/engine/PlayerSettings.h"
#include "core/app/DataPaths.h"
#include "core/app/EventQueue.h"
#include "core/library/Library.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/ScrollingLabel.h"
#include "gui/controls/SkinSlider.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/PlayerPanel.h"
#include "gui/mainwnd/TimeDisplayPanel.h"
#include "gui/mainwnd/VolumePanel.h"
#include "gui/skin/SkinButton.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinPicture.h"
#include "support/Mp3Fixture.h"
#include "support/PlayListFakes.h"
#include "support/ScriptedPrompter.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::makeStrip;
using sonara::gui::test::solidImage;

namespace {

class RecordingTarget final : public CommandTarget {
  public:
    void runCommand(Command command) override { commands.push_back(command); }
    std::vector<Command> commands;
};

// The window's world: a play list over real MP3 files, played by the
// player host into an output that plays by the clock.
struct Player {
    explicit Player(test::SkinWidgetFixture& fixture)
        : factory(nullptr, false),
          current(PlayListAdder::Environment{prompter, factory, cache, sources, saver,
                                             fixture.path("CurrPl.snl").toStdString()}),
          host(queue, outputs, prompter),
          binding(host, current.sequence()),
          services{fixture.context(), paths,   queue, prompter, library, sources, cache,
                   factory,           current, host,  saver} {
        Preferences& p = fixture.prefs().values();
        p.randomAdd = p.removePlayedSong = p.useTagInfoDBAdd = 0;
        p.firstLetterCaps = p.replaceUnderscore = p.replaceBrackets = p.replaceParens = 0;
        current.applyPreferences(fixture.prefs());
        host.startUp(audio::playerSettings(fixture.prefs()));
    }
    ~Player() { host.stopIfOpen(); }

    void addSong(const QString& path, double seconds) {
        sonara::testing::writeMp3(path.toStdString(), sonara::testing::songSpec(seconds));
        LibraryRecord record;
        record.setFileName("song.mp3");
        record.setArtist("Band");
        record.setTitle("Tune");
        current.adder().append(record, path.toStdString(), false);
    }

    DataPaths paths;
    EventQueue queue;
    sonara::testing::ScriptedPrompter prompter;
    RecordFactory factory;
    PathCache cache;
    SourcesList sources;
    sonara::testing::CountingSaver saver;
    Library library;
    CurrentPlayList current;
    audio::NullOutputFactory outputs;
    audio::PlayerHost host;
    audio::PlayListBinding binding;
    MainServices services;
};

// Runs the Qt events and the player's queued events until `done`.
bool waitFor(Player& player, const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        player.queue.drainUntil([] { return false; });
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void click(QWidget* widget, QPoint at) {
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

QString run(const QStringList& arguments) {
    QProcess process;
    process.start("pactl", arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

}  // namespace

class PlayerPanelTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::SkinWidgetFixture> fixture_;
    std::unique_ptr<Player> player_;
    std::unique_ptr<QWidget> window_;
    ControlMap controls_;
    RecordingTarget target_;
    PlayerPanel* panel_ = nullptr;

    void skinBitmaps() {
        SkinRecord& skin = fixture_->skin();
        skin::FontInfo info = skin.fontInfo();
        info.mediumButtonsHaveText = true;  // one row per symbol
        skin.setFontInfo(info);
        skin.setBitmap(skin::kMediumButton,
                       makeStrip({22, 20}, skin::kMediumCaptionRows, test::cellColour));
        skin.setBitmap(skin::kPlayProgress, solidImage({340, 10}, Qt::darkGreen));
        skin.setBitmap(skin::kVol, solidImage({110, 10}, Qt::darkCyan));
        skin.setBitmap(skin::kVolPic, solidImage({10, 10}, Qt::cyan));
    }
    void makePanel() {
        window_ = std::make_unique<QWidget>();
        window_->resize(708, 491);
        controls_ = ControlMap();
        panel_ = new PlayerPanel(window_.get(), player_->services, target_, controls_);
    }
    void playSong(double seconds) {
        player_->addSong(fixture_->path("song.mp3"), seconds);
        player_->current.list().makeCurrent(0);
        QVERIFY(player_->current.sequence().playCurrent());
    }

  private slots:
    void init() {
        fixture_ = std::make_unique<test::SkinWidgetFixture>();
        player_ = std::make_unique<Player>(*fixture_);
        target_.commands.clear();
    }
    void cleanup() {
        window_.reset();
        player_.reset();
        fixture_.reset();
    }

    void whatPlaysShowsAndAStopResetsTheDisplay() {
        skinBitmaps();
        makePanel();
        panel_->setView(ViewMode::Normal);
        QSignalSpy captions(panel_, &PlayerPanel::captionChanged);
        QSignalSpy started(panel_, &PlayerPanel::songStarted);
        QSignalSpy titles(panel_, &PlayerPanel::titleChanged);
        QSignalSpy resets(panel_, &PlayerPanel::displayReset);
        QCOMPARE(panel_->secondTitleLine().text(), QString("Kbps    KHz    Digital"));

        playSong(20);
        QCOMPARE(panel_->scrollingTitle().text(), QString("Band - Tune"));
        QCOMPARE(captions.last().at(0).toString(), QString("Band - Tune - Sonara"));
        QCOMPARE(started.last().at(0).toInt(), 0);
        QCOMPARE(titles.last().at(0).toString(), QString("Band - Tune"));
        // The description follows once the player plays; the time ticks.
        QVERIFY(waitFor(*player_, [&] {
            return panel_->timeDisplay().timeLabel().text().startsWith(" 00:0");
        }));
        QCOMPARE(panel_->secondTitleLine().text(), QString("MP3, 128Kbps, 44KHz, Stereo"));
        QVERIFY(panel_->timeDisplay().ticking());
        QCOMPARE(panel_->timeDisplay().seekBar().maximum(), 20);
        QCOMPARE(panel_->timeDisplay().endLabel().text(), QString("00:20"));

        player_->current.sequence().stop();
        QCOMPARE(panel_->timeDisplay().timeLabel().text(), QString(" "));
        QCOMPARE(panel_->timeDisplay().endLabel().text(), QString(" "));
        QCOMPARE(panel_->timeDisplay().seekBar().value(), 0);
        QCOMPARE(panel_->secondTitleLine().text(), QString("Kbps    KHz    Digital"));
        QCOMPARE(captions.last().at(0).toString(), QString("Sonara"));
        QCOMPARE(resets.count(), 1);
        QVERIFY(waitFor(*player_, [&] { return !panel_->timeDisplay().ticking(); }));

        // The Player view words the line shortly and keeps its zeros.
        panel_->setView(ViewMode::Player);
        panel_->setDisplay(displayForView(ViewMode::Player, false));
        QCOMPARE(panel_->secondTitleLine().text(), QString("Kbps    KHz"));
        QCOMPARE(panel_->timeDisplay().timeLabel().text(), QString("00:00"));

        // An emptied list blanks the title, which then never scrolls.
        fixture_->prefs().values().scrollTitle = 1;  // always
        player_->current.sequence().clear();
        QVERIFY(panel_->scrollingTitle().text().isEmpty());
        QVERIFY(!panel_->scrollingTitle().isScrolling());
        QCOMPARE(titles.last().at(0).toString(), QString());
    }

    void theSequenceHaltingReachesTheWindowFromTheEventLoop() {
        makePanel();
        QSignalSpy halted(panel_, &PlayerPanel::playbackHalted);
        player_->current.nowPlaying().halted();
        QCOMPARE(halted.count(), 0);
        QVERIFY(halted.wait(1000));
        // The window's panel closes: the model has no listener left.
        window_.reset();
        player_->current.nowPlaying().halted();
        player_->current.nowPlaying().setTime(1000, 2000, false);
    }

    void clickingTheTimeTogglesRemainingAndElapsedAndSavesIt() {
        skinBitmaps();
        makePanel();
        playSong(30);
        TimeDisplayPanel& time = panel_->timeDisplay();
        QVERIFY(waitFor(*player_, [&] { return time.timeLabel().text().startsWith(" 00:"); }));
        click(&time.timeLabel(), {5, 5});
        QCOMPARE(fixture_->prefs().values().playerTimeFormat, 1);
        QVERIFY(time.timeLabel().text().startsWith("-00:"));
        QVERIFY(time.timeLabel().text() >= QString("-00:2"));
        {
            PreferenceStore reread(fixture_->prefs().iniPath(), fixture_->prefs().programFolder());
            QVERIFY(bool(reread.loadAll()));
            QCOMPARE(reread.values().playerTimeFormat, 1);
        }
        click(&time.timeLabel(), {5, 5});
        QCOMPARE(fixture_->prefs().values().playerTimeFormat, 0);
        QVERIFY(time.timeLabel().text().startsWith(" 00:0"));

        // While nothing plays a click changes the format, not the idle text.
        player_->current.sequence().stop();
        click(&time.timeLabel(), {5, 5});
        QCOMPARE(time.timeLabel().text(), QString(" "));
    }

    void releasingTheSeekBarSeeks() {
        skinBitmaps();
        makePanel();
        playSong(60);
        SkinSlider& bar = panel_->timeDisplay().seekBar();
        QVERIFY(waitFor(*player_, [&] { return bar.maximum() == 60; }));
        click(&bar, {bar.width() / 2, bar.height() / 2});
        const int target = bar.value();
        QVERIFY(target >= 25 && target <= 35);
        QVERIFY(
            waitFor(*player_, [&] { return player_->host.player().position() >= target * 1000; }));
        QVERIFY(waitFor(*player_, [&] { return bar.value() >= target; }));
    }

    void partyViewDisablesEveryTransportButtonButPlay() {
        skinBitmaps();
        makePanel();
        const ControlId locked[] = {ControlId::PreviousButton, ControlId::PauseButton,
                                    ControlId::StopButton, ControlId::NextButton};
        panel_->setView(ViewMode::Party);
        QVERIFY(!panel_->timeDisplay().seekBar().isEnabled());
        for (ControlId id : locked) {
            QVERIFY(!panel_->button(id)->isEnabled());
            QTest::mouseClick(panel_->button(id), Qt::LeftButton);
        }
        QTest::mouseClick(panel_->button(ControlId::PlayButton), Qt::LeftButton);
        QCOMPARE(target_.commands, std::vector<Command>{Command::PlayButton});

        panel_->setView(ViewMode::Normal);
        target_.commands.clear();
        for (ControlId id : locked) {
            QVERIFY(panel_->button(id)->isEnabled());
            QTest::mouseClick(panel_->button(id), Qt::LeftButton);
        }
        QCOMPARE(target_.commands,
                 (std::vector<Command>{Command::PreviousButton, Command::PauseButton,
                                       Command::StopButton, Command::NextButton}));
        QCOMPARE(panel_->button(ControlId::NextButton)->tipText(), QString("Next"));
    }

    void withoutItsBitmapsEveryControlStaysInPlaceAndWorks() {
        makePanel();
        for (ControlId id : {ControlId::PlayButton, ControlId::SeekBar, ControlId::VolumeSlider,
                             ControlId::VolumeIcon, ControlId::TimeDisplay,
                             ControlId::ScrollingTitle, ControlId::SecondTitleLine}) {
            QVERIFY(controls_.find(id) != nullptr);
        }
        QCOMPARE(controls_.find(ControlId::PlayButton)->geometry(),
                 ControlMap::templateRect(ControlId::PlayButton));
        QVERIFY(!window_->grab().isNull());
        QTest::mouseClick(panel_->button(ControlId::PlayButton), Qt::LeftButton);
        QCOMPARE(target_.commands, std::vector<Command>{Command::PlayButton});
        click(&panel_->volume().icon(), {1, 1});
        QCOMPARE(target_.commands.back(), Command::Volume);

        // With the skin back, the buttons take their cells.
        skinBitmaps();
        makePanel();
        QCOMPARE(controls_.find(ControlId::PlayButton)->size(), QSize(22, 20));
    }

    void theVolumeFollowsTheSoundServerAndSetsIt() {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
            QSKIP("no sound server: run under scripts/with-pulse");
        }
        skinBitmaps();
        run({"set-sink-volume", "@DEFAULT_SINK@", "50%"});
        makePanel();
        SkinSlider& slider = panel_->volume().slider();
        QVERIFY(slider.isEnabled());
        QVERIFY(qAbs(slider.value() - 32768) < 100);

        // Another program turns it down.
        run({"set-sink-volume", "@DEFAULT_SINK@", "25%"});
        QVERIFY(waitFor(*player_, [&] { return qAbs(slider.value() - 16384) < 100; }));

        // The user drags it to the top.
        click(&slider, {slider.width() - 1, slider.height() / 2});
        QCOMPARE(slider.value(), VolumePanel::kMaximum);
        QVERIFY(run({"get-sink-volume", "@DEFAULT_SINK@"}).contains("100%"));
    }

    void withoutASoundServerTheSliderIsDisabled() {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/sonara-test-socket");
        skinBitmaps();
        makePanel();
        SkinSlider& slider = panel_->volume().slider();
        QVERIFY(!slider.isEnabled());
        click(&slider, {slider.width() - 1, slider.height() / 2});
        panel_->wheelTurned(3, false);
        QCOMPARE(slider.value(), 0);
        if (saved.isEmpty()) {
            qunsetenv("PULSE_SERVER");
        } else {
            qputenv("PULSE_SERVER", saved);
        }
    }
};

SONARA_GUI_TEST(PlayerPanelTest)
#include "PlayerPanelTest.moc"

// The main window as the user meets it: what each view shows and how big it
// is, where views come back, Party view's lock-down, the menus as they open,
// the keyboard, drops and the window picture of the real program.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "audio/engine/PlayerHost.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/mainwnd/MainTemplate.h"
#include "core/mainwnd/ViewControls.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/WindowPlacement.h"
#include "gui/app/AppSession.h"
#include "gui/controls/HistoryCombo.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/DesktopActions.h"
#include "gui/mainwnd/MainCommands.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayListPane.h"
#include "skin/DefaultSkin.h"
#include "support/MenuSearch.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// The application with its window on a temporary home; every message is
// recorded, every question answered yes.
struct WindowSession {
    QTemporaryDir home;
    DataPaths paths = DataPaths::resolve(home.path().toStdString());
    std::unique_ptr<AppSession> app;
    std::unique_ptr<MainWindow> window;
    std::vector<PromptRequest> seen;

    // `prepare` sees the preferences before the window is made.
    void start(const std::function<void(Preferences&)>& prepare = {}) {
        app = std::make_unique<AppSession>(paths, skin::defaultSkin(), skin::bundledSkins());
        app->prompter().setScript([this](const PromptRequest& request) {
            seen.push_back(request);
            return request.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        });
        QVERIFY(app->startUp().ok());
        if (prepare) {
            prepare(app->prefs().values());
        }
        window = std::make_unique<MainWindow>(app->services());
        window->show();
        // The wizard an empty library would start has its own test.
        window->open({}, false);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
        seen.clear();
    }
    ~WindowSession() {
        window.reset();
        if (app) {
            (void)app->shutDown();
        }
    }
    bool told(const std::string& part) const {
        for (const PromptRequest& request : seen) {
            if (request.text.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
    QWidget* control(ControlId id) const { return window->controls().find(id); }
    PlayList& list() { return app->playList().list(); }
    void queueSongs(int count) {
        for (int i = 0; i < count; ++i) {
            const QString song = home.filePath(QString("Song %1.mp3").arg(i));
            testing::writeMp3(song.toStdString(), testing::songSpec(3));
            PlayListEntry entry;
            entry.path = song.toStdString();
            entry.title = "Song " + std::to_string(i);
            entry.state = EntryState::Unplayed;
            list().append(entry);
        }
    }
    std::optional<size_t> currentRow() {
        for (size_t row = 0; row < list().count(); ++row) {
            if (list().at(row).state == EntryState::Current) {
                return row;
            }
        }
        return std::nullopt;
    }
    void writePreferenceText(const std::string& key, const std::string& value) {
        QVERIFY(QDir().mkpath(QString::fromStdString(paths.configFolder)));
        QFile file(QString::fromStdString(paths.preferences));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write(("[" + stringText(TextId::PreferencesSection) + "]\n" + key + "=" + value + "\n")
                       .c_str());
    }
};

QRect normalRect(const WindowPlacement& placement) {
    return QRect(QPoint(placement.left, placement.top),
                 QPoint(placement.right - 1, placement.bottom - 1));
}

// Whether a skinned pop-up menu opened while `action` ran; it is closed at
// once, choosing nothing.
bool opensAMenu(const std::function<void()>& action) {
    bool opened = false;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    closer.start();
    action();
    QTest::qWait(60);
    return opened;
}

// The application's side of the window, naming an outside player.
class NamedOutsidePlayer final : public DesktopActions {
  public:
    void hideToTray() override {}
    void showHelp() override {}
    void showAbout() override {}
    bool playInOutsidePlayer(const std::string&) override { return false; }
    bool playListInOutsidePlayer(bool) override { return false; }
    ExternalPlayerLabels outsidePlayerLabels() const override {
        return {"Audacious", "Enque", true, false};
    }
};

// Counts the Esc presses that reach a widget.
class EscapeCounter final : public QObject {
  public:
    int presses = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            ++presses;
        }
        return false;
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void eachViewShowsWhatItsControlTableSays_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("builtInPlayer");
        QTest::addColumn<bool>("displays");
        for (int view = 0; view <= 7; ++view) {
            QTest::addRow("view %d", view) << view << true << false;
            QTest::addRow("view %d, external player, displays on", view) << view << false << true;
        }
    }
    void eachViewShowsWhatItsControlTableSays() {
        QFETCH(int, view);
        QFETCH(bool, builtInPlayer);
        QFETCH(bool, displays);
        WindowSession session;
        session.start([&](Preferences& values) {
            values.useAsDefaultPlayer = builtInPlayer ? 1 : 0;
            values.visualLargeSpectrum = values.visualSmallSpectrum = displays ? 1 : 0;
            values.visualShortLevels = values.visualTallLevels = displays ? 1 : 0;
        });
        const ViewMode mode = *viewModeFromNumber(view);
        session.window->setView(mode);
        QCOMPARE(session.window->view(), mode);
        const ViewControlOptions options =
            ViewControlOptions::fromPreferences(session.app->prefs().values());
        session.window->controls().forEach([&](ControlId id, QWidget* widget) {
            ControlState state = controlState(mode, id, options);
            // The touch-screen view's keyboard stands in for the letter bar.
            if (mode == ViewMode::TouchScreen && id == ControlId::LibraryToolBar) {
                state = ControlState::Hidden;
            }
            const QByteArray which = QByteArray::number(int(id));
            QVERIFY2(widget->isVisibleTo(session.window.get()) == (state != ControlState::Hidden),
                     which);
            // Party view's lock-down also disables Stop, Pause and seeking,
            // which the table leaves shown.
            const bool locked = mode == ViewMode::Party &&
                                (id == ControlId::StopButton || id == ControlId::PauseButton ||
                                 id == ControlId::SeekBar);
            if (state != ControlState::Hidden) {
                QVERIFY2(widget->isEnabled() == (state == ControlState::Shown && !locked), which);
            }
        });
    }

    void everyShownControlLiesInsideTheWindow_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("largeSpectrum");
        QTest::addColumn<bool>("smallest");
        for (int view : {0, 1, 3, 5, 6, 7}) {
            QTest::addRow("view %d", view) << view << true << false;
        }
        // The resizable views at the smallest size the skin allows.
        for (int view : {0, 3, 5, 6, 7}) {
            QTest::addRow("view %d at its smallest", view) << view << true << true;
        }
        QTest::addRow("player view") << 2 << false << false;
        QTest::addRow("player view with the large spectrum") << 2 << true << false;
    }
    void everyShownControlLiesInsideTheWindow() {
        QFETCH(int, view);
        QFETCH(bool, largeSpectrum);
        QFETCH(bool, smallest);
        WindowSession session;
        session.start([&](Preferences& values) { values.visualLargeSpectrum = largeSpectrum; });
        session.window->setView(*viewModeFromNumber(view));
        if (smallest) {
            session.window->resize(session.window->minimumSize());
            QCoreApplication::processEvents();
        }
        const QRect inside = session.window->rect();
        QStringList outside;
        session.window->controls().forEach([&](ControlId id, QWidget* widget) {
            if (widget->isVisibleTo(session.window.get()) && !inside.contains(widget->geometry())) {
                const QRect at = widget->geometry();
                outside << QString("%1 at (%2,%3 %4x%5)")
                               .arg(int(id))
                               .arg(at.x())
                               .arg(at.y())
                               .arg(at.width())
                               .arg(at.height());
            }
        });
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    }

    void theFixedViewsTakeTheirSizes() {
        WindowSession session;
        session.start([](Preferences& values) { values.visualLargeSpectrum = 0; });
        // The player view is as wide as its controls and as high as they
        // need: 92 pixels and more, the large spectrum below the buttons.
        const int playerWidth = MainTemplate::pixelRect(ControlId::SeekBar).width + 16;
        session.window->setView(ViewMode::Player);
        QCOMPARE(session.window->width(), playerWidth);
        const int buttonsBottom = session.control(ControlId::PlayButton)->geometry().bottom();
        QCOMPARE(session.window->height(), std::max(92 + 6, buttonsBottom + 1 + 6));

        session.app->prefs().values().visualLargeSpectrum = 1;
        session.window->setView(ViewMode::Normal);
        session.window->setView(ViewMode::Player);
        const QRect spectrum = session.control(ControlId::LargeSpectrum)->geometry();
        QVERIFY(spectrum.top() > session.control(ControlId::PlayButton)->geometry().bottom());
        QCOMPARE(session.window->size(), QSize(playerWidth, spectrum.bottom() + 1 + 6));

        session.window->setView(ViewMode::Toolbar);
        QCOMPARE(session.window->size(), session.control(ControlId::MiniToolbar)->size());
        QCOMPARE(session.control(ControlId::MiniToolbar)->pos(), QPoint(0, 0));

        session.window->setView(ViewMode::Party);
        QCOMPARE(session.window->geometry(), session.window->screen()->availableGeometry());
    }

    void aViewsPlacementIsSavedOnLeavingAndRestoredOnComingBack() {
        WindowSession session;
        session.start();
        const QRect normal(40, 30, 720, 500);
        session.window->setGeometry(normal);
        QCoreApplication::processEvents();
        session.window->setView(ViewMode::Playlist);
        const std::optional<WindowPlacement> saved =
            session.app->prefs().windowPlacement(placementKey::kNormalView);
        QVERIFY(saved);
        QCOMPARE(normalRect(*saved), normal);

        session.window->setGeometry(200, 150, 400, 420);
        QCoreApplication::processEvents();
        session.window->setView(ViewMode::Normal);
        QCOMPARE(session.window->geometry(), normal);
    }

    void aPlacementOffEveryScreenComesBackOntoTheScreen() {
        WindowSession session;
        session.writePreferenceText(std::string(placementKey::kNormalView),
                                    formatWindowPlacement({0, 1, 0, 0, 9000, 7000, 9720, 7500}));
        session.start();
        const QRect screen = session.window->screen()->availableGeometry();
        QVERIFY2(screen.contains(session.window->geometry()),
                 qPrintable(QString("%1,%2").arg(session.window->x()).arg(session.window->y())));
        QCOMPARE(session.window->size(), QSize(720, 500));
    }

    void aStoredPlacementThatIsNotEightNumbersIsIgnored() {
        WindowSession reference;
        reference.start();
        const QRect centred = reference.window->geometry();
        WindowSession session;
        session.writePreferenceText(std::string(placementKey::kNormalView), "0,1,(0,0),(5,5,600)");
        session.start();
        QCOMPARE(session.window->geometry(), centred);
    }

    void partyViewLocksTheWindowDown() {
        WindowSession session;
        session.start();
        session.queueSongs(3);
        session.window->setView(ViewMode::Party);
        for (ControlId id : {ControlId::StopButton, ControlId::PauseButton,
                             ControlId::PreviousButton, ControlId::NextButton}) {
            QVERIFY2(!session.control(id)->isEnabled(), QByteArray::number(int(id)));
        }
        session.window->runCommand(Command::NextButton);
        session.window->runCommand(Command::PreviousButton);
        QCOMPARE(session.currentRow(), std::nullopt);

        QVERIFY(!opensAMenu([&] {
            QContextMenuEvent background(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
            QApplication::sendEvent(session.window.get(), &background);
        }));
        QVERIFY(!opensAMenu([&] {
            QTreeView* list = session.window->panes().playList();
            QContextMenuEvent row(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
            QApplication::sendEvent(list->viewport(), &row);
        }));

        const std::optional<Menu> menu =
            session.window->commands().menuForButton(Command::MenuButton);
        QVERIFY(menu);
        QCOMPARE(int(menu->id), int(MenuId::Party));

        QTreeView* list = session.window->panes().playList();
        list->setFocus();
        EscapeCounter counter;
        list->installEventFilter(&counter);
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(counter.presses, 0);
        QCOMPARE(session.window->view(), ViewMode::Party);
        QVERIFY(session.window->isVisible());

        QTest::keyClick(list, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(session.window->view(), ViewMode::Normal);
        QVERIFY(session.window->ownerMode());
        session.window->setView(ViewMode::Party);
        QTest::keyClick(list, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(session.window->view(), ViewMode::Normal);
        QVERIFY(!session.window->ownerMode());
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(counter.presses, 1);  // out of Party view the list has it
    }

    void rightClickMenusOpenOutsidePartyView() {
        WindowSession session;
        session.start();
        QVERIFY(opensAMenu([&] {
            QContextMenuEvent background(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
            QApplication::sendEvent(session.window.get(), &background);
        }));
    }

    void theMenusNameTheOutsidePlayerOnlyWhileItIsInUse() {
        NamedOutsidePlayer desktop;
        WindowSession session;
        session.start([&](Preferences& values) { values.useAsDefaultPlayer = 0; });
        session.app->services().desktop = &desktop;
        const std::optional<Menu> file =
            session.window->commands().menuForButton(Command::FileButton);
        QVERIFY(file);
        const MenuItem* set = testing::findMenuItem(file->items, Command::SetExternalPlayList);
        QVERIFY(set != nullptr);
        QCOMPARE(set->text, std::string("Set as Audacious Playlist"));
        QVERIFY(!testing::findMenuItem(file->items, Command::AppendExternalPlayList));

        session.app->prefs().values().useAsDefaultPlayer = 1;
        QCOMPARE(session.window->menuContext().externalPlayer.name, std::string());
        session.app->services().desktop = nullptr;
    }

    void theMainMenuKeepsItsButtonDisabledWhileItIsOpen() {
        WindowSession session;
        session.start();
        QWidget* button = session.control(ControlId::MenuButton);
        std::optional<bool> enabledWhileOpen;
        QTimer::singleShot(30, [&] {
            enabledWhileOpen = button->isEnabled();
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
        });
        session.window->runCommand(Command::MenuButton);
        QCOMPARE(enabledWhileOpen, std::optional<bool>(false));
        QVERIFY(button->isEnabled());
    }

    void theWorkSpaceCommandsShareViewSixBetweenTheLists() {
        WindowSession session;
        session.start([](Preferences& values) { values.plPercentage = 30; });
        session.window->setView(ViewMode::LibraryAndPlaylist);
        QWidget* list = session.control(ControlId::PlayList);
        const int small = list->height();
        session.window->runCommand(Command::WorkSpace80);
        QCOMPARE(session.app->prefs().values().plPercentage, 80);
        QVERIFY2(list->height() > small,
                 qPrintable(QString("%1 -> %2").arg(small).arg(list->height())));
        session.window->runCommand(Command::WorkSpaceBumpDown);
        QCOMPARE(session.app->prefs().values().plPercentage, 75);
    }

    void theViewsMenuChecksTheCurrentView() {
        WindowSession session;
        session.start();
        const auto checked = [&](Command item) {
            const std::optional<Menu> menu =
                session.window->commands().menuForButton(Command::MenuButton);
            const MenuItem* found = menu ? testing::findMenuItem(menu->items, item) : nullptr;
            return found != nullptr && found->checked;
        };
        QVERIFY(checked(Command::ViewNormal));
        session.window->setView(ViewMode::Playlist);
        QVERIFY(checked(Command::ViewPlayList));
        QVERIFY(!checked(Command::ViewNormal));
    }

    void ctrlPAndCtrlNSwitchViewsFromTheKeyboard() {
        WindowSession session;
        session.start();
        QTest::keyClick(session.window.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(session.window->view(), ViewMode::Party);
        QTest::keyClick(session.window.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(session.window->view(), ViewMode::Normal);
        session.window->setView(ViewMode::Library);
        QTest::keyClick(session.window.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(session.window->view(), ViewMode::Normal);
    }

    void enterPlaysTheSelectedRowAndCtrlDownGoesToTheNext() {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
            QSKIP("needs the private sound server of scripts/run-tests");
        }
        WindowSession session;
        session.start();
        session.queueSongs(3);
        PlayListPane& pane = *session.window->panes().playListPane();
        pane.selectRow(1);
        pane.list()->setFocus();
        QTest::keyClick(pane.list(), Qt::Key_Return);
        QTRY_COMPARE(session.currentRow(), std::optional<size_t>(1));
        QTest::keyClick(pane.list(), Qt::Key_Down, Qt::ControlModifier);
        QTRY_COMPARE(session.currentRow(), std::optional<size_t>(2));
    }

    void partyViewPlaysButRefusesStopAndPause() {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
            QSKIP("needs the private sound server of scripts/run-tests");
        }
        WindowSession session;
        session.start();
        session.queueSongs(2);
        session.window->setView(ViewMode::Party);
        session.window->runCommand(Command::PlayButton);
        audio::PlayerHost& player = session.app->player();
        QTRY_VERIFY(player.isPlaying());
        session.window->runCommand(Command::PauseButton);
        session.window->runCommand(Command::StopButton);
        QTest::qWait(50);
        QVERIFY(player.isPlaying());
        QVERIFY(!player.isPaused());
    }

    // The window's keys reach the panes where they are typed: Enter in the
    // search text searches (not "comes later"), Delete in the library list
    // asks once and removes the selected song.
    void enterSearchesAndDeleteRemovesWhereTheyAreTyped() {
        WindowSession session;
        session.start();
        Library& library = session.app->services().library;
        for (const auto& [artist, title] :
             {std::pair{"Alpha Band", "First Light"}, std::pair{"Alpha Band", "Second Wind"},
              std::pair{"Beta Group", "Third Rail"}}) {
            auto made = std::make_unique<LibraryRecord>();
            made->setFileName(std::string(artist) + " - " + title + ".mp3");
            made->setArtist(artist);
            made->setTitle(title);
            library.append(std::move(made));
        }
        session.window->panes().libraryChanged();
        session.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(session.window.get()));
        QTreeView* list = session.window->panes().libraryList();
        QCOMPARE(list->model()->rowCount(), 3);

        auto* text = qobject_cast<HistoryCombo*>(session.control(ControlId::SearchText));
        QVERIFY(text != nullptr);
        text->lineEdit()->setFocus();
        text->lineEdit()->setText("Alpha");
        QTest::keyClick(text->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY2(session.seen.empty(),
                 session.seen.empty() ? "" : session.seen.front().text.c_str());

        list->setFocus();
        list->selectionModel()->select(
            list->model()->index(0, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(session.seen.size(), size_t{1});
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(library.count(), size_t{2});
    }

    void f5UpdatesTheLibrary() {
        WindowSession session;
        session.start();
        QTest::keyClick(session.window.get(), Qt::Key_F5);
        QVERIFY2(session.told("files added"),
                 session.seen.empty() ? "no message" : session.seen.front().text.c_str());
    }

    void aDroppedSongJoinsTheLibraryAndThePlayList() {
        WindowSession session;
        session.start([](Preferences& values) {
            values.addToLibrary = 1;
            values.addToPlayList = 1;
        });
        const QString song = session.home.filePath("Dropped.mp3");
        testing::writeMp3(song.toStdString(), testing::songSpec(2));
        drop(*session.window, QUrl::fromLocalFile(song));
        QCOMPARE(session.app->library().count(), size_t(1));
        QCOMPARE(session.list().count(), size_t(1));
        QCOMPARE(session.list().at(0).path, song.toStdString());
    }

    void aDroppedFolderAddsItsSongsToTheLibrary() {
        WindowSession session;
        session.start();
        QDir folder(session.home.filePath("Album"));
        QVERIFY(folder.mkpath("."));
        for (const char* name : {"One.mp3", "Two.mp3"}) {
            testing::writeMp3(folder.filePath(name).toStdString(), testing::songSpec(2));
        }
        drop(*session.window, QUrl::fromLocalFile(folder.path()));
        QCOMPARE(session.app->library().count(), size_t(2));
    }

    void theScreenshotShowsTheWindowAndExitSavesTheView() {
        QTemporaryDir home;
        const QString picture = home.filePath("window.png");
        QProcess sonara;
        sonara.start(SONARA_GUI_BINARY, {"-platform", "offscreen", "--home", home.path(), "--view",
                                         "3", "--screenshot", picture});
        QVERIFY(sonara.waitForFinished(30000));
        QCOMPARE(sonara.exitCode(), 0);
        const QImage image(picture);
        QVERIFY(!image.isNull());
        // View 3 keeps the size of a fresh start's window.
        const Rect client = MainTemplate::clientPixels();
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(client.width, client.height));
        const DataPaths paths = DataPaths::resolve(home.path().toStdString());
        QFile ini(QString::fromStdString(paths.preferences));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("LastView=3"));
    }

  private:
    static void drop(MainWindow& window, const QUrl& url) {
        QMimeData data;
        data.setUrls({url});
        // Qt delivers a drop only to the widget that accepted the drag.
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
};

SONARA_GUI_TEST(MainWindowTest)
#include "MainWindowTest.moc"

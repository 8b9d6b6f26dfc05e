#include "gui/app/Application.h"

#include <QApplication>
#include <QDialog>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/LibraryFile.h"
#include "core/library/PathCacheFile.h"
#include "core/library/SourcesFile.h"
#include "core/mainwnd/PartyLock.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/playlist/CurrentPlayListFile.h"
#include "core/settings/WindowPreferences.h"
#include "gui/app/AppSession.h"
#include "gui/app/DesktopIcons.h"
#include "gui/app/HelpPages.h"
#include "gui/app/MprisService.h"
#include "gui/app/TrayIcon.h"
#include "gui/controls/HyperLinkOpener.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/SelectSkinDialog.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinEvents.h"

namespace sonara::gui {

namespace {

template <typename Write>
std::vector<uint8_t> bytesOf(Write write) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        write(out);
    }  // the writer hands its buffer over when it goes
    return bytes;
}

}  // namespace

Application::Application(AppSession& session, QObject* parent)
    : QObject(parent),
      session_(session),
      shell_([this](const std::string& path) { openFromShell(path); },
             [this] { runMainWindow(); }) {
    session_.services().desktop = this;
    hostTimer_.setInterval(kHostTickMs);
    connect(&hostTimer_, &QTimer::timeout, this, &Application::hostTick);
    saveTimer_.setInterval(kSaveRoundMs);
    connect(&saveTimer_, &QTimer::timeout, this, &Application::saveRound);

    MainServices& services = session_.services();
    saver_ = std::make_unique<BackgroundSaver>(std::vector<BackgroundSaver::DataFile>{
        {services.paths.currentPlayList,
         [this] {
             return wholeSnapshot([this] {
                 return bytesOf([&](ArchiveWriter& out) {
                     current_playlist_file::write(out, session_.playList().list().entries());
                 });
             });
         }},
        {services.paths.library,
         [this] { return librarySnapshot(session_.library(), kLibraryRecordsPerSlice); }},
        {services.paths.sources,
         [&services] {
             return wholeSnapshot([&services] {
                 return bytesOf(
                     [&](ArchiveWriter& out) { sources_file::write(out, services.sources); });
             });
         }},
        {services.paths.pathCache,
         [&services] {
             return wholeSnapshot([&services] {
                 return bytesOf(
                     [&](ArchiveWriter& out) { path_cache_file::write(out, services.pathCache); });
             });
         }},
    });
    // The slices run between the window's other events.
    saveSliceTimer_.setInterval(0);
    connect(&saveSliceTimer_, &QTimer::timeout, this, [this] {
        if (!saver_->step()) {
            saveSliceTimer_.stop();
        }
    });
}

Application::~Application() {
    closeWindow(true);
    session_.services().desktop = nullptr;
}

void Application::start(bool desktop) {
    desktop_ = desktop;
    desktopShell_ =
        std::make_unique<ShellIntegration>(session_.paths().programFolder, session_.prompter());
    QApplication::setWindowIcon(applicationIcon());
    if (desktop) {
        startDesktop();
    }
    hostTimer_.start();
    saveTimer_.start();
    runMainWindow();
}

void Application::startDesktop() {
    desktopShell_->applyAtStart(session_.prefs().values());
    mpris_ = std::make_unique<MprisService>(
        session_.player(), session_.playList(), *this, [this] { return currentView(); },
        [this](const std::string& path) { openFromShell(path); }, session_.dispatcher());
    mpris_->setLibrary(&session_.library());
    if (mpris_->start()) {
        connect(this, &Application::hostTick, mpris_.get(), &MprisService::refresh);
    } else {
        mpris_.reset();
    }
    if (TrayIcon::available()) {
        tray_ = std::make_unique<TrayIcon>(session_.skinContext(), *this);
        tray_->install();
        setTrayShown(true);
        connect(this, &Application::hostTick, tray_.get(), [this] {
            const audio::PlayerHost& player = session_.player();
            tray_->tick(player.isPlaying() && !player.isPaused(),
                        session_.playList().nowPlaying().caption());
        });
    }
}

void Application::runMainWindow() {
    if (window_) {
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
        return;
    }
    MainWindow::SkinHooks hooks;
    hooks.applySkinPointer = [this](const std::string& path) {
        if (const Status applied = session_.skinSwitcher().openPointerFile(path, window_);
            !applied) {
            session_.prompter().message(applied.error(), Icon::Exclamation);
        }
    };
    hooks.chooseSkin = [this] {
        SkinContext context = session_.skinContext();
        SelectSkinDialog dialog(context, session_.skinSwitcher(), window_);
        dialog.exec();
        // The dialog tells only itself of the skin it applied.
        notifySkinChanged(window_);
    };
    auto* window = new MainWindow(session_.services(), std::move(hooks));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window_ = window;
    session_.prompter().setParentWindow(window);
    connect(window, &MainWindow::exitRequested, this, &Application::exit);
    window->show();
    // A window opened for another start's request starts no setup wizard.
    window->open(session_.takeCommandLine(), desktop_ && !shell_.busy());
    emit windowChanged(window);
}

void Application::closeWindow(bool now) {
    if (window_) {
        MainWindow* window = window_;
        window_ = nullptr;
        session_.prompter().setParentWindow(nullptr);
        window->hide();
        emit windowChanged(nullptr);
        retired_.emplace_back(window);
        window->deleteLater();
    }
    if (now) {
        for (QPointer<MainWindow>& retired : retired_) {
            delete retired.data();
        }
        retired_.clear();
    }
}

bool Application::executeShellCommand(const std::string& command) {
    return shell_.execute(command);
}

void Application::openFromShell(const std::string& path) {
    if (!window_) {
        runMainWindow();
    }
    if (window_) {
        window_->openFiles({path});
    }
}

ViewMode Application::currentView() const {
    return window_ ? window_->view() : WindowPreferences(session_.prefs().values()).lastView();
}

void Application::runCommand(Command command) {
    switch (command) {
        case Command::TrayShow:
            runMainWindow();
            return;
        case Command::TrayAbout:
            showAbout();
            return;
        case Command::TrayExit:
            if (window_) {
                window_->runCommand(command);
            } else {
                exit();
            }
            return;
        default:
            break;
    }
    if (window_) {
        window_->runCommand(command);
        return;
    }
    if (!isCommandAllowed(command, currentView())) {
        return;
    }
    session_.player().command(command);
}

void Application::exit() {
    if (exiting_) {
        return;
    }
    exiting_ = true;
    hostTimer_.stop();
    saveTimer_.stop();
    // A dialog open when a logout or a kill comes closes as cancelled,
    // without its questions: nobody is there to answer them.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget);
            dialog != nullptr && dialog != window_ && dialog->isVisible()) {
            dialog->QDialog::done(QDialog::Rejected);
        }
    }
    if (window_) {
        window_->hide();
    }
    // exit(), not quit(): quit() asks every window to close first.
    QCoreApplication::exit(0);
}

Status Application::shutDown() {
    hostTimer_.stop();
    saveTimer_.stop();
    saveSliceTimer_.stop();
    // The exit save must not race a round's writes to the same files.
    (void)saver_->finish();  // the exit save below writes every file again
    closeWindow(true);
    tray_.reset();  // off the desktop before the data files are written
    mpris_.reset();
    return session_.shutDown();
}

void Application::saveNow() {
    saveSliceTimer_.stop();
    reportSaveFailures(saver_->finish());
    session_.saveDataFiles();
}

void Application::saveRound() {
    reportSaveFailures(saver_->takeEndedFailures());
    if (saver_->startRound()) {
        saveSliceTimer_.start();
    }  // else the last round is still under way; the next one follows
}

void Application::reportSaveFailures(const std::vector<BackgroundSaver::Failure>& failures) {
    for (const BackgroundSaver::Failure& failure : failures) {
        // Once per file: the next rounds keep trying, and Exit asks again.
        if (reportedFailures_.insert(failure.path).second) {
            session_.prompter().message(failure.status.error(), Icon::Exclamation);
        }
    }
}

void Application::hideToTray() {
    if (!window_) {
        return;
    }
    if (!trayShown_) {
        // No tray to come back from: the task bar keeps the way back.
        window_->minimiseWindow();
        return;
    }
    closeWindow(false);
}

void Application::showHelp() {
    SystemDesktopOpener opener;
    (void)HelpPages(opener, session_.prompter()).open();  // false: the user was told why
}

void Application::showAbout() {
    SkinContext context = session_.skinContext();
    AboutDialog dialog(context, session_.library(), window_);
    dialog.exec();
}

void Application::holdLibraryReaders(bool hold) {
    if (hold) {
        savesWereRunning_ = saveTimer_.isActive();
        sliceWasRunning_ = saveSliceTimer_.isActive();
        saveTimer_.stop();
        saveSliceTimer_.stop();
    } else {
        if (savesWereRunning_) {
            saveTimer_.start();
        }
        if (sliceWasRunning_) {
            saveSliceTimer_.start();
        }
    }
    if (mpris_) {
        mpris_->setLibrary(hold ? nullptr : &session_.library());
    }
    // A song ending meanwhile adds no random song; the pool is made anew
    // afterwards, as the scan may have added or removed records.
    PlaySequence& sequence = session_.playList().sequence();
    sequence.setLibrary(hold ? nullptr : &session_.library());
    if (!hold && sequence.options().randomAdd) {
        sequence.rebuildRandomPool();
    }
}

bool Application::playInOutsidePlayer(const std::string& path) {
    return desktopShell_ && desktopShell_->playFile(path, session_.prefs().values());
}

bool Application::playListInOutsidePlayer(bool append) {
    return desktopShell_ && desktopShell_->outsidePlayer().handPlayList(
                                session_.playList().list().entries(), append);
}

Status Application::applyAssociationPreferences(int useAsDefaultPlayerBefore) {
    return desktopShell_ ? desktopShell_->applyPreferences(useAsDefaultPlayerBefore,
                                                           session_.prefs().values())
                         : Status::success();
}

std::optional<OutsidePlayerInfo> Application::outsidePlayerInfo() const {
    if (!desktopShell_) {
        return std::nullopt;
    }
    return desktopShell_->outsidePlayer().preferencesInfo();
}

ExternalPlayerLabels Application::outsidePlayerLabels() const {
    return desktopShell_ ? desktopShell_->menuLabels(session_.prefs().values())
                         : ExternalPlayerLabels{};
}

}  // namespace sonara::gui

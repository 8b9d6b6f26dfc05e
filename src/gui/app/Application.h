#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/app/BackgroundSaver.h"
#include "core/app/OpenCommand.h"
#include "core/mainwnd/ViewMode.h"
#include "gui/app/ShellIntegration.h"
#include "gui/mainwnd/DesktopActions.h"
#include "gui/mainwnd/MainServices.h"

namespace sonara::gui {

class AppSession;
class MainWindow;
class MprisService;
class TrayIcon;

// The program while it runs: it lends the session's state to a main window
// made when the window is shown and deleted when it is hidden to the tray,
// runs the player host's 50 ms tick, the tray's and the media keys'
// commands, the requests of later starts, and the periodic save. The
// session outlives it. User-interface thread only.
class Application final : public QObject, public CommandTarget, public DesktopActions {
    Q_OBJECT
  public:
    static constexpr int kHostTickMs = 50;
    static constexpr int kSaveRoundMs = 30'000;

    explicit Application(AppSession& session, QObject* parent = nullptr);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Starts the tick and the periodic save, and shows the first window with
    // the command line's files. Call once, after the session started. A
    // one-shot picture (`desktop` false) leaves the desktop alone: no file
    // types taken over, no media-player service, no tray icon, and no setup
    // wizard over an empty library.
    void start(bool desktop = true);
    // Restores the window when it exists; else makes, shows and opens one.
    void runMainWindow();
    // Nullptr while only the tray icon runs.
    MainWindow* mainWindow() const { return window_; }
    // The file types and the outside player, for the preferences' OK;
    // nullptr before start().
    ShellIntegration* shellIntegration() { return desktopShell_.get(); }

    // A command from another start of the program ([open("PATH")]). An open
    // with no window opens the window first, so no request is lost.
    bool executeShellCommand(const std::string& command);

    // The tray's and the media keys' commands (TrayShow ... TrayExit): the
    // window's buttons while it exists, the player host's otherwise; Party
    // view's lock-down holds either way.
    void runCommand(Command command) override;

    // Ends the run as Exit does: the window goes and the event loop ends;
    // the caller then runs shutDown().
    void exit();
    // The writes in flight finished, the window gone, then the session's
    // closing order. The first failure is returned.
    Status shutDown();
    // The data files saved now, for the desktop session's end.
    void saveNow();

    // Whether a tray icon is shown, so that hiding to it leaves a way back.
    void setTrayShown(bool shown) { trayShown_ = shown; }

    void hideToTray() override;
    void showHelp() override;
    void showAbout() override;
    void holdLibraryReaders(bool hold) override;
    bool playInOutsidePlayer(const std::string& path) override;
    bool playListInOutsidePlayer(bool append) override;
    ExternalPlayerLabels outsidePlayerLabels() const override;
    Status applyAssociationPreferences(int useAsDefaultPlayerBefore) override;
    std::optional<OutsidePlayerInfo> outsidePlayerInfo() const override;

  signals:
    void hostTick();
    // The window was made (non-null) or deleted (null).
    void windowChanged(MainWindow* window);

  private:
    // The file types, the media-player service and the tray icon.
    void startDesktop();
    void openFromShell(const std::string& path);
    // Later (the window may be in its own handler) or now (at the end, when
    // no event loop will run again).
    void closeWindow(bool now);
    void saveRound();
    void reportSaveFailures(const std::vector<BackgroundSaver::Failure>& failures);
    ViewMode currentView() const;

    AppSession& session_;
    ShellCommandRunner shell_;
    bool desktop_ = true;
    QPointer<MainWindow> window_;
    // Windows hidden to the tray and not yet deleted.
    std::vector<QPointer<MainWindow>> retired_;
    QTimer hostTimer_;
    QTimer saveTimer_;
    QTimer saveSliceTimer_;
    bool savesWereRunning_ = false;  // while library readers are held
    bool sliceWasRunning_ = false;
    std::unique_ptr<BackgroundSaver> saver_;
    // The file types and the user's own MP3 player; made in start().
    std::unique_ptr<ShellIntegration> desktopShell_;
    std::set<std::string> reportedFailures_;
    std::unique_ptr<MprisService> mpris_;  // none without a session bus
    // Only where the desktop has a notification area.
    std::unique_ptr<TrayIcon> tray_;
    bool trayShown_ = false;
    bool exiting_ = false;
};

}  // namespace sonara::gui

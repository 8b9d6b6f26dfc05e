#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/DataPaths.h"
#include "gui/app/AppSession.h"
#include "gui/app/GuiPrompter.h"
#include "gui/mainwnd/MainWindow.h"

class QDialog;

namespace sonara::gui::test {

// The application with its main window on a temporary home, for tests that
// open dialogs as the menus do. Every message and question is recorded;
// `answer` decides questions (Yes unless a test says otherwise).
struct WindowSession {
    QTemporaryDir home;
    DataPaths paths = DataPaths::resolve(home.path().toStdString());
    std::unique_ptr<AppSession> app;
    std::unique_ptr<MainWindow> window;
    std::vector<PromptRequest> seen;
    std::function<Answer(const PromptRequest&)> answer;

    // `prepare` sees the session after its start, before the window is made
    // (preferences, records). The window opens without the setup wizard.
    void start(const std::function<void(AppSession&)>& prepare = {});
    ~WindowSession();

    // Whether a message or question containing `part` was shown.
    bool told(const std::string& part) const;
    // `count` library records of real MP3 files in the home folder, named
    // "Artist N - Title N.mp3".
    void addSongs(int count);
};

// Runs `open` (which shows a modal dialog and returns when it closes) and
// calls `act` with the dialog once it is shown; `act` must close it. A
// dialog that is not shown within `timeoutMs` fails the test and is closed.
// Returns whether `act` ran.
bool whileModal(const std::function<void()>& open, const std::function<void(QDialog&)>& act,
                int timeoutMs = 5000);

}  // namespace sonara::gui::test

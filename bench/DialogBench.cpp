#include "DialogBench.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QItemSelectionModel>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchApplication.h"
#include "ResultTable.h"
#include "SearchBench.h"
#include "core/app/DataPaths.h"
#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/mainwnd/DialogNames.h"
#include "gui/app/AppSession.h"
#include "gui/app/Application.h"
#include "gui/app/GuiPrompter.h"
#include "gui/app/ModalDialogWatch.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 3;
constexpr double kTargetMs = 100.0;

// The program as main() makes it, without the desktop's services.
struct Program {
    std::unique_ptr<gui::AppSession> session;
    std::unique_ptr<gui::Application> application;

    explicit Program(const std::string& home) {
        session = std::make_unique<gui::AppSession>(DataPaths::resolve(home), skin::defaultSkin(),
                                                    skin::bundledSkins());
        // The wizard's reset question gets Yes; every other question the
        // answer that changes nothing.
        session->prompter().setScript([](const gui::PromptRequest& request) {
            if (request.buttons == Buttons::Ok) {
                return Answer::Ok;
            }
            return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Cancel;
        });
        if (const Status started = session->startUp(); !started) {
            std::printf("dialog bench: start-up failed: %s\n", started.error().c_str());
            session.reset();
            return;
        }
        application = std::make_unique<gui::Application>(*session);
        application->start(false);
        for (int round = 0; round < 8; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    ~Program() {
        if (application) {
            (void)application->shutDown();
        }
        application.reset();
        session.reset();
        QApplication::processEvents();
    }
    gui::MainWindow* window() const { return application ? application->mainWindow() : nullptr; }

    // A real song first in the list, for the editors that open its file.
    void addFirstSong(const std::string& folder) {
        const std::string song = folder + "/AAA Bench - First Song.mp3";
        testing::writeMp3(song, testing::songSpec(1));
        window()->panes().libraryChanging();
        (void)session->library().addSong(song, "", session->services().recordFactory);
        session->services().pathCache.addFile(song);
        window()->panes().libraryChanged();
        QCoreApplication::processEvents();
    }
};

void selectFirstRow(gui::MainWindow& window) {
    QTreeView* list = window.panes().libraryList();
    if (list->model()->rowCount() > 0) {
        const QModelIndex first = list->model()->index(0, 0);
        list->setCurrentIndex(first);
        list->selectionModel()->select(
            first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

// One opening: the milliseconds from the command to the dialog painted with
// its posted work done; negative when no dialog opened.
double openOnce(gui::MainWindow& window, const NamedDialog& dialog) {
    if (dialog.onSelection) {
        selectFirstRow(window);
    }
    double elapsed = -1;
    Clock::time_point start;
    gui::ModalDialogWatch watch(
        [&](QDialog* shown) {
            if (shown == nullptr) {
                return;
            }
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            shown->repaint();
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            shown->QDialog::done(QDialog::Rejected);
        },
        0, 5000);
    watch.start(1);
    start = Clock::now();
    window.runCommand(dialog.command);
    if (watch.isWatching()) {
        // A dialog the command posted rather than opened at once.
        const auto deadline = Clock::now() + std::chrono::milliseconds(500);
        while (watch.isWatching() && Clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
    }
    QCoreApplication::processEvents();
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of the runs; negative when any run opened no dialog.
double openMedian(gui::MainWindow& window, const NamedDialog& dialog) {
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = openOnce(window, dialog);
        if (ms < 0) {
            return -1;
        }
        runs.push_back(ms);
    }
    return median(runs);
}

std::vector<NamedDialog> benchOrder() {
    std::vector<NamedDialog> dialogs;
    for (const NamedDialog& dialog : namedDialogs()) {
        if (dialog.command != Command::SetupWizard) {
            dialogs.push_back(dialog);
        }
    }
    for (const NamedDialog& dialog : namedDialogs()) {
        if (dialog.command == Command::SetupWizard) {
            dialogs.push_back(dialog);
        }
    }
    return dialogs;
}

}  // namespace

void runDialogBench(int records, ResultTable& table) {
    const BenchApplication app;

    const testing::TempDir emptyHome;
    const testing::TempDir fullHome;
    if (!saveGeneratedLibrary(DataPaths::resolve(fullHome.path().string()).library, records)) {
        return;
    }
    const std::string n = std::to_string(records);
    const std::vector<NamedDialog> dialogs = benchOrder();
    std::vector<double> empty;
    {
        Program program(emptyHome.path().string());
        if (program.window() == nullptr) {
            return;
        }
        program.addFirstSong(emptyHome.path().string());
        for (const NamedDialog& dialog : dialogs) {
            empty.push_back(openMedian(*program.window(), dialog));
        }
    }
    Program program(fullHome.path().string());
    if (program.window() == nullptr) {
        return;
    }
    program.addFirstSong(fullHome.path().string());
    for (size_t i = 0; i < dialogs.size(); ++i) {
        const NamedDialog& dialog = dialogs[i];
        const double full = openMedian(*program.window(), dialog);
        if (full < 0) {
            std::printf("dialog bench: %s opened no dialog over %s records\n",
                        std::string(dialog.name).c_str(), n.c_str());
            table.add({"open " + std::string(dialog.name) + " (no dialog opened)", 1e9, 0, "ms", "",
                       std::nullopt, kTargetMs, "target"});
            continue;
        }
        table.add({"open " + std::string(dialog.name) + ", " + n + " records", full,
                   std::max(empty[i], 0.0), "ms", "the same, one song", std::nullopt, kTargetMs,
                   "target"});
    }
}

}  // namespace sonara::bench

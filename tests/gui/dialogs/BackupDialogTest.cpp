// Backup and restore from the window: the data files copied out and back,
// the restored library taken by the running program, and the refusals that
// must leave the data files alone.
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/library/Library.h"
#include "gui/dialogs/tools2/BackupRestore.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A browser that always picks `folder`.
FolderBrowser choose(const std::string& folder) {
    return [folder](const QString&, const std::string&) { return std::optional(folder); };
}

}  // namespace

class BackupDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void restoreBringsBackWhatWasBackedUp() {
        test::WindowSession s;
        s.start();
        s.addSongs(2);
        s.app->saveDataFiles();
        const std::string saved = s.paths.programFolder + "/saved";
        std::filesystem::create_directories(saved);

        BackupRestore tool(*s.window);
        tool.setFolderBrowser(choose(saved));
        QCOMPARE(tool.backup(), BackupOutcome::Completed);
        QVERIFY(s.told("Backup completed successfully!"));
        QCOMPARE(contentsOf(saved + "/Sonara.dat"), contentsOf(s.paths.library));

        s.window->panes().libraryChanging();
        s.addSongs(3);
        s.app->saveDataFiles();
        s.window->panes().libraryChanged();
        QCOMPARE(s.app->library().count(), size_t(3));

        QCOMPARE(tool.restore(), BackupOutcome::Completed);
        QVERIFY(s.told("Restore Completed Successfully!"));
        QCOMPARE(s.app->library().count(), size_t(2));
        QCOMPARE(contentsOf(s.paths.library), contentsOf(saved + "/Sonara.dat"));
        QCOMPARE(s.window->panes().library()->model().rowCount(), 2);
    }

    void refusalsAndNoLeaveTheDataFilesAlone() {
        test::WindowSession s;
        s.start();
        s.addSongs(2);
        s.app->saveDataFiles();
        const std::string before = contentsOf(s.paths.library);

        BackupRestore tool(*s.window);
        tool.setFolderBrowser(choose(s.paths.programFolder));
        QCOMPARE(tool.backup(), BackupOutcome::Refused);
        QVERIFY(s.told("Backup destination must be different"));
        QCOMPARE(tool.restore(), BackupOutcome::Refused);

        const std::string empty = s.paths.programFolder + "/empty";
        std::filesystem::create_directories(empty);
        tool.setFolderBrowser(choose(empty));
        QCOMPARE(tool.restore(), BackupOutcome::Refused);

        s.answer = [](const PromptRequest&) { return Answer::No; };
        bool browsed = false;
        tool.setFolderBrowser([&](const QString&, const std::string&) {
            browsed = true;
            return std::optional<std::string>();
        });
        QCOMPARE(tool.restore(), BackupOutcome::Cancelled);
        QVERIFY(!browsed);

        QCOMPARE(contentsOf(s.paths.library), before);
        QCOMPARE(s.app->library().count(), size_t(2));
    }
};

SONARA_GUI_TEST(BackupDialogTest)
#include "BackupDialogTest.moc"

// The MP3 Space Maker over a folder tree: the duplicates it lists, and what
// its deletion does to the files and the library after the question. With
// SONARA_SHOTS set to a folder it leaves a picture per bundled skin there.
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "core/library/Library.h"
#include "core/settings/PreferenceStore.h"
#include "gui/dialogs/tools/SpaceMakerDialog.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// "Song_1.mp3" (the larger) and "song 1.MP3" in two folders, both in the
// library; names compare without their punctuation, nothing is copied.
struct DuplicatePair {
    test::WindowSession s;
    std::string large;
    std::string small;

    DuplicatePair() {
        s.start([](AppSession& app) {
            app.prefs().values().stripChars = 1;
            app.prefs().values().copyDelFiles = 0;
        });
        large = s.home.filePath("music/a/Song_1.mp3").toStdString();
        small = s.home.filePath("music/b/song 1.MP3").toStdString();
        QDir(s.home.path()).mkpath("music/a");
        QDir(s.home.path()).mkpath("music/b");
        testing::writeMp3(large, testing::songSpec(3));
        testing::writeMp3(small, testing::songSpec(1));
        for (const std::string& song : {large, small}) {
            (void)s.app->library().addSong(song, "", s.app->services().recordFactory);
        }
    }

    void search(SpaceMakerDialog& dialog) {
        const QString folder = s.home.filePath("music");
        dialog.setFolderChooser([folder](const QString&) { return folder; });
        dialog.search(Command::DuplicatesByFolder);
    }

    bool inLibrary(const std::string& name) {
        return s.app->library().findByName(name).has_value();
    }
};

}  // namespace

class SpaceMakerDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void listsThePairWithTheLargerCopyKept() {
        DuplicatePair pair;
        SpaceMakerDialog dialog(*pair.s.window);
        pair.search(dialog);
        QTreeWidget* list = dialog.list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QString("Song_1.mp3"));
        QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QVERIFY(dialog.markedText().startsWith(" Items Marked for Deletion (Size):1 ("));
        // The folder searched is remembered for the browser.
        QCOMPARE(pair.s.app->prefs().values().dupFilesFolder,
                 pair.s.home.filePath("music").toStdString() + "/");

        dialog.clearAll();
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
        QVERIFY(dialog.markedText().startsWith(" Items Marked for Deletion (Size):0 ("));
    }

    void deletesTheCheckedCopyAndItsRecordOnlyAfterYes() {
        DuplicatePair pair;
        SpaceMakerDialog dialog(*pair.s.window);
        pair.search(dialog);
        pair.s.answer = [](const PromptRequest&) { return Answer::No; };
        dialog.deleteChecked();
        QVERIFY(pair.s.told("Are you sure you want to delete the checked items?"));
        QVERIFY(std::filesystem::exists(pair.small));
        QVERIFY(pair.inLibrary("song 1.MP3"));
        QCOMPARE(dialog.list()->topLevelItemCount(), 2);

        pair.s.answer = {};
        dialog.deleteChecked();
        QVERIFY(!std::filesystem::exists(pair.small));
        QVERIFY(std::filesystem::exists(pair.large));
        QVERIFY(!pair.inLibrary("song 1.MP3"));
        QVERIFY(pair.inLibrary("Song_1.mp3"));
        QCOMPARE(dialog.list()->topLevelItemCount(), 0);
    }

    void optionsAreStoredOnOkOnly() {
        DuplicatePair pair;
        SpaceMakerDialog dialog(*pair.s.window);
        const QString holding = pair.s.home.filePath("held");
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        const std::string before = pair.s.app->prefs().values().copyDelFilesToFolder;
        for (const bool ok : {false, true}) {
            QVERIFY(test::whileModal(
                [&] { dialog.openOptions(); },
                [&](QDialog& options) {
                    const auto boxes = options.findChildren<QCheckBox*>();
                    QCOMPARE(boxes.size(), 2);
                    boxes[0]->setChecked(false);
                    boxes[1]->setChecked(true);
                    options.findChild<QLineEdit*>()->setText(holding);
                    if (!shots.isEmpty()) {
                        auto& skinned = static_cast<SkinDialog&>(options);
                        QVERIFY(QTest::qWaitFor([&] { return !skinned.isAnimating(); }));
                        options.grab().save(QString::fromUtf8(shots) + "/dupes-options.png");
                    }
                    QTest::keyClick(&options, ok ? Qt::Key_Return : Qt::Key_Escape);
                }));
            const Preferences& values = pair.s.app->prefs().values();
            QCOMPARE(values.stripChars, ok ? 0 : 1);
            QCOMPARE(values.copyDelFiles, ok ? 1 : 0);
            QCOMPARE(values.copyDelFilesToFolder, ok ? holding.toStdString() : before);
        }
    }

    void emptySearchSaysSoAndShowsInEachSkin() {
        test::WindowSession s;
        s.start();
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            QVERIFY(s.app->skinSwitcher().select(std::string(bundled.name), nullptr));
            SpaceMakerDialog dialog(*s.window);
            dialog.setFolderChooser([&s](const QString&) { return s.home.path(); });
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            s.seen.clear();
            dialog.search(Command::DuplicatesByFolder);
            QVERIFY(s.told("No duplicate files found."));
            QTRY_VERIFY(!dialog.isAnimating());
            if (!shots.isEmpty()) {
                dialog.grab().save(
                    QString::fromUtf8(shots) + "/dupes-" +
                    QString::fromUtf8(bundled.name.data(), int(bundled.name.size())) + ".png");
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTRY_VERIFY(!dialog.isVisible());
        }
    }
};

SONARA_GUI_TEST(SpaceMakerDialogTest)
#include "SpaceMakerDialogTest.moc"

// The setup wizard over a fake drive that is a temporary folder: the search
// and add it runs, its Cancel rules, its removable-drive message, and the
// menu start's reset question. With SONARA_SHOTS set to a folder it leaves
// pictures of pages 1, 3, 5 and 6 there per bundled skin.
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>

#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/SourcesList.h"
#include "gui/dialogs/wizard/SetupWizardDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "skin/DefaultSkin.h"
#include "support/FakeDrives.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// A session whose drive is a folder of its home: music/rock and music/jazz
// hold a song each, other/ none; a removable drive beside it.
struct WizardFixture {
    test::WindowSession session;
    sonara::testing::FakeDrives drives;
    std::string root;
    std::optional<LibraryScope> scope;
    int saves = 0;
    Answer progressAnswer = Answer::Ok;

    WizardFixture() {
        session.start();
        session.app->prefs().values().dlgEffects = 0;  // shown at full size at once
        root = session.home.filePath("drive").toStdString() + "/";
        for (const char* song : {"music/rock/a.mp3", "music/jazz/b.mp3"}) {
            const std::filesystem::path path = root + song;
            std::filesystem::create_directories(path.parent_path());
            sonara::testing::writeMp3(path, sonara::testing::songSpec(1));
        }
        std::filesystem::create_directories(root + "other");
        drives.mount(root, DriveKind::Fixed, "Disk");
        drives.mount(session.home.filePath("stick").toStdString() + "/", DriveKind::Removable);
        MainServices& services = session.app->services();
        scope.emplace(LibraryScope{services.library, services.sources, services.pathCache,
                                   services.recordFactory, drives, services.prompter});
        session.app->prompter().setScript([this](const PromptRequest& request) {
            session.seen.push_back(request);
            if (request.kind == PromptRequest::Kind::Progress) {
                return progressAnswer;
            }
            if (request.buttons == Buttons::Ok) {
                return Answer::Ok;
            }
            return session.answer ? session.answer(request) : Answer::Yes;
        });
    }

    std::unique_ptr<SetupWizardDialog> open() {
        auto dialog = std::make_unique<SetupWizardDialog>(
            session.app->services().skin, *scope, WizardSkips{}, [this] { ++saves; }, nullptr);
        dialog->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(dialog.get())); }();
        return dialog;
    }

    void shoot(SetupWizardDialog& dialog, const std::string& skinName) {
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        if (!shots.isEmpty()) {
            dialog.grab().save(QString("%1/wizard-%2-page%3.png")
                                   .arg(QString::fromUtf8(shots), QString::fromStdString(skinName))
                                   .arg(dialog.page()));
        }
    }
};

}  // namespace

class SetupWizardDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void nextSearchesTheDriveAndAddsItsMusicFolders() {
        WizardFixture f;
        auto dialog = f.open();
        QCOMPARE(dialog->windowTitle(), QString("Sonara Setup Wizard"));
        QCOMPARE(dialog->page(), 1);
        QCOMPARE(dialog->driveList()->count(), 1);
        QCOMPARE(dialog->driveList()->item(0)->text(),
                 QString::fromStdString("  " + f.root + "   Disk"));
        QCOMPARE(dialog->driveList()->item(0)->checkState(), Qt::Checked);
        QVERIFY(!dialog->prevButton()->isEnabled());

        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCOMPARE(dialog->page(), 3);
        QVERIFY(f.session.told(stringText(TextId::SearchingDrives)));
        // Both hits share a parent below the drive's top: one source for both.
        QCOMPARE(f.scope->sources.count(), size_t(1));
        QCOMPARE(QString::fromStdString(f.scope->sources.at(0).folder),
                 QString::fromStdString(f.root + "music/"));
        QCOMPARE(f.scope->library.count(), size_t(2));
        QCOMPARE(f.saves, 1);
        QVERIFY(dialog->prevButton()->isEnabled());

        // No removable media: the wizard ends with OK.
        dialog->nextButton()->click();
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void cancelDuringTheSearchGoesBackToTheDrivesAndAddsNothing() {
        WizardFixture f;
        f.progressAnswer = Answer::Cancel;
        auto dialog = f.open();
        dialog->nextButton()->click();
        QCOMPARE(dialog->page(), 1);
        QCOMPARE(f.scope->library.count(), size_t(0));
        QCOMPARE(f.scope->sources.count(), size_t(0));
        QCOMPARE(f.saves, 0);
        QVERIFY(dialog->isVisible());
    }

    void cancelAsksFirstAndNoKeepsTheWizardOpen() {
        WizardFixture f;
        auto dialog = f.open();
        f.session.answer = [](const PromptRequest&) { return Answer::No; };
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(f.session.told(stringText(TextId::CancelWizardQuestion)));
        QVERIFY(dialog->isVisible());

        f.session.answer = [](const PromptRequest&) { return Answer::Yes; };
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void theRemovablePageWantsACheckedDriveInEachSkin() {
        WizardFixture f;
        const std::string selectRemovable = stringText(TextId::SelectRemovableDrive);
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            const std::string name(bundled.name);
            QVERIFY(f.session.app->skinSwitcher().select(name, nullptr));
            auto dialog = f.open();
            dialog->driveList()->item(0)->setCheckState(Qt::Unchecked);
            f.shoot(*dialog, name);
            dialog->nextButton()->click();
            QCOMPARE(dialog->page(), 3);
            dialog->yesButton()->setChecked(true);
            f.shoot(*dialog, name);
            dialog->nextButton()->click();
            QCOMPARE(dialog->page(), 5);
            QCOMPARE(dialog->removableList()->count(), 1);
            QVERIFY(dialog->removableList()->item(0)->text().endsWith("   Removable"));

            f.session.seen.clear();
            dialog->nextButton()->click();
            QCOMPARE(dialog->page(), 5);
            QVERIFY(f.session.told(selectRemovable));
            f.shoot(*dialog, name);

            dialog->removableList()->item(0)->setCheckState(Qt::Checked);
            dialog->nextButton()->click();
            QCOMPARE(dialog->page(), 6);
            QVERIFY(dialog->addButton()->isVisible());
            f.shoot(*dialog, name);
            dialog->prevButton()->click();
            QCOMPARE(dialog->page(), 5);
        }
    }

    void theMenuStartAsksBeforeTheResetAndRunsOnce() {
        test::WindowSession session;
        session.start();
        session.addSongs(2);
        session.answer = [](const PromptRequest&) { return Answer::No; };
        session.window->runCommand(Command::SetupWizard);
        QVERIFY(session.told(stringText(TextId::ResetLibraryQuestion)));
        QCOMPARE(session.app->library().count(), size_t(2));

        session.answer = [](const PromptRequest&) { return Answer::Yes; };
        session.seen.clear();
        bool again = false;
        QVERIFY(test::whileModal([&] { session.window->runCommand(Command::SetupWizard); },
                                 [&](QDialog& dialog) {
                                     QCOMPARE(session.app->library().count(), size_t(0));
                                     // A second start while it runs is ignored.
                                     session.window->runCommand(Command::SetupWizard);
                                     again = QApplication::activeModalWidget() == &dialog;
                                     dialog.reject();
                                 }));
        QVERIFY(again);
        QVERIFY(session.told(stringText(TextId::WizardCancelledNote)));
        QCOMPARE(session.app->library().count(), size_t(0));
    }
};

SONARA_GUI_TEST(SetupWizardDialogTest)
#include "SetupWizardDialogTest.moc"

// The preferences dialog as "Program options" opens it over the window: the
// page it opens on, the buffer-size validation, the player page's enabling,
// and what OK and Cancel do to the store, the file and the running window.
// With SONARA_SHOTS set to a folder it leaves a picture of every page in
// each bundled skin there.
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/library/Library.h"
#include "core/settings/PreferenceStore.h"
#include "gui/dialogs/settings/BufferSizeField.h"
#include "gui/dialogs/settings/CheckPages.h"
#include "gui/dialogs/settings/PlaybackPage.h"
#include "gui/dialogs/settings/PlayerPage.h"
#include "gui/dialogs/settings/PreferencesDialog.h"
#include "gui/mainwnd/DesktopActions.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/skin/SkinCaptionButton.h"
#include "skin/DefaultSkin.h"
#include "support/RecordBuilder.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::whileModal;
using sonara::gui::test::WindowSession;

namespace {

// The desktop's side with a player Sonara took MP3 files from.
class KnownOutsidePlayer final : public DesktopActions {
  public:
    void hideToTray() override {}
    void showHelp() override {}
    void showAbout() override {}
    bool playInOutsidePlayer(const std::string&) override { return false; }
    bool playListInOutsidePlayer(bool) override { return false; }
    ExternalPlayerLabels outsidePlayerLabels() const override { return {"Audacious", "Play"}; }
    Status applyAssociationPreferences(int before) override {
        appliedWith = before;
        return Status::success();
    }
    std::optional<OutsidePlayerInfo> outsidePlayerInfo() const override {
        OutsidePlayerInfo info;
        info.known = true;
        info.savedName = "Audacious";
        info.currentName = "Sonara";
        info.described = true;
        info.canOpen = info.canPlay = true;
        info.mp3Associated = true;
        return info;
    }
    int appliedWith = -1;
};

void startQuiet(WindowSession& session, const std::function<void(AppSession&)>& more = {}) {
    session.start([&](AppSession& app) {
        app.prefs().values().dlgEffects = 0;
        if (more) {
            more(app);
        }
    });
}

// Opens the dialog as the menu does and runs `act` on it; `act` closes it.
bool withDialog(WindowSession& session, const std::function<void(PreferencesDialog&)>& act) {
    return whileModal([&] { session.window->runCommand(Command::Preferences); },
                      [&](QDialog& shown) {
                          auto* dialog = qobject_cast<PreferencesDialog*>(&shown);
                          QVERIFY(dialog != nullptr);
                          act(*dialog);
                      });
}

QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PreferencesDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheLastPageAndCancelChangesNothing() {
        WindowSession session;
        startQuiet(session, [](AppSession& app) { app.prefs().values().lastPrefPageOn = 3; });
        PreferenceStore& prefs = session.app->prefs();
        QVERIFY(prefs.saveAll().ok());
        const QByteArray saved = fileBytes(prefs.iniPath());
        QVERIFY(!saved.isEmpty());

        QVERIFY(withDialog(session, [](PreferencesDialog& dialog) {
            QCOMPARE(dialog.currentPage(), 3);
            QCOMPARE(dialog.windowTitle(), QString("Preferences:  Playback"));
            QVERIFY(dialog.showPage(0));
            QCOMPARE(dialog.windowTitle(), QString("Preferences:  General"));
            dialog.libraryPage()->firstLetterCapsBox()->click();
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        }));
        QCOMPARE(fileBytes(prefs.iniPath()), saved);
        QCOMPARE(prefs.values().lastPrefPageOn, 3);
        QCOMPARE(prefs.values().firstLetterCaps, 1);

        // A stored page that is no page opens the first.
        prefs.values().lastPrefPageOn = 9;
        PreferencesDialog stray(session.app->services().skin, session.app->prompter(), {});
        QCOMPARE(stray.currentPage(), 0);
    }

    void aBufferSizeOutOfRangeKeepsTheDialogOnItsPage() {
        WindowSession session;
        startQuiet(session);
        QVERIFY(withDialog(session, [&](PreferencesDialog& dialog) {
            QVERIFY(dialog.showPage(3));
            dialog.playbackPage()->bufferField()->setText("900");
            // Neither another page nor OK lets the value through.
            dialog.pageList()->setCurrentRow(1);
            QCOMPARE(dialog.currentPage(), 3);
            QCOMPARE(dialog.pageList()->currentRow(), 3);
            QVERIFY(dialog.showPage(3));
            session.seen.clear();
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QVERIFY(session.told("Please enter an integer between 64 and 800."));
            dialog.playbackPage()->bufferField()->setText("512");
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        }));
        QCOMPARE(session.app->prefs().values().playerBufferSizeK, 512);
        QCOMPARE(session.app->prefs().values().lastPrefPageOn, 3);
    }

    void theOtherPlayerClearsAndDisablesTheAssociation() {
        KnownOutsidePlayer desktop;
        WindowSession session;
        startQuiet(session, [&](AppSession& app) { app.services().desktop = &desktop; });
        QVERIFY(withDialog(session, [](PreferencesDialog& dialog) {
            PlayerPage& page = *dialog.playerPage();
            QCOMPARE(page.otherPlayerText(), QString("Use my current MP3 Player:  Audacious"));
            QVERIFY(page.ownPlayerRadio()->isChecked());
            QVERIFY(page.associateBox()->isChecked());
            QVERIFY(page.otherPlayerRadio()->isEnabled());
            page.otherPlayerRadio()->click();
            QVERIFY(!page.associateBox()->isChecked());
            QVERIFY(!page.associateBox()->isEnabled());
            QVERIFY(!page.randomAddBox()->isEnabled());
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        }));
        const Preferences& values = session.app->prefs().values();
        QCOMPARE(values.useAsDefaultPlayer, 0);
        QCOMPARE(values.associateMp3, 0);
        QCOMPARE(desktop.appliedWith, 1);  // given back: Sonara played before
        session.window.reset();
        session.app->services().desktop = nullptr;
    }

    void withoutAnOtherPlayerItsChoiceIsDisabled() {
        WindowSession session;
        startQuiet(session);
        QVERIFY(withDialog(session, [](PreferencesDialog& dialog) {
            QVERIFY(!dialog.playerPage()->otherPlayerRadio()->isEnabled());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
    }

    void genreButtonFollowsRandomAdd() {
        WindowSession session;
        startQuiet(session);
        QVERIFY(withDialog(session, [](PreferencesDialog& dialog) {
            PlayerPage& page = *dialog.playerPage();
            QVERIFY(page.randomAddBox()->isChecked());
            QVERIFY(page.genreButton()->isEnabled());
            page.randomAddBox()->click();
            QVERIFY(!page.genreButton()->isEnabled());
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        }));
    }

    void okSavesTheFileAndRetitlesTheLibraryList() {
        WindowSession session;
        startQuiet(session, [](AppSession& app) {
            app.prefs().values().firstLetterCaps = 0;
            app.library().append(testing::makeRecord("/music/x.mp3", "low artist", "quiet song"));
        });
        LibraryListModel& model = session.window->panes().library()->model();
        const auto titleColumn = [&] {
            for (size_t i = 0; i < model.columns().size(); ++i) {
                if (model.columns()[i] == LibraryColumn::Title) {
                    return static_cast<int>(i);
                }
            }
            return -1;
        };
        QVERIFY(titleColumn() >= 0);
        QCOMPARE(model.data(model.index(0, titleColumn())).toString(), QString("quiet song"));

        QVERIFY(withDialog(session, [](PreferencesDialog& dialog) {
            QVERIFY(dialog.showPage(1));
            dialog.libraryPage()->firstLetterCapsBox()->click();
            QTest::keyClick(&dialog, Qt::Key_Return);
        }));
        QCOMPARE(model.data(model.index(0, titleColumn())).toString(), QString("Quiet Song"));
        PreferenceStore reread(session.app->prefs().iniPath(), session.paths.programFolder);
        QVERIFY(reread.loadAll().ok());
        QCOMPARE(reread.values().firstLetterCaps, 1);
        QCOMPARE(reread.values().lastPrefPageOn, 1);
    }

    void everyPageInEachSkin() {
        WindowSession session;
        startQuiet(session);
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            const std::string name(bundled.name);
            QVERIFY(session.app->skinSwitcher().select(name, nullptr));
            PreferencesDialog dialog(session.app->services().skin, session.app->prompter(), {});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (int page = 0; page < PreferencesDialog::kPageCount; ++page) {
                QVERIFY(dialog.showPage(page));
                QVERIFY(dialog.width() <= 1366 && dialog.height() <= 768);
                if (!shots.isEmpty()) {
                    dialog.grab().save(
                        QString("%1/preferences-%2-%3.png")
                            .arg(QString::fromUtf8(shots), QString::fromStdString(name))
                            .arg(page));
                }
            }
        }
    }
};

SONARA_GUI_TEST(PreferencesDialogTest)
#include "PreferencesDialogTest.moc"

// The removable media dialog and the medium-name dialog: Delete removes a
// medium's songs and sources only after its question, Select stores the box
// and shows the medium's songs, and the name dialog stays open on a refused
// name. With SONARA_MEDIA_SHOTS set to a folder both leave a picture of
// themselves there per bundled skin.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/MediaName.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/sources/MediumNameDialog.h"
#include "gui/dialogs/sources/RemovableMediaDialog.h"
#include "gui/dialogs/sources/SourcesDialogs.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/skin/SkinCaptionButton.h"
#include "skin/DefaultSkin.h"
#include "support/RecordBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::WindowSession;

namespace {

// Songs on "Disc 1" (spelt two ways), on "Disc 2" and on a fixed disk, with
// a source for each medium.
void fillMedia(AppSession& app) {
    const std::pair<const char*, const char*> songs[] = {
        {"a.mp3", "Disc 1"}, {"b.mp3", "DISC 1"}, {"c.mp3", ""}, {"d.mp3", "Disc 2"}};
    for (const auto& [file, medium] : songs) {
        auto record = testing::makeRecord(file);
        record->setMediaName(medium);
        app.library().append(std::move(record));
    }
    (void)app.services().sources.add("/media/cd/", "Disc 1");
    (void)app.services().sources.add("/media/usb/", "Disc 2");
    (void)app.services().sources.add("/srv/music/", "");
    app.prefs().values().checkAvailAfterRemovableMediaSelection = 0;
}

void withMediaDialog(WindowSession& session,
                     const std::function<void(RemovableMediaDialog&)>& act) {
    SourcesDialogs family(*session.window);
    QVERIFY(
        test::whileModal([&] { QVERIFY(family.run(Command::RemovableMedia)); },
                         [&](QDialog& shown) { act(static_cast<RemovableMediaDialog&>(shown)); }));
}

QStringList names(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        out << list.item(i)->text();
    }
    return out;
}

int shownRows(WindowSession& session) {
    return session.window->panes().library()->model().rowCount();
}

}  // namespace

class RemovableMediaDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void deleteRemovesTheMediumOnlyAfterItsQuestion() {
        WindowSession session;
        session.start(fillMedia);
        Answer reply = Answer::No;
        session.answer = [&](const PromptRequest&) { return reply; };
        withMediaDialog(session, [&](RemovableMediaDialog& dialog) {
            QCOMPARE(names(*dialog.list()), (QStringList{"Disc 1", "Disc 2"}));
            QCOMPARE(dialog.list()->currentRow(), 0);
            dialog.deleteButton()->click();
            QVERIFY(session.told("Are you sure you want to delete this?"));
            QCOMPARE(session.app->library().count(), size_t(4));  // No keeps everything
            QCOMPARE(shownRows(session), 4);

            reply = Answer::Yes;
            dialog.deleteButton()->click();
            QCOMPARE(names(*dialog.list()), QStringList{"Disc 2"});
            QCOMPARE(dialog.list()->currentRow(), 0);
            QCOMPARE(session.app->library().count(), size_t(2));
            dialog.closeButton()->click();
        });
        // Saved at once: the records and the source of the medium are gone.
        Library saved;
        QCOMPARE(library_file::load(session.paths.library, saved), LoadOutcome::Loaded);
        QCOMPARE(saved.count(), size_t(2));
        SourcesList sources;
        (void)sources_file::load(session.paths.sources, sources);
        QCOMPARE(sources.count(), size_t(2));
        QVERIFY(!sources.hasMediaName("Disc 1"));
        QCOMPARE(shownRows(session), 2);  // the window's list refilled
    }

    void selectStoresTheBoxAndShowsTheMediumsSongs() {
        WindowSession session;
        session.start(fillMedia);
        withMediaDialog(session, [&](RemovableMediaDialog& dialog) {
            QVERIFY(!dialog.checkOnClose()->isChecked());
            dialog.checkOnClose()->setChecked(true);
            dialog.list()->setCurrentRow(1);
            dialog.selectButton()->click();
        });
        PreferenceStore reread(session.paths.preferences, session.paths.programFolder);
        QVERIFY(reread.loadAll().ok());
        QCOMPARE(reread.values().checkAvailAfterRemovableMediaSelection, 1);
        // The check ran, without its final message, and the list shows Disc 2.
        const auto checked = std::find_if(session.seen.begin(), session.seen.end(), [](auto& r) {
            return r.kind == PromptRequest::Kind::Progress && r.text == "Checking Availability";
        });
        QVERIFY(checked != session.seen.end());
        QVERIFY(!session.told("Finished checking availability"));
        QCOMPARE(shownRows(session), 1);
        QCOMPARE(std::string(session.window->panes().library()->model().recordAt(0)->fileName()),
                 std::string("d.mp3"));
    }

    void nameDialogStaysOpenOnARefusedName() {
        WindowSession session;
        session.start(fillMedia);
        const SourcesList& sources = session.app->services().sources;
        testing::ScriptedPrompter prompter;
        MediumNameDialog dialog(
            session.app->services().skin, "Disc 1",
            [&](const std::string& typed) {
                return mediaNameProblem(typed, "Disc 1", true, sources);
            },
            prompter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.nameField()->text(), QString("Disc 1"));
        for (const char* refused : {"", "DISC 2"}) {
            dialog.nameField()->setText(refused);
            QTest::keyClick(dialog.nameField(), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(prompter.messages,
                 (std::vector<std::string>{"You must specify a name for this removable media",
                                           "This removable media name already exists"}));
        dialog.nameField()->setText("Summer");
        QTest::keyClick(dialog.nameField(), Qt::Key_Return);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.name(), std::string("Summer"));
    }

    void emptyLibraryLeavesOnlyCloseAndLooksRightInEachSkin() {
        const QByteArray shots = qgetenv("SONARA_MEDIA_SHOTS");
        {
            WindowSession empty;
            empty.start();
            withMediaDialog(empty, [](RemovableMediaDialog& dialog) {
                QCOMPARE(dialog.list()->count(), 0);
                QVERIFY(!dialog.selectButton()->isEnabled() && !dialog.editButton()->isEnabled() &&
                        !dialog.deleteButton()->isEnabled());
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
        }
        WindowSession session;
        session.start(fillMedia);
        testing::ScriptedPrompter prompter;
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            const QString name =
                QString::fromUtf8(bundled.name.data(), qsizetype(bundled.name.size()));
            QVERIFY(session.app->skinSwitcher().select(name.toStdString(), nullptr));
            withMediaDialog(session, [&](RemovableMediaDialog& dialog) {
                QTRY_VERIFY(!dialog.isAnimating());
                QVERIFY(dialog.width() <= 1366 && dialog.height() <= 768);
                if (!shots.isEmpty()) {
                    dialog.grab().save(QString::fromUtf8(shots) + "/media-" + name + ".png");
                }
                dialog.closeButton()->click();
            });
            MediumNameDialog nameDialog(session.app->services().skin, "Disc 1", {}, prompter);
            nameDialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&nameDialog));
            QTRY_VERIFY(!nameDialog.isAnimating());
            if (!shots.isEmpty()) {
                nameDialog.grab().save(QString::fromUtf8(shots) + "/medium-name-" + name + ".png");
            }
            nameDialog.reject();
        }
    }
};

SONARA_GUI_TEST(RemovableMediaDialogTest)
#include "RemovableMediaDialogTest.moc"

// The record editor as the library's pop-up menu opens it: the copy buttons,
// what OK writes and saves, and a rename that would replace another file.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include <QPushButton>
#include "EditorTestSession.h"
#include "core/app/StringTable.h"
#include "core/library/LibraryFile.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/metadata/TagRecord.h"
#include "core/tools/editing/RecordEditor.h"
#include "gui/dialogs/editors/RecordEditDialog.h"
#include "gui/dialogs/editors/TagFieldEdits.h"
#include "gui/skin/SkinCaptionButton.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

// Opens the editor for the first row and lets `act` work it; `act` closes it.
void editFirstRecord(WindowSession& s, const std::function<void(RecordEditDialog&)>& act) {
    editors::selectFirstRow(s);
    QVERIFY(whileModal([&] { s.window->runCommand(Command::EditLibraryRecord); },
                       [&](QDialog& dialog) {
                           auto* editor = dynamic_cast<RecordEditDialog*>(&dialog);
                           QVERIFY(editor != nullptr);
                           act(*editor);
                           if (dialog.isVisible()) {
                               dialog.QDialog::done(QDialog::Rejected);
                           }
                       }));
}

LibraryRecord& firstRecord(WindowSession& s) {
    return *s.window->panes().library()->model().recordAt(0);
}

}  // namespace

class RecordEditDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void copyingTheLibraryIntoTheTagThenOkWritesTheTag() {
        WindowSession s;
        editors::startWithSongs(s, 1);
        const std::string path = s.home.filePath("Artist 0 - Title 0.mp3").toStdString();
        editFirstRecord(s, [&](RecordEditDialog& dialog) {
            QCOMPARE(dialog.libraryToTagButton()->toolTip(),
                     QString::fromStdString(stringText(TextId::CopyLibraryToTag)));
            dialog.libraryTitle()->setText("New Title");
            dialog.libraryComment()->setText("kept");
            dialog.tagEdits().album->setText("Album stays");
            QTest::mouseClick(dialog.libraryToTagButton(), Qt::LeftButton);
            QCOMPARE(dialog.tagEdits().title->text(), QString("New Title"));
            QCOMPARE(dialog.tagEdits().album->text(), QString("Album stays"));
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        });
        TagRecord tag(path);
        QVERIFY(tag.read());
        QCOMPARE(tag.title, std::string("New Title"));
        QCOMPARE(tag.artist, std::string("Artist 0"));
        QCOMPARE(tag.comment, std::string("kept"));
        QCOMPARE(tag.album, std::string("Album stays"));
        QCOMPARE(std::string(firstRecord(s).comment()), std::string("kept"));
        // The library file was saved with the change.
        Library reloaded;
        QCOMPARE(library_file::load(s.paths.library, reloaded), LoadOutcome::Loaded);
        QCOMPARE(std::string(reloaded.at(size_t(0))->comment()), std::string("kept"));
    }

    void renamingOntoAnExistingNameSaysSoAndKeepsTheOldName() {
        WindowSession s;
        editors::startWithSongs(s, 1);
        const QString taken = s.home.filePath("Artist 0 - Taken.mp3");
        sonara::testing::writeMp3(taken.toStdString(), sonara::testing::songSpec(1));
        const QByteArray before = [&] {
            QFile file(taken);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        editFirstRecord(s, [&](RecordEditDialog& dialog) {
            dialog.libraryTitle()->setText("Taken");
            dialog.renameBox()->setChecked(true);
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        });
        QVERIFY(s.told(stringText(TextId::FileNameExists)));
        QCOMPARE(std::string(firstRecord(s).fileName()), std::string("Artist 0 - Title 0.mp3"));
        QVERIFY(QFile::exists(s.home.filePath("Artist 0 - Title 0.mp3")));
        QFile file(taken);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void aFileThatCannotBeFoundOpensNoEditor() {
        WindowSession s;
        editors::startWithSongs(s, 1);
        QVERIFY(QFile::remove(s.home.filePath("Artist 0 - Title 0.mp3")));
        s.app->services().pathCache.clear();
        editors::selectFirstRow(s);
        s.window->runCommand(Command::EditLibraryRecord);
        // Nothing modal is left open: the message came instead.
        QVERIFY(s.told(stringText(TextId::FileNotFound)));
    }

    void looksRightInEachSkin() {
        WindowSession s;
        editors::startWithSongs(s, 1);
        const std::string path = s.home.filePath("Artist 0 - Title 0.mp3").toStdString();
        RecordEditor editor(firstRecord(s), path, s.app->prefs().normaliseOptions());
        editors::saveShots(s, "record", [&] {
            return std::make_unique<RecordEditDialog>(s.app->services().skin, editor,
                                                      s.app->prompter(), s.app->library(),
                                                      s.app->services().pathCache, s.window.get());
        });
    }
};

SONARA_GUI_TEST(RecordEditDialogTest)
#include "RecordEditDialogTest.moc"

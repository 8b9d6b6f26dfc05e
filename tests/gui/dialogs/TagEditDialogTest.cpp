// The tag dialog: what OK writes into the file's tag, the comment's input
// check, and the dialog as the library's pop-up menu opens it.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "EditorTestSession.h"
#include "core/app/StringTable.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/TagRecord.h"
#include "gui/dialogs/editors/TagEditDialog.h"
#include "gui/dialogs/editors/TagFieldEdits.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

std::string songIn(WindowSession& session, const char* name) {
    const std::string path = session.home.filePath(name).toStdString();
    sonara::testing::writeMp3(path, sonara::testing::songSpec(1));
    return path;
}

}  // namespace

class TagEditDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void aGenreNotInTheListStoresNoneAndShowsEmptyNextTime() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        const std::string path = songIn(s, "song.mp3");
        {
            TagEditDialog dialog(s.app->services().skin, s.app->prompter(), path);
            QVERIFY(dialog.edits().genre->currentText().isEmpty());
            dialog.edits().title->setText("A title of forty characters, no shorter");
            dialog.edits().genre->setCurrentText("Not A Genre");
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        TagRecord tag(path);
        QVERIFY(tag.read());
        QCOMPARE(int(tag.genre), int(genres::kNone));
        QCOMPARE(tag.title, std::string("A title of forty characters, no shorter"));

        TagEditDialog again(s.app->services().skin, s.app->prompter(), path);
        QVERIFY(again.edits().genre->currentText().isEmpty());
        QCOMPARE(again.edits().title->text(), QString("A title of forty characters, no shorter"));
    }

    void aCommentOverThirtyCharactersIsRefused() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        const std::string path = songIn(s, "song.mp3");
        TagEditDialog dialog(s.app->services().skin, s.app->prompter(), path);
        dialog.edits().comment->setText(QString(31, 'c'));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(s.told(stringText(TextId::CommentTooLong)));
        QVERIFY(!TagRecord(path).read());

        dialog.edits().comment->setText(QString(30, 'c'));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        TagRecord tag(path);
        QVERIFY(tag.read());
        QCOMPARE(tag.comment, std::string(30, 'c'));
    }

    void theMenuOpensItForTheFocusedRecordsFile() {
        WindowSession s;
        editors::startWithSongs(s, 2);
        editors::selectFirstRow(s);
        QString shown;
        QVERIFY(whileModal([&] { s.window->runCommand(Command::EditTagInfo); },
                           [&](QDialog& dialog) {
                               shown = dialog.windowTitle();
                               dialog.reject();
                           }));
        QCOMPARE(shown, QString("MP3Tag Info"));

        editors::saveShots(s, "tag", [&] {
            return std::make_unique<TagEditDialog>(s.app->services().skin, s.app->prompter(),
                                                   songIn(s, "Artist - Title.mp3"), s.window.get());
        });
    }
};

SONARA_GUI_TEST(TagEditDialogTest)
#include "TagEditDialogTest.moc"

// The genre picker: its start in flags mode, OK without a genre, its
// buttons per mode, and "Assign Genre" on the selected records.
#include <QListWidget>
#include <QtTest>

#include "EditorTestSession.h"
#include "core/app/StringTable.h"
#include "core/library/LibraryRecord.h"
#include "core/metadata/GenrePicker.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/TagRecord.h"
#include "gui/dialogs/editors/GenrePickerDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

int selectedCount(const QListWidget& list) {
    return static_cast<int>(list.selectedItems().size());
}

}  // namespace

class GenrePickerDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void flagsModeWithEmptyFlagsStartsWithEveryGenreSelected() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        GenrePicker picker(GenrePickerSettings{true, true, "*", ""});
        GenrePickerDialog dialog(s.app->services().skin, picker, s.app->prompter());
        QCOMPARE(selectedCount(*dialog.list()), dialog.list()->count());
        QVERIFY(dialog.list()->count() > 100);
        QVERIFY(!dialog.selectAllButton()->isHidden());

        QTest::mouseClick(dialog.clearAllButton(), Qt::LeftButton);
        dialog.list()->findItems("Rock", Qt::MatchExactly).front()->setSelected(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::string expected(picker.count(), '0');
        expected[size_t(*genres::indexOf("Rock"))] = '1';
        QCOMPARE(picker.flagsText(), expected);
    }

    void okWithNothingSelectedSaysSoAndStaysOpen() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        GenrePicker picker(GenrePickerSettings{});
        GenrePickerDialog dialog(s.app->services().skin, picker, s.app->prompter());
        QVERIFY(dialog.selectAllButton()->isHidden());
        QVERIFY(dialog.clearAllButton()->isHidden());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(s.told(stringText(TextId::SelectOneGenre)));

        dialog.list()->findItems("Jazz", Qt::MatchExactly).front()->setSelected(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(picker.selectedName(), std::string("Jazz"));
    }

    void assignGenreSetsTheRecordsGenreAndTheirTags() {
        WindowSession s;
        editors::startWithSongs(s, 2);
        editors::selectFirstRow(s);
        LibraryRecord* record = s.window->panes().library()->model().recordAt(0);
        QVERIFY(whileModal([&] { s.window->runCommand(Command::AssignGenre); },
                           [&](QDialog& dialog) {
                               auto& picker = dynamic_cast<GenrePickerDialog&>(dialog);
                               QListWidgetItem* rock =
                                   picker.list()->findItems("Rock", Qt::MatchExactly).front();
                               rock->setSelected(true);
                               QTest::mouseClick(picker.okButton(), Qt::LeftButton);
                               if (picker.isVisible()) {
                                   picker.QDialog::done(QDialog::Rejected);
                               }
                           }));
        QCOMPARE(std::string(record->genre()), std::string("Rock"));
        TagRecord tag(
            s.home.filePath(QString::fromStdString(std::string(record->fileName()))).toStdString());
        QVERIFY(tag.read());
        QCOMPARE(int(tag.genre), *genres::indexOf("Rock"));

        GenrePicker several(GenrePickerSettings{true, false, "*", ""});
        editors::saveShots(s, "genre", [&] {
            return std::make_unique<GenrePickerDialog>(s.app->services().skin, several,
                                                       s.app->prompter(), s.window.get());
        });
    }
};

SONARA_GUI_TEST(GenrePickerDialogTest)
#include "GenrePickerDialogTest.moc"

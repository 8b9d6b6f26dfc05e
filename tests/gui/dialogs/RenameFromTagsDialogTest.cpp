// Rename Files Based on Tag Info over a folder: the proposals and their
// ticks, the rename of file and record, and a target that already exists.
// With SONARA_SHOTS set to a folder it leaves a picture per bundled skin.
#include <QDir>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "gui/dialogs/tools/RenameFromTagsDialog.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// In "music": old.mp3 tagged "Artist"/"Title" (in the library), b.mp3
// tagged "Other"/"Song" whose proposed name is taken, and that file itself,
// already named after its tag, and an untagged file.
struct TaggedFolder {
    test::WindowSession s;
    QString folder;

    TaggedFolder() {
        s.start();
        folder = s.home.filePath("music");
        QDir(s.home.path()).mkpath("music");
        testing::writeTaggedSong(path("old.mp3"), "Artist", "Title");
        testing::writeTaggedSong(path("b.mp3"), "Other", "Song");
        testing::writeTaggedSong(path("Other - Song.MP3"), "Other", "Song");
        testing::writeMp3(path("plain.mp3"), testing::songSpec(1));
        (void)s.app->library().addSong(path("old.mp3"), "", s.app->services().recordFactory);
        // As a scan leaves it: the record's file is known by its path.
        (void)s.app->services().pathCache.addFile(path("old.mp3"));
    }

    std::string path(const std::string& name) const { return (folder + "/").toStdString() + name; }

    void search(RenameFromTagsDialog& dialog) {
        const QString start = folder;
        dialog.setFolderChooser([start](const QString&) { return start; });
        dialog.search(Command::DuplicatesByFolder);
    }
};

QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& oldName) {
    const auto found = list->findItems(oldName, Qt::MatchExactly, 3);
    return found.isEmpty() ? nullptr : found.first();
}

}  // namespace

class RenameFromTagsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void proposesNamesFromTagsAndTicksOnlyTaggedRows() {
        TaggedFolder f;
        RenameFromTagsDialog dialog(*f.s.window);
        f.search(dialog);
        QTreeWidget* list = dialog.list();
        QCOMPARE(list->topLevelItemCount(), 4);
        QTreeWidgetItem* old = rowOf(list, "old.mp3");
        QVERIFY(old != nullptr);
        QCOMPARE(old->text(2), QString("Artist - Title.MP3"));
        QCOMPARE(old->checkState(0), Qt::Checked);
        QCOMPARE(rowOf(list, "Other - Song.MP3")->checkState(0), Qt::Unchecked);
        QTreeWidgetItem* plain = rowOf(list, "plain.mp3");
        QCOMPARE(plain->text(1), QString("no"));
        QVERIFY(!(plain->flags() & Qt::ItemIsUserCheckable));
        emit list->itemDoubleClicked(plain, 0);
        QCOMPARE(plain->checkState(0), Qt::Unchecked);
        emit list->itemDoubleClicked(old, 0);
        QCOMPARE(old->checkState(0), Qt::Unchecked);
    }

    void renamesFileAndRecordButNeverOverAnExistingFile() {
        TaggedFolder f;
        RenameFromTagsDialog dialog(*f.s.window);
        f.search(dialog);
        const auto before = std::filesystem::file_size(f.path("Other - Song.MP3"));
        dialog.renameChecked();
        QVERIFY(f.s.told("Rename the checked files?"));
        QVERIFY(std::filesystem::exists(f.path("Artist - Title.MP3")));
        QVERIFY(!std::filesystem::exists(f.path("old.mp3")));
        QVERIFY(f.s.app->library().findByName("Artist - Title.MP3").has_value());
        QVERIFY(!f.s.app->library().findByName("old.mp3").has_value());
        // b.mp3 would become the existing "Other - Song.MP3": refused.
        QVERIFY(f.s.told("Unable to rename file - illegal characters in filename?"));
        QVERIFY(std::filesystem::exists(f.path("b.mp3")));
        QCOMPARE(std::filesystem::file_size(f.path("Other - Song.MP3")), before);
        // The list shows the old names until the next search.
        QVERIFY(rowOf(dialog.list(), "old.mp3") != nullptr);
    }

    void noAnswerRenamesNothingAndShowsInEachSkin() {
        TaggedFolder f;
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        f.s.answer = [](const PromptRequest&) { return Answer::No; };
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            QVERIFY(f.s.app->skinSwitcher().select(std::string(bundled.name), nullptr));
            RenameFromTagsDialog dialog(*f.s.window);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            f.search(dialog);
            dialog.renameChecked();
            QVERIFY(std::filesystem::exists(f.path("old.mp3")));
            QTRY_VERIFY(!dialog.isAnimating());
            if (!shots.isEmpty()) {
                dialog.grab().save(
                    QString::fromUtf8(shots) + "/rename-" +
                    QString::fromUtf8(bundled.name.data(), int(bundled.name.size())) + ".png");
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTRY_VERIFY(!dialog.isVisible());
        }
    }
};

SONARA_GUI_TEST(RenameFromTagsDialogTest)
#include "RenameFromTagsDialogTest.moc"

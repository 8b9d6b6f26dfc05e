// Generate Library Report: the choices that reach the file and the
// preferences, the destination's checks, and a Cancel that leaves no file.
// With SONARA_SHOTS set to a folder it leaves a picture per bundled skin.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QLineEdit>
#include <QtTest>
#include <utility>

#include "core/settings/PreferenceStore.h"
#include "gui/dialogs/tools/ReportDialog.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void choose(QButtonGroup* group, int id) {
    group->button(id)->click();
}

}  // namespace

class ReportDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void writesTheChosenLayoutAndKeepsTheChoices() {
        test::WindowSession s;
        s.start();
        s.addSongs(3);
        ReportDialog dialog(*s.window);
        // The first free export name in the program folder is proposed.
        QCOMPARE(dialog.destination()->text().toStdString(),
                 s.paths.programFolder + "/export(0).txt");
        choose(dialog.include(), 1);
        choose(dialog.columns(), 1);
        choose(dialog.delimiter(), 2);
        const QString out = s.home.filePath("report.txt");
        dialog.destination()->setText(out);
        dialog.go();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(s.told("Report successfully generated."));
        const QList<QByteArray> lines = contentsOf(out).split('\n');
        QCOMPARE(lines.size(), 3);  // two lines and the end after the last
        QVERIFY(lines[0].endsWith('\r') && lines[0].count('\t') == 1);
        QVERIFY(lines[1].endsWith('\r') && !lines[1].contains('\t'));
        const Preferences& values = s.app->prefs().values();
        QCOMPARE(values.exportWhat, 1);
        QCOMPARE(values.numColumns, 1);
        QCOMPARE(values.deliminator, 2);
        QCOMPARE(values.exportFileName, out.toStdString());
    }

    void refusesAnEmptyNameAndAnUnconfirmedReplace() {
        test::WindowSession s;
        s.start();
        s.addSongs(1);
        ReportDialog dialog(*s.window);
        dialog.destination()->setText("  ");
        dialog.go();
        QVERIFY(s.told("Please enter a valid filename"));

        const QString out = s.home.filePath("kept.txt");
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old report");
        old.close();
        s.answer = [](const PromptRequest&) { return Answer::No; };
        dialog.destination()->setText(out);
        dialog.go();
        QVERIFY(s.told("already exists"));
        QCOMPARE(contentsOf(out), QByteArray("old report"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void cancelDuringTheWriteLeavesNoFile() {
        test::WindowSession s;
        s.start();
        s.addSongs(21);  // enough for the progress dialog
        s.app->prompter().setScript([](const PromptRequest& request) {
            return request.kind == PromptRequest::Kind::Progress ? Answer::Cancel : Answer::Ok;
        });
        ReportDialog dialog(*s.window);
        choose(dialog.include(), 1);
        const QString out = s.home.filePath("cancelled.txt");
        dialog.destination()->setText(out);
        dialog.go();
        QVERIFY(!QFile::exists(out));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void theMenuCommandsOpenTheToolWindows() {
        test::WindowSession s;
        s.start();
        const std::pair<Command, const char*> opened[] = {
            {Command::Report, "sonara::gui::ReportDialog"},
            {Command::FindDuplicates, "sonara::gui::SpaceMakerDialog"},
            {Command::DuplicatesInSources, "sonara::gui::SpaceMakerDialog"},
            {Command::RenameFromTags, "sonara::gui::RenameFromTagsDialog"},
        };
        for (const auto& [command, className] : opened) {
            QString shown;
            QVERIFY(test::whileModal([&] { s.window->runCommand(command); },
                                     [&](QDialog& dialog) {
                                         shown = dialog.metaObject()->className();
                                         dialog.QDialog::done(QDialog::Rejected);
                                     }));
            QCOMPARE(shown, QString(className));
        }
        QVERIFY(s.seen.empty());  // no "comes later" note
    }

    void returnGoesAndEscapeClosesInEachSkin() {
        test::WindowSession s;
        s.start();
        const QByteArray shots = qgetenv("SONARA_SHOTS");
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            QVERIFY(s.app->skinSwitcher().select(std::string(bundled.name), nullptr));
            ReportDialog dialog(*s.window);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTRY_VERIFY(!dialog.isAnimating());
            if (!shots.isEmpty()) {
                dialog.grab().save(
                    QString::fromUtf8(shots) + "/report-" +
                    QString::fromUtf8(bundled.name.data(), int(bundled.name.size())) + ".png");
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTRY_VERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        ReportDialog dialog(*s.window);
        dialog.destination()->setText(s.home.filePath("by-return.txt"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.destination(), Qt::Key_Return);
        QTRY_VERIFY(QFile::exists(s.home.filePath("by-return.txt")));
    }
};

SONARA_GUI_TEST(ReportDialogTest)
#include "ReportDialogTest.moc"

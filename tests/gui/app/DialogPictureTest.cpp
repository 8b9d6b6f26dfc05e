// The picture of a dialog as its menu opens it: the dialog over the window,
// closed afterwards without its own questions, and a command that opens no
// dialog reported as such, once.
#include <QDialog>
#include <QtTest>

#include "gui/app/DialogPicture.h"
#include "gui/app/ModalDialogWatch.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

// A dialog that refuses to close by Esc or Cancel, as a wizard asks first.
class StubbornDialog : public QDialog {
  public:
    using QDialog::QDialog;
    void reject() override { ++refusals; }
    int refusals = 0;
};

}  // namespace

class DialogPictureTest : public QObject {
    Q_OBJECT
  private slots:
    void theDialogIsDrawnOverTheWindowThenClosed() {
        WindowSession session;
        session.start();
        session.addSongs(1);
        int reports = 0;
        QImage picture;
        renderDialogPicture(*session.window, NamedDialog{"columns", Command::ShowHideColumns},
                            [&](const QImage& image) {
                                ++reports;
                                picture = image;
                            });
        QTRY_COMPARE_WITH_TIMEOUT(reports, 1, 10000);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= session.window->width());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTest::qWait(50);
        QCOMPARE(reports, 1);
    }

    void aCommandWithoutADialogGivesNoPicture() {
        WindowSession session;
        session.start();
        int reports = 0;
        QImage picture(1, 1, QImage::Format_RGB32);
        renderDialogPicture(*session.window, NamedDialog{"none", Command::ClearLibrarySelection},
                            [&](const QImage& image) {
                                ++reports;
                                picture = image;
                            });
        QTRY_COMPARE_WITH_TIMEOUT(reports, 1, 10000);
        QVERIFY(picture.isNull());
    }

    void theWatchClosesTheDialogWithoutItsQuestion() {
        QWidget parent;
        parent.show();
        StubbornDialog dialog(&parent);
        QDialog* seen = nullptr;
        ModalDialogWatch watch(
            [&](QDialog* found) {
                seen = found;
                if (found != nullptr) {
                    found->QDialog::done(QDialog::Rejected);
                }
            },
            50, 5000);
        watch.start();
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        dialog.exec();
        QCOMPARE(seen, &dialog);
        QCOMPARE(dialog.refusals, 1);
    }
};

SONARA_GUI_TEST(DialogPictureTest)
#include "DialogPictureTest.moc"

// The Top 100 chart over the window's library and play list: the ranked
// rows, Clear behind its question, and the two ways to queue a song. With
// SONARA_SHOTS set to a folder it leaves a picture per bundled skin there.
#include <QStandardItemModel>
#include <QtTest>
#include <string>

#include "core/library/Library.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/tools/top100/Top100Chart.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/dialogs/tools2/Top100Dialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "skin/DefaultSkin.h"
#include "support/RecordBuilder.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

QString cell(const Top100Dialog& dialog, int row, int column) {
    return dialog.model()->item(row, column)->text();
}

Top100Chart chartOf(test::WindowSession& s) {
    return Top100Chart(s.app->library(), s.app->playList().adder(), s.window->view(),
                       s.app->prompter());
}

}  // namespace

class Top100DialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheHundredMostRequestedAndClearsOnYes() {
        test::WindowSession s;
        s.start([](AppSession& app) {
            app.prefs().values().dlgEffects = 0;
            app.library().append(testing::makeRecord("/never.mp3", "Never", "Asked"));
            for (int i = 1; i <= 150; ++i) {
                auto song = testing::makeRecord("/song" + std::to_string(i) + ".mp3",
                                                "Artist " + std::to_string(i), "Title");
                song->playCount = i;
                app.library().append(std::move(song));
            }
        });
        Top100Chart chart = chartOf(s);
        int saves = 0;
        Top100Dialog dialog(
            s.app->services().skin, chart, [&] { ++saves; }, s.window.get());
        QCOMPARE(dialog.model()->rowCount(), 100);
        QCOMPARE(cell(dialog, 0, 0), QString("1"));
        QCOMPARE(cell(dialog, 0, 1), QString("Artist 150"));
        QCOMPARE(cell(dialog, 0, 3), QString("150"));
        QCOMPARE(cell(dialog, 99, 0), QString("100"));
        QCOMPARE(cell(dialog, 99, 3), QString("51"));

        const QByteArray shots = qgetenv("SONARA_SHOTS");
        if (!shots.isEmpty()) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
                const std::string name(bundled.name);
                QVERIFY(s.app->skinSwitcher().select(name, &dialog));
                QCoreApplication::processEvents();
                dialog.grab().save(QString::fromUtf8(shots) + "/top100-" +
                                   QString::fromStdString(name) + ".png");
            }
        }

        s.answer = [](const PromptRequest&) { return Answer::No; };
        dialog.clearButton()->click();
        QVERIFY(s.told("Are you sure you want to reset the list?"));
        QCOMPARE(dialog.model()->rowCount(), 100);
        QCOMPARE(saves, 0);

        s.answer = [](const PromptRequest&) { return Answer::Yes; };
        dialog.clearButton()->click();
        QCOMPARE(dialog.model()->rowCount(), 0);
        QCOMPARE(saves, 1);
        for (size_t i = 0; i < s.app->library().count(); ++i) {
            QCOMPARE(s.app->library().at(i)->playCount, 0);
        }
    }

    void doubleClickQueuesAndAddQueuesAndCloses() {
        test::WindowSession s;
        s.start([](AppSession& app) { app.prefs().values().dlgEffects = 0; });
        s.addSongs(2);
        s.app->services().sources.append({"", s.home.path().toStdString() + "/", 1});
        s.app->library().at(0)->playCount = 1;
        s.app->library().at(1)->playCount = 5;
        Top100Chart chart = chartOf(s);
        Top100Dialog dialog(s.app->services().skin, chart, {}, s.window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        dialog.addButton()->click();  // no selection: nothing happens
        QVERIFY(dialog.isVisible());
        QCOMPARE(s.app->playList().list().count(), size_t(0));

        const QModelIndex second = dialog.model()->index(1, 1);
        emit dialog.list()->doubleClicked(second);
        QVERIFY(s.told("Song added to playlist"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(s.app->playList().list().count(), size_t(1));
        QCOMPARE(s.app->library().at(0)->playCount, 2);

        dialog.list()->setCurrentIndex(dialog.model()->index(0, 0));
        dialog.addButton()->click();
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.app->playList().list().count(), size_t(2));
        QCOMPARE(s.app->library().at(1)->playCount, 6);
    }
};

SONARA_GUI_TEST(Top100DialogTest)
#include "Top100DialogTest.moc"

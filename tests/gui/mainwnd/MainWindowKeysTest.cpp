// The window's keys reach the panes: Enter where the search text is typed
// searches instead of telling that the command comes later, and Delete in
// the library list removes the selected songs.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <vector>

#include "core/library/Library.h"
#include "gui/app/AppSession.h"
#include "gui/controls/HistoryCombo.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "skin/DefaultSkin.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

std::unique_ptr<LibraryRecord> record(const std::string& artist, const std::string& title) {
    auto made = std::make_unique<LibraryRecord>();
    made->setFileName(artist + " - " + title + ".mp3");
    made->setArtist(artist);
    made->setTitle(title);
    return made;
}

}  // namespace

class MainWindowKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void enterSearchesAndDeleteRemovesWhereTheyAreTyped() {
        QTemporaryDir home;
        AppSession app(DataPaths::resolve(home.path().toStdString()), skin::defaultSkin(),
                       skin::bundledSkins());
        std::vector<PromptRequest> seen;
        app.prompter().setScript([&](const PromptRequest& request) {
            seen.push_back(request);
            return Answer::Yes;
        });
        QVERIFY(app.startUp().ok());
        MainServices& services = app.services();
        services.library.append(record("Alpha Band", "First Light"));
        services.library.append(record("Alpha Band", "Second Wind"));
        services.library.append(record("Beta Group", "Third Rail"));

        MainWindow window(services, [](const std::string&) {});
        window.show();
        window.open({});
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTreeView* list = window.panes().libraryList();
        QVERIFY(list != nullptr);
        QCOMPARE(list->model()->rowCount(), 3);

        auto* text = qobject_cast<HistoryCombo*>(window.controls().find(ControlId::SearchText));
        QVERIFY(text != nullptr);
        text->lineEdit()->setFocus();
        text->lineEdit()->setText("Alpha");
        QTest::keyClick(text->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY2(seen.empty(), seen.empty() ? "" : seen.front().text.c_str());

        // Delete in the library list is its Remove button, once asked.
        list->setFocus();
        list->selectionModel()->select(
            list->model()->index(0, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(seen.size(), size_t{1});
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(services.library.count(), size_t{2});
    }
};

QTEST_MAIN(MainWindowKeysTest)
#include "MainWindowKeysTest.moc"

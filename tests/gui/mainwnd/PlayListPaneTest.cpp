// The play-list side of the main window over a real current play list.
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "../../support/PlayListFakes.h"
#include "../../support/ScriptedPrompter.h"
#include "audio/NullOutput.h"
#include "audio/engine/PlayerHost.h"
#include "core/app/DataPaths.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/mainwnd/LayoutEngine.h"
#include "core/mainwnd/LayoutTarget.h"
#include "core/mainwnd/MainTemplate.h"
#include "core/mainwnd/ViewControls.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/skin/SkinFiles.h"
#include "core/skin/SkinFolder.h"
#include "gui/controls/GradientProgress.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/PlayListModel.h"
#include "gui/mainwnd/PlayListPane.h"
#include "gui/mainwnd/TotalsFrame.h"
#include "gui/skin/SkinButton.h"
#include "gui/skin/SkinDialog.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinLabel.h"
#include "skin/DefaultSkin.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::testing::CountingSaver;
using sonara::testing::FakePlayer;
using sonara::testing::FakeProbe;
using sonara::testing::ManualDispatcher;
using sonara::testing::ScriptedPrompter;

namespace {

class RecordingTarget final : public CommandTarget {
  public:
    void runCommand(Command command) override { sent.push_back(command); }
    std::vector<Command> sent;
};

class FakeChooser final : public PlayListFileChooser {
  public:
    std::optional<std::string> fileToOpen() override { return name; }
    std::optional<std::string> fileToSave(const std::string&) override { return name; }
    std::optional<std::string> name;
};

// What the application lends the window, made for one test.
struct Application {
    explicit Application(test::SkinWidgetFixture& fixture)
        : paths(DataPaths::resolve(fixture.path("").toStdString())),
          current(PlayListAdder::Environment{prompter, factory, cache, sources, saver,
                                             fixture.path("CurrPl.snl").toStdString()}),
          services{fixture.context(), paths,   dispatcher, prompter, library, sources, cache,
                   factory,           current, host,       saver} {
        Preferences& p = fixture.prefs().values();
        p.useAsDefaultPlayer = 1;
        p.useLibraryWizard = 0;
        p.plPercentage = 100;
        current.applyPreferences(fixture.prefs());
        current.sequence().setPlayer(&player);
    }

    PlayList& list() { return current.list(); }
    void queue(const std::string& name, int seconds, const std::string& folder = "/music/") {
        PlayListEntry entry;
        entry.path = folder + name;
        entry.title = "Title " + name;
        entry.artist = "Artist " + name;
        entry.state = EntryState::Unplayed;
        entry.length = seconds;
        list().append(entry);
    }

    DataPaths paths;
    ManualDispatcher dispatcher;
    ScriptedPrompter prompter;
    FakeProbe probe;
    RecordFactory factory{&probe, false};
    PathCache cache;
    SourcesList sources;
    CountingSaver saver;
    Library library;
    audio::NullOutputFactory outputs;
    audio::PlayerHost host{dispatcher, outputs, prompter};
    FakePlayer player;
    CurrentPlayList current;
    MainServices services;
};

// A main window with only the play-list pane in it.
struct Window {
    explicit Window(Application& app)
        : widget(app.services.skin, nullptr, true), pane(&widget, app.services, target, controls) {
        widget.setBackgroundIndex(skin::kTile);
        widget.resize(708, 491);
    }
    template <typename T>
    T* control(ControlId id) const {
        return qobject_cast<T*>(controls.find(id));
    }
    void click(ControlId id) const {
        QTest::mouseClick(control<QWidget>(id), Qt::LeftButton, {}, QPoint(3, 3));
    }
    QString row(int r) const {
        return pane.model()->index(r, PlayListModel::TitleColumn).data().toString();
    }

    SkinDialog widget;
    RecordingTarget target;
    ControlMap controls;
    PlayListPane pane;
};

// The layout engine's view of the window: the map's widgets.
class MapTarget final : public LayoutTarget {
  public:
    explicit MapTarget(const ControlMap& map) : map_(map) {}
    Rect controlRect(ControlId id) const override {
        const QWidget* widget = map_.find(id);
        if (widget == nullptr) {
            return {};
        }
        const QRect g = widget->geometry();
        return {g.x(), g.y(), g.width(), g.height()};
    }
    void moveControl(ControlId id, const Rect& r) override {
        if (QWidget* widget = map_.find(id)) {
            widget->setGeometry(r.left, r.top, r.width, r.height);
        }
    }

  private:
    const ControlMap& map_;
};

// As a window system delivers it: press, release, double click, release.
// (QTest::mouseDClick sends no release before the double click, which a
// tree view ignores while it still takes the press for a drag.)
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

bool loadSkin(test::SkinWidgetFixture& fixture, const skin::BundledSkin& bundled) {
    const QString folder =
        fixture.path(QString::fromUtf8(bundled.name.data(), int(bundled.name.size()))) + "/";
    QDir().mkpath(folder);
    for (int index = 0; index < skin::kFileCount; ++index) {
        skin::extractBuiltInFile(bundled.files, index, folder.toStdString());
    }
    return fixture.skin().load(folder.toStdString());
}

void writeEmpty(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class PlayListPaneTest : public QObject {
    Q_OBJECT
  private slots:
    void modelFollowsTheListByFirstRowAndCount() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        app.queue("a.mp3", 60);  // before the window: shown at once
        Window window(app);
        PlayListModel& model = *window.pane.model();
        QCOMPARE(model.rowCount(), 1);

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        std::vector<PlayListEntry> many(100000, app.list().at(0));
        app.list().appendAll(std::move(many));
        QCOMPARE(inserted.count(), 1);  // one notice, not one per row
        QCOMPARE(model.rowCount(), 100001);

        // Two runs of removed rows, each announced where the view has them.
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        std::vector<size_t> rows;
        for (size_t r = 2; r < 100001; ++r) {
            rows.push_back(r);
        }
        app.list().erase(rows);
        app.queue("b.mp3", 30);
        app.list().erase({0});
        QCOMPARE(removed.count(), 2);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(window.row(1), QString("Title b.mp3"));
        QCOMPARE(model.index(1, PlayListModel::LengthColumn).data().toString(), QString("00:30"));

        // A state change repaints the row with its new picture.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const QImage unplayed =
            model.index(1, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
        app.list().makeCurrent(1);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
        QVERIFY(model.index(1, 0).data(Qt::DecorationRole).value<QPixmap>().toImage() != unplayed);
    }

    void buttonsMoveAndRemoveTheSelectedRows() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        for (const char* name : {"a", "b", "c", "d"}) {
            app.queue(name, 60);
        }
        Window window(app);
        PlayListPane& pane = window.pane;

        pane.selectRow(0);
        window.click(ControlId::UpButton);  // the first row swaps with the last
        QCOMPARE(window.row(0), QString("Title d"));
        QCOMPARE(window.row(3), QString("Title a"));
        QCOMPARE(pane.selectedRows(), std::vector<size_t>{3});
        window.click(ControlId::DownButton);
        QCOMPARE(window.row(0), QString("Title a"));
        QCOMPARE(pane.selectedRows(), std::vector<size_t>{0});

        // "<<" takes every selected row; the row after them is selected.
        QItemSelectionModel& selection = *pane.list()->selectionModel();
        selection.select(pane.model()->index(1, 0),
                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selection.select(pane.model()->index(2, 0),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window.click(ControlId::RemoveFromPlayListButton);
        QCOMPARE(app.list().count(), size_t(2));
        QCOMPARE(window.row(1), QString("Title d"));
        QCOMPARE(pane.selectedRows(), std::vector<size_t>{1});
        QVERIFY(window.target.sent.empty());
    }

    void totalsFrameShowsTheListsTimes() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        Window window(app);
        const TotalsFrame& totals = window.pane.totals();
        QCOMPARE(totals.totalValue().text(), QString("00:00"));
        QCOMPARE(totals.progress().maximum(), 10000);

        app.queue("a", 3600);
        app.queue("b", 120);
        app.list().makeCurrent(0);
        app.list().setElapsed(600);
        QCOMPARE(totals.totalValue().text(), QString(" 1:02:00"));
        QCOMPARE(totals.leftValue().text(), QString("52:00"));
        QCOMPARE(totals.progress().maximum(), 3720);
        QCOMPARE(totals.progress().position(), 600);
    }

    void fileSaveThenFileOpenRoundTrips() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        const std::string folder = fixture.path("").toStdString() + "/";
        writeEmpty(fixture.path("one.mp3"));
        writeEmpty(fixture.path("two.mp3"));
        app.queue("one.mp3", 10, folder);
        app.queue("two.mp3", 20, folder);
        Window window(app);
        FakeChooser chooser;
        window.pane.setFileChooser(&chooser);

        chooser.name = fixture.path("saved.snl").toStdString();
        QVERIFY(window.pane.runCommand(Command::FileSave));
        QVERIFY(window.pane.runCommand(Command::ClearPlayList));
        QCOMPARE(window.pane.model()->rowCount(), 0);
        QVERIFY(window.pane.runCommand(Command::FileOpen));
        QCOMPARE(window.pane.model()->rowCount(), 2);
        QCOMPARE(QString::fromStdString(app.list().at(1).path), fixture.path("two.mp3"));
        QVERIFY(app.prompter.messages.empty());
    }

    void doubleClickPlaysAndTheMenuButtonsGoToTheWindow() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        app.queue("a", 60);
        app.queue("b", 60);
        Window window(app);
        window.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        SkinListCtrl& list = *window.pane.list();
        QSignalSpy played(&window.pane, &PlayListPane::playRequested);
        const QRect second = list.visualRect(window.pane.model()->index(1, 0));
        QVERIFY(second.isValid());
        doubleClick(list.viewport(), second.center());
        QCOMPARE(played.count(), 1);
        QCOMPARE(window.target.sent, std::vector<Command>{Command::PlayButton});
        QCOMPARE(window.pane.selectedRows(), std::vector<size_t>{1});

        window.target.sent.clear();
        window.click(ControlId::FileButton);
        window.click(ControlId::WorkSpaceButton);
        QCOMPARE(window.target.sent,
                 (std::vector<Command>{Command::FileButton, Command::WorkSpaceButton}));
    }

    void workSpaceCommandsStoreThePercentageAndAskForALayout() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        Window window(app);
        QSignalSpy relayout(&window.pane, &PlayListPane::relayoutRequested);
        QVERIFY(window.pane.runCommand(Command::WorkSpaceBumpUp));  // at 100 already
        QCOMPARE(relayout.count(), 0);
        QVERIFY(window.pane.runCommand(Command::WorkSpace40));
        QVERIFY(window.pane.runCommand(Command::WorkSpaceBumpDown));
        QCOMPARE(fixture.prefs().values().plPercentage, 35);
        QCOMPARE(relayout.count(), 2);
        QVERIFY(!window.pane.runCommand(Command::PlayButton));

        window.pane.setView(ViewMode::LibraryAndPlaylist);
        QCOMPARE(window.control<SkinLabel>(ControlId::PlayListLabel)->text(),
                 QString("Playlist Work Space"));
    }

    // The template lays the label across the list's top in most views and
    // above it in view 6; either way the label and the first row show.
    void theLabelNeverCoversTheFirstRow() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        app.queue("a", 60);
        Window window(app);
        window.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        SkinListCtrl& list = *window.pane.list();
        auto* label = window.control<SkinLabel>(ControlId::PlayListLabel);
        const auto firstRowTop = [&] {
            const QRect row = list.visualRect(window.pane.model()->index(0, 0));
            return list.viewport()->mapTo(&window.widget, row.topLeft()).y();
        };
        QVERIFY(label->geometry().intersects(list.geometry()));
        QVERIFY(firstRowTop() > label->geometry().bottom());
        QCOMPARE(window.widget.childAt(label->geometry().center()), label);

        label->move(label->x(), list.y() - label->height());
        QCOMPARE(list.header()->height(), list.header()->sizeHint().height());
        QVERIFY(firstRowTop() < list.y() + 2 * list.header()->height());
    }

    // Laid out by each view that shows the play list (the other panes'
    // controls stand in as empty widgets), the label and the first row show.
    void everyViewShowsTheLabelAndTheFirstRow() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        app.queue("a", 60);
        QVERIFY(loadSkin(fixture, skin::bundledSkins().front()));
        Window window(app);
        for (const TemplateControl& control : MainTemplate::controls()) {
            if (window.controls.find(control.id) == nullptr) {
                window.controls.place(control.id, new QWidget(&window.widget));
            }
        }
        window.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        MapTarget target(window.controls);
        LayoutEngine engine(target);
        const Rect client{0, 0, 708, 491};
        engine.rebuild(client);
        SkinListCtrl& list = *window.pane.list();
        auto* label = window.control<SkinLabel>(ControlId::PlayListLabel);
        for (ViewMode view : {ViewMode::Normal, ViewMode::Party, ViewMode::Playlist,
                              ViewMode::LibraryAndPlaylist, ViewMode::TouchScreen}) {
            engine.setWorkSpacePercent(view == ViewMode::LibraryAndPlaylist ? 60 : 100);
            engine.applyView(view, false, client);
            window.pane.setView(view);
            window.controls.forEach([view](ControlId id, QWidget* widget) {
                widget->setVisible(controlState(view, id, {}) != ControlState::Hidden);
            });
            const QRect row = list.visualRect(window.pane.model()->index(0, 0));
            const int rowTop = list.viewport()->mapTo(&window.widget, row.topLeft()).y();
            QVERIFY2(rowTop > label->geometry().bottom(), qPrintable(QString::number(int(view))));
            QCOMPARE(window.widget.childAt(label->geometry().center()), label);
            if (const QByteArray dir = qgetenv("SONARA_SHOT_DIR"); !dir.isEmpty()) {
                window.widget.grab().save(QString::fromUtf8(dir) + "/view" +
                                          QString::number(int(view)) + ".png");
            }
        }
    }

    // Each bundled skin: the buttons take the medium strip's cells and the
    // list draws its pictures in the skin's text colour. SONARA_SHOT_DIR
    // keeps a picture of the pane per skin for review.
    void bundledSkinsDressThePane() {
        test::SkinWidgetFixture fixture;
        Application app(fixture);
        for (const char* name : {"Rainy Day", "Blue Moon", "Last Song With A Very Long Title"}) {
            app.queue(name, 200);
        }
        app.list().makeCurrent(1);
        app.list().setCurrentState(EntryState::Played);
        app.list().makeCurrent(2);
        Window window(app);
        window.pane.selectRow(0);
        window.widget.show();
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            QVERIFY(loadSkin(fixture, bundled));
            notifySkinChanged(&window.widget);
            window.pane.skinChanged();
            QCOMPARE(window.control<SkinButton>(ControlId::UpButton)->size(),
                     fixture.skin().cellSize(skin::kMediumButton));
            const QImage shot = window.widget.grab().toImage();
            if (const QByteArray dir = qgetenv("SONARA_SHOT_DIR"); !dir.isEmpty()) {
                shot.save(QString::fromUtf8(dir) + "/playlist-" +
                          QString::fromUtf8(bundled.name.data(), int(bundled.name.size())) +
                          ".png");
            }
        }
    }
};

SONARA_GUI_TEST(PlayListPaneTest)
#include "PlayListPaneTest.moc"

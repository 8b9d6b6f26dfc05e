#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "audio/AudioOutput.h"
#include "audio/engine/PlayerHost.h"
#include "core/app/DataFileSaver.h"
#include "core/app/DataPaths.h"
#include "core/app/EventQueue.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/controls/HistoryCombo.h"
#include "gui/controls/ShowHideColumnsDialog.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/dialogs/editors/GenrePickerDialog.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/LetterToolBar.h"
#include "gui/mainwnd/LibraryChoiceDialog.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/LibrarySearchDialogs.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinDialog.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

class ScriptedPrompter final : public Prompter {
  public:
    void message(const std::string& text, Icon) override { messages.push_back(text); }
    Answer ask(const std::string& text, Buttons, Icon) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    Answer answer = Answer::No;
};

class CountingSaver final : public DataFileSaver {
  public:
    void saveDataFiles() override { ++saves; }
    int saves = 0;
};

class NoOutputs final : public audio::OutputFactory {
  public:
    std::unique_ptr<audio::AudioOutput> create(int) override { return nullptr; }
    std::string deviceName(int) override { return {}; }
};

class RecordingTarget final : public CommandTarget {
  public:
    void runCommand(Command command) override { commands.push_back(command); }
    std::vector<Command> commands;
};

// Counts the cells the view asks for.
class CountingModel final : public LibraryListModel {
  public:
    using LibraryListModel::LibraryListModel;
    QVariant data(const QModelIndex& index, int role) const override {
        ++calls;
        return LibraryListModel::data(index, role);
    }
    mutable int calls = 0;
};

struct Song {
    std::string artist;
    std::string title;
    std::string genre = {};
};

const std::vector<Song> kBand = {
    {"Abba", "Waterloo"},    {"Beatles", "Cab Ride"}, {"beck", "Loser"},
    {"The Beatles", "Help"}, {"Queen", "Abbey Road"},
};

// The application's side of the main window, in a temporary data folder,
// with the skin the switcher writes and loads there.
struct World {
    QTemporaryDir dir;
    std::unique_ptr<PreferenceStore> prefs;
    SkinRecord skin;
    std::unique_ptr<SkinSwitcher> switcher;
    DataPaths paths;
    EventQueue queue;
    ScriptedPrompter prompter;
    Library library;
    SourcesList sources;
    PathCache pathCache;
    RecordFactory records{nullptr, false};
    CountingSaver saver;
    NoOutputs outputs;
    std::unique_ptr<CurrentPlayList> playList;
    std::unique_ptr<audio::PlayerHost> player;
    std::unique_ptr<MainServices> services;
    RecordingTarget target;
    ControlMap controls;
    std::unique_ptr<SkinDialog> window;
    std::unique_ptr<LibraryPane> pane;

    World() {
        const std::string home = dir.path().toStdString();
        qputenv("HOME", dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        paths.programFolder = home;
        paths.configFolder = home;
        paths.preferences = home + "/Sonara.ini";
        paths.library = home + "/Sonara.dat";
        paths.currentPlayList = home + "/CurrPl.snl";
        prefs = std::make_unique<PreferenceStore>(paths.preferences, home);
        (void)prefs->loadAll();
        switcher = std::make_unique<SkinSwitcher>(SkinContext{skin, *prefs}, skin::defaultSkin(),
                                                  skin::bundledSkins());
        (void)switcher->startUp();
        playList = std::make_unique<CurrentPlayList>(PlayListAdder::Environment{
            prompter, records, pathCache, sources, saver, paths.currentPlayList});
        playList->applyPreferences(*prefs);
        player = std::make_unique<audio::PlayerHost>(queue, outputs, prompter);
        services = std::make_unique<MainServices>(
            MainServices{SkinContext{skin, *prefs}, paths, queue, prompter, library, sources,
                         pathCache, records, *playList, *player, saver});
        window = std::make_unique<SkinDialog>(services->skin, nullptr, true);
        window->setBackgroundIndex(skin::kTile);
        window->resize(708, 491);
    }

    // Songs with files on disk, so that adds to the play list find them.
    void addSongs(const std::vector<Song>& songs) {
        for (const Song& song : songs) {
            const std::string name = "song" + std::to_string(library.count()) + ".mp3";
            const QString path = dir.filePath(QString::fromStdString(name));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            auto record = std::make_unique<LibraryRecord>();
            record->setFileName(name);
            record->setArtist(song.artist);
            record->setTitle(song.title);
            record->setGenre(song.genre);
            library.insert(std::move(record));
            pathCache.addFile(path.toStdString());
        }
    }
    LibraryPane& makePane() {
        pane = std::make_unique<LibraryPane>(window.get(), *services, target, controls);
        return *pane;
    }
    // The band's songs, every one shown.
    LibraryPane& bandPane() {
        addSongs(kBand);
        makePane().showLetter('*');
        return *pane;
    }
    template <typename T>
    T* control(ControlId id) const {
        return qobject_cast<T*>(controls.find(id));
    }
    QStringList column(int col) const {
        QStringList texts;
        const LibraryListModel& model = pane->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            texts << model.index(row, col).data().toString();
        }
        return texts;
    }
    void selectRows(const std::vector<int>& rows) {
        SkinListCtrl* list = pane->list();
        list->clearSelection();
        for (int row : rows) {
            list->selectionModel()->select(pane->model().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

}  // namespace

class LibraryPaneTest : public QObject {
    Q_OBJECT
  private slots:
    void aHugeLibraryCostsOnlyTheRowsOnScreen() {
        World w;
        w.library.reserveBlock(100000);
        for (int i = 0; i < 100000; ++i) {
            auto record = std::make_unique<LibraryRecord>();
            record->setFileName("f" + std::to_string(100000 + i) + ".mp3");
            record->setArtist("Artist " + std::to_string(i));
            record->setTitle("Title");
            w.library.append(std::move(record));
        }
        LibraryPane& pane = w.makePane();
        CountingModel counting(w.library, *w.prefs);
        pane.list()->setModel(&counting);
        counting.showRows(nullptr);
        QCOMPARE(counting.rowCount(), 100000);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QApplication::processEvents();
        // A screenful is some twenty rows of two columns and a few roles.
        QVERIFY2(counting.calls < 2000, qPrintable(QString::number(counting.calls)));
        QCOMPARE(counting.index(99999, 0).data().toString(), QString("Artist 99999"));
        pane.list()->setModel(&pane.model());
    }

    void goSearchesTheChosenFieldAndKeepsTheHistory() {
        World w;
        w.addSongs(kBand);
        LibraryPane& pane = w.makePane();
        pane.libraryChanged();
        QCOMPARE(pane.model().rowCount(), 5);

        w.control<QComboBox>(ControlId::SearchField)->setCurrentIndex(0);  // "All"
        QCOMPARE(w.prefs->values().searchBy, 0);
        w.control<HistoryCombo>(ControlId::SearchText)->setEditText("ab");
        QTest::mouseClick(w.controls.find(ControlId::GoButton), Qt::LeftButton);
        // "All": title, then artist, then album; each record once.
        QCOMPARE(w.column(1), QStringList({"Waterloo", "Cab Ride", "Abbey Road"}));
        QCOMPARE(w.prefs->searchHistory(), std::vector<std::string>{"ab"});

        w.control<QComboBox>(ControlId::SearchField)->setCurrentIndex(1);  // "Artist"
        QCOMPARE(w.prefs->values().searchBy, 1);
        w.control<HistoryCombo>(ControlId::SearchText)->setEditText("beat");
        QTest::keyClick(w.control<HistoryCombo>(ControlId::SearchText)->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.column(0), QStringList({"Beatles", "The Beatles"}));
        QCOMPARE(w.control<HistoryCombo>(ControlId::SearchText)->entries(),
                 QStringList({"beat", "ab"}));

        // One letter is too short: the message, and the rows stay.
        w.control<HistoryCombo>(ControlId::SearchText)->setEditText("q");
        pane.runSearch();
        QCOMPARE(w.prompter.messages.back(), stringText(TextId::SearchTooShort));
        QCOMPARE(pane.model().rowCount(), 2);
    }

    void letterBarShowsALetterAllRecordsAndASelectorChoice() {
        World w;
        w.addSongs(kBand);
        LibraryPane& pane = w.makePane();
        w.control<QComboBox>(ControlId::SearchField)->setCurrentIndex(1);  // "Artist"
        LetterToolBar* bar = pane.letterBar();
        QCOMPARE(w.controls.find(ControlId::LibraryToolBar), bar);

        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->cellRect(2).center());  // 'B'
        QCOMPARE(w.column(0), QStringList({"Beatles", "Beck"}));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->cellRect(0).center());  // '*'
        QCOMPARE(pane.model().rowCount(), 5);

        // A right click opens the selector: the artists starting with B.
        QStringList offered;
        pane.dialogs().setRunner([&](LibraryChoiceDialog& dialog) {
            for (int row = 0; row < dialog.list()->count(); ++row) {
                offered << dialog.list()->item(row)->text();
            }
            dialog.setSelectedRows({1});
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(bar, Qt::RightButton, {}, bar->cellRect(2).center());
        QCOMPARE(offered, QStringList({"Beatles", "Beck"}));
        QCOMPARE(w.column(0), QStringList({"Beck"}));
    }

    void addToPlayListTakesTheSelectedRecords() {
        World w;
        LibraryPane& pane = w.bandPane();
        w.selectRows({3, 0});
        // Library indices in list order: rows 0 and 3 are song0 and song4.
        QCOMPARE(pane.selectedRecords(), (std::vector<size_t>{0, 4}));
        w.selectRows({0, 2});
        QTest::mouseClick(w.controls.find(ControlId::AddToPlayListButton), Qt::LeftButton);
        const PlayList& list = w.playList->list();
        QCOMPARE(list.count(), size_t(2));
        QCOMPARE(QString::fromStdString(list.at(0).path), w.dir.filePath("song0.mp3"));
        QCOMPARE(QString::fromStdString(list.at(1).path), w.dir.filePath("song2.mp3"));

        // A double click adds the row clicked, as it is then the selection.
        SkinListCtrl* l = pane.list();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QPoint row3 = l->visualRect(pane.model().index(3, 0)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, row3);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, row3);
        QCOMPARE(list.count(), size_t(3));
        QCOMPARE(QString::fromStdString(list.at(2).path), w.dir.filePath("song4.mp3"));
    }

    void removeAsksAndNoKeepsTheRecords() {
        World w;
        LibraryPane& pane = w.bandPane();
        w.selectRows({1, 3});
        QTest::mouseClick(w.controls.find(ControlId::RemoveButton), Qt::LeftButton);
        QCOMPARE(w.prompter.questions.back(), stringText(TextId::RemoveRecordQuestion));
        QCOMPARE(w.library.count(), size_t(5));
        QCOMPARE(w.saver.saves, 0);

        w.prompter.answer = Answer::Yes;
        const QStringList before = w.column(0);
        pane.deleteSelected();
        QCOMPARE(w.library.count(), size_t(3));
        QCOMPARE(w.saver.saves, 1);
        QCOMPARE(w.column(0), QStringList({before[0], before[2], before[4]}));
        QCOMPARE(pane.selectedRecords().size(), size_t(0));

        pane.selectAll(true);
        pane.deleteSelected();
        QCOMPARE(w.library.count(), size_t(0));
        QCOMPARE(pane.model().rowCount(), 0);
    }

    void theFirstFillShowsLetterAFromTwoHundredRecords() {
        World w;
        std::vector<Song> songs(199, Song{"Zed", "Song"});
        songs[7] = {"Alpha", "Song"};
        w.addSongs(songs);
        LibraryPane& pane = w.makePane();
        // A Genre search field must not open the genre picker at start.
        w.control<QComboBox>(ControlId::SearchField)->setCurrentIndex(4);
        pane.dialogs().setRunner([](LibraryChoiceDialog&) -> int {
            qFatal("no dialog expected");
            return 0;
        });
        pane.libraryChanged();
        QCOMPARE(pane.model().rowCount(), 199);
        w.addSongs({{"Zed", "Song"}});
        pane.libraryChanged();
        QCOMPARE(w.column(0), QStringList({"Alpha"}));
    }

    void aGenreSearchInsistsOnAGenre() {
        World w;
        w.addSongs({{"Abba", "Waterloo", "Pop"}, {"Queen", "Innuendo", "Rock"}});
        LibraryPane& pane = w.makePane();
        w.control<QComboBox>(ControlId::SearchField)->setCurrentIndex(4);  // "Genre"
        int shown = 0;
        pane.dialogs().setGenreRunner([&](GenrePickerDialog& dialog) {
            // OK with nothing chosen first, then with "Rock".
            ++shown;
            dialog.accept();
            dialog.list()->findItems("Rock", Qt::MatchExactly).front()->setSelected(true);
            dialog.accept();
            return dialog.result();
        });
        pane.runSearch();
        QCOMPARE(shown, 1);
        QCOMPARE(w.prompter.messages, std::vector<std::string>{stringText(TextId::SelectOneGenre)});
        QCOMPARE(w.column(0), QStringList({"Queen"}));
    }

    void theLetterBarCutsItsStripIntoCellsAndWorksWithoutIt() {
        test::SkinWidgetFixture fixture;
        LetterToolBar bar(fixture.context());
        // No bitmap: the letters are written in cells of the default size.
        QCOMPARE(bar.sizeForRows(2), QSize(14 * 11, 2 * 15));
        bar.resize(bar.sizeForRows(2));
        QVERIFY(!bar.grab().isNull());
        QSignalSpy letters(&bar, &LetterToolBar::letterChosen);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.cellRect(26).center());
        QCOMPARE(letters.takeFirst().at(0).value<char>(), 'Z');
        QCOMPARE(bar.cellRect(14).topLeft(), QPoint(0, 15));

        fixture.skin().setBitmap(skin::kSearchToolbar, test::solidImage({270, 20}, Qt::gray));
        QCOMPARE(bar.cellSize(), QSize(10, 20));
        bar.resize(bar.sizeForRows(1));
        QCOMPARE(bar.cellAt({265, 10}), 26);
        // A press that ends on another cell chooses nothing.
        QTest::mousePress(&bar, Qt::LeftButton, {}, bar.cellRect(1).center());
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, bar.cellRect(2).center());
        QCOMPARE(letters.count(), 0);
    }

    void buttonsTheWindowRunsGoToItsCommands() {
        World w;
        w.makePane();
        QTest::mouseClick(w.controls.find(ControlId::AddButton), Qt::LeftButton);
        QTest::mouseClick(w.controls.find(ControlId::EditButton), Qt::LeftButton);
        QCOMPARE(w.target.commands,
                 (std::vector<Command>{Command::AddButton, Command::EditButton}));
        QCOMPARE(w.control<SkinButton>(ControlId::AddToPlayListButton)->tipText(),
                 QString("Add song to playlist"));
    }

    void showHideColumnsGivesTheListItsNewColumns() {
        World w;
        LibraryPane& pane = w.bandPane();
        QCOMPARE(pane.model().columnCount(), 2);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ShowHideColumnsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->lengthBox()->setChecked(true);
            dialog->okButton()->click();
        });
        QVERIFY(pane.runCommand(Command::ShowHideColumns));
        QCOMPARE(pane.model().columnCount(), 3);
        QCOMPARE(pane.model().headerData(2, Qt::Horizontal).toString(), QString("Length"));
        QCOMPARE(w.prefs->values().showLength, 1);
    }

    void aRightClickOnASelectedRowAsksForTheMenu() {
        World w;
        LibraryPane& pane = w.bandPane();
        QSignalSpy asked(&pane, &LibraryPane::contextMenuRequested);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        SkinListCtrl* l = pane.list();
        const QPoint row1 = l->visualRect(pane.model().index(1, 0)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, row1);
        emit l->customContextMenuRequested(row1);
        QCOMPARE(asked.count(), 1);
        const QPoint below = l->viewport()->rect().bottomLeft() - QPoint(-4, 4);
        emit l->customContextMenuRequested(below);
        QCOMPARE(asked.count(), 1);
    }

    // The widgets on the window at the template's size, in both bundled
    // skins: none leaves the window or covers another. With
    // SONARA_LIBRARY_SHOTS set to a folder, the pictures are written there.
    void theWidgetsFitTheWindowInBothSkins() {
        for (const char* skinName : {"Default", "Daylight"}) {
            World w;
            w.addSongs(kBand);
            LibraryPane& pane = w.makePane();
            QVERIFY(w.switcher->select(skinName, w.window.get()));
            pane.skinChanged();
            pane.showLetter('*');
            w.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
            std::vector<std::pair<ControlId, QRect>> placed;
            w.controls.forEach([&](ControlId id, QWidget* widget) {
                placed.emplace_back(id, widget->geometry());
            });
            for (size_t i = 0; i < placed.size(); ++i) {
                QVERIFY(w.window->rect().contains(placed[i].second));
                for (size_t j = i + 1; j < placed.size(); ++j) {
                    QVERIFY2(!placed[i].second.intersects(placed[j].second),
                             qPrintable(QString("%1 and %2 overlap in %3")
                                            .arg(int(placed[i].first))
                                            .arg(int(placed[j].first))
                                            .arg(skinName)));
                }
            }
            const QByteArray folder = qgetenv("SONARA_LIBRARY_SHOTS");
            if (!folder.isEmpty()) {
                // The letter C under the mouse.
                const QPointF hot = pane.letterBar()->cellRect(3).center();
                QMouseEvent move(QEvent::MouseMove, hot, pane.letterBar()->mapToGlobal(hot),
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(pane.letterBar(), &move);
                w.window->grab().save(QString("%1/library-%2.png").arg(folder, skinName));
                LibraryChoiceDialog selector(w.services->skin, "Artist Selector", "Artist",
                                             {"Abba", "Beatles", "Beck"}, false, w.window.get());
                selector.show();
                QTRY_VERIFY(!selector.isAnimating());
                selector.grab().save(QString("%1/selector-%2.png").arg(folder, skinName));
            }
        }
    }
};

SONARA_GUI_TEST(LibraryPaneTest)
#include "LibraryPaneTest.moc"

#include "WindowBench.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchApplication.h"
#include "ChildPeak.h"
#include "PlaybackBench.h"
#include "ResultTable.h"
#include "SearchBench.h"
#include "Stopwatch.h"
#include "audio/engine/PlayerHost.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "core/app/DataPaths.h"
#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/mainwnd/ViewTable.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/WindowPlacement.h"
#include "gui/app/AppSession.h"
#include "gui/controls/HistoryCombo.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/mainwnd/DisplayPanel.h"
#include "gui/mainwnd/LevelMeterDisplay.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayListPane.h"
#include "gui/mainwnd/SpectrumDisplay.h"
#include "skin/DefaultSkin.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

using Clock = std::chrono::steady_clock;

// Starts are short and the machine shared: the best of many.
constexpr int kStartRuns = 11;
constexpr int kRuns = 15;
constexpr int kPlayListEntries = 2000;
constexpr double kPlayMs = 5000;
constexpr int kChildTimeoutSeconds = 120;

double since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A session and its window, opened as the program opens them.
struct OpenWindow {
    std::unique_ptr<gui::AppSession> session;
    std::unique_ptr<gui::MainWindow> window;
    double startMs = 0;

    void close() {
        window.reset();
        session.reset();
        QApplication::processEvents();
    }
};

// Measured in-process from the session's construction to the end of the
// window's first forced paint, in the order the program's main() takes; the
// process's own start-up before main() (loading, Qt's application object) is
// not included. Nobody answers prompts: each gets the answer that changes
// nothing, as with --screenshot.
OpenWindow openWindow(const std::string& home) {
    OpenWindow open;
    const auto start = Clock::now();
    open.session = std::make_unique<gui::AppSession>(DataPaths::resolve(home), skin::defaultSkin(),
                                                     skin::bundledSkins());
    open.session->prompter().setScript([](const gui::PromptRequest& request) {
        return request.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    });
    open.session->setCommandLine({}, QDir::currentPath().toStdString());
    if (const Status started = open.session->startUp(); !started) {
        std::printf("window bench: start-up failed: %s\n", started.error().c_str());
        open.session.reset();
        return open;
    }
    open.window = std::make_unique<gui::MainWindow>(open.session->services());
    open.session->prompter().setParentWindow(open.window.get());
    open.window->show();
    // The empty library's start would post the setup wizard, modal, over the
    // window: the figure is the window's.
    open.window->open(open.session->takeCommandLine(), false);
    open.window->repaint();
    open.startMs = since(start);
    return open;
}

// The window's controls as a layout target, so that the window's own tables
// can be applied and timed apart from the rest of a relayout.
class WindowControls final : public LayoutTarget {
  public:
    explicit WindowControls(const gui::ControlMap& controls) : controls_(controls) {}
    Rect controlRect(ControlId id) const override {
        const QWidget* widget = controls_.find(id);
        return widget ? Rect{widget->x(), widget->y(), widget->width(), widget->height()} : Rect{};
    }
    void moveControl(ControlId id, const Rect& rect) override {
        if (QWidget* widget = controls_.find(id)) {
            const QRect to(rect.left, rect.top, rect.width, rect.height);
            moved += widget->geometry() != to ? 1 : 0;
            widget->setGeometry(to);
        }
    }
    int moved = 0;

  private:
    const gui::ControlMap& controls_;
};

// A view's table applied to the window's controls, the client one pixel
// wider every other run so that each run moves them.
double layoutMs(gui::MainWindow& window, ViewMode view) {
    WindowControls target(window.controls());
    const LayoutEngine& engine = window.layoutEngine();
    const LayoutTable& table = engine.tableFor(view, true);
    int turn = 0;
    const double ms = bestMilliseconds(kRuns, [&] {
        // Wider by a tenth every other run: each run moves what follows the
        // width.
        table.apply(
            target,
            Rect{0, 0, window.width() + (turn++ % 2) * window.width() / 10, window.height()},
            engine.workSpacePercent());
    });
    std::printf("view %d's table: %zu rows, %d controls moved per run\n", viewModeNumber(view),
                table.rules().size(), target.moved / kRuns);
    window.relayout();
    return ms;
}

// A resize by one pixel and back, until its events are processed (for the
// window: the layout, the stored placement and the repaint).
double resizeMs(QWidget& window) {
    const int width = window.width();
    const int height = window.height();
    int turn = 0;
    const double ms = bestMilliseconds(kRuns, [&] {
        window.resize(width + (++turn % 2), height);
        QApplication::processEvents();
    });
    window.resize(width, height);
    QApplication::processEvents();
    return ms;
}

// A new screenful of `list` each run, as scrolling gives, painted at once.
double screenfulMs(QTreeView& list) {
    QScrollBar* bar = list.verticalScrollBar();
    const int page = std::max(1, bar->pageStep());
    int step = 0;
    return bestMilliseconds(kRuns, [&] {
        const int top = (++step * page) % std::max(1, bar->maximum());
        bar->setValue(top);
        list.viewport()->repaint();
    });
}

// A plain, unskinned tree view of the same size over rows held in memory.
double plainListMs(QSize size, int columns) {
    QStandardItemModel model(2000, columns);
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            model.setItem(
                row, column,
                new QStandardItem(QStringLiteral("Plain text %1 of row %2").arg(column).arg(row)));
        }
    }
    QTreeView view;
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(size);
    view.show();
    QApplication::processEvents();
    return screenfulMs(view);
}

// CPU over wall time while the event loop runs for kPlayMs with `song`
// playing, in percent of one core.
std::optional<double> playingCpuPercent(audio::PlayerHost& player, const std::string& song) {
    if (!player.open(song) || !player.play()) {
        return std::nullopt;
    }
    // The start's own work (opening the output) is no part of playing.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    const double cpuBefore = cpuMilliseconds();
    const auto wallBefore = Clock::now();
    QEventLoop loop;
    QTimer::singleShot(int(kPlayMs), &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = cpuMilliseconds() - cpuBefore;
    const double wall = since(wallBefore);
    const bool stillPlaying = player.isPlaying();
    player.stop();
    QApplication::processEvents();
    if (!stillPlaying) {
        std::printf("window bench: the song stopped before the measure ended\n");
        return std::nullopt;
    }
    return 100.0 * cpu / wall;
}

// The real program rendering its window to a picture and exiting.
ChildRun runScreenshot(const std::string& home, const std::string& picture) {
    return runAndMeasure(
        {SONARA_PROGRAM_PATH, "--home", home, "--screenshot", picture, "-platform", "offscreen"},
        kChildTimeoutSeconds);
}

// The lower of two runs' figures; a failed run counts as none.
ChildRun best(const ChildRun& a, const ChildRun& b) {
    if (!a.ok || !b.ok) {
        return a.ok ? a : b;
    }
    return {true, std::min(a.peakMb, b.peakMb), std::min(a.maxRssMb, b.maxRssMb),
            std::min(a.wallMs, b.wallMs)};
}

// The first start stands apart: it alone pays Qt's first use (fonts).
struct StartFigures {
    double startMs = 1e300;  // the best of the later starts
    double coldMs = 0;
    void note(int run, double ms) {
        if (run == 0) {
            coldMs = ms;
        } else {
            startMs = std::min(startMs, ms);
        }
    }
};

void addRow(ResultTable& table, std::string figure, double ours, double baseline,
            std::string baselineName, std::optional<double> maxRatio,
            std::optional<double> mustBeat, std::string unit = "ms") {
    table.add({std::move(figure), ours, baseline, std::move(unit), std::move(baselineName),
               maxRatio, mustBeat, mustBeat ? "target" : ""});
}

}  // namespace

void runWindowBench(int records, ResultTable& table) {
    const BenchApplication app;
    std::printf("window bench on the %s platform\n", qgetenv("QT_QPA_PLATFORM").constData());

    const testing::TempDir emptyHome;
    const testing::TempDir fullHome;
    if (!saveGeneratedLibrary(DataPaths::resolve(fullHome.path().string()).library, records)) {
        return;
    }
    const std::string n = std::to_string(records);

    // Alternate starts, so that neither library has the machine's caches to
    // itself.
    StartFigures empty;
    StartFigures full;
    OpenWindow emptyWindow;
    OpenWindow fullWindow;
    // Each start's window stays open until the next; the last stays for the
    // figures below.
    auto start = [](const testing::TempDir& home, OpenWindow& open, StartFigures& figures,
                    int run) {
        open.close();
        open = openWindow(home.path().string());
        figures.note(run, open.startMs);
        return open.window != nullptr;
    };
    for (int run = 0; run < kStartRuns; ++run) {
        if (!start(emptyHome, emptyWindow, empty, run) || !start(fullHome, fullWindow, full, run)) {
            return;
        }
    }
    // The empty library's first-run prompt is queued on the window: let the
    // start settle before anything else is timed.
    QApplication::processEvents();
    addRow(table, "window start to first paint, " + n + " records", full.startMs, empty.startMs,
           "the same start, empty library", 1.5, 400.0);
    std::printf(
        "window start, first of each (Qt's first use too): %.1f ms with %s records, "
        "%.1f ms empty\n",
        full.coldMs, n.c_str(), empty.coldMs);

    gui::MainWindow& window = *fullWindow.window;
    gui::LibraryPane& pane = *window.panes().library();

    // Where the larger library's start goes: reading its file. The list's
    // first fill is posted and runs after the first paint; it is shown
    // beside the start for scale.
    const double load = bestMilliseconds(kStartRuns, [&] {
        Library library;
        library_file::load(DataPaths::resolve(fullHome.path().string()).library, library);
        gSink = gSink + static_cast<long long>(library.count());
    });
    addRow(table, "  of which: Sonara.dat read, " + n + " records", load, full.startMs,
           "the whole start", {}, {});
    const double firstFill = bestMilliseconds(kStartRuns, [&] {
        pane.libraryChanged();
        pane.list()->viewport()->repaint();
    });
    addRow(table, "  after it: the list's first fill, " + n + " records", firstFill, full.startMs,
           "the whole start", {}, {});
    QTreeView& libraryList = *pane.list();
    QTreeView& playList = *window.panes().playListPane()->list();

    // Layout and resize, each beside the same with the empty library.
    const double normalLayout = layoutMs(window, ViewMode::Normal);
    const double toolbarLayout = layoutMs(window, ViewMode::Toolbar);
    addRow(table, "view 0's layout table applied", normalLayout, toolbarLayout,
           "view 4's small table", {}, 2.0);
    const double relayout = bestMilliseconds(kRuns, [&] { window.relayout(); });
    addRow(table, "whole relayout of view 0, same size", relayout, normalLayout,
           "view 0's table alone", {}, {});
    const double resizeFull = resizeMs(window);
    const double resizeEmpty = resizeMs(*emptyWindow.window);
    addRow(table, "resize by 1 px, " + n + " records", resizeFull, resizeEmpty,
           "the same, empty library", {}, 8.0);
    {
        PreferenceStore& prefs = fullWindow.session->prefs();
        const std::string_view key = placementKeyFor(window.view(), window.ownerMode());
        const std::optional<WindowPlacement> stored = prefs.windowPlacement(key);
        if (stored) {
            const double write = bestMilliseconds(kRuns, [&] {
                if (!prefs.setWindowPlacement(key, *stored)) {
                    std::printf("window bench: the placement could not be stored\n");
                }
            });
            addRow(table, "  of which: the placement stored in Sonara.ini", write, resizeFull,
                   "the whole resize", {}, {});
        }
    }
    addRow(table, "  of which: the library list's own resize", resizeMs(*pane.list()),
           resizeMs(*emptyWindow.window->panes().library()->list()), "the same, empty library", {},
           {});
    emptyWindow.close();

    // Search and Go until the list repainted, beside the repaint alone.
    const char* const kSearches[] = {"lonely", "summer"};
    int turn = 0;
    const double search = bestMilliseconds(kRuns, [&] {
        pane.searchText()->setCurrentText(QString::fromLatin1(kSearches[turn++ % 2]));
        pane.runSearch();
        libraryList.viewport()->repaint();
    });
    const double listRepaint = bestMilliseconds(kRuns, [&] { libraryList.viewport()->repaint(); });
    addRow(table, "search and Go, " + n + " records", search, listRepaint,
           "the list's repaint alone", {}, 30.0);

    // A screenful of each list: the library showing every record, the play
    // list a long queue.
    pane.showLetter('*');
    {
        Library& library = fullWindow.session->library();
        std::vector<PlayListEntry> entries;
        for (size_t i = 0; i < library.count() && entries.size() < kPlayListEntries; ++i) {
            PlayListEntry entry;
            entry.path = "/music/" + std::string(library.at(i)->fileName());
            entry.title = std::string(library.at(i)->title());
            entry.artist = std::string(library.at(i)->artist());
            entry.length = library.at(i)->lengthSeconds;
            entry.state = EntryState::Unplayed;
            entries.push_back(std::move(entry));
        }
        fullWindow.session->playList().list().appendAll(std::move(entries));
    }
    QApplication::processEvents();
    const double plain = plainListMs(libraryList.viewport()->size(), 4);
    addRow(table, "library list screenful, " + n + " rows", screenfulMs(libraryList), plain,
           "a plain tree view, same size", {}, 5.0);
    addRow(table,
           "play list screenful, " + std::to_string(playList.model()->rowCount()) + " entries",
           screenfulMs(playList), plainListMs(playList.viewport()->size(), 4),
           "a plain tree view, same size", {}, 5.0);
    std::printf("window %dx%d, library list %dx%d showing %d rows, play list %dx%d\n",
                window.width(), window.height(), libraryList.viewport()->width(),
                libraryList.viewport()->height(), libraryList.model()->rowCount(),
                playList.viewport()->width(), playList.viewport()->height());

    // Playing with all six displays on, beside the same playback after the
    // window closed.
    audio::pulse::PulseOutputFactory outputs;
    if (outputs.deviceName(0).empty()) {
        std::printf(
            "(window playback skipped: no sound server; run it through "
            "scripts/with-pulse)\n");
    } else {
        const testing::TempDir songDir;
        const std::string song = makeBenchSong(songDir);
        Preferences& values = fullWindow.session->prefs().values();
        values.visualLargeSpectrum = values.visualSmallSpectrum = 1;
        values.visualShortLevels = values.visualTallLevels = 1;
        window.relayout();
        gui::DisplayPanel& displays = *window.panes().displays();
        const int shown =
            int(displays.largeSpectrum().isVisible()) + int(displays.smallSpectrum().isVisible()) +
            int(displays.tallLeft().isVisible() && displays.tallRight().isVisible()) +
            int(displays.shortLeft().isVisible() && displays.shortRight().isVisible());
        std::printf("displays shown: %d of 4 (spectra and level pairs), fed: %s\n", shown,
                    displays.isConnected() ? "yes" : "no");
        audio::PlayerHost& player = fullWindow.session->player();
        const std::optional<double> withWindow = playingCpuPercent(player, song);
        fullWindow.window.reset();
        player.setDisplaysShown(false);
        const std::optional<double> without = playingCpuPercent(player, song);
        if (withWindow && without) {
            addRow(table, "playing, window open, six displays", *withWindow, *without,
                   "the same playback, no window", {}, 4.0, "%");
        }
    }
    fullWindow.close();

    // The real program's peak resident memory with the window shown.
    // Fresh homes with the default preferences (the runs above changed
    // theirs), the larger holding the same library file. Twice each,
    // alternating: the first run also reads the program from the disk.
    const testing::TempDir emptyChild;
    const testing::TempDir fullChild;
    std::filesystem::copy_file(DataPaths::resolve(fullHome.path().string()).library,
                               DataPaths::resolve(fullChild.path().string()).library);
    ChildRun emptyRun;
    ChildRun fullRun;
    for (int run = 0; run < 2; ++run) {
        emptyRun =
            best(emptyRun, runScreenshot(emptyChild.path().string(), emptyChild.file("shot.png")));
        fullRun =
            best(fullRun, runScreenshot(fullChild.path().string(), fullChild.file("shot.png")));
    }
    if (const char* keep = std::getenv("SONARA_BENCH_SHOT")) {
        std::filesystem::copy_file(fullChild.file("shot.png"), keep,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    if (emptyRun.ok && fullRun.ok) {
        addRow(table, "sonara --screenshot peak RSS, " + n + " records", fullRun.peakMb,
               emptyRun.peakMb, "the same, empty library", {}, 120.0, "MB");
        addRow(table, "  its ru_maxrss (holds the bench's own size)", fullRun.maxRssMb,
               emptyRun.maxRssMb, "the same, empty library", {}, {}, "MB");
        addRow(table, "sonara --screenshot, exec to exit, " + n + " records", fullRun.wallMs,
               emptyRun.wallMs, "the same, empty library", {}, {});
    }
}

}  // namespace sonara::bench

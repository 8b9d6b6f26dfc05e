#include "ProgressBench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "BenchApplication.h"
#include "Stopwatch.h"
#include "core/library/Drives.h"
#include "core/library/LengthProbe.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/GuiPrompter.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

constexpr int kFilesPerFolder = 1000;
constexpr int kFrameMs = 16;
constexpr int kSlowFileMs = 400;
constexpr double kMaxGapMs = 100;
constexpr const char* kSlowName = "slow song.mp3";

// Every folder a local disk, whatever the bench's temporary folder is.
class LocalDrives final : public Drives {
  public:
    DriveKind kindOf(const std::string&) const override { return DriveKind::Fixed; }
    std::string labelOf(const std::string&) const override { return {}; }
    std::vector<MountedDrive> drives() const override { return {}; }
};

// A file on a slow disk: one song takes long to read.
class SlowProbe final : public LengthProbe {
  public:
    int64_t lengthMilliseconds(const std::string& path) override {
        if (path.ends_with(kSlowName)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kSlowFileMs));
        }
        return 0;
    }
};

// A window repainted every frame, as the player's displays are; it keeps
// the longest time between two paints.
class PaintClock final : public QWidget {
  public:
    PaintClock() {
        resize(400, 300);
        connect(&frames_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        frames_.start(kFrameMs);
    }
    void restart() {
        longestMs_ = 0;
        since_.start();
    }
    double longestMs() const { return std::max<double>(longestMs_, double(since_.elapsed())); }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (since_.isValid()) {
            longestMs_ = std::max<qint64>(longestMs_, since_.elapsed());
            since_.restart();
        }
    }

  private:
    QTimer frames_;
    QElapsedTimer since_;
    qint64 longestMs_ = 0;
};

void makeTree(const std::filesystem::path& tree, int files) {
    for (int i = 0; i < files; ++i) {
        const std::filesystem::path folder =
            tree / ("folder " + std::to_string(i / kFilesPerFolder));
        if (i % kFilesPerFolder == 0) {
            std::filesystem::create_directories(folder);
        }
        std::ofstream(folder / ("song " + std::to_string(i) + ".mp3")) << 'x';
    }
    testing::writeMp3(tree / "folder 0" / kSlowName, testing::songSpec(0.2));
}

struct Run {
    double ms = 0;
    int added = 0;
};

Run update(const std::string& tree, Prompter& prompter) {
    SlowProbe probe;
    RecordFactory factory(&probe, false);
    LocalDrives drives;
    Library library;
    SourcesList sources;
    PathCache cache;
    sources.add(tree, "", 1);
    LibraryScope scope{library, sources, cache, factory, drives, prompter};
    Run run;
    run.ms = bestMilliseconds(1, [&] { run.added = runLibraryUpdate(scope).added; });
    return run;
}

}  // namespace

void runProgressBench(int files, ResultTable& table) {
    const BenchApplication app;

    const testing::TempDir home;
    const std::string tree = home.file("music") + "/";
    std::printf("progress bench: writing %d songs...\n", files);
    makeTree(home.path() / "music", files);

    PreferenceStore store(home.file("Sonara.ini"), home.path().string());
    (void)store.loadAll();
    gui::SkinRecord record;
    gui::SkinContext context{record, store};
    gui::SkinSwitcher switcher(context, skin::defaultSkin(), skin::bundledSkins());
    switcher.startUp();

    testing::ScriptedPrompter silent;
    const Run bare = update(tree, silent);

    PaintClock window;
    window.show();
    QApplication::processEvents();
    gui::GuiPrompter prompter(context);
    prompter.setParentWindow(&window);
    window.restart();
    const Run shown = update(tree, prompter);
    const double gapMs = window.longestMs();

    if (shown.added != bare.added || shown.added != files + 1) {
        std::printf("progress bench: %d and %d songs added, not %d\n", shown.added, bare.added,
                    files + 1);
    }
    const std::string n = std::to_string(files + 1);
    table.add({"update of " + n + " songs: longest gap between repaints", gapMs, kMaxGapMs, "ms",
               "target", std::nullopt, kMaxGapMs, "target"});
    table.add({"update of " + n + " songs with its progress dialog", shown.ms, bare.ms, "ms",
               "the same update without a dialog", 1.5, std::nullopt, ""});
}

}  // namespace sonara::bench

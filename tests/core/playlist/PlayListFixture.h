#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/app/DataFileSaver.h"
#include "core/app/Dispatcher.h"
#include "core/library/LengthProbe.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListPlayer.h"
#include "core/playlist/PlayListView.h"
#include "core/settings/PreferenceStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::testing {

// A player that opens whatever is not scripted to fail and plays at once.
class FakePlayer final : public PlayListPlayer {
  public:
    bool open(const std::string& path, PlayOutcome& outcome) override {
        opens.push_back(path);
        if (const auto it = failures.find(path); it != failures.end()) {
            outcome = it->second;
            return false;
        }
        openPath = path;
        isOpen = true;
        outcome = PlayOutcome::Ok;
        return true;
    }
    bool play(PlayOutcome& outcome) override {
        if (playFailure) {
            outcome = *playFailure;
            return false;
        }
        playing = true;
        outcome = PlayOutcome::Ok;
        return true;
    }
    void stopIfOpen() override {
        if (isOpen) {
            ++stops;
        }
        isOpen = playing = false;
    }
    bool isPlaying() const override { return playing; }

    std::map<std::string, PlayOutcome> failures;
    std::optional<PlayOutcome> playFailure;
    std::vector<std::string> opens;
    std::string openPath;
    bool isOpen = false;
    bool playing = false;
    int stops = 0;
};

// A window whose rows follow the notices: `rows` must always equal the
// play list's paths.
class FakeView final : public PlayListView {
  public:
    explicit FakeView(const PlayList& list) : list_(list) {}

    void rowsInserted(size_t first, size_t count) override {
        for (size_t i = 0; i < count; ++i) {
            rows.insert(rows.begin() + std::ptrdiff_t(first + i), list_.at(first + i).path);
        }
    }
    void rowsRemoved(size_t first, size_t count) override {
        rows.erase(rows.begin() + std::ptrdiff_t(first),
                   rows.begin() + std::ptrdiff_t(first + count));
    }
    void rowChanged(size_t row) override { changed.push_back(row); }
    void rowsSwapped(size_t a, size_t b) override { std::swap(rows[a], rows[b]); }
    void rowsReset() override {
        rows.clear();
        for (const PlayListEntry& entry : list_.entries()) {
            rows.push_back(entry.path);
        }
    }
    void selectRow(size_t row) override { selected = row; }
    void totalsChanged(const PlayListTotals& t) override { totals = t; }
    void captionChanged(const std::string& text) override { caption = text; }
    void setScrollingTitle(const std::string& text) override { scrollingTitle = text; }
    void currentOpened(size_t row) override { opened.push_back(row); }
    void showIdleTitle() override { ++idleTitles; }
    void resetDisplay() override { ++displayResets; }
    void pressStop() override { ++stopPresses; }
    int viewMode() const override { return mode; }

    std::vector<std::string> paths() const {
        std::vector<std::string> all;
        for (const PlayListEntry& entry : list_.entries()) {
            all.push_back(entry.path);
        }
        return all;
    }

    std::vector<std::string> rows;
    std::vector<size_t> changed;
    std::vector<size_t> opened;
    std::optional<size_t> selected;
    PlayListTotals totals;
    std::string caption;
    std::string scrollingTitle;
    int idleTitles = 0;
    int displayResets = 0;
    int stopPresses = 0;
    int mode = 0;

  private:
    const PlayList& list_;
};

class CountingSaver final : public DataFileSaver {
  public:
    void saveDataFiles() override {
        ++saves;
        if (alsoSave) {
            alsoSave();
        }
    }
    int saves = 0;
    std::function<void()> alsoSave;
};

// Lengths by file name; 0 for the rest.
class FakeProbe final : public LengthProbe {
  public:
    int64_t lengthMilliseconds(const std::string& path) override {
        const auto it = seconds.find(path.substr(path.rfind('/') + 1));
        return it == seconds.end() ? 0 : it->second * 1000;
    }
    std::map<std::string, int> seconds;
};

// A Dispatcher whose timers fire only when the test says so.
class ManualDispatcher final : public Dispatcher {
  public:
    void post(Task task) override { tasks.push_back(std::move(task)); }
    void drainUntil(const std::function<bool()>& done) override {
        while (!tasks.empty() && !done()) {
            Task task = std::move(tasks.front());
            tasks.erase(tasks.begin());
            task();
        }
    }
    void startTimer(int id, int intervalMs, Task tick) override {
        timers[id] = {intervalMs, std::move(tick)};
        ++starts[id];
    }
    void killTimer(int id) override { timers.erase(id); }
    bool running(int id) const { return timers.count(id) != 0; }
    void fire(int id) {
        if (const auto it = timers.find(id); it != timers.end()) {
            Task tick = it->second.second;
            tick();
        }
    }

    std::vector<Task> tasks;
    std::map<int, std::pair<int, Task>> timers;
    std::map<int, int> starts;
};

// A play list over a library of real (empty) files in a temporary folder.
class PlayListFixture : public ::testing::Test {
  protected:
    PlayListFixture()
        : prefs(dir.file("Sonara.ini"), dir.path().string()),
          factory(&probe, false),
          list(PlayList::Environment{prefs, prompter, factory, cache, sources, saver,
                                     dir.file("CurrPl.snl")}),
          view(list) {
        EXPECT_TRUE(prefs.loadAll());
        Preferences& p = prefs.values();
        p.useAsDefaultPlayer = 1;
        p.useLibraryWizard = 0;
        p.randomAdd = 0;
        p.removePlayedSong = 0;
        p.randomGenre.clear();
        p.useTagInfoDBAdd = 0;
        p.firstLetterCaps = p.replaceBrackets = p.replaceParens = p.replaceUnderscore = 0;
        p.lastView = 0;
        list.setLibrary(&library);
        list.setPlayer(&player);
        list.setView(&view);
    }

    // A file in the music folder, known to the path cache, with a record in
    // the library; nullptr for `inLibrary` false.
    LibraryRecord* song(const std::string& name, int seconds = 60, const std::string& genre = "",
                        bool onDisk = true) {
        const std::string path = dir.file(name);
        if (onDisk) {
            writeText(path, "");
            cache.addFile(path);
        }
        probe.seconds[name] = seconds;
        auto record = std::make_unique<LibraryRecord>();
        record->setFileName(name);
        record->setTitle("Title " + name);
        record->setArtist("Artist " + name);
        record->setGenre(genre);
        record->lengthSeconds = seconds;
        return library.insert(std::move(record));
    }

    // Songs appended to the list (not through the library).
    void queue(const std::vector<std::string>& names, int seconds = 60) {
        for (const std::string& name : names) {
            LibraryRecord* record = song(name, seconds);
            ASSERT_NE(record, nullptr);
            list.append(*record, dir.file(name), false);
        }
    }

    std::string path(const std::string& name) const { return dir.file(name); }

    std::vector<EntryState> states() const {
        std::vector<EntryState> all;
        for (const PlayListEntry& entry : list.entries()) {
            all.push_back(entry.state);
        }
        return all;
    }

    int currentCount() const {
        int n = 0;
        for (const PlayListEntry& entry : list.entries()) {
            n += entry.state == EntryState::Current ? 1 : 0;
        }
        return n;
    }

    void TearDown() override {
        // Whatever a test did, the window's rows still mirror the entries and
        // at most one entry is current.
        EXPECT_EQ(view.rows, view.paths());
        EXPECT_LE(currentCount(), 1);
        if (list.current()) {
            EXPECT_LT(*list.current(), list.count());
        }
    }

    TempDir dir;
    PreferenceStore prefs;
    ScriptedPrompter prompter;
    FakeProbe probe;
    RecordFactory factory;
    PathCache cache;
    SourcesList sources;
    CountingSaver saver;
    Library library;
    FakePlayer player;
    PlayList list;
    FakeView view;
};

}  // namespace sonara::testing

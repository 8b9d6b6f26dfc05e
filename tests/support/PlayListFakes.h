#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/DataFileSaver.h"
#include "core/app/Dispatcher.h"
#include "core/library/LengthProbe.h"
#include "core/playlist/NowPlaying.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListObserver.h"
#include "core/playlist/PlayListPlayer.h"

namespace sonara::testing {

// A player that opens whatever is not scripted to fail and plays at once.
class FakePlayer final : public PlayListPlayer {
  public:
    Status open(const std::string& path) override {
        opens.push_back(path);
        if (const auto it = failures.find(path); it != failures.end()) {
            return Status::failure(it->second, "scripted failure");
        }
        openPath = path;
        isOpen = true;
        return Status::success();
    }
    Status play() override {
        if (playFailure) {
            return Status::failure(*playFailure, "scripted failure");
        }
        playing = true;
        return Status::success();
    }
    void stopIfOpen() override {
        if (isOpen) {
            ++stops;
        }
        isOpen = playing = false;
    }
    bool isPlaying() const override { return playing; }

    std::map<std::string, ErrorKind> failures;
    std::optional<ErrorKind> playFailure;
    std::vector<std::string> opens;
    std::string openPath;
    bool isOpen = false;
    bool playing = false;
    int stops = 0;
};

// A window over the play list and the now-playing model: `rows` follow the
// row notices and must always equal the play list's paths.
class FakeView final : public PlayListObserver, public NowPlayingListener {
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
    void rowsChanged(size_t first, size_t count) override {
        for (size_t row = first; row < first + count; ++row) {
            rows.at(row) = list_.at(row).path;
            changed.push_back(row);
        }
    }
    void rowsReset() override { rows = paths(); }
    void totalsChanged(const PlayListTotals& t) override { totals = t; }

    void captionChanged(const std::string& text) override { caption = text; }
    void scrollingTitleChanged(const std::string& text) override { scrollingTitle = text; }
    void timeChanged(const TimeDisplay& shown) override { time = shown; }
    void songStarted(size_t row) override { opened.push_back(row); }
    void displayReset() override { ++displayResets; }
    void playbackHalted() override { ++stopPresses; }

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
    PlayListTotals totals;
    std::string caption;
    std::string scrollingTitle;
    TimeDisplay time;
    int displayResets = 0;
    int stopPresses = 0;  // halts: what the window's Stop button would do

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
    void fire(int id) {
        if (const auto it = timers.find(id); it != timers.end()) {
            Task tick = it->second.second;
            tick();
        }
    }

    std::vector<Task> tasks;
    std::map<int, std::pair<int, Task>> timers;  // interval and tick by id
    int starts = 0;
    int lastTimer = 0;  // the id of the timer started last

  private:
    int addTimer(int intervalMs, Task tick) override {
        timers[++lastTimer] = {intervalMs, std::move(tick)};
        ++starts;
        return lastTimer;
    }
    void restartTimer(int id, int intervalMs) override { timers.at(id).first = intervalMs; }
    void removeTimer(int id) override { timers.erase(id); }
};

}  // namespace sonara::testing

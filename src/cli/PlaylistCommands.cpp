#include <unistd.h>

#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "audio/engine/PlayListBinding.h"
#include "audio/engine/PlayerTexts.h"
#include "cli/CliPlayList.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/NumberArg.h"
#include "core/app/Command.h"
#include "core/io/FileAttributes.h"
#include "core/playlist/TextPlayList.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

namespace {

constexpr const char* kUsageLine =
    "playlist show [--json] | save FILE | load FILE | add-record FILENAME... | add FILE... | "
    "remove INDEX... | up INDEX | down INDEX | shuffle | random N | reset [INDEX...] | clear | "
    "totals | play [--device INDEX]";

const char* stateName(EntryState state) {
    switch (state) {
        case EntryState::Unplayed:
            return "unplayed";
        case EntryState::Current:
            return "current";
        case EntryState::Played:
            return "played";
        case EntryState::Fresh:
            return "fresh";
    }
    return "unknown";
}

int show(Context& context, bool asJson) {
    const auto& entries = context.playList().list().entries();
    if (asJson) {
        JsonWriter json;
        json.beginArray();
        for (const PlayListEntry& e : entries) {
            json.beginObject();
            json.field("path", e.path);
            json.field("title", e.title);
            json.field("artist", e.artist);
            json.field("reserved", e.reserved);
            json.field("state", int(e.state));
            json.field("length", e.length);
            json.endObject();
        }
        json.endArray();
        std::fprintf(context.out(), "%s\n", json.str().c_str());
        return kSuccess;
    }
    // Numbered from 1, as INDEX operands count.
    size_t row = 0;
    for (const PlayListEntry& e : entries) {
        std::fprintf(context.out(), "%zu\t%s\t%d\t%s\t%s\t%s\n", ++row, stateName(e.state),
                     e.length, e.artist.c_str(), e.title.c_str(), e.path.c_str());
    }
    return kSuccess;
}

// The end of a run that changed the list: the program saves the current
// play list when it exits.
int finish(Context& context, bool ok) {
    const bool saved = context.savePlayList();
    return ok && saved && context.dataFilesSaved() ? kSuccess : kFailure;
}

int reportAdded(Context& context, int added, bool ok) {
    std::fprintf(context.out(), "%d entries added\n", added);
    return finish(context, ok);
}

// INDEX operands are rows as `show` lists them, from 1.
std::optional<std::vector<size_t>> parseRows(Context& context,
                                             const std::vector<std::string>& words) {
    std::vector<size_t> rows;
    const size_t count = context.playList().list().count();
    for (const std::string& word : words) {
        const std::optional<size_t> row = rowNumber(word, count);
        if (!row) {
            context.report("No play-list entry " + word + " (the list has " +
                           std::to_string(count) + ").");
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

int load(Context& context, const std::string& path) {
    PlayListAdder& list = context.playList().adder();
    if (!text_playlist::isPlayListName(path) && !files::exists(path)) {
        context.report("Unable to find " + path);
        return kFailure;
    }
    const auto report = list.loadFile(path);
    if (!report.replaced && report.added == 0) {
        context.report("Nothing was added from " + path + ".");
        return kFailure;
    }
    return reportAdded(context, report.added, report.missing == 0);
}

// As the ">>" button, for library records named by file name.
int addRecords(Context& context, const std::vector<std::string>& names) {
    Library& library = context.library();
    PlayListAdder& list = context.playList().adder();
    const ViewMode view = viewWithoutWindow(context.prefs());
    int added = 0;
    bool ok = true;
    for (const std::string& name : names) {
        const std::optional<size_t> index = library.findByName(name);
        if (!index) {
            context.report(name + " is not in the library.");
            ok = false;
        } else if (list.addRecordFromLibrary(*library.at(index), view)) {
            ++added;
        } else {
            context.report(name + " was not added to the play list.");
            ok = false;
        }
    }
    return reportAdded(context, added, ok);
}

int addFiles(Context& context, const std::vector<std::string>& paths) {
    PlayListAdder& list = context.playList().adder();
    int added = 0;
    bool ok = true;
    for (const std::string& path : paths) {
        if (!files::exists(path)) {
            context.report("Unable to find " + path);
            ok = false;
        } else if (list.addFile(path, false)) {
            ++added;
        }
    }
    return reportAdded(context, added, ok);
}

int addRandom(Context& context, const std::string& countText) {
    const Result<int> typed = readNumber(countText, "N", 1, std::numeric_limits<int>::max());
    if (!typed) {
        return usage(context, kUsageLine, typed.error());
    }
    const int titles = typed.value();
    PlaySequence& list = context.playList().sequence();
    list.setLibrary(&context.library());
    list.rebuildRandomPool();
    const int added = list.addRandom(titles);
    return reportAdded(context, added, added == titles);
}

// Each song of the current play list once it plays, in the lines of `play`.
// The line waits for the player's started event, after which the stream's
// description is known; a song that fails to start gets none.
class StartedSongs final : public NowPlayingListener {
  public:
    StartedSongs(CliPlayer& player, const PlayList& list, std::FILE* out)
        : player_(player),
          list_(list),
          out_(out),
          engineStarted_(player.host().player().onStarted) {
        player_.host().player().onStarted = [this] {
            engineStarted_();
            if (opened_) {
                player_.queue().post([this, row = *opened_] { print(row); });
                opened_.reset();
            }
        };
    }
    ~StartedSongs() override { player_.host().player().onStarted = engineStarted_; }
    StartedSongs(const StartedSongs&) = delete;
    StartedSongs& operator=(const StartedSongs&) = delete;

    void songStarted(size_t row) override { opened_ = row; }
    void captionChanged(const std::string&) override {}
    void scrollingTitleChanged(const std::string&) override {}
    void timeChanged(const TimeDisplay&) override {}
    void displayReset() override {}
    void playbackHalted() override {}

    int started = 0;

  private:
    void print(size_t row) {
        ++started;
        if (row >= list_.count()) {
            return;
        }
        std::fprintf(out_, "%s%zu/%zu %s\n%s\n", ::isatty(::fileno(out_)) != 0 ? "\r\033[K" : "",
                     row + 1, list_.count(), files::namePart(list_.at(row).path).c_str(),
                     audio::fileDescription(player_.host().player(), false).c_str());
        std::fflush(out_);
    }

    CliPlayer& player_;
    const PlayList& list_;
    std::FILE* out_;
    std::function<void()> engineStarted_;
    std::optional<size_t> opened_;
};

// The current play list through the player, with the keys of `play`: from
// the current entry, else the first unplayed one, as the tray's Play does.
int play(Context& context, std::optional<int> device) {
    CurrentPlayList& current = context.playList();
    if (current.list().empty()) {
        context.report("The play list is empty.");
        return kFailure;
    }
    if (current.sequence().options().randomAdd) {
        current.sequence().setLibrary(&context.library());
        current.sequence().rebuildRandomPool();
    }
    CliPlayer player(context, device);
    StartedSongs songs(player, current.list(), context.out());
    current.nowPlaying().setListener(&songs);
    {
        audio::PlayListBinding binding(player.host(), current.sequence());
        player.run(
            binding, [&] { player.host().command(Command::TrayPlay); },
            [&] { return !player.host().isPlaying(); });
    }
    current.nowPlaying().setListener(nullptr);
    if (songs.started == 0) {
        player.hintWhenNoServer();
        context.report(
            "Nothing in the play list could be played (`playlist reset` marks "
            "played songs unplayed).");
    }
    return finish(context, songs.started > 0);
}

int totals(Context& context) {
    const PlayListTotals totals = context.playList().list().totals();
    std::fprintf(context.out(), "Total: %s\nLeft: %s\n", totals.totalText().c_str(),
                 totals.leftText().c_str());
    return kSuccess;
}

}  // namespace

int runPlaylist(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const std::optional<std::string> deviceText = args.takeOption("--device");
    const auto words = args.operands();
    if (args.hasError() || words.empty()) {
        return usage(context, kUsageLine, args.error());
    }
    const std::string& verb = words[0];
    const std::vector<std::string> operands(words.begin() + 1, words.end());
    if (deviceText && verb != "play") {
        return usage(context, kUsageLine);
    }
    if (verb == "show" && operands.empty()) {
        return show(context, asJson);
    }
    if (asJson) {
        return usage(context, kUsageLine);
    }
    if (verb == "play" && operands.empty()) {
        const Result<std::optional<int>> device = readDeviceOption(deviceText);
        if (!device) {
            return usage(context, kUsageLine, device.error());
        }
        return play(context, device.value());
    }
    if (verb == "save" && operands.size() == 1) {
        const Status written =
            text_playlist::write(operands[0], context.playList().list().entries());
        if (!written) {
            context.report(written.error());
            return kFailure;
        }
        return kSuccess;
    }
    if (verb == "load" && operands.size() == 1) {
        return load(context, absolutePath(operands[0]));
    }
    if (verb == "add-record" && !operands.empty()) {
        return addRecords(context, operands);
    }
    if (verb == "add" && !operands.empty()) {
        std::vector<std::string> paths;
        for (const std::string& operand : operands) {
            paths.push_back(absolutePath(operand));
        }
        return addFiles(context, paths);
    }
    if (verb == "random" && operands.size() == 1) {
        return addRandom(context, operands[0]);
    }
    if (verb == "totals" && operands.empty()) {
        return totals(context);
    }
    if (verb == "shuffle" && operands.empty()) {
        context.playList().sequence().shuffle();
        return finish(context, true);
    }
    if (verb == "clear" && operands.empty()) {
        const Status saved = context.playList().adder().clear();
        if (!saved) {
            context.report(saved.error());
        }
        return finish(context, saved.ok());
    }
    const bool oneRow = (verb == "up" || verb == "down") && operands.size() == 1;
    const bool rows = (verb == "remove" && !operands.empty()) || verb == "reset";
    if (!oneRow && !rows) {
        return usage(context, kUsageLine);
    }
    const auto chosen = parseRows(context, operands);
    if (!chosen) {
        return kFailure;
    }
    CurrentPlayList& current = context.playList();
    PlayList& list = current.list();
    if (verb == "up") {
        list.moveUp(chosen->front());
    } else if (verb == "down") {
        list.moveDown(chosen->front());
    } else if (verb == "remove") {
        current.sequence().remove(*chosen);
    } else if (chosen->empty()) {
        current.sequence().resetAllPlayed();
    } else {
        current.sequence().resetPlayed(*chosen);
    }
    return finish(context, true);
}

}  // namespace sonara::cli

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/io/FileAttributes.h"
#include "core/playlist/TextPlayList.h"

namespace sonara::cli {

namespace {

constexpr const char* kUsageLine =
    "playlist show [--json] | save FILE | load FILE | add-record FILENAME... | add FILE... | "
    "remove INDEX... | up INDEX | down INDEX | shuffle | random N | reset [INDEX...] | clear | "
    "totals";

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
    const auto& entries = context.playList().entries();
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
    for (const PlayListEntry& e : entries) {
        std::fprintf(context.out(), "%s\t%d\t%s\t%s\t%s\n", stateName(e.state), e.length,
                     e.artist.c_str(), e.title.c_str(), e.path.c_str());
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
    const size_t count = context.playList().count();
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
    PlayList& list = context.playList();
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
    PlayList& list = context.playList();
    int added = 0;
    bool ok = true;
    for (const std::string& name : names) {
        const std::optional<size_t> index = library.findByName(name);
        if (!index) {
            context.report(name + " is not in the library.");
            ok = false;
        } else if (list.addRecordFromLibrary(*library.at(index))) {
            ++added;
        } else {
            context.report(name + " was not added to the play list.");
            ok = false;
        }
    }
    return reportAdded(context, added, ok);
}

int addFiles(Context& context, const std::vector<std::string>& paths) {
    PlayList& list = context.playList();
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
    size_t used = 0;
    int titles = 0;
    try {
        titles = std::stoi(countText, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != countText.size() || titles < 1) {
        return usage(context, kUsageLine, "N must be a positive number");
    }
    PlayList& list = context.playList();
    list.setLibrary(&context.library());
    list.rebuildRandomPool();
    const int added = list.addRandom(titles);
    return reportAdded(context, added, added == titles);
}

int totals(Context& context) {
    const PlayListTotals totals = context.playList().totals();
    std::fprintf(context.out(), "Total: %s\nLeft: %s\n", totals.totalText().c_str(),
                 totals.leftText().c_str());
    return kSuccess;
}

}  // namespace

int runPlaylist(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto words = args.operands();
    if (args.hasError() || words.empty()) {
        return usage(context, kUsageLine, args.error());
    }
    const std::string& verb = words[0];
    const std::vector<std::string> operands(words.begin() + 1, words.end());
    if (verb == "show" && operands.empty()) {
        return show(context, asJson);
    }
    if (asJson) {
        return usage(context, kUsageLine);
    }
    if (verb == "save" && operands.size() == 1) {
        const Status written = text_playlist::write(operands[0], context.playList().entries());
        if (!written) {
            context.report(written.error());
            return kFailure;
        }
        return kSuccess;
    }
    if (verb == "load" && operands.size() == 1) {
        return load(context, operands[0]);
    }
    if (verb == "add-record" && !operands.empty()) {
        return addRecords(context, operands);
    }
    if (verb == "add" && !operands.empty()) {
        return addFiles(context, operands);
    }
    if (verb == "random" && operands.size() == 1) {
        return addRandom(context, operands[0]);
    }
    if (verb == "totals" && operands.empty()) {
        return totals(context);
    }
    if (verb == "shuffle" && operands.empty()) {
        context.playList().shuffle();
        return finish(context, true);
    }
    if (verb == "clear" && operands.empty()) {
        context.playList().clear();
        return finish(context, true);
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
    PlayList& list = context.playList();
    if (verb == "up") {
        list.moveUp(chosen->front());
    } else if (verb == "down") {
        list.moveDown(chosen->front());
    } else if (verb == "remove") {
        list.remove(*chosen);
    } else if (chosen->empty()) {
        list.resetAllPlayed();
    } else {
        list.resetPlayed(*chosen);
    }
    return finish(context, true);
}

}  // namespace sonara::cli

#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/io/FileAttributes.h"
#include "core/library/RecordFactory.h"
#include "core/metadata/Normaliser.h"
#include "core/playlist/TextPlayList.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

namespace {

constexpr const char* kUsageLine = "playlist show [--json] | save FILE | load FILE";

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
    const auto& entries = context.playList();
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

// An entry for a file, as the play list makes it: a record built for the
// file alone (the library is not searched), its display values and length.
PlayListEntry entryForFile(Context& context, const std::string& path) {
    const NormaliseOptions options = context.prefs().normaliseOptions();
    PlayListEntry entry;
    entry.path = path;
    if (auto record = context.recordFactory().create(path, "")) {
        entry.title = record->displayTitle(options);
        entry.artist = record->displayArtist(options);
        entry.length = record->lengthSeconds;
    }
    entry.reserved = -1;
    entry.state = EntryState::Unplayed;
    return entry;
}

}  // namespace

int runPlaylist(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto words = args.operands();
    if (args.hasError() || words.empty()) {
        return usage(context, kUsageLine, args.error());
    }
    const std::string& verb = words[0];
    if (verb == "show" && words.size() == 1) {
        return show(context, asJson);
    }
    if (verb == "save" && words.size() == 2 && !asJson) {
        const Status written = text_playlist::write(words[1], context.playList());
        if (!written) {
            context.report(written.error());
            return kFailure;
        }
        return kSuccess;
    }
    if (verb == "load" && words.size() == 2 && !asJson) {
        auto& entries = context.playList();
        const auto report = text_playlist::read(
            words[1], [&] { entries.clear(); },
            [&](const std::string& file) {
                if (!files::exists(file)) {
                    context.report("Unable to find " + file);
                    return false;
                }
                entries.push_back(entryForFile(context, file));
                return true;
            },
            context.prompter());
        if (!report.replaced && report.added == 0) {
            context.report("Nothing was added from " + words[1] + ".");
            return kFailure;
        }
        if (!context.savePlayList()) {
            return kFailure;
        }
        std::fprintf(context.out(), "%d entries added\n", report.added);
        return report.missing > 0 ? kFailure : kSuccess;
    }
    return usage(context, kUsageLine);
}

}  // namespace sonara::cli

#include "cli/CommandTable.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "cli/Commands.h"

namespace sonara::cli {

namespace {

constexpr size_t kAny = CommandInfo::kAny;

// In the order the usage lists them: the library, its tools, tags and play
// list, audio, then help.
constexpr std::array kCommands = {
    CommandInfo{"add", "add PATH...",
                "Add MP3 files, and every MP3 file below folders, to the library",
                "A folder also becomes a source of the library. Paths are stored absolute.\n"
                "A file whose name the library already holds is skipped and counted.",
                1, kAny, runAdd},
    CommandInfo{"list", "list [--sort file|artist|album|title|plays|artist-album-title] [--json]",
                "List the songs of the library", "", 0, 0, runList},
    CommandInfo{"totals", "totals", "Show how many songs the library holds and their total time",
                "", 0, 0, runTotals},
    CommandInfo{"remove", "remove FILENAME... [--delete-file [--yes]]",
                "Remove songs from the library by file name",
                "--delete-file deletes their files from disk as well, after asking; its --yes\n"
                "(or the global one) answers the question.",
                1, kAny, runRemove},
    CommandInfo{"sources", "sources\nsources add FOLDER [--media NAME]\nsources remove INDEX",
                "List, add or remove the folders the library is scanned from", "", 0, 2,
                runSources},
    CommandInfo{"update", "update",
                "Scan the sources: add new songs and drop the ones whose files are gone", "", 0, 0,
                runUpdate},
    CommandInfo{"check", "check [--quiet]",
                "Mark which songs can be found now and count the missing ones", "", 0, 0, runCheck},
    CommandInfo{"locate", "locate FILENAME", "Print the path of a song's file", "", 1, 1,
                runLocate},
    CommandInfo{"media", "media\nmedia rename OLD NEW\nmedia delete NAME [--yes]",
                "List, rename or delete the removable media of the library",
                "delete asks first; its --yes answers without showing the question.", 0, 3,
                runMedia},
    CommandInfo{"search",
                "search all|artist|album|title TEXT [--json]\n"
                "search genre NAME|NUMBER... [--json]",
                "Search the library as the search box does", "", 2, kAny, runSearch},
    CommandInfo{"letter", "letter all|artist|album|title|genre CHAR [--json]",
                "List the songs whose field starts with a letter ('*' for all)", "", 2, 2,
                runLetter},
    CommandInfo{"values", "values artist|album|title LETTER|'*' [--json]",
                "List the distinct artists, albums or titles starting with a letter", "", 2, 2,
                runValues},
    CommandInfo{"record",
                "record show FILENAME [--json]\n"
                "record set FILENAME [--title T] [--artist A] [--genre G] [--comment C] "
                "[--copy-to-tag | --copy-to-library] [--rename-file]",
                "Show or edit a song's library record beside its tag",
                "The list shows the tag's title and artist when the tag has both; "
                "--copy-to-tag\nwrites the record's values into the tag.",
                2, 2, runRecord},
    CommandInfo{"genre", "genre assign NAME FILENAME...",
                "Give songs a genre, in their records and their tags", "", 3, kAny, runGenre},
    CommandInfo{"genres", "genres", "List the genre table with its numbers", "", 0, 0, runGenres},
    CommandInfo{"top", "top [--json]\ntop add RANK\ntop clear",
                "Show the most requested songs, queue one again, or clear the counts", "", 0, 2,
                runTop},
    CommandInfo{"report",
                "report [--include current|all] [--using name|path|both] [--columns 1|2|3] "
                "[--delim comma|space|tab] [--out FILE|-]",
                "Write a report of the library's songs to a text file",
                "--out - writes to standard output. The choices are kept for the next report.", 0,
                0, runReport},
    CommandInfo{"drives", "drives [--json]", "List the mounted drives with their kinds and labels",
                "", 0, 0, runDrives},
    CommandInfo{"wizard-search", "wizard-search [--network] [--add] [MOUNT...]",
                "Search drives for music folders as the setup wizard does", "", 0, kAny,
                runWizardSearch},
    CommandInfo{"dupes",
                "dupes [--strip|--no-strip] [--sources | FOLDER...] [--delete [--yes]] "
                "[--copy-to DIR | --no-copy]",
                "Find duplicate files by name and delete the marked ones",
                "--delete asks first; its --yes answers that question only, while the global\n"
                "--yes answers every question.",
                0, kAny, runDupes},
    CommandInfo{"rename", "rename [--sources | FOLDER...] [--apply]",
                "Rename files to \"Artist - Title\" from their tags (lists them without --apply)",
                "", 0, kAny, runRename},
    CommandInfo{"backup", "backup [DIR]", "Copy the data files to a backup folder", "", 0, 1,
                runBackup},
    CommandInfo{"restore", "restore DIR", "Copy the data files back from a backup folder", "", 1, 1,
                runRestore},
    CommandInfo{"prefs", "prefs list\nprefs get KEY\nprefs set KEY VALUE",
                "Show or change the preferences", "", 1, 3, runPrefs},
    CommandInfo{"tag",
                "tag show FILE [--json]\n"
                "tag set FILE [--title T] [--artist A] [--album B] [--year Y] [--comment C] "
                "[--genre NAME|NUMBER]",
                "Show or write the ID3v1 tag of an MP3 file", "", 2, 2, runTag},
    CommandInfo{"playlist",
                "playlist show [--json]\nplaylist save FILE\nplaylist load FILE\n"
                "playlist add-record FILENAME...\nplaylist add FILE...\n"
                "playlist remove INDEX...\nplaylist up INDEX\nplaylist down INDEX\n"
                "playlist shuffle\nplaylist random N\nplaylist reset [INDEX...]\n"
                "playlist clear\nplaylist totals\nplaylist play [--device INDEX]",
                "Show, change, save, load or play the current play list", "", 1, kAny, runPlaylist},
    CommandInfo{"info", "info FILE", "Describe a file's audio stream and length", "", 1, 1,
                runInfo},
    CommandInfo{"play", "play [--device INDEX] FILE...",
                "Play files (keys: space pause, n next, p previous, t time, q quit)", "", 1, kAny,
                runPlay},
    CommandInfo{"devices", "devices", "List the sound output devices by number", "", 0, 0,
                runDevices},
    CommandInfo{"volume", "volume\nvolume set VALUE", "Show or set the master volume (0 to 65535)",
                "", 0, 2, runVolume},
    CommandInfo{"towav", "towav --dest DIR [--jobs N] FILE...", "Convert MP3 files to WAV files",
                "", 1, kAny, runToWav},
    CommandInfo{"help", "help [COMMAND]", "Show the commands, or one command's usage", "", 0, 1,
                runHelp},
};

// Edits (insert, delete, replace, swap two neighbours) from `a` to `b`.
size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

std::optional<CommandInfo> findCommand(std::string_view name) {
    for (const CommandInfo& command : kCommands) {
        if (command.name == name) {
            return command;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> nearestCommand(std::string_view typed) {
    // Short names leave little room: one slip in four letters, else two.
    const size_t allowed = typed.size() <= 4 ? 1 : 2;
    std::optional<std::string_view> nearest;
    size_t best = allowed + 1;
    for (const CommandInfo& command : kCommands) {
        const size_t distance = editDistance(typed, command.name);
        if (distance < best) {
            best = distance;
            nearest = command.name;
        }
    }
    return nearest;
}

std::string overallUsage() {
    std::string text =
        "usage: sonara-cli [--home DIR] [--yes|--no] COMMAND ...\n"
        "       sonara-cli help COMMAND | sonara-cli COMMAND --help\n"
        "options:\n"
        "  --home DIR   the data folder (else $SONARA_HOME, else ~/.local/share/sonara)\n"
        "  --yes, --no  answer every question Yes or No, for scripts\n"
        "commands:\n";
    size_t width = 0;
    for (const CommandInfo& command : kCommands) {
        width = std::max(width, command.name.size());
    }
    for (const CommandInfo& command : kCommands) {
        text += "  " + std::string(command.name);
        text += std::string(width + 2 - command.name.size(), ' ');
        text += std::string(command.description) + "\n";
    }
    return text;
}

std::string usageLines(const CommandInfo& command) {
    std::string text;
    std::string_view rest = command.usage;
    const char* lead = "usage: sonara-cli ";
    while (!rest.empty()) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        text += lead + std::string(rest.substr(0, end)) + "\n";
        rest.remove_prefix(std::min(end + 1, rest.size()));
        lead = "   or: sonara-cli ";
    }
    return text;
}

std::string commandHelp(const CommandInfo& command) {
    std::string text = usageLines(command) + std::string(command.description) + ".\n";
    if (!command.details.empty()) {
        text += std::string(command.details) + "\n";
    }
    return text;
}

std::optional<std::vector<std::string>> operandsFor(Context& context, Args& args,
                                                    std::string_view command) {
    std::vector<std::string> words = args.operands();
    const std::optional<CommandInfo> info = findCommand(command);
    const bool counted =
        !info || (words.size() >= info->minOperands && words.size() <= info->maxOperands);
    if (args.hasError() || !counted) {
        usage(context, std::string(command).c_str(), args.error());
        return std::nullopt;
    }
    return words;
}

}  // namespace sonara::cli

// sonara-cli: the command-line companion of Sonara, over the same data files.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace {

constexpr const char* kUsageText =
    "usage: sonara-cli [--home DIR] [--yes|--no] COMMAND ...\n"
    "commands:\n"
    "  add PATH...\n"
    "  list [--sort file|artist|album|title|plays|artist-album-title] [--json]\n"
    "  totals\n"
    "  remove FILENAME... [--delete-file]\n"
    "  tag show FILE [--json]\n"
    "  tag set FILE [--title T] [--artist A] [--album B] [--year Y] [--comment C] "
    "[--genre NAME|INDEX]\n"
    "  prefs list | prefs get KEY | prefs set KEY VALUE\n"
    "  playlist show [--json] | playlist save FILE | playlist load FILE\n"
    "  playlist add-record FILENAME... | playlist add FILE... | playlist remove INDEX...\n"
    "  playlist up INDEX | playlist down INDEX | playlist shuffle | playlist random N\n"
    "  playlist reset [INDEX...] | playlist clear | playlist totals\n"
    "  info FILE\n"
    "  play [--device INDEX] FILE...\n"
    "  devices\n"
    "  volume | volume set VALUE\n"
    "  towav --dest DIR [--jobs N] FILE...\n"
    "  sources | sources add FOLDER [--media NAME] | sources remove INDEX\n"
    "  update | check [--quiet] | locate FILENAME\n"
    "  media | media rename OLD NEW | media delete NAME\n"
    "  search all|artist|album|title TEXT [--json] | search genre NAME... [--json]\n"
    "  letter all|artist|album|title|genre CHAR [--json]\n"
    "  values artist|album|title LETTER|'*' [--json]\n"
    "  drives [--json]\n"
    "  wizard-search [--network] [--add] [MOUNT...]\n"
    "  dupes [--strip|--no-strip] [--sources | FOLDER...] [--delete] [--copy-to DIR | --no-copy]\n"
    "  rename [--sources | FOLDER...] [--apply]\n"
    "  report [--include current|all] [--using name|path|both] [--columns 1|2|3]\n"
    "         [--delim comma|space|tab] [--out FILE]\n"
    "  top [--json] | top add RANK | top clear\n"
    "  backup [DIR] | restore DIR\n"
    "  record show FILENAME [--json]\n"
    "  record set FILENAME [--title T] [--artist A] [--genre G] [--comment C] [--rename-file]\n"
    "  genre assign NAME FILENAME...\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace sonara::cli;
    std::string home;
    std::optional<bool> fixedAnswer;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--home" && i + 1 < argc) {
            home = argv[++i];
        } else if (word.rfind("--home=", 0) == 0) {
            home = word.substr(7);
        } else if (word == "--yes") {
            fixedAnswer = true;
        } else if (word == "--no") {
            fixedAnswer = false;
        } else if (word == "--help" || word == "-h") {
            std::fputs(kUsageText, stdout);
            return kSuccess;
        } else {
            break;
        }
    }
    if (i >= argc || argv[i][0] == '-') {
        std::fputs(kUsageText, stderr);
        return kUsage;
    }
    const std::string command = argv[i++];
    Args args(std::vector<std::string>(argv + i, argv + argc));
    Context context(sonara::DataPaths::resolve(home), stdout, stderr, fixedAnswer);

    struct Entry {
        const char* name;
        int (*run)(Context&, Args&);
    };
    static const Entry commands[] = {
        {"add", runAdd},           {"list", runList},
        {"totals", runTotals},     {"remove", runRemove},
        {"tag", runTag},           {"prefs", runPrefs},
        {"playlist", runPlaylist}, {"info", runInfo},
        {"play", runPlay},         {"devices", runDevices},
        {"volume", runVolume},     {"towav", runToWav},
        {"sources", runSources},   {"update", runUpdate},
        {"check", runCheck},       {"locate", runLocate},
        {"media", runMedia},       {"search", runSearch},
        {"letter", runLetter},     {"values", runValues},
        {"drives", runDrives},     {"wizard-search", runWizardSearch},
        {"dupes", runDupes},       {"rename", runRename},
        {"report", runReport},     {"top", runTop},
        {"backup", runBackup},     {"restore", runRestore},
        {"record", runRecord},     {"genre", runGenre},
    };
    for (const Entry& entry : commands) {
        if (command == entry.name) {
            return entry.run(context, args);
        }
    }
    std::fprintf(stderr, "sonara-cli: unknown command %s\n", command.c_str());
    std::fputs(kUsageText, stderr);
    return kUsage;
}

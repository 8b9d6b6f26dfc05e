#include "cli/Dispatch.h"

#include <algorithm>
#include <optional>

#include "cli/CommandTable.h"
#include "cli/Commands.h"

namespace sonara::cli {

namespace {

// "--help" among the words a command would take as options.
bool asksForHelp(const std::vector<std::string>& words) {
    const auto literal = std::find(words.begin(), words.end(), "--");
    return std::find(words.begin(), literal, "--help") != literal;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    std::string home;
    std::optional<bool> fixedAnswer;
    size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--home" && i + 1 < words.size()) {
            home = words[++i];
        } else if (word.rfind("--home=", 0) == 0) {
            home = word.substr(7);
        } else if (word == "--yes") {
            fixedAnswer = true;
        } else if (word == "--no") {
            fixedAnswer = false;
        } else if (word == "--help" || word == "-h") {
            std::fputs(overallUsage().c_str(), out);
            return kSuccess;
        } else {
            break;
        }
    }
    if (i >= words.size() || words[i].empty() || words[i][0] == '-') {
        std::fputs(overallUsage().c_str(), err);
        return kUsage;
    }
    const std::string& name = words[i++];
    const std::vector<std::string> rest(words.begin() + long(i), words.end());
    // The data paths are made absolute here, before any command uses them.
    Context context(DataPaths::resolve(home), out, err, fixedAnswer);
    const std::optional<CommandInfo> command = findCommand(name);
    if (!command) {
        return unknownCommand(context, name);
    }
    if (asksForHelp(rest)) {
        std::fputs(commandHelp(*command).c_str(), out);
        return kSuccess;
    }
    Args args(rest);
    return command->run(context, args);
}

}  // namespace sonara::cli

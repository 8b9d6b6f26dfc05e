#include <cstdio>

#include "cli/CommandTable.h"
#include "cli/Commands.h"

namespace sonara::cli {

int usage(Context& context, const char* line, const std::string& problem) {
    if (!problem.empty()) {
        std::fprintf(context.err(), "sonara-cli: %s\n", problem.c_str());
    }
    const std::string_view text = line;
    const std::optional<CommandInfo> command = findCommand(text.substr(0, text.find(' ')));
    if (command) {
        std::fputs(usageLines(*command).c_str(), context.err());
    } else {
        std::fprintf(context.err(), "usage: sonara-cli %s\n", line);
    }
    return kUsage;
}

}  // namespace sonara::cli

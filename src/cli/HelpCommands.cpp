// help and genres: what sonara-cli can do and the genre numbers it takes.
#include <cstdio>
#include <string>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "core/metadata/GenreTable.h"

namespace sonara::cli {

// Also called by the dispatch for a name it does not know: says so, with the
// nearest command when one is near.
int unknownCommand(Context& context, const std::string& name) {
    std::fprintf(context.err(), "sonara-cli: unknown command %s\n", name.c_str());
    if (const auto nearest = nearestCommand(name)) {
        std::fprintf(context.err(), "Did you mean \"%.*s\"?\n", int(nearest->size()),
                     nearest->data());
    }
    std::fputs("`sonara-cli help` lists the commands.\n", context.err());
    return kUsage;
}

int runHelp(Context& context, Args& args) {
    const auto words = operandsFor(context, args, "help");
    if (!words) {
        return kUsage;
    }
    if (words->empty()) {
        std::fputs(overallUsage().c_str(), context.out());
        return kSuccess;
    }
    const std::optional<CommandInfo> command = findCommand(words->front());
    if (!command) {
        return unknownCommand(context, words->front());
    }
    std::fputs(commandHelp(*command).c_str(), context.out());
    return kSuccess;
}

int runGenres(Context& context, Args& args) {
    if (!operandsFor(context, args, "genres")) {
        return kUsage;
    }
    for (int index = 0; index < genres::kCount; ++index) {
        std::fprintf(context.out(), "%d\t%s\n", index, genres::name(index).c_str());
    }
    return kSuccess;
}

}  // namespace sonara::cli

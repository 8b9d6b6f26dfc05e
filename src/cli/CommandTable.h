#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Args.h"
#include "cli/Context.h"

namespace sonara::cli {

// One command of sonara-cli: everything the usage, `help COMMAND`,
// `COMMAND --help` and the dispatch know of it.
struct CommandInfo {
    static constexpr size_t kAny = std::numeric_limits<size_t>::max();

    std::string_view name;
    // One or more forms, '\n' between them, each as typed after "sonara-cli ".
    std::string_view usage;
    // One line for the list of commands.
    std::string_view description;
    // More for `help COMMAND`; may be empty.
    std::string_view details;
    // How many operands are left once the command took its options, counting
    // a subcommand's own word.
    size_t minOperands;
    size_t maxOperands;
    int (*run)(Context&, Args&);
};

std::span<const CommandInfo> commandTable();
std::optional<CommandInfo> findCommand(std::string_view name);
// The known command nearest to a mistyped one, when it is near enough to be
// what was meant.
std::optional<std::string_view> nearestCommand(std::string_view typed);

// The whole usage: global options and every command with its description.
std::string overallUsage();
// "usage: sonara-cli FORM" for the first form, "   or: ..." for the others.
std::string usageLines(const CommandInfo& command);
// The usage lines, the description and the details.
std::string commandHelp(const CommandInfo& command);

// The operands of `args` for `command` when no unknown option is left and
// their count is within the table's; otherwise the usage is printed (after
// the problem) and nullopt comes back, for the caller to return kUsage.
std::optional<std::vector<std::string>> operandsFor(Context& context, Args& args,
                                                    std::string_view command);

}  // namespace sonara::cli

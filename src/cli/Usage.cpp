#include <cstdio>

#include "cli/Commands.h"

namespace sonara::cli {

int usage(Context& context, const char* line, const std::string& problem) {
    if (!problem.empty()) {
        std::fprintf(context.err(), "sonara-cli: %s\n", problem.c_str());
    }
    std::fprintf(context.err(), "usage: sonara-cli %s\n", line);
    return kUsage;
}

}  // namespace sonara::cli

// sonara-cli: the command-line companion of Sonara, over the same data files.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Dispatch.h"

int main(int argc, char** argv) {
    return sonara::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), stdout,
                                       stderr);
}

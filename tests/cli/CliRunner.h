#pragma once

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace sonara::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the real sonara-cli binary with --home pointed at a private folder,
// `input` on its standard input, in `workingFolder` when one is given.
class CliRunner {
  public:
    CliRunner();
    const TempDir& home() const { return home_; }
    const TempDir& files() const { return files_; }
    CliRun run(const std::vector<std::string>& args, const std::string& input = "",
               const std::string& workingFolder = "") const;

  private:
    TempDir home_;
    TempDir files_;  // music and other files the tests make
};

}  // namespace sonara::testing

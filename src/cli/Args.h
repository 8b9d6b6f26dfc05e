#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sonara::cli {

// The words of one command after its name. Options are taken out by name;
// what is left are the operands. Anything still starting with "--" after
// the command took its options is a usage error.
class Args {
  public:
    explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}

    bool takeFlag(const std::string& name);
    // "--name VALUE" or "--name=VALUE"; a missing VALUE is an error.
    std::optional<std::string> takeOption(const std::string& name);
    // The remaining words; sets error() when an unknown option is left.
    std::vector<std::string> operands();

    bool hasError() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

  private:
    std::vector<std::string> words_;
    std::string error_;
};

// A 1-based row number as a listing shows it, as an index; nullopt when
// `word` is not one of 1..rows.
std::optional<size_t> rowNumber(const std::string& word, size_t rows);

// A path operand made absolute and normal, as the data files keep paths; the
// operand as given when that fails.
std::string absolutePath(const std::string& path);
// The same, ending in '/'.
std::string absoluteFolder(const std::string& folder);

}  // namespace sonara::cli

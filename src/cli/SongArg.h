#pragma once

#include <optional>
#include <string>

namespace sonara::cli {

// Why `path`, given where one song file is expected, cannot be one: missing,
// a folder, or not named *.MP3 (ignoring case). nullopt when it can.
std::optional<std::string> songFileProblem(const std::string& path);

}  // namespace sonara::cli

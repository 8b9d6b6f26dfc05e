#pragma once

#include <optional>
#include <string>

namespace sonara {

class Prompter;
class SourcesList;

// The rules of the removable-media name dialog, opened with `initial`: ""
// when `typed` can be taken, else the message the dialog shows before it
// stays open. A name is refused when it is required and empty, or when it
// is not the name the dialog opened with (ignoring case) and some source
// already has it (ignoring case).
std::string mediaNameProblem(const std::string& typed, const std::string& initial, bool required,
                             const SourcesList& sources);

// The dialog under those rules: the name taken, or nullopt on Cancel.
std::optional<std::string> askRemovableMediaName(Prompter& prompter, const std::string& initial,
                                                 bool required, const SourcesList& sources);

}  // namespace sonara

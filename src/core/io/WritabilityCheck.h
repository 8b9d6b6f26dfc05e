#pragma once

#include <string>

namespace sonara {

class Prompter;

// Asked before every save of a data file: a read-only file may be made
// writable when the user agrees. True when the file may be written now.
bool checkWritable(const std::string& path, Prompter& prompter);

}  // namespace sonara

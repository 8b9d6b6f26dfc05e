#pragma once

#include <string>

namespace sonara {

// The environment variable's value, empty when it is not set.
std::string environmentValue(const char* name);

// `path` without the "/" at its end ("/" itself stays).
std::string withoutTrailingSlash(std::string path);

}  // namespace sonara

#include "cli/Args.h"

#include "cli/NumberArg.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

namespace sonara::cli {

bool Args::takeFlag(const std::string& name) {
    bool found = false;
    for (auto it = words_.begin(); it != words_.end();) {
        if (*it == "--") {
            break;
        }
        if (*it == name) {
            it = words_.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

std::optional<std::string> Args::takeOption(const std::string& name) {
    std::optional<std::string> value;
    for (auto it = words_.begin(); it != words_.end();) {
        if (*it == "--") {
            break;
        }
        if (*it == name) {
            if (it + 1 == words_.end()) {
                error_ = name + " needs a value";
                words_.erase(it);
                return std::nullopt;
            }
            value = *(it + 1);
            it = words_.erase(it, it + 2);
        } else if (it->rfind(name + "=", 0) == 0) {
            value = it->substr(name.size() + 1);
            it = words_.erase(it);
        } else {
            ++it;
        }
    }
    return value;
}

std::vector<std::string> Args::operands() {
    std::vector<std::string> rest;
    bool literal = false;
    for (const std::string& word : words_) {
        if (!literal && word == "--") {
            literal = true;
            continue;
        }
        if (!literal && word.size() > 2 && word.rfind("--", 0) == 0 && error_.empty()) {
            error_ = "unknown option " + word;
        }
        rest.push_back(word);
    }
    return rest;
}

std::optional<size_t> rowNumber(const std::string& word, size_t rows) {
    const int highest = int(std::min<size_t>(rows, std::numeric_limits<int>::max()));
    if (highest < 1) {
        return std::nullopt;
    }
    const Result<int> number = readNumber(word, "the row", 1, highest);
    return number ? std::optional<size_t>(size_t(number.value() - 1)) : std::nullopt;
}

std::string absolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string absoluteFolder(const std::string& folder) {
    std::string text = absolutePath(folder);
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

}  // namespace sonara::cli

#include "cli/Args.h"

#include <exception>
#include <filesystem>
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
    size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(word, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (used != word.size() || value == 0 || value > rows) {
        return std::nullopt;
    }
    return size_t(value - 1);
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

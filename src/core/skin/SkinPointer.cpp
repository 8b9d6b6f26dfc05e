#include "core/skin/SkinPointer.h"

namespace sonara::skin {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace

std::optional<SkinPointer> parseSkinPointer(std::string_view text) {
    // Files written on Windows may start with a byte-order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && isSeparator(text.back())) {
        text.remove_suffix(1);
    }
    const size_t split = text.find_last_of("/\\");
    if (split == std::string_view::npos || split + 1 == text.size()) {
        return std::nullopt;
    }
    SkinPointer pointer;
    pointer.skinsFolder = std::string(text.substr(0, split));
    // Windows paths become ours; the folder keeps its trailing separator.
    for (char& c : pointer.skinsFolder) {
        if (c == '\\') {
            c = '/';
        }
    }
    pointer.skinsFolder += '/';
    pointer.skinName = std::string(text.substr(split + 1));
    return pointer;
}

}  // namespace sonara::skin

#include "core/settings/TextScanner.h"

#include <climits>

#include "core/io/Text.h"

namespace sonara {

bool TextScanner::literal(char c) {
    if (pos_ < text_.size() && text_[pos_] == c) {
        ++pos_;
        return true;
    }
    return false;
}

bool TextScanner::digits(bool allowMinus, int64_t limit, int64_t& value) {
    size_t i = pos_;
    while (i < text_.size() && text::isSpace(text_[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text_.size() && (text_[i] == '+' || (allowMinus && text_[i] == '-'))) {
        negative = text_[i] == '-';
        ++i;
    }
    const size_t first = i;
    int64_t magnitude = 0;
    for (; i < text_.size() && text_[i] >= '0' && text_[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text_[i] - '0');
        if (magnitude > limit + 1) {
            return false;
        }
    }
    if (i == first) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    if (value > limit) {
        return false;
    }
    pos_ = i;
    return true;
}

bool TextScanner::signedInt(int& value) {
    int64_t read = 0;
    if (!digits(true, INT_MAX, read) || read < INT_MIN) {
        return false;
    }
    value = static_cast<int>(read);
    return true;
}

bool TextScanner::unsignedInt(uint32_t& value) {
    int64_t read = 0;
    if (!digits(false, UINT32_MAX, read)) {
        return false;
    }
    value = static_cast<uint32_t>(read);
    return true;
}

}  // namespace sonara

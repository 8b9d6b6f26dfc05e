#include "core/settings/HistoryList.h"

#include <algorithm>

#include "core/io/Text.h"

namespace sonara {

HistoryList::HistoryList(int maximum) : maximum_(std::max(1, maximum)) {}

void HistoryList::setMaximum(int maximum) {
    maximum_ = std::max(1, maximum);
    if (entries_.size() > size_t(maximum_)) {
        entries_.resize(size_t(maximum_));
    }
}

void HistoryList::load(const std::vector<std::string>& stored) {
    entries_.clear();
    for (const std::string& entry : stored) {
        if (entries_.size() >= size_t(maximum_)) {
            break;
        }
        const bool repeated = std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) {
            return text::equalsNoCase(e, entry);
        });
        if (!entry.empty() && !repeated) {
            entries_.push_back(entry);
        }
    }
}

bool HistoryList::add(std::string_view text) {
    if (text::trim(text).empty()) {
        return false;
    }
    std::erase_if(entries_, [&](const std::string& e) { return text::equalsNoCase(e, text); });
    entries_.insert(entries_.begin(), std::string(text));
    if (entries_.size() > size_t(maximum_)) {
        entries_.resize(size_t(maximum_));
    }
    return true;
}

}  // namespace sonara

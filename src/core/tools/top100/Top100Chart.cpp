#include "core/tools/top100/Top100Chart.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/app/StringTable.h"

namespace sonara {

Top100Chart::Top100Chart(Library& library, PlayListAdder& playList, ViewMode view,
                         Prompter& prompter)
    : library_(library), playList_(playList), viewMode_(view), prompter_(prompter) {
    reopen();
}

void Top100Chart::reopen() {
    view_.clear();
    std::vector<size_t> order;  // library positions, for ties
    for (size_t i = 0; i < library_.count(); ++i) {
        LibraryRecord* record = library_.at(i);
        if (record->playCount != 0) {
            view_.push_back(record);
            order.push_back(view_.size() - 1);
        }
    }
    // Only the shown rows are ranked: a library of 100,000 requested songs
    // opens the chart without sorting them all.
    const auto shown = order.begin() + std::ptrdiff_t(std::min(kMaxRows, order.size()));
    std::partial_sort(order.begin(), shown, order.end(), [&](size_t a, size_t b) {
        const int32_t countA = view_[a]->playCount;
        const int32_t countB = view_[b]->playCount;
        return countA != countB ? countA > countB : a < b;
    });
    std::vector<LibraryRecord*> ranked;
    ranked.reserve(view_.size());
    for (const size_t position : order) {
        ranked.push_back(view_[position]);
    }
    view_ = std::move(ranked);
}

size_t Top100Chart::rowCount() const {
    return std::min(kMaxRows, view_.size());
}

LibraryRecord* Top100Chart::rowRecord(size_t row) const {
    return row < rowCount() ? view_[row] : nullptr;
}

std::optional<size_t> Top100Chart::add(std::optional<size_t> row) {
    LibraryRecord* record = row ? rowRecord(*row) : nullptr;
    if (record == nullptr) {
        return std::nullopt;
    }
    return playList_.addRecordFromLibrary(*record, viewMode_);
}

std::optional<size_t> Top100Chart::addAndTell(size_t row) {
    const LibraryRecord* record = rowRecord(row);
    if (record == nullptr) {
        return std::nullopt;
    }
    // The count rises only when the add went through; a file that could not
    // be found has had its own message and is not reported as added.
    const auto countBefore = record->playCount;
    const std::optional<size_t> added = add(row);
    if (record->playCount != countBefore) {
        prompter_.message(stringText(TextId::SongAddedToPlayList), Icon::Information);
    }
    return added;
}

bool Top100Chart::clear() {
    if (prompter_.ask(stringText(TextId::ResetListQuestion), Buttons::YesNo, Icon::Question) !=
        Answer::Yes) {
        return false;
    }
    for (size_t i = 0; i < library_.count(); ++i) {
        library_.at(i)->playCount = 0;
    }
    view_.clear();
    return true;
}

}  // namespace sonara

#include "core/metadata/GenrePicker.h"

#include <algorithm>
#include <utility>

#include "core/io/Characters.h"
#include "core/io/Text.h"
#include "core/metadata/GenreTable.h"

namespace sonara {

namespace {

bool listed(const std::string& name, const std::string& letter) {
    if (letter == "*") {
        return true;
    }
    return text::startsWithCharacter(name, letter);
}

}  // namespace

GenrePicker::GenrePicker(GenrePickerSettings settings) : settings_(std::move(settings)) {
    for (int i = 0; i < genres::kCount; ++i) {
        if (listed(genres::name(i), settings_.firstLetter)) {
            rows_.push_back({i, false});
        }
    }
    // Equal names keep their index order.
    std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) {
        return text::compareNoCase(genres::name(a.genre), genres::name(b.genre)) < 0;
    });
    if (!settings_.flagsMode) {
        return;
    }
    std::string& flags = settings_.flags;
    if (flags.empty()) {
        flags.assign(rows_.size(), '1');
    }
    for (Row& row : rows_) {
        row.selected = size_t(row.genre) < flags.size() && flags[size_t(row.genre)] == '1';
    }
    if (!settings_.multiple) {
        // A flags text may hold several; a single picker keeps the first shown.
        bool first = true;
        for (Row& row : rows_) {
            row.selected = row.selected && std::exchange(first, false);
        }
    }
}

const std::string& GenrePicker::name(size_t row) const {
    return genres::name(rows_.at(row).genre);
}

void GenrePicker::setSelected(size_t row, bool selected) {
    if (row >= rows_.size()) {
        return;
    }
    if (selected && !settings_.multiple) {
        for (Row& r : rows_) {
            r.selected = false;
        }
    }
    rows_[row].selected = selected;
}

void GenrePicker::selectAll() {
    if (settings_.multiple) {
        for (Row& r : rows_) {
            r.selected = true;
        }
    }
}

void GenrePicker::clearAll() {
    if (settings_.multiple) {
        for (Row& r : rows_) {
            r.selected = false;
        }
    }
}

bool GenrePicker::accept() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.selected; });
}

std::vector<std::string> GenrePicker::selectedNames() const {
    std::vector<std::string> names;
    for (const Row& r : rows_) {
        if (r.selected) {
            names.push_back(genres::name(r.genre));
        }
    }
    return names;
}

std::string GenrePicker::selectedName() const {
    for (const Row& r : rows_) {
        if (r.selected) {
            return genres::name(r.genre);
        }
    }
    return {};
}

std::string GenrePicker::flagsText() const {
    std::string flags(rows_.size(), '0');
    for (const Row& r : rows_) {
        if (r.selected) {
            if (size_t(r.genre) >= flags.size()) {
                flags.resize(size_t(r.genre) + 1, '0');
            }
            flags[size_t(r.genre)] = '1';
        }
    }
    return flags;
}

}  // namespace sonara

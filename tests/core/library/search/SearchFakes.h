#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/library/Library.h"
#include "core/library/search/ListingProgress.h"
#include "core/library/search/SearchDialogs.h"
#include "core/library/search/ValueLister.h"
#include "core/metadata/GenrePicker.h"
#include "support/RecordBuilder.h"

namespace sonara::testing {

struct SongSpec {
    SongSpec(std::string a, std::string t = {}, std::string b = {}, std::string g = {},
             int avail = kAvailable)
        : artist(std::move(a)),
          title(std::move(t)),
          album(std::move(b)),
          genre(std::move(g)),
          availability(avail) {}
    std::string artist;
    std::string title;
    std::string album;
    std::string genre;
    int availability = kAvailable;
};

inline std::unique_ptr<LibraryRecord> song(const SongSpec& s, int number) {
    auto r =
        makeRecord("song" + std::to_string(number) + ".mp3", s.artist, s.title, s.album, s.genre);
    r->availability = s.availability;
    return r;
}

inline void fill(Library& library, const std::vector<SongSpec>& songs) {
    for (const SongSpec& s : songs) {
        library.append(song(s, int(library.count())));
    }
}

class FakeProgress final : public ListingProgress {
  public:
    void open(int r) override {
        ++opened;
        range = r;
    }
    bool step() override { return ++steps != cancelAtStep; }
    void close() override { ++closed; }

    int opened = 0;
    int closed = 0;
    int range = -1;
    int steps = 0;
    int cancelAtStep = -1;
};

// Answers the dialogs as a script says; by default every dialog is cancelled.
class FakeDialogs final : public SearchDialogs {
  public:
    bool pickGenres(GenrePicker& picker) override {
        pickerLetters.push_back(picker.settings().firstLetter);
        pickerWasMultiple = picker.settings().multiple;
        return onPicker ? onPicker(picker) : false;
    }
    std::optional<size_t> selectValue(ListerField field,
                                      const std::vector<ListedValue>& values) override {
        selectorField = field;
        for (const ListedValue& v : values) {
            listed.push_back(v.text);
        }
        return choose;
    }
    ListingProgress& listingProgress() override { return progress; }

    std::function<bool(GenrePicker&)> onPicker;
    std::optional<size_t> choose;
    std::vector<std::string> pickerLetters;
    bool pickerWasMultiple = false;
    std::optional<ListerField> selectorField;
    std::vector<std::string> listed;
    FakeProgress progress;
};

}  // namespace sonara::testing

#include "core/library/search/LibrarySearch.h"

#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/CaseFold.h"
#include "core/io/Characters.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/library/search/DisplayMatch.h"
#include "core/library/search/RecordPrefetch.h"
#include "core/library/search/SearchDialogs.h"
#include "core/library/search/ValueLister.h"
#include "core/metadata/GenrePicker.h"
#include "core/settings/HistoryList.h"

namespace sonara {

namespace {

constexpr size_t kShortestSearch = 2;

}  // namespace

LibrarySearch::LibrarySearch(Library& library, SearchPreferences prefs, Prompter& prompter,
                             SearchDialogs& dialogs, HistoryList& history)
    : library_(library), prefs_(prefs), prompter_(prompter), dialogs_(dialogs), history_(history) {}

void LibrarySearch::beginRefill() {
    rows_.clear();
    rows_.setAvailableOnly(prefs_.availableOnly());
}

SearchOutcome LibrarySearch::textSearch(SearchField field, std::string_view text) {
    if (field == SearchField::Genre) {
        return pickGenres("*");
    }
    if (text::characterCount(text) < kShortestSearch) {
        prompter_.message(stringText(TextId::SearchTooShort));
        return SearchOutcome::TooShort;
    }
    history_.add(text);

    const NormaliseOptions options = prefs_.normalise();
    const FoldedPattern pattern(text);
    std::string scratch;
    auto hit = [&](std::string_view source) {
        return pattern.foundIn(displayKey(source, options, scratch));
    };
    beginRefill();
    visitPrefetched(
        library_.count(), [this](size_t i) { return library_.at(i); },
        [&](LibraryRecord* r) {
            const DisplaySources s = displaySources(*r, options);
            bool matches = false;
            switch (field) {
                case SearchField::All:
                    matches = hit(s.title) || hit(s.artist) || hit(s.album);
                    break;
                case SearchField::Artist:
                    matches = hit(s.artist);
                    break;
                case SearchField::Title:
                    matches = hit(s.title);
                    break;
                case SearchField::Album:
                    matches = hit(s.album);
                    break;
                case SearchField::Genre:
                    break;
            }
            if (matches) {
                rows_.add(r);
            }
        });
    rows_.sort(field == SearchField::All ? RowSortRule::First : RowSortRule::Second, options);
    if (rows_.empty()) {
        prompter_.message(stringText(TextId::NothingFound));
        return SearchOutcome::NothingFound;
    }
    return SearchOutcome::Refilled;
}

SearchOutcome LibrarySearch::letterFilter(SearchField field, std::string_view character) {
    if (prefs_.lettersOff() || touchScreenView_ || text::firstCharacter(character).empty()) {
        return SearchOutcome::Ignored;
    }
    const NormaliseOptions options = prefs_.normalise();
    if (character == "*") {
        beginRefill();
        rows_.reserve(library_.count());
        for (size_t i = 0; i < library_.count(); ++i) {
            rows_.add(library_.at(i));
        }
        rows_.sort(RowSortRule::First, options);
        return SearchOutcome::Refilled;
    }
    if (field == SearchField::Genre) {
        return pickGenres(character);
    }
    std::string scratch;
    auto starts = [&](std::string_view source) {
        return text::startsWithFolded(displayKey(source, options, scratch), character);
    };
    beginRefill();
    visitPrefetched(
        library_.count(), [this](size_t i) { return library_.at(i); },
        [&](LibraryRecord* r) {
            const DisplaySources s = displaySources(*r, options);
            bool matches = false;
            switch (field) {
                case SearchField::All:
                    matches = starts(s.artist) || starts(s.title);
                    break;
                case SearchField::Artist:
                    matches = starts(s.artist);
                    break;
                case SearchField::Title:
                    matches = starts(s.title);
                    break;
                case SearchField::Album:
                    matches = starts(s.album);
                    break;
                case SearchField::Genre:
                    break;
            }
            if (matches) {
                rows_.add(r);
            }
        });
    rows_.sort(RowSortRule::First, options);
    return SearchOutcome::Refilled;
}

SearchOutcome LibrarySearch::chooseValue(SearchField field, std::string_view character) {
    const std::optional<ListerField> lister = listerFieldFor(field);
    if (!lister) {
        return pickGenres(character);
    }
    const ValueLister valueLister(*lister, std::string(character));
    const ValueListing listing =
        valueLister.fill(library_, prefs_.normalise(), &dialogs_.listingProgress());
    if (listing.cancelled) {
        return SearchOutcome::Cancelled;
    }
    if (listing.values.empty()) {
        prompter_.message(formatText(TextId::NoValuesStartingWithSymbol, selectorCaption(*lister)));
        return SearchOutcome::NoValues;
    }
    const std::optional<size_t> chosen = dialogs_.selectValue(*lister, listing.values);
    if (!chosen || *chosen >= listing.values.size()) {
        return SearchOutcome::Cancelled;
    }
    return showValue(*lister, listing.values[*chosen].text);
}

SearchOutcome LibrarySearch::showValue(ListerField field, std::string_view value) {
    const NormaliseOptions options = prefs_.normalise();
    const DisplayField display = displayFieldOf(field);
    std::string scratch;
    beginRefill();
    if (!value.empty()) {
        for (size_t i = 0; i < library_.count(); ++i) {
            LibraryRecord* r = library_.at(i);
            if (text::equalsFolded(displayKey(*r, display, options, scratch), value)) {
                rows_.add(r);
            }
        }
    }
    rows_.sort(RowSortRule::First, options);
    return SearchOutcome::Refilled;
}

SearchOutcome LibrarySearch::genreFilter(const std::vector<std::string>& names) {
    beginRefill();
    for (size_t i = 0; i < library_.count(); ++i) {
        LibraryRecord* r = library_.at(i);
        const std::string_view genre = r->genre();
        const bool listed = !genre.empty() && std::any_of(names.begin(), names.end(), [&](auto& n) {
            return text::equalsNoCase(genre, n);
        });
        if (listed) {
            rows_.add(r);
        }
    }
    rows_.sort(RowSortRule::First, prefs_.normalise());
    return SearchOutcome::Refilled;
}

SearchOutcome LibrarySearch::mediumFilter(std::string_view name) {
    beginRefill();
    for (size_t i = 0; i < library_.count(); ++i) {
        LibraryRecord* r = library_.at(i);
        if (name.empty() || text::equalsNoCase(r->mediaName(), name)) {
            rows_.add(r);
        }
    }
    rows_.sort(RowSortRule::First, prefs_.normalise());
    return SearchOutcome::Refilled;
}

SearchOutcome LibrarySearch::pickGenres(std::string_view letter) {
    GenrePickerSettings settings;
    settings.multiple = true;
    settings.firstLetter = std::string(letter);
    GenrePicker picker(std::move(settings));
    if (!dialogs_.pickGenres(picker) || !picker.accept()) {
        return SearchOutcome::Cancelled;
    }
    return genreFilter(picker.selectedNames());
}

}  // namespace sonara

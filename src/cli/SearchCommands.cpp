// search, letter, values: the library list's search box, letter buttons and
// selectors, printing the rows the list would show.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/NumberArg.h"
#include "cli/RecordOutput.h"
#include "core/app/StringTable.h"
#include "core/io/Characters.h"
#include "core/library/search/LibrarySearch.h"
#include "core/library/search/ListingProgress.h"
#include "core/library/search/SearchDialogs.h"
#include "core/library/search/ValueLister.h"
#include "core/metadata/GenrePicker.h"
#include "core/metadata/GenreTable.h"
#include "core/settings/HistoryList.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/SearchHistory.h"

namespace sonara::cli {

namespace {

// The forms are in the command table.
constexpr const char* kSearchUsage = "search";
constexpr const char* kLetterUsage = "letter";
constexpr const char* kValuesUsage = "values";

class NoProgress final : public ListingProgress {
  public:
    void open(int) override {}
    bool step() override { return true; }
    void close() override {}
};

// The command line has no dialogs. The genre picker takes every genre it
// lists, as "Select All" and OK would; the selector's list is kept for
// printing and the selector then closes as cancelled.
class CliSearchDialogs final : public SearchDialogs {
  public:
    explicit CliSearchDialogs(Prompter& prompter) : prompter_(prompter) {}

    bool pickGenres(GenrePicker& picker) override {
        picker.selectAll();
        if (!picker.accept()) {
            prompter_.message(stringText(TextId::SelectOneGenre));
            return false;
        }
        return true;
    }
    std::optional<size_t> selectValue(ListerField,
                                      const std::vector<ListedValue>& values) override {
        listed = values;
        return std::nullopt;
    }
    ListingProgress& listingProgress() override { return progress_; }

    std::vector<ListedValue> listed;

  private:
    Prompter& prompter_;
    NoProgress progress_;
};

// The main window's search state over the context's library and preferences,
// with the search box's history as the preference file holds it.
struct SearchSetup {
    explicit SearchSetup(Context& context)
        : dialogs(context.prompter()),
          history(kSearchHistoryMax),
          search(context.library(), context.prefs(), context.prompter(), dialogs, history) {
        history.load(context.prefs().searchHistory(kSearchHistoryMax));
    }
    CliSearchDialogs dialogs;
    HistoryList history;
    LibrarySearch search;
};

std::optional<SearchField> parseField(const std::string& word, bool genreToo) {
    if (word == "all")
        return SearchField::All;
    if (word == "artist")
        return SearchField::Artist;
    if (word == "album")
        return SearchField::Album;
    if (word == "title")
        return SearchField::Title;
    if (word == "genre" && genreToo)
        return SearchField::Genre;
    return std::nullopt;
}

// Prints the rows of a refill; the search's own messages are already out.
// With --json a search that printed no rows still prints an (empty) array,
// so that what reads it always gets JSON.
int finish(Context& context, const LibrarySearch& search, SearchOutcome outcome, bool asJson) {
    if (outcome != SearchOutcome::Refilled) {
        if (asJson) {
            std::fputs("[]\n", context.out());
        }
        return kFailure;
    }
    printRecords(context.out(), search.rows().records(), asJson,
                 context.prefs().normaliseOptions());
    return kSuccess;
}

bool oneCharacter(const std::string& word) {
    return !word.empty() && text::characterCount(word) == 1;
}

}  // namespace

int runSearch(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto operands = operandsFor(context, args, kSearchUsage);
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    const std::optional<SearchField> field = parseField(words[0], true);
    if (!field) {
        return usage(context, kSearchUsage, "unknown field " + words[0]);
    }
    if (*field == SearchField::Genre) {
        std::vector<std::string> names;
        for (size_t i = 1; i < words.size(); ++i) {
            const Result<int> genre = readGenre(words[i], genres::kCount - 1);
            if (!genre) {
                return usage(context, kSearchUsage, genre.error());
            }
            names.push_back(genres::name(genre.value()));
        }
        SearchSetup setup(context);
        return finish(context, setup.search, setup.search.genreFilter(names), asJson);
    }
    if (words.size() != 2) {
        return usage(context, kSearchUsage, "one TEXT only (quote a text with blanks)");
    }
    SearchSetup setup(context);
    const std::vector<std::string> before = setup.history.entries();
    const SearchOutcome outcome = setup.search.textSearch(*field, words[1]);
    if (setup.history.entries() != before) {
        const Status folders = context.paths().ensureFolders();
        const Status saved = folders ? context.prefs().setSearchHistory(setup.history.entries(),
                                                                        setup.history.maximum())
                                     : folders;
        if (!saved) {
            context.report(saved.error());
            return kFailure;
        }
    }
    return finish(context, setup.search, outcome, asJson);
}

int runLetter(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto operands = operandsFor(context, args, kLetterUsage);
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    const std::optional<SearchField> field = parseField(words[0], true);
    if (!field) {
        return usage(context, kLetterUsage, "unknown field " + words[0]);
    }
    if (!oneCharacter(words[1])) {
        return usage(context, kLetterUsage, "CHAR must be one character or *");
    }
    SearchSetup setup(context);
    const SearchOutcome outcome = setup.search.letterFilter(*field, words[1]);
    if (outcome == SearchOutcome::Ignored) {
        context.report("The letter filter is off while UseLibraryWizard is on.");
    }
    return finish(context, setup.search, outcome, asJson);
}

int runValues(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto operands = operandsFor(context, args, kValuesUsage);
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    const std::optional<SearchField> field = parseField(words[0], false);
    if (!field || *field == SearchField::All) {
        return usage(context, kValuesUsage, "unknown field " + words[0]);
    }
    if (!oneCharacter(words[1])) {
        return usage(context, kValuesUsage, "LETTER must be one character or *");
    }
    SearchSetup setup(context);
    if (setup.search.chooseValue(*field, words[1]) == SearchOutcome::NoValues) {
        if (asJson) {
            std::fputs("[]\n", context.out());
        }
        return kFailure;
    }
    if (asJson) {
        JsonWriter json;
        json.beginArray();
        for (const ListedValue& value : setup.dialogs.listed) {
            json.value(value.text);
        }
        json.endArray();
        std::fprintf(context.out(), "%s\n", json.str().c_str());
        return kSuccess;
    }
    for (const ListedValue& value : setup.dialogs.listed) {
        std::fprintf(context.out(), "%s\n", value.text.c_str());
    }
    return kSuccess;
}

}  // namespace sonara::cli

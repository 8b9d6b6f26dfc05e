// search, letter, values: the library list's search box, letter buttons and
// selectors, printing the rows the list would show.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/RecordOutput.h"
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

constexpr const char* kSearchUsage =
    "search all|artist|album|title TEXT [--json] | search genre NAME... [--json]";
constexpr const char* kLetterUsage = "letter all|artist|album|title|genre CHAR [--json]";
constexpr const char* kValuesUsage = "values artist|album|title LETTER|'*' [--json]";

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
            prompter_.message(GenrePicker::kNothingSelected);
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

// A genre by its name (any case) or its index, in the table's spelling.
std::optional<std::string> parseGenre(const std::string& word) {
    if (!word.empty() && word.size() <= 3 && word.find_first_not_of("0123456789") == word.npos) {
        const int index = std::stoi(word);
        if (index < genres::kCount) {
            return genres::name(index);
        }
        return std::nullopt;
    }
    const std::optional<int> index = genres::indexOf(word);
    if (!index) {
        return std::nullopt;
    }
    return genres::name(*index);
}

// Prints the rows of a refill; the search's own messages are already out.
int finish(Context& context, const LibrarySearch& search, SearchOutcome outcome, bool asJson) {
    if (outcome != SearchOutcome::Refilled) {
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
    const auto words = args.operands();
    if (args.hasError() || words.size() < 2) {
        return usage(context, kSearchUsage, args.error());
    }
    const std::optional<SearchField> field = parseField(words[0], true);
    if (!field) {
        return usage(context, kSearchUsage, "unknown field " + words[0]);
    }
    if (*field == SearchField::Genre) {
        std::vector<std::string> names;
        for (size_t i = 1; i < words.size(); ++i) {
            const std::optional<std::string> name = parseGenre(words[i]);
            if (!name) {
                return usage(context, kSearchUsage, "unknown genre " + words[i]);
            }
            names.push_back(*name);
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
    const auto words = args.operands();
    if (args.hasError() || words.size() != 2) {
        return usage(context, kLetterUsage, args.error());
    }
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
    const auto words = args.operands();
    if (args.hasError() || words.size() != 2) {
        return usage(context, kValuesUsage, args.error());
    }
    const std::optional<SearchField> field = parseField(words[0], false);
    if (!field || *field == SearchField::All) {
        return usage(context, kValuesUsage, "unknown field " + words[0]);
    }
    if (!oneCharacter(words[1])) {
        return usage(context, kValuesUsage, "LETTER must be one character or *");
    }
    SearchSetup setup(context);
    if (setup.search.chooseValue(*field, words[1]) == SearchOutcome::NoValues) {
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

#include "SearchBench.h"

#include <string.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Stopwatch.h"
#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/search/LibrarySearch.h"
#include "core/library/search/ListingProgress.h"
#include "core/library/search/SearchDialogs.h"
#include "core/library/search/ValueLister.h"
#include "core/settings/HistoryList.h"
#include "core/settings/PreferenceStore.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

constexpr int kRuns = 15;

const char* const kWords[] = {
    "love",  "night", "blue",   "fire",  "heart",  "rain",  "road",   "summer", "dream", "city",
    "light", "time",  "river",  "girl",  "world",  "dance", "shadow", "stone",  "gold",  "wind",
    "moon",  "home",  "sky",    "fever", "ocean",  "train", "angel",  "ghost",  "queen", "storm",
    "baby",  "sun",   "silver", "crazy", "lonely", "wild",  "sweet",  "black",  "magic", "paper"};
constexpr size_t kWordCount = std::size(kWords);

std::string phrase(std::mt19937& random, int words) {
    std::string text;
    for (int i = 0; i < words; ++i) {
        text += (i ? " " : "");
        text += kWords[random() % kWordCount];
    }
    return text;
}

class SilentPrompter final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::No; }
};

class NoProgress final : public ListingProgress {
  public:
    void open(int) override {}
    bool step() override { return true; }
    void close() override {}
};

// The user looks at the selector's list and cancels: what is timed is the
// work before the list can be seen.
class CancellingDialogs final : public SearchDialogs {
  public:
    bool pickGenres(GenrePicker&) override { return false; }
    std::optional<size_t> selectValue(ListerField,
                                      const std::vector<ListedValue>& values) override {
        listed = values.size();
        return std::nullopt;
    }
    ListingProgress& listingProgress() override { return progress; }
    size_t listed = 0;
    NoProgress progress;
};

// What reading the stored texts costs at the least: the C library's
// case-blind substring test over the stored title, artist and album that
// each record shows.
size_t plainTextScan(const Library& library, const char* needle) {
    size_t hits = 0;
    std::string buffer;
    for (size_t i = 0; i < library.count(); ++i) {
        const LibraryRecord& r = *library.at(i);
        const bool tagged = r.hasTagTitleAndArtist();
        for (std::string_view t : {tagged ? r.tagTitle() : r.title(),
                                   tagged ? r.tagArtist() : r.artist(), r.tagAlbum()}) {
            buffer.assign(t);
            if (strcasestr(buffer.c_str(), needle) != nullptr) {
                ++hits;
                break;
            }
        }
    }
    return hits;
}

}  // namespace

bool saveGeneratedLibrary(const std::string& path, int count) {
    Library made;
    fillLibrary(made, count);
    SilentPrompter prompter;
    if (!library_file::save(path, made, prompter)) {
        std::printf("bench: the library file %s could not be written\n", path.c_str());
        return false;
    }
    return true;
}

// About 6,000 artists over every first letter; six songs in ten tagged (the
// list shows tag values), the rest shown by their file-name values, a third
// of which hold underscores or brackets that the list normalises away.
void fillLibrary(Library& library, int count) {
    std::mt19937 random(2024);
    std::vector<std::string> artists;
    for (int i = 0; i < 6000; ++i) {
        std::string name = phrase(random, 1 + int(random() % 2));
        name[0] = char('a' + random() % 26);
        artists.push_back(name + " " + std::to_string(i));
    }
    for (int i = 0; i < count; ++i) {
        auto r = std::make_unique<LibraryRecord>();
        const std::string& artist = artists[random() % artists.size()];
        std::string title = phrase(random, 2 + int(random() % 3));
        r->setFileName(artist + " - " + title + " " + std::to_string(i) + ".mp3");
        r->availability = 0;
        r->lengthSeconds = 180;
        if (random() % 10 < 6) {
            r->setTagArtist(artist);
            r->setTagTitle(title);
            r->setTagAlbum(phrase(random, 2));
            r->setArtist(artist);
            r->setTitle(title);
        } else {
            std::string fileArtist = artist;
            if (random() % 3 == 0) {
                std::replace(fileArtist.begin(), fileArtist.end(), ' ', '_');
                title = "[live] " + title;
            }
            r->setArtist(fileArtist);
            r->setTitle(title);
        }
        library.append(std::move(r));
    }
}

void runSearchBench(int records, ResultTable& table) {
    testing::TempDir dir;
    PreferenceStore prefs(dir.file("Sonara.ini"), dir.path().string());
    SilentPrompter prompter;
    // The library as a user has it after start-up: loaded from its file.
    Library library;
    if (!saveGeneratedLibrary(dir.file("Sonara.dat"), records)) {
        return;
    }
    library_file::load(dir.file("Sonara.dat"), library);
    CancellingDialogs dialogs;
    HistoryList history(15);
    LibrarySearch search(library, prefs, prompter, dialogs, history);
    const std::string n = std::to_string(records);

    size_t found = 0;
    const double text = bestMilliseconds(kRuns, [&] {
        search.textSearch(SearchField::All, "lonely");
        found = search.rows().size();
    });
    const double scan =
        bestMilliseconds(kRuns, [&] { gSink = gSink + plainTextScan(library, "lonely"); });
    table.add({"text search All, " + n + " records",
               text,
               scan,
               "ms",
               "strcasestr over stored texts",
               {},
               20.0,
               "target"});

    size_t lettered = 0;
    const double letter = bestMilliseconds(kRuns, [&] {
        search.letterFilter(SearchField::Artist, "B");
        lettered = search.rows().size();
    });
    table.add({"letter filter Artist B, " + n + " records",
               letter,
               scan,
               "ms",
               "strcasestr over stored texts",
               {},
               10.0,
               "target"});

    const double selector =
        bestMilliseconds(kRuns, [&] { search.chooseValue(SearchField::Artist, "*"); });
    // The plain way to list values: sort the library by artist, then walk it.
    const double librarySort = bestMilliseconds(3, [&] {
        library.markUnsorted();
        library.sort(SortOrder::Artist, prefs.normaliseOptions());
    });
    table.add({"artist selector *, " + n + " records",
               selector,
               librarySort,
               "ms",
               "the library's sort by artist",
               {},
               50.0,
               "target"});

    const double all = bestMilliseconds(5, [&] { search.letterFilter(SearchField::All, "*"); });
    table.add({"show all (*), sorted, " + n + " records",
               all,
               librarySort,
               "ms",
               "the library's sort by artist",
               {},
               {},
               {}});
    std::printf("search: %zu rows for \"lonely\", %zu for B, %zu artists listed\n", found, lettered,
                dialogs.listed);
}

}  // namespace sonara::bench

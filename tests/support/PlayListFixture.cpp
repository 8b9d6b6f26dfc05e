#include "support/PlayListFixture.h"

namespace sonara::testing {

PlayListFixture::PlayListFixture()
    : prefs(dir.file("Sonara.ini"), dir.path().string()),
      factory(&probe, false),
      current(PlayListAdder::Environment{prompter, factory, cache, sources, saver,
                                         dir.file("CurrPl.snl")}),
      list(current.list()),
      sequence(current.sequence()),
      adder(current.adder()),
      now(current.nowPlaying()),
      view(list) {
    EXPECT_TRUE(prefs.loadAll());
    Preferences& p = prefs.values();
    p.useAsDefaultPlayer = 1;
    p.useLibraryWizard = 0;
    p.randomAdd = 0;
    p.removePlayedSong = 0;
    p.randomGenre.clear();
    p.useTagInfoDBAdd = 0;
    p.firstLetterCaps = p.replaceBrackets = p.replaceParens = p.replaceUnderscore = 0;
    p.lastView = 0;
    applyPrefs();
    sequence.setLibrary(&library);
    sequence.setPlayer(&player);
    list.setObserver(&view);
    now.setListener(&view);
}

LibraryRecord* PlayListFixture::song(const std::string& name, int seconds, const std::string& genre,
                                     bool onDisk) {
    const std::string file = dir.file(name);
    if (onDisk) {
        writeText(file, "");
        cache.addFile(file);
    }
    probe.seconds[name] = seconds;
    auto record = std::make_unique<LibraryRecord>();
    record->setFileName(name);
    record->setTitle("Title " + name);
    record->setArtist("Artist " + name);
    record->setGenre(genre);
    record->lengthSeconds = seconds;
    return library.insert(std::move(record));
}

void PlayListFixture::queue(const std::vector<std::string>& names, int seconds) {
    for (const std::string& name : names) {
        LibraryRecord* record = song(name, seconds);
        ASSERT_NE(record, nullptr);
        adder.append(*record, dir.file(name), false);
    }
}

std::vector<EntryState> PlayListFixture::states() const {
    std::vector<EntryState> all;
    for (const PlayListEntry& entry : list.entries()) {
        all.push_back(entry.state);
    }
    return all;
}

int PlayListFixture::currentCount() const {
    int n = 0;
    for (const PlayListEntry& entry : list.entries()) {
        n += entry.state == EntryState::Current ? 1 : 0;
    }
    return n;
}

void PlayListFixture::TearDown() {
    EXPECT_EQ(view.rows, view.paths());
    EXPECT_LE(currentCount(), 1);
    if (list.current()) {
        EXPECT_LT(*list.current(), list.count());
    }
}

}  // namespace sonara::testing

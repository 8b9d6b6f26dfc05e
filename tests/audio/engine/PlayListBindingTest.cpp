#include "audio/engine/PlayListBinding.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeOutput.h"
#include "audio/engine/PlayerHost.h"
#include "audio/engine/PlayerSettings.h"
#include "core/app/EventQueue.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/PlayListFakes.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::audio {
namespace {

using namespace std::chrono_literals;
using sonara::testing::TempDir;

// The play list playing real MP3 fixtures through the player host over an
// output that plays by the clock.
class PlayListBindingTest : public ::testing::Test {
  protected:
    PlayListBindingTest()
        : prefs(dir.file("Sonara.ini"), dir.path().string()),
          factory(nullptr, false),
          current(PlayListAdder::Environment{prompter, factory, cache, sources, saver,
                                             dir.file("CurrPl.snl")}),
          list(current.list()),
          sequence(current.sequence()) {
        EXPECT_TRUE(prefs.loadAll());
        prefs.values().randomAdd = 0;
        prefs.values().removePlayedSong = 0;
        prefs.values().useTagInfoDBAdd = 0;
        prefs.values().firstLetterCaps = prefs.values().replaceUnderscore = 0;
        prefs.values().replaceBrackets = prefs.values().replaceParens = 0;
        current.applyPreferences(prefs);
        outputs.speed = 20;  // a second of audio in 50 ms
        host = std::make_unique<PlayerHost>(queue, outputs, prompter);
        host->startUp(playerSettings(prefs));
        binding = std::make_unique<PlayListBinding>(*host, sequence);
    }
    ~PlayListBindingTest() override {
        host->stopIfOpen();
        binding.reset();
    }

    void add(const std::string& name, double seconds) {
        const std::string path = dir.file(name);
        sonara::testing::writeMp3(path, sonara::testing::songSpec(seconds));
        addPath(path);
    }
    void addPath(const std::string& path) {
        LibraryRecord record;
        record.setFileName(path.substr(path.rfind('/') + 1));
        record.setArtist("Artist");
        record.setTitle(record.fileName());
        current.adder().append(record, path, false);
    }
    std::vector<EntryState> states() const {
        std::vector<EntryState> all;
        for (const PlayListEntry& entry : list.entries()) {
            all.push_back(entry.state);
        }
        return all;
    }

    TempDir dir;
    EventQueue queue;
    testing::FakeOutputFactory outputs;
    PreferenceStore prefs;
    sonara::testing::ScriptedPrompter prompter;
    RecordFactory factory;
    PathCache cache;
    SourcesList sources;
    sonara::testing::CountingSaver saver;
    CurrentPlayList current;
    PlayList& list;
    PlaySequence& sequence;
    std::unique_ptr<PlayerHost> host;
    std::unique_ptr<PlayListBinding> binding;
};

using S = EntryState;

TEST_F(PlayListBindingTest, SongsThatEndPlayTheNextAndTheListStopsAfterTheLast) {
    add("a.mp3", 1);
    const std::string garbage = dir.file("garbage.mp3");
    sonara::testing::writeBytes(garbage, std::vector<uint8_t>(4000, 0x5A));
    addPath(garbage);
    add("c.mp3", 1);
    list.makeCurrent(0);
    ASSERT_TRUE(sequence.playCurrent());
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(current.nowPlaying().caption(), "Artist - a.mp3 - Sonara");

    // The end of a advances; the file the player rejects is skipped quietly.
    ASSERT_TRUE(queue.runUntil([&] { return list.current() == 2u; }, 10s));
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(host->player().fileName(), dir.file("c.mp3"));
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Played, S::Current}));

    ASSERT_TRUE(queue.runUntil([&] { return list.at(2).state == S::Played; }, 10s));
    EXPECT_FALSE(host->isPlaying());
    EXPECT_EQ(current.nowPlaying().caption(), "Sonara");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PlayListBindingTest, AStopDoesNotAdvanceAndTheTrayPlayStartsAgain) {
    add("long.mp3", 10);
    add("next.mp3", 1);
    host->command(Command::TrayPlay);  // nothing current yet: the first
    ASSERT_TRUE(host->isPlaying());
    EXPECT_EQ(list.current(), 0u);
    queue.runFor(100ms);
    sonara::testing::FakeView window(list);
    current.nowPlaying().setListener(&window);
    host->command(Command::TrayStop);  // the Stop button's stop
    EXPECT_FALSE(host->isPlaying());
    EXPECT_EQ(window.displayResets, 1);
    EXPECT_EQ(window.caption, "Sonara");
    current.nowPlaying().setListener(nullptr);
    queue.runFor(200ms);
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Unplayed}));

    host->command(Command::TrayNext);
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(host->player().fileName(), dir.file("next.mp3"));
}

TEST_F(PlayListBindingTest, ADeviceFailureStopsWithoutSkipping) {
    outputs.failOpen = true;
    add("a.mp3", 1);
    add("b.mp3", 1);
    list.makeCurrent(0);
    const Status played = sequence.playCurrent();
    EXPECT_FALSE(played);
    EXPECT_EQ(played.kind(), ErrorKind::Device);
    EXPECT_FALSE(sequence.advance(1, true));
    EXPECT_EQ(list.current(), 1u);  // tried once, then the engine's message
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(current.nowPlaying().caption(), "Sonara");
}

TEST_F(PlayListBindingTest, ShuffleWhilePlayingKeepsThePlayingSongOnTop) {
    for (int i = 0; i < 6; ++i) {
        add("s" + std::to_string(i) + ".mp3", 10);
    }
    list.makeCurrent(4);
    ASSERT_TRUE(sequence.playCurrent());
    ASSERT_TRUE(sequence.shuffle());
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(list.at(0).path, dir.file("s4.mp3"));
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(host->player().fileName(), dir.file("s4.mp3"));
}

}  // namespace
}  // namespace sonara::audio

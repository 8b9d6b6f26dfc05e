#include "audio/engine/PlayListBinding.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeOutput.h"
#include "audio/engine/PlayerHost.h"
#include "core/app/DataFileSaver.h"
#include "core/app/EventQueue.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/playlist/PlayList.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::audio {
namespace {

using namespace std::chrono_literals;
using sonara::testing::TempDir;

class NoSaves final : public DataFileSaver {
  public:
    void saveDataFiles() override {}
};

// The play list playing real MP3 fixtures through the player host over an
// output that plays by the clock.
class PlayListBindingTest : public ::testing::Test {
  protected:
    PlayListBindingTest()
        : prefs(dir.file("Sonara.ini"), dir.path().string()),
          factory(nullptr, false),
          list(PlayList::Environment{prefs, prompter, factory, cache, sources, saver,
                                     dir.file("CurrPl.snl")}) {
        EXPECT_TRUE(prefs.loadAll());
        prefs.values().randomAdd = 0;
        prefs.values().removePlayedSong = 0;
        prefs.values().useTagInfoDBAdd = 0;
        prefs.values().firstLetterCaps = prefs.values().replaceUnderscore = 0;
        prefs.values().replaceBrackets = prefs.values().replaceParens = 0;
        outputs.speed = 20;  // a second of audio in 50 ms
        host = std::make_unique<PlayerHost>(queue, outputs, prefs, prompter);
        host->startUp();
        binding = std::make_unique<PlayListBinding>(*host, list);
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
        list.append(record, path, false);
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
    NoSaves saver;
    PlayList list;
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
    ASSERT_TRUE(list.playCurrent());
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(list.caption(), "Artist - a.mp3 - Sonara");

    // The end of a advances; the file the player rejects is skipped quietly.
    ASSERT_TRUE(queue.runUntil([&] { return list.current() == 2u; }, 10s));
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(host->player().fileName(), dir.file("c.mp3"));
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Played, S::Current}));

    ASSERT_TRUE(queue.runUntil([&] { return list.at(2).state == S::Played; }, 10s));
    EXPECT_FALSE(host->isPlaying());
    EXPECT_EQ(list.caption(), "Sonara");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PlayListBindingTest, AStopDoesNotAdvanceAndTheTrayPlayStartsAgain) {
    add("long.mp3", 10);
    add("next.mp3", 1);
    host->command(PlayerHost::kCommandPlay);  // nothing current yet: the first
    ASSERT_TRUE(host->isPlaying());
    EXPECT_EQ(list.current(), 0u);
    queue.runFor(100ms);
    host->command(PlayerHost::kCommandStop);  // no window: the play list stops
    EXPECT_FALSE(host->isPlaying());
    queue.runFor(200ms);
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(states(), (std::vector<S>{S::Played, S::Unplayed}));

    host->command(PlayerHost::kCommandNext);
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(host->player().fileName(), dir.file("next.mp3"));
}

TEST_F(PlayListBindingTest, ADeviceFailureStopsWithoutSkipping) {
    outputs.failOpen = true;
    add("a.mp3", 1);
    add("b.mp3", 1);
    list.makeCurrent(0);
    PlayOutcome outcome = PlayOutcome::Ok;
    EXPECT_FALSE(list.playCurrent(outcome));
    EXPECT_EQ(outcome, PlayOutcome::DeviceFailure);
    EXPECT_FALSE(list.advance(1, true));
    EXPECT_EQ(list.current(), 1u);  // tried once, then the engine's message
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(list.caption(), "Sonara");
}

TEST_F(PlayListBindingTest, ShuffleWhilePlayingKeepsThePlayingSongOnTop) {
    for (int i = 0; i < 6; ++i) {
        add("s" + std::to_string(i) + ".mp3", 10);
    }
    list.setScratchFolder(dir.path().string());
    list.makeCurrent(4);
    ASSERT_TRUE(list.playCurrent());
    ASSERT_TRUE(list.shuffle());
    EXPECT_EQ(list.current(), 0u);
    EXPECT_EQ(list.at(0).path, dir.file("s4.mp3"));
    EXPECT_TRUE(host->isPlaying());
    EXPECT_EQ(host->player().fileName(), dir.file("s4.mp3"));
}

}  // namespace
}  // namespace sonara::audio

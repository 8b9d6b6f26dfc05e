#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mainwnd/TransportCommands.h"
#include "support/PlayListFixture.h"

namespace sonara::testing {
namespace {

using S = EntryState;

class FakePause final : public PauseControl {
  public:
    explicit FakePause(FakePlayer& player) : player_(player) {}
    bool isPaused() const override { return paused && player_.playing; }
    void togglePause() override {
        paused = !paused;
        ++toggles;
    }
    bool paused = false;
    int toggles = 0;

  private:
    FakePlayer& player_;
};

class FakeHandOff final : public ExternalPlayerHandOff {
  public:
    void playFile(const std::string& path) override { handed.push_back(path); }
    std::vector<std::string> handed;
};

class Transport : public PlayListFixture {
  protected:
    Transport() : pause(player), transport(sequence, pause, handOff) {}

    void playRow(size_t row) {
        list.makeCurrent(row);
        ASSERT_TRUE(sequence.playCurrent());
    }
    std::string playing() const { return player.playing ? player.openPath : std::string(); }

    FakePause pause;
    FakeHandOff handOff;
    TransportCommands transport;
};

TEST_F(Transport, PlayPlaysTheSelectedRowOrTheNextEntry) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    transport.play(std::nullopt);  // nothing selected: the first entry
    EXPECT_EQ(playing(), path("a.mp3"));

    transport.play(2);  // a selected row replaces what plays
    EXPECT_EQ(playing(), path("c.mp3"));
    EXPECT_EQ(list.at(0).state, S::Played);
    EXPECT_EQ(list.current(), 2u);

    // A file the player rejects is skipped for the next one.
    player.failures[path("a.mp3")] = ErrorKind::Rejected;
    transport.play(0);
    EXPECT_EQ(playing(), path("b.mp3"));

    // A failed device stops there.
    player.failures[path("c.mp3")] = ErrorKind::Device;
    transport.play(2);
    EXPECT_EQ(playing(), "");
    EXPECT_EQ(list.current(), 2u);

    // A selection past the list's end counts as none.
    player.failures.clear();
    list.makeCurrent(0);
    transport.play(9);
    EXPECT_EQ(playing(), path("b.mp3"));
}

TEST_F(Transport, PlayOnAPausedSongResumesIt) {
    queue({"a.mp3", "b.mp3"});
    playRow(0);
    transport.pause();
    ASSERT_TRUE(pause.isPaused());
    transport.play(1);
    EXPECT_FALSE(pause.isPaused());
    EXPECT_EQ(playing(), path("a.mp3"));
    transport.pause();
    transport.play(std::nullopt);  // also with nothing selected: no skip
    EXPECT_EQ(playing(), path("a.mp3"));
    EXPECT_EQ(pause.toggles, 4);
    EXPECT_EQ(player.opens.size(), 1u);
}

TEST_F(Transport, PreviousAndNext) {
    queue({"a.mp3", "b.mp3", "c.mp3"});
    // Stopped, nothing selected: the next entry plays, whichever button.
    transport.previous(std::nullopt);
    EXPECT_EQ(playing(), path("a.mp3"));

    // Playing: the neighbour plays; the selection does not matter.
    transport.next(0);
    EXPECT_EQ(playing(), path("b.mp3"));
    transport.previous(2);
    EXPECT_EQ(playing(), path("a.mp3"));

    // Stopped with a selected row: it becomes current and the step only
    // moves the current entry.
    transport.stop();
    ASSERT_EQ(playing(), "");
    const size_t opens = player.opens.size();
    transport.next(1);
    EXPECT_EQ(list.current(), 2u);
    EXPECT_EQ(player.opens.size(), opens);
    transport.previous(1);
    EXPECT_EQ(list.current(), 0u);
}

TEST_F(Transport, PartyViewRefusesAllButPlayAndPlayOnlyWhenSilent) {
    queue({"a.mp3", "b.mp3"});
    transport.setView(ViewMode::Party);
    transport.play(std::nullopt);
    EXPECT_EQ(playing(), path("a.mp3"));
    transport.play(1);  // a guest cannot cut the song short
    EXPECT_EQ(playing(), path("a.mp3"));

    for (const Command command : {Command::PauseButton, Command::StopButton,
                                  Command::PreviousButton, Command::NextButton}) {
        EXPECT_FALSE(transport.run(command, 1)) << int(command);
    }
    transport.stop();
    transport.pause();
    transport.next(1);
    EXPECT_EQ(playing(), path("a.mp3"));
    EXPECT_EQ(pause.toggles, 0);

    transport.ownerSkip(std::nullopt);
    EXPECT_EQ(playing(), path("b.mp3"));

    transport.setView(ViewMode::Normal);
    EXPECT_TRUE(transport.run(Command::StopButton, std::nullopt));
    EXPECT_EQ(playing(), "");
    EXPECT_EQ(view.displayResets, 1);
    EXPECT_FALSE(transport.run(Command::Shuffle, std::nullopt));
}

TEST_F(Transport, TheOutsidePlayerGetsTheSelectedRowsFile) {
    queue({"a.mp3", "b.mp3"});
    transport.setBuiltInPlayer(false);
    transport.play(std::nullopt);
    EXPECT_TRUE(handOff.handed.empty());
    transport.play(1);
    EXPECT_EQ(handOff.handed, (std::vector<std::string>{path("b.mp3")}));
    EXPECT_TRUE(player.opens.empty());
}

}  // namespace
}  // namespace sonara::testing

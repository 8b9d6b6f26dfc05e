#include "core/settings/PreferenceChanges.h"

#include <gtest/gtest.h>

#include "core/settings/PreferencePageRules.h"

namespace sonara {
namespace {

using Effect = PreferenceEffect;

// Every watched value changed at once: each effect once, in the order the
// running program must take them.
TEST(PreferenceChanges, EffectsRunInTheirOrder) {
    Preferences before;
    Preferences after = before;
    after.randomGenre = "0101";
    after.playerBufferSizeK = 512;
    after.waveoutDeviceId = 1;
    after.visPriority = 3;
    after.normalOnTop = 1;
    after.firstLetterCaps = 1;
    after.useAsDefaultPlayer = 1;
    const std::vector<Effect> expected = {
        Effect::RandomGenre, Effect::BufferSize, Effect::OutputDevice, Effect::Visualisations,
        Effect::AlwaysOnTop, Effect::Titles,     Effect::Associations, Effect::PlayerChoice};
    EXPECT_EQ(preferenceEffects(before, after), expected);
}

// Nothing changed (the genres only in case): only the association rule,
// which is due on every OK.
TEST(PreferenceChanges, UnchangedValuesOnlyRegister) {
    Preferences before;
    before.randomGenre = "abc";
    Preferences after = before;
    after.randomGenre = "ABC";
    after.showTips = 1;  // read where it is used: nothing to redo
    EXPECT_EQ(preferenceEffects(before, after), std::vector<Effect>{Effect::Associations});

    after.visualTallLevels = 1;
    after.replaceBrackets = 1;
    EXPECT_EQ(preferenceEffects(before, after),
              (std::vector<Effect>{Effect::Visualisations, Effect::Titles, Effect::Associations}));
}

TEST(PlayerPageRules, OwnPlayerAndOtherPlayerEnableOppositeControls) {
    OutsidePlayerInfo player;
    player.known = true;
    player.canOpen = true;
    player.canPlay = true;

    const PlayerPageEnabling own = playerPageEnabling(true, true, player);
    EXPECT_TRUE(own.ownPlayerControls);
    EXPECT_TRUE(own.otherPlayerRadio);
    EXPECT_FALSE(own.otherOpen || own.otherPlay || own.otherEnqueue);
    EXPECT_TRUE(own.genreButton);
    EXPECT_FALSE(playerPageEnabling(true, false, player).genreButton);

    const PlayerPageEnabling other = playerPageEnabling(false, true, player);
    EXPECT_FALSE(other.ownPlayerControls);
    EXPECT_FALSE(other.genreButton);
    EXPECT_TRUE(other.otherOpen);
    EXPECT_TRUE(other.otherPlay);
    EXPECT_FALSE(other.otherEnqueue);  // the player has no such verb

    const PlayerPageEnabling none = playerPageEnabling(false, false, OutsidePlayerInfo{});
    EXPECT_FALSE(none.otherPlayerRadio);
    EXPECT_FALSE(none.otherOpen || none.otherPlay || none.otherEnqueue);
}

TEST(PlayerPageRules, UnsupportedActionFallsBackToPlayThenOpenThenEnqueue) {
    OutsidePlayerInfo player;
    EXPECT_EQ(offeredPlayerAction(2, player), 1);  // nothing known of the player

    player.described = true;
    player.canOpen = true;
    player.canPlay = true;
    EXPECT_EQ(offeredPlayerAction(0, player), 0);
    EXPECT_EQ(offeredPlayerAction(2, player), 1);
    EXPECT_EQ(offeredPlayerAction(7, player), 1);
    player.canPlay = false;
    EXPECT_EQ(offeredPlayerAction(2, player), 0);
    player.canOpen = false;
    EXPECT_EQ(offeredPlayerAction(1, player), 2);
}

TEST(PlayerPageRules, BufferSizeIsAWholeNumberFrom64To800) {
    EXPECT_EQ(parseBufferSize("64").value(), 64);
    EXPECT_EQ(parseBufferSize(" 800 ").value(), 800);
    for (const char* bad : {"63", "801", "900", "", "32a", "-64", "99999999999"}) {
        const Result<int> parsed = parseBufferSize(bad);
        ASSERT_FALSE(parsed.ok()) << bad;
        EXPECT_EQ(parsed.error(), "Please enter an integer between 64 and 800.");
    }
}

}  // namespace
}  // namespace sonara

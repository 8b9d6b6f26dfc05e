#include "core/mainwnd/WorkSpace.h"

#include <gtest/gtest.h>

#include "core/settings/Preferences.h"

namespace sonara {
namespace {

struct CountingPort : WorkSpacePort {
    void savePreferences() override { ++saves; }
    void relayout() override {
        ++relayouts;
        // The window lays out after the value is stored.
        EXPECT_EQ(saves, relayouts);
    }
    int saves = 0;
    int relayouts = 0;
};

struct WorkSpaceTest : ::testing::Test {
    Preferences preferences;
    CountingPort port;
    PlayListWorkSpace space{port, preferences};
};

TEST_F(WorkSpaceTest, BumpsAndHeightsChangeAndSave) {
    preferences.plPercentage = 100;
    EXPECT_TRUE(space.apply(Command::WorkSpaceBumpDown));
    EXPECT_EQ(preferences.plPercentage, 95);
    EXPECT_TRUE(space.apply(Command::WorkSpace30));
    EXPECT_EQ(space.percent(), 30);
    EXPECT_TRUE(space.apply(Command::WorkSpaceBumpUp));
    EXPECT_EQ(space.percent(), 35);
    EXPECT_TRUE(space.apply(Command::WorkSpace20));
    EXPECT_EQ(space.percent(), 20);
    EXPECT_TRUE(space.apply(Command::WorkSpace100));
    EXPECT_EQ(space.percent(), 100);
    EXPECT_EQ(port.saves, 5);
    EXPECT_EQ(port.relayouts, 5);
}

TEST_F(WorkSpaceTest, AtTheEndsNothingChangesAndNothingIsSaved) {
    preferences.plPercentage = 100;
    EXPECT_FALSE(space.apply(Command::WorkSpaceBumpUp));
    EXPECT_FALSE(space.apply(Command::WorkSpace100));
    preferences.plPercentage = 20;
    EXPECT_FALSE(space.apply(Command::WorkSpaceBumpDown));
    EXPECT_FALSE(space.set(3));
    EXPECT_FALSE(space.apply(Command::Shuffle));
    EXPECT_EQ(port.saves, 0);
    EXPECT_EQ(port.relayouts, 0);
    // Clamped, not refused.
    preferences.plPercentage = 22;
    EXPECT_TRUE(space.apply(Command::WorkSpaceBumpDown));
    EXPECT_EQ(preferences.plPercentage, 20);
}

TEST_F(WorkSpaceTest, OutOfRangeStoredValueReadsClampedAndIsMended) {
    preferences.plPercentage = 0;
    EXPECT_EQ(space.percent(), 20);
    EXPECT_TRUE(space.set(20));
    EXPECT_EQ(preferences.plPercentage, 20);
    preferences.plPercentage = 400;
    EXPECT_EQ(space.percent(), 100);
    EXPECT_TRUE(space.apply(Command::WorkSpaceBumpUp));
    EXPECT_EQ(preferences.plPercentage, 100);
}

TEST(WorkSpaceTarget, EveryHeightCommand) {
    EXPECT_EQ(workSpaceTarget(Command::WorkSpace20, 50), 20);
    EXPECT_EQ(workSpaceTarget(Command::WorkSpace60, 50), 60);
    EXPECT_EQ(workSpaceTarget(Command::WorkSpace90, 50), 90);
    EXPECT_EQ(workSpaceTarget(Command::WorkSpace100, 50), 100);
    EXPECT_EQ(workSpaceTarget(Command::WorkSpaceBumpUp, 50), 55);
    EXPECT_EQ(workSpaceTarget(Command::WorkSpaceBumpDown, 50), 45);
    EXPECT_FALSE(workSpaceTarget(Command::ViewBar, 50));
    // 9284 lies between the bumps and the heights and is no command.
    EXPECT_FALSE(workSpaceTarget(static_cast<Command>(9284), 50));
}

}  // namespace
}  // namespace sonara

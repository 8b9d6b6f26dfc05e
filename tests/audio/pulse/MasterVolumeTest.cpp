#include "audio/MasterVolume.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "audio/pulse/PulseTestSupport.h"
#include "core/app/EventQueue.h"

namespace sonara::audio {
namespace {

using namespace std::chrono_literals;
using testing::runCommand;

// What a window's callback saw.
struct Listener {
    std::vector<int> values;
    static void record(int value, void* self) {
        static_cast<Listener*>(self)->values.push_back(value);
    }
    bool saw(int low, int high) const {
        for (int value : values) {
            if (value >= low && value <= high) {
                return true;
            }
        }
        return false;
    }
};

std::string defaultSinkMute() {
    return runCommand({"pactl", "get-sink-mute", "@DEFAULT_SINK@"}).output;
}

// Everything that changes the test server's volume is one test, so that
// tests running side by side never see each other's changes.
TEST(MasterVolume, ControlsAndFollowsTheDefaultSink) {
    SONARA_REQUIRE_PULSE_SERVER();
    EventQueue queue;
    MasterVolume mainWindow(queue);
    ASSERT_TRUE(mainWindow.hasVolumeControl());
    EXPECT_TRUE(mainWindow.isActive());
    EXPECT_EQ(mainWindow.steps(), 65536);
    EXPECT_EQ(mainWindow.minimum(), 0);
    EXPECT_EQ(mainWindow.maximum(), 65535);
    EXPECT_EQ(mainWindow.defaultSinkName(), "test");
    ASSERT_EQ(mainWindow.sinks().size(), 1u);
    EXPECT_EQ(mainWindow.sinks()[0].description, "Null Output");

    {
        SCOPED_TRACE("setVolume sets every channel; outside the range it changes nothing");
        mainWindow.setVolume(65535);
        EXPECT_EQ(mainWindow.getVolume(), 65535);
        EXPECT_NE(runCommand({"pactl", "get-sink-volume", "test"}).output.find("100% /"),
                  std::string::npos);
        mainWindow.setVolume(30000);
        EXPECT_EQ(mainWindow.getVolume(), 30000);
        const std::string both = runCommand({"pactl", "get-sink-volume", "test"}).output;
        EXPECT_NE(both.find("front-left: 30000 /"), std::string::npos) << both;
        EXPECT_NE(both.find("front-right: 30000 /"), std::string::npos) << both;
        mainWindow.setVolume(-1);
        mainWindow.setVolume(65536);
        EXPECT_EQ(mainWindow.getVolume(), 30000);
    }
    {
        SCOPED_TRACE("disableLine mutes the default sink, enableLine unmutes it");
        mainWindow.disableLine();
        EXPECT_NE(defaultSinkMute().find("yes"), std::string::npos);
        mainWindow.enableLine();
        EXPECT_NE(defaultSinkMute().find("no"), std::string::npos);
    }
    {
        SCOPED_TRACE("an outside change reaches the active object's callback only");
        Listener mainListener;
        Listener dialogListener;
        mainWindow.setCallback(&Listener::record, &mainListener);
        auto dialog = std::make_unique<MasterVolume>(queue);
        dialog->setCallback(&Listener::record, &dialogListener);
        EXPECT_TRUE(dialog->isActive());
        EXPECT_FALSE(mainWindow.isActive());

        ASSERT_EQ(runCommand({"pactl", "set-sink-volume", "@DEFAULT_SINK@", "40%"}).status, 0);
        // 40 % is 26214 of 65536; our scale ends at 65535.
        EXPECT_TRUE(queue.runUntil([&] { return dialogListener.saw(26213, 26215); }, 10s));
        EXPECT_EQ(dialog->getVolume(), mainWindow.getVolume());

        mainWindow.makeActive();
        EXPECT_FALSE(dialog->isActive());
        const size_t dialogCalls = dialogListener.values.size();
        ASSERT_EQ(runCommand({"pactl", "set-sink-volume", "@DEFAULT_SINK@", "60%"}).status, 0);
        EXPECT_TRUE(queue.runUntil([&] { return mainListener.saw(39320, 39322); }, 10s));
        queue.runFor(300ms);
        EXPECT_EQ(dialogListener.values.size(), dialogCalls);

        // Destroying an inactive one leaves the active one alone.
        dialog.reset();
        EXPECT_TRUE(mainWindow.isActive());
    }
    {
        SCOPED_TRACE("destroying the active one leaves none active");
        Listener mainListener;
        mainWindow.setCallback(&Listener::record, &mainListener);
        auto dialog = std::make_unique<MasterVolume>(queue);
        dialog.reset();
        EXPECT_FALSE(mainWindow.isActive());
        ASSERT_EQ(runCommand({"pactl", "set-sink-volume", "@DEFAULT_SINK@", "50%"}).status, 0);
        queue.runFor(500ms);
        EXPECT_TRUE(mainListener.values.empty());
    }
    mainWindow.setVolume(65535);
}

TEST(MasterVolume, WithoutAServerThereIsNoControl) {
    testing::NoSoundServer noServer;
    EventQueue queue;
    MasterVolume volume(queue);
    EXPECT_FALSE(volume.hasVolumeControl());
    EXPECT_FALSE(volume.isActive());
    EXPECT_EQ(volume.steps(), std::nullopt);
    EXPECT_EQ(volume.minimum(), std::nullopt);
    EXPECT_EQ(volume.maximum(), std::nullopt);
    EXPECT_EQ(volume.getVolume(), std::nullopt);
    volume.setVolume(1000);
    volume.enableLine();
    volume.disableLine();
    EXPECT_EQ(volume.getVolume(), std::nullopt);
    EXPECT_EQ(volume.defaultSinkName(), "");
    EXPECT_TRUE(volume.sinks().empty());
}

}  // namespace
}  // namespace sonara::audio

#include "core/app/EventQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace sonara {
namespace {

using namespace std::chrono_literals;

TEST(EventQueue, TasksPostedFromAnyThreadRunOnTheLoopThread) {
    EventQueue queue;
    std::thread::id ranOn;
    bool ran = false;
    std::thread poster([&] {
        queue.post([&] {
            ranOn = std::this_thread::get_id();
            ran = true;
        });
    });
    poster.join();
    EXPECT_TRUE(queue.runUntil([&] { return ran; }, 5s));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(EventQueue, DrainRunsOnlyWhatIsQueuedAndStopsWhenDone) {
    EventQueue queue;
    int count = 0;
    for (int i = 0; i < 5; ++i) {
        queue.post([&] { ++count; });
    }
    queue.drainUntil([&] { return count == 2; });
    EXPECT_EQ(count, 2);
    // A task that posts another does not keep the drain going.
    queue.post([&] { queue.post([&] { ++count; }); });
    queue.drainUntil([] { return false; });
    EXPECT_EQ(count, 5);
    // Nothing queued: returns at once instead of waiting.
    queue.drainUntil([] { return false; });
    queue.drainUntil([] { return false; });
    EXPECT_EQ(count, 6);
}

TEST(EventQueue, TimersTickUntilKilledAndMayRestartThemselves) {
    EventQueue queue;
    int ticks = 0;
    queue.startTimer(7, 5, [&] {
        if (++ticks == 3) {
            queue.killTimer(7);
        }
    });
    queue.runFor(200ms);
    EXPECT_EQ(ticks, 3);

    int other = 0;
    queue.startTimer(8, 1000, [&] { ++other; });
    queue.startTimer(8, 2, [&] { ++other; });  // restarted with a short interval
    EXPECT_TRUE(queue.runUntil([&] { return other >= 2; }, 5s));
    queue.killTimer(8);
}

TEST(EventQueue, RunUntilGivesUpAtTheTimeout) {
    EventQueue queue;
    EXPECT_FALSE(queue.runUntil([] { return false; }, 20ms));
}

}  // namespace
}  // namespace sonara

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

TEST(EventQueue, TimersTickUntilStoppedAndMayRestartThemselves) {
    EventQueue queue;
    int ticks = 0;
    TimerHandle timer = queue.startTimer(5, [&] {
        if (++ticks == 3) {
            timer.stop();
        }
    });
    queue.runFor(200ms);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.running());

    int other = 0;
    TimerHandle slow = queue.startTimer(1000, [&] { ++other; });
    slow.restart(2);  // restarted with a short interval
    EXPECT_TRUE(queue.runUntil([&] { return other >= 2; }, 5s));
}

TEST(EventQueue, ATimerLivesAsLongAsItsHandle) {
    EventQueue queue;
    int dropped = 0;
    {
        TimerHandle gone = queue.startTimer(1, [&] { ++dropped; });
    }
    queue.runFor(30ms);
    EXPECT_EQ(dropped, 0);

    // Moved: the new owner's timer keeps ticking, the old handle is empty.
    int moved = 0;
    TimerHandle first = queue.startTimer(1, [&] { ++moved; });
    TimerHandle second = std::move(first);
    EXPECT_FALSE(first.running());
    first.stop();  // an empty handle stops nothing
    EXPECT_TRUE(queue.runUntil([&] { return moved >= 2; }, 5s));

    // Assigned over: the old timer stops, only the new one ticks.
    int replacement = 0;
    const int movedBefore = moved;
    second = queue.startTimer(1, [&] { ++replacement; });
    EXPECT_TRUE(queue.runUntil([&] { return replacement >= 2; }, 5s));
    EXPECT_EQ(moved, movedBefore);
}

TEST(EventQueue, RunUntilGivesUpAtTheTimeout) {
    EventQueue queue;
    EXPECT_FALSE(queue.runUntil([] { return false; }, 20ms));
}

}  // namespace
}  // namespace sonara

// The Qt event loop as the engines' Dispatcher: tasks from other threads,
// drains, and timers that stop or restart themselves.
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <thread>
#include <vector>

#include "gui/app/QtDispatcher.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

class QtDispatcherTest : public QObject {
    Q_OBJECT
  private slots:
    void tasksFromAnotherThreadRunOnTheUiThreadInOrder() {
        QtDispatcher dispatcher;
        std::vector<int> order;
        std::atomic<bool> offThread{false};
        std::thread poster([&] {
            for (int i = 0; i < 50; ++i) {
                dispatcher.post([&, i] {
                    offThread = offThread || QThread::currentThread() != qApp->thread();
                    order.push_back(i);
                });
            }
        });
        poster.join();
        QVERIFY(order.empty());  // never at once
        QTRY_COMPARE(order.size(), size_t(50));
        QVERIFY(!offThread);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(order[size_t(i)], i);
        }
    }

    void drainRunsOnlyWhatIsQueuedAndStopsWhenDone() {
        QtDispatcher dispatcher;
        int ran = 0;
        bool repostRan = false;
        dispatcher.post([&] {
            ++ran;
            dispatcher.post([&] { repostRan = true; });
        });
        dispatcher.post([&] { ++ran; });
        dispatcher.post([&] { ++ran; });
        dispatcher.drainUntil([&] { return ran == 2; });
        QCOMPARE(ran, 2);
        dispatcher.drainUntil([] { return false; });
        QCOMPARE(ran, 3);
        QVERIFY(repostRan);  // queued before the second drain began
        dispatcher.post([&] {
            ++ran;
            dispatcher.post([&] { ++ran; });
        });
        dispatcher.drainUntil([] { return false; });
        QCOMPARE(ran, 4);  // not the task posted during the drain
        // The events queued for drained tasks find nothing; nothing runs twice.
        QTRY_COMPARE(ran, 5);
        QTest::qWait(20);
        QCOMPARE(ran, 5);
    }

    void aTimerStoppedInItsOwnTickNeverTicksAgain() {
        QtDispatcher dispatcher;
        int ticks = 0;
        TimerHandle handle;
        handle = dispatcher.startTimer(5, [&] {
            ++ticks;
            handle.stop();
        });
        QTRY_COMPARE(ticks, 1);
        QVERIFY(!handle.running());
        QCOMPARE(dispatcher.timerCount(), 0);
        QTest::qWait(40);
        QCOMPARE(ticks, 1);
    }

    void aTimerReplacedInItsOwnTickHandsOverToTheNewOne() {
        QtDispatcher dispatcher;
        int firstTicks = 0;
        int secondTicks = 0;
        TimerHandle handle;
        handle = dispatcher.startTimer(5, [&] {
            ++firstTicks;
            handle = dispatcher.startTimer(5, [&] { ++secondTicks; });
        });
        QTRY_VERIFY(secondTicks >= 2);
        QCOMPARE(firstTicks, 1);
        QCOMPARE(dispatcher.timerCount(), 1);
        handle.stop();
    }

    void restartCountsTheIntervalFromNow() {
        QtDispatcher dispatcher;
        int ticks = 0;
        TimerHandle handle = dispatcher.startTimer(60, [&] { ++ticks; });
        QElapsedTimer clock;
        clock.start();
        // Restarted every 20 ms, a 60 ms timer never comes due.
        while (clock.elapsed() < 200) {
            handle.restart(60);
            QTest::qWait(20);
        }
        QCOMPARE(ticks, 0);
        handle.restart(5);
        QTRY_VERIFY(ticks >= 1);
    }

    void aDestroyedHandleStopsItsTimer() {
        QtDispatcher dispatcher;
        int ticks = 0;
        {
            TimerHandle handle = dispatcher.startTimer(5, [&] { ++ticks; });
            QTRY_VERIFY(ticks >= 1);
        }
        const int seen = ticks;
        QCOMPARE(dispatcher.timerCount(), 0);
        QTest::qWait(30);
        QCOMPARE(ticks, seen);
    }
};

SONARA_GUI_TEST(QtDispatcherTest)
#include "QtDispatcherTest.moc"

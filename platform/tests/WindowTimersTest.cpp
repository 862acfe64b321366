// The windows' timers on a test clock: the order in which they fall due, a sleep that holds them,
// and a clock or window that goes first; and once on the event loop's own clock.

#include "platform/WindowTimers.h"

#include "platform/TickClock.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::ManualTickClock;
using platform::WindowTimers;

struct Expiry {
    std::uint64_t at;
    std::string window;
    UINT id;
    bool operator==(const Expiry&) const = default;
    friend void PrintTo(const Expiry& e, std::ostream* os) { *os << e.at << " " << e.window << e.id; }
};

class WindowTimersTest : public ::testing::Test {
protected:
    std::unique_ptr<WindowTimers> Window(const std::string& name)
    {
        return std::make_unique<WindowTimers>([this, name](UINT id) {
            seen.push_back({clock.Elapsed(), name, id});
        });
    }

    ManualTickClock clock{5000};
    platform::ScopedTickClock useClock{clock};
    std::vector<Expiry> seen;
};

TEST_F(WindowTimersTest, TimersOfSeveralWindowsFireInTimeOrderUntilKilled)
{
    const auto a = Window("a");
    const auto b = Window("b");
    a->SetTimer(1, 30);
    b->SetTimer(7, 50);
    b->SetTimer(8, 0); // raised to the shortest period, 10 ms
    clock.Advance(25);
    b->KillTimer(8);
    clock.Advance(75);
    EXPECT_EQ(seen, (std::vector<Expiry>{{10, "b", 8},
                                         {20, "b", 8},
                                         {30, "a", 1},
                                         {50, "b", 7},
                                         {60, "a", 1},
                                         {90, "a", 1},
                                         {100, "b", 7}}));
    EXPECT_EQ(clock.Now(), 5100u) << "the tick count moves with the timers";
    EXPECT_FALSE(b->IsTimerRunning(8));
    EXPECT_TRUE(b->IsTimerRunning(7));
}

TEST_F(WindowTimersTest, SettingARunningIdStartsItAgain)
{
    const auto a = Window("a");
    a->SetTimer(1, 100);
    clock.Advance(90);
    a->SetTimer(1, 100);
    clock.Advance(150);
    EXPECT_EQ(seen, (std::vector<Expiry>{{190, "a", 1}}));
}

// The thread blocked in a sleep dispatches nothing: what fell due fires once, when events are
// dispatched next, however many periods passed.
TEST_F(WindowTimersTest, ASleepHoldsTheTimersUntilTheNextDispatch)
{
    const auto a = Window("a");
    const auto b = Window("b");
    a->SetTimer(1, 40);
    b->SetTimer(2, 100);
    clock.Sleep(250);
    EXPECT_TRUE(seen.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<Expiry>{{250, "a", 1}, {250, "b", 2}}));
    seen.clear();
    clock.Advance(100);
    EXPECT_EQ(seen, (std::vector<Expiry>{{290, "a", 1}, {330, "a", 1}, {350, "b", 2}}));
}

TEST_F(WindowTimersTest, AHandlerMayEndItsWindowAndTheClockMayGoFirst)
{
    std::unique_ptr<WindowTimers> doomed;
    doomed = std::make_unique<WindowTimers>([&](UINT) { doomed.reset(); });
    doomed->SetTimer(1, 10);
    const auto a = Window("a");
    a->SetTimer(1, 20);
    clock.Advance(40);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(seen.size(), 2u);

    // Held, then ended before the dispatch: nothing fires.
    doomed = std::make_unique<WindowTimers>([&](UINT) { ADD_FAILURE() << "fired after its window went"; });
    doomed->SetTimer(1, 10);
    clock.Sleep(20);
    doomed.reset();
    QCoreApplication::processEvents();

    clock.Advance(100);
    EXPECT_EQ(seen.size(), 8u) << "a's only";
}

TEST(WindowTimersClock, AWindowMayOutliveItsClock)
{
    int fired = 0;
    WindowTimers window([&](UINT) { ++fired; });
    {
        ManualTickClock clock;
        platform::ScopedTickClock use(clock);
        window.SetTimer(3, 10);
        clock.Advance(10);
    }
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(window.IsTimerRunning(3)) << "until killed, though it fires no more";
    window.KillTimer(3);
}

// Without a test clock the event loop times them.
TEST(WindowTimersOnTheEventLoop, FireUntilKilled)
{
    int fired = 0;
    std::unique_ptr<WindowTimers> timers;
    timers = std::make_unique<WindowTimers>([&](UINT id) {
        EXPECT_EQ(id, 4u);
        if (++fired == 3)
            timers->KillTimer(4);
    });
    timers->SetTimer(4, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 3; }, 5000));
    EXPECT_FALSE(timers->IsTimerRunning(4));
}

} // namespace

// The run without a dialog or a host: the countdown tick by tick, cancelling, and what the run
// makes of the host's replies: the speed field, the speeds around the start and end speeds, the
// three reply errors and the completion text.

#include "platform/TickClock.h"
#include "sprintor/core/AccelerationRun.h"
#include "sprintor/core/Resource.h"
#include "sprintor/core/SprintorStrings.h"
#include "testhost/ReplyPayload.h"

#include <QElapsedTimer>

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The countdown sounds play this long (the build writes them so).
std::uint32_t SoundMs(int wave)
{
    return wave == IDR_WAVE_START ? 130 : 260;
}

// "123 456 789 AB" with the engine speed in field 3 and the speed in field 7, its unit in 8.
std::string SpeedReply(const std::string& speed, const std::string& unit = "km/h")
{
    return testhost::StandardReply(
        "123 456 789 AB", {testhost::Entry{1, 0, "850", "/min"}, testhost::Entry{1, 1, speed, unit}});
}

struct Point {
    float seconds, speed;
};

// What the dialog shows, kept by applying every view of the run as the dialog applies it.
struct Shown {
    std::vector<Point> curve;
    float xMax = 15;
    int lamp = IDB_LAMP_OFF;
    std::vector<UINT> messages;
    std::vector<std::string> results; // UTF-8
    int requests = 0;
    std::vector<int> sounds;

    void Apply(const RunView& v)
    {
        if (v.bClearCurve)
            curve.clear();
        if (v.bPoint)
            curve.push_back({v.fSeconds, v.fSpeed});
        if (v.bTimeAxis)
            xMax = v.fXMax;
        if (v.nLamp != 0)
            lamp = v.nLamp;
        if (v.nMessageId != 0)
            messages.push_back(v.nMessageId);
        if (!v.strResult.isEmpty())
            results.push_back(v.strResult.toStdString());
        requests += v.bRequest;
        if (v.nSound != 0)
            sounds.push_back(v.nSound);
    }
};

class Run : public ::testing::Test {
protected:
    Run() : clockScope(clock) { InstallSprintorStrings(); }

    void Start(int from = 0, int to = 100, const std::string& unit = "km/h")
    {
        shown.Apply(run.Start(from, to, unit));
    }
    // One tick; a step's sound plays to its end on the test clock.
    void Tick()
    {
        const RunView view = run.OnTimerTick();
        shown.Apply(view);
        if (view.nSound != 0) {
            clock.Advance(SoundMs(view.nSound));
            shown.Apply(run.OnSoundPlayed());
        }
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            Tick();
    }
    void Reply(const std::string& payload, const std::string& kind = "1")
    {
        shown.Apply(run.OnHostDataReply(kind, payload, shown.xMax));
    }
    // "Los!" and the whole countdown, a tick every 50 ms: the run then measures.
    void StartAndCountDown(int from = 0, int to = 100, const std::string& unit = "km/h")
    {
        Start(from, to, unit);
        for (int i = 0; i < 44; ++i) {
            clock.Advance(50);
            Tick();
        }
        ASSERT_EQ(run.RunState(), AccelerationRun::STATE_MEASURING);
    }

    platform::ManualTickClock clock{1000};
    platform::ScopedTickClock clockScope;
    AccelerationRun run;
    Shown shown;
};

TEST_F(Run, TheCountdownTickByTick)
{
    Start();
    EXPECT_EQ(run.RunState(), AccelerationRun::STATE_ARMED);
    EXPECT_TRUE(run.IsRunning());
    EXPECT_EQ(run.StartTime(), 1000u) << "replies of the countdown are timed from the press";
    std::uint32_t greenAt = 0;
    int requests = 0;
    for (int tick = 1; tick <= 60; ++tick) {
        SCOPED_TRACE(tick);
        clock.Advance(50);
        shown.curve = {{1, 1}};
        Tick();
        const bool step = tick % 11 == 0 && tick <= 44;
        requests += step ? 0 : 1;
        EXPECT_EQ(shown.requests, requests) << "a step asks nothing";
        EXPECT_EQ(shown.sounds.size(), static_cast<std::size_t>(std::min(tick, 44) / 11));
        EXPECT_EQ(shown.curve.empty(), tick <= 11 || tick == 44) << "the first step clears the curve";
        EXPECT_EQ(shown.lamp, tick < 33 ? IDB_LAMP_OFF : tick < 44 ? IDB_LAMP_AMBER : IDB_LAMP_GREEN);
        if (tick == 44)
            greenAt = clock.Now();
        EXPECT_EQ(run.StartTime(), tick < 44 ? 1000u : greenAt);
    }
    EXPECT_EQ(shown.sounds, (std::vector<int>{IDR_WAVE_BEEP, IDR_WAVE_BEEP, IDR_WAVE_BEEP, IDR_WAVE_START}));
    // The clock starts after the start tone has played to its end.
    EXPECT_EQ(greenAt, 1000u + 44 * 50 + 3 * 260 + 130);
    EXPECT_EQ(run.RunState(), AccelerationRun::STATE_MEASURING);
}

TEST_F(Run, CancellingAtAnyPointReturnsToIdle)
{
    for (int cancelAt : {0, 1, 10, 11, 12, 33, 40, 44, 45, 70}) {
        SCOPED_TRACE(cancelAt);
        shown = Shown{};
        Start();
        Ticks(cancelAt);
        const RunView view = run.Cancel();
        shown.Apply(view);
        EXPECT_TRUE(view.bArmedChanged);
        EXPECT_FALSE(run.IsRunning());
        EXPECT_EQ(run.RunState(), AccelerationRun::STATE_IDLE);
        EXPECT_EQ(shown.lamp, IDB_LAMP_OFF);
        const std::size_t sounds = shown.sounds.size();
        const int requests = shown.requests;
        Ticks(50);
        Reply(SpeedReply("0"));
        EXPECT_EQ(shown.sounds.size(), sounds) << "idle: no sound";
        EXPECT_EQ(shown.requests, requests) << "idle: no request";
        EXPECT_EQ(run.SpeedColumn(), -1) << "idle: no reply taken";
    }
}

// The step waits for its sound; a cancel while it plays stands, and so does a new start: the
// new run does not take the old run's step.
TEST_F(Run, ACancelWhileASoundPlaysStands)
{
    for (const int stepTick : {11, 33}) {
        for (const bool startAgain : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "step at tick " << stepTick << (startAgain ? ", started again" : ""));
            shown = Shown{};
            Start();
            Ticks(stepTick - 1);
            ASSERT_NE(run.OnTimerTick().nSound, 0);
            shown.Apply(run.Cancel());
            if (startAgain)
                Start();
            shown.Apply(run.OnSoundPlayed());
            EXPECT_EQ(run.RunState(),
                      startAgain ? AccelerationRun::STATE_ARMED : AccelerationRun::STATE_IDLE);
            EXPECT_EQ(shown.lamp, IDB_LAMP_OFF);
        }
    }
}

struct Step {
    std::uint32_t afterMs; // on the test clock, before the reply
    std::string payload;
    std::string kind = "1";
};

struct ReplyCase {
    const char* name;
    const char* unit;
    int from, to;
    std::vector<Step> steps;
    UINT messageId;     // the reply error, 0 for none
    const char* result; // the completion text, nullptr for none
    int points;         // on the curve at the end
};

const std::string kFirst = SpeedReply("57");
const std::string kFirstMph = SpeedReply("35", "mph");

const ReplyCase kCases[] = {
    {"km/h found, the run completes",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("0")}, {1000, SpeedReply("50")}, {1350, SpeedReply("101")}},
     0,
     "Beschleunigung von 0 auf 100 dauerte 2.35 Sekunden.",
     3},
    {"mph found",
     "mph",
     0,
     60,
     {{0, kFirstMph}, {0, SpeedReply("0", "mph")}, {4000, SpeedReply("61", "mph")}},
     0,
     "Beschleunigung von 0 auf 60 dauerte 4.00 Sekunden.",
     2},
    {"mph chosen, the host shows km/h", "mph", 0, 100, {{0, kFirst}}, IDS_NO_SPEED_BLOCK, nullptr, 0},
    {"only the identifier mentions the unit",
     "km/h",
     0,
     100,
     {{0, "km/h sensor,G001,F0,12, /min"}},
     IDS_NO_SPEED_BLOCK,
     nullptr,
     0},
    {"the identifier and a later field mention the unit: the search ends at the identifier",
     "km/h",
     0,
     100,
     {{0, "km/h sensor,G001,F0,12, km/h"}},
     IDS_NO_SPEED_BLOCK,
     nullptr,
     0},
    {"an escaped comma stays in its field",
     "km/h",
     0,
     100,
     {{0, "id,12\\,5, km/h"}, {0, "id,0\\,0, km/h"}, {500, "id,101\\,3, km/h"}},
     0,
     "Beschleunigung von 0 auf 100 dauerte 0.50 Sekunden.",
     2},
    {"empty first reply", "km/h", 0, 100, {{0, ""}}, IDS_STRANGE_DATA, nullptr, 0},
    {"a later reply too short",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, "123 456 789 AB,G001,F0,850"}},
     IDS_BLOCK_SWITCHED,
     nullptr,
     0},
    {"a later reply empty",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, SpeedReply("20")}, {100, ""}},
     IDS_BLOCK_SWITCHED,
     nullptr,
     1},
    {"exactly the end speed does not complete",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, SpeedReply("0")}, {100, SpeedReply("100")}, {100, SpeedReply("100.9")}},
     0,
     nullptr,
     3},
    {"end 99: 99.9 truncates to 99, 100.2 completes",
     "km/h",
     0,
     99,
     {{0, kFirst}, {0, SpeedReply("0")}, {100, SpeedReply("99.9")}, {100, SpeedReply("100.2")}},
     0,
     "Beschleunigung von 0 auf 99 dauerte 0.20 Sekunden.",
     3},
    {"kind 2 is ignored",
     "km/h",
     0,
     100,
     {{0, kFirst, "2"},
      {0, SpeedReply("20"), "2"},
      {0, kFirst},
      {100, SpeedReply("20")},
      {100, SpeedReply("150"), "2"}},
     0,
     nullptr,
     1},
    {"at the start speed the clock restarts",
     "km/h",
     50,
     100,
     {{0, kFirst},
      {1000, SpeedReply("50")},
      {500, SpeedReply("51")},
      {500, SpeedReply("50.7")},
      {300, SpeedReply("80")},
      {400, SpeedReply("120")}},
     0,
     "Beschleunigung von 50 auf 100 dauerte 0.70 Sekunden.",
     3},
    {"a negative speed counts as 0",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, SpeedReply("30")}, {100, SpeedReply("-4")}, {100, SpeedReply("-0.5")}},
     0,
     nullptr,
     1},
    {"a field without a number reads 0",
     "km/h",
     10,
     100,
     {{0, kFirst}, {100, SpeedReply("40")}, {100, SpeedReply("x")}, {250, SpeedReply("101")}},
     0,
     "Beschleunigung von 10 auf 100 dauerte 0.25 Sekunden.",
     2},
    {"a huge speed saturates and completes",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("0")}, {3000, SpeedReply(std::string(60, '9'))}},
     0,
     "Beschleunigung von 0 auf 100 dauerte 3.00 Sekunden.",
     2},
    {"inf and hex are no numbers",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("40")}, {100, SpeedReply("inf")}, {100, SpeedReply("0x7FFF")}},
     0,
     nullptr,
     1},
    // A car already past the end speed at the green lamp has not accelerated through the
    // interval: the run completes only once the speed has been at or below the start speed.
    {"already past the end speed at the green lamp",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("120")}, {500, SpeedReply("130")}},
     0,
     nullptr,
     2},
    {"past the end speed, then standing, then through the interval",
     "km/h",
     20,
     100,
     {{0, kFirst},
      {0, SpeedReply("120")},
      {800, SpeedReply("15")},
      {2000, SpeedReply("60")},
      {1000, SpeedReply("105")}},
     0,
     "Beschleunigung von 20 auf 100 dauerte 3.00 Sekunden.",
     3},
};

TEST_F(Run, TableOfReplies)
{
    for (const ReplyCase& c : kCases) {
        SCOPED_TRACE(c.name);
        shown = Shown{};
        StartAndCountDown(c.from, c.to, c.unit);
        for (const Step& s : c.steps) {
            clock.Advance(s.afterMs);
            Reply(s.payload, s.kind);
        }
        EXPECT_EQ(shown.curve.size(), static_cast<std::size_t>(c.points));
        EXPECT_EQ(shown.messages, c.messageId ? std::vector<UINT>{c.messageId} : std::vector<UINT>{});
        EXPECT_EQ(shown.results, c.result ? std::vector<std::string>{c.result} : std::vector<std::string>{});
        const bool ended = c.messageId || c.result;
        EXPECT_EQ(run.RunState(), ended ? AccelerationRun::STATE_IDLE : AccelerationRun::STATE_MEASURING);
        EXPECT_EQ(run.IsRunning(), !ended);
        if (ended)
            EXPECT_EQ(shown.lamp, IDB_LAMP_OFF);
        else
            shown.Apply(run.Cancel());
    }
}

TEST_F(Run, TheSpeedFieldIsFoundInTheFirstReplyOfEachRun)
{
    StartAndCountDown();
    Reply("id,G001,F0,57, km/h,G001,F1,33, km/h");
    EXPECT_EQ(run.SpeedColumn(), 3) << "the field before the first that mentions the unit";
    EXPECT_TRUE(shown.curve.empty()) << "the first reply's value is not used";
    shown.Apply(run.Cancel());
    StartAndCountDown();
    EXPECT_EQ(run.SpeedColumn(), -1);
    Reply(SpeedReply("12"));
    EXPECT_EQ(run.SpeedColumn(), 7);
}

// A reply still on its way from a cancelled run arrives after "Los!": no reply of the first
// second finds the speed field or ends the run, whatever it holds.
TEST_F(Run, TheSpeedFieldComesFromTheFirstReplyASecondAfterThePress)
{
    Start();
    const struct {
        std::uint32_t atMs; // after the press
        std::string payload;
    } dropped[] = {
        {0, SpeedReply("0")},
        {400, ""},
        {600, "id,no unit here"},
        {999, testhost::StandardReply("123 456 789 AB", {testhost::Entry{2, 0, "4000", "/min"},
                                                         testhost::Entry{2, 1, "0", "km/h"}})},
    };
    for (const auto& reply : dropped) {
        SCOPED_TRACE(reply.atMs);
        clock.Set(1000 + reply.atMs);
        Reply(reply.payload);
        EXPECT_EQ(run.SpeedColumn(), -1);
        EXPECT_TRUE(shown.messages.empty());
        EXPECT_TRUE(shown.curve.empty());
        EXPECT_TRUE(run.IsRunning());
    }
    clock.Set(1000 + 1000);
    Reply(SpeedReply("0"));
    EXPECT_EQ(run.SpeedColumn(), 7);
    Reply(SpeedReply("0"));
    EXPECT_EQ(shown.curve.size(), 1u);
}

// A reply of 200 KB froze the dialog for 16 s while its fields were searched one by one from
// the start; the search goes through it once.
TEST_F(Run, ALongFirstReplyIsSearchedInOnePass)
{
    std::string payload = "123 456 789 AB";
    int entries = 0;
    for (; payload.size() < 200000; ++entries)
        payload += ",G001,F0,1, /min";
    payload += ",G001,F1,57, km/h";
    StartAndCountDown();
    QElapsedTimer timer;
    timer.start();
    Reply(payload);
    EXPECT_LT(timer.elapsed(), 250);
    EXPECT_EQ(run.SpeedColumn(), entries * 4 + 3);
    EXPECT_TRUE(shown.messages.empty());
}

TEST_F(Run, TheTimeAxisGrowsByFiveSecondsWhenAPointReachesIt)
{
    StartAndCountDown();
    Reply(kFirst);
    Reply(SpeedReply("0"));
    struct Growth {
        std::uint32_t atMs;
        float xMax;
    };
    for (const Growth g :
         {Growth{14990, 15}, Growth{15000, 20}, Growth{19000, 20}, Growth{20000, 25}, Growth{40000, 30}}) {
        clock.Set(run.StartTime() + g.atMs);
        Reply(SpeedReply("40"));
        EXPECT_EQ(shown.xMax, g.xMax) << g.atMs;
    }
    // A new run starts at 15 s again.
    shown.Apply(run.Cancel());
    Start();
    EXPECT_EQ(shown.xMax, 15.0f);
}

TEST_F(Run, TheClockIsRightAcrossAWrapOfTheCounter)
{
    StartAndCountDown();
    Reply(kFirst);
    clock.Set(0xFFFFFF00u);
    Reply(SpeedReply("0"));
    clock.Advance(0x100 + 1744);
    Reply(SpeedReply("101"));
    EXPECT_EQ(shown.results, std::vector<std::string>{"Beschleunigung von 0 auf 100 dauerte 2.00 Sekunden."});
}

// Replies of the countdown are timed from the press, the curve starts at the green lamp, and
// nothing completes before it.
TEST_F(Run, TheClockRunsFromThePressAndNoRunCompletesBeforeTheGreenLamp)
{
    clock.Set(500000); // long after the machine started
    Start();
    clock.Advance(1000);
    Reply(SpeedReply("0"));
    ASSERT_EQ(run.SpeedColumn(), 7);
    clock.Advance(600);
    Reply(SpeedReply("50"));
    ASSERT_EQ(shown.curve.size(), 1u);
    EXPECT_FLOAT_EQ(shown.curve[0].seconds, 1.6f);
    EXPECT_EQ(shown.xMax, 15.0f);
    Tick();
    EXPECT_TRUE(shown.curve.empty()) << "every tick of the first step clears the curve";
    Ticks(21);
    ASSERT_EQ(run.RunState(), AccelerationRun::STATE_BEEP2);
    clock.Advance(400);
    Reply(SpeedReply("0"));
    Reply(SpeedReply("150"));
    Reply(SpeedReply("180"));
    EXPECT_EQ(run.RunState(), AccelerationRun::STATE_BEEP2) << "completed before the start";
    EXPECT_TRUE(shown.results.empty());
    EXPECT_EQ(shown.curve.size(), 3u);
    Ticks(22);
    ASSERT_EQ(run.RunState(), AccelerationRun::STATE_MEASURING);
    EXPECT_TRUE(shown.curve.empty()) << "the curve starts again with the clock";
    clock.Advance(2500);
    Reply(SpeedReply("180"));
    EXPECT_EQ(shown.results, std::vector<std::string>{"Beschleunigung von 0 auf 100 dauerte 2.50 Sekunden."});
}

TEST_F(Run, TheCompletionTextKeepsItsPointUnderAGermanLocale)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    StartAndCountDown();
    Reply(kFirst);
    Reply(SpeedReply("0"));
    clock.Advance(1000);
    Reply(SpeedReply("55.5"));
    clock.Advance(2340);
    Reply(SpeedReply("101.5"));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(shown.results, std::vector<std::string>{"Beschleunigung von 0 auf 100 dauerte 3.34 Sekunden."});
    ASSERT_EQ(shown.curve.size(), 3u);
    EXPECT_FLOAT_EQ(shown.curve[1].speed, 55.5f);
}

} // namespace

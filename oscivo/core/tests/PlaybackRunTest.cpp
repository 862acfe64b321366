// Playback without a dialog or a log: the pace of a line, when its turn comes on a clock that
// may wrap, the speeds, and what Load, Pause, Stop and the played lines make of the buttons and
// of the flags that end and hold the dialog's loops, in log and in live mode.

#include "oscivo/core/PlaybackRun.h"

#include "oscivo/core/OscivoState.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

class Playback : public ::testing::Test {
protected:
    Playback() { ResetOscivoState(); }

    PlaybackRun run;
};

struct PaceCase {
    const char* name;
    LogTimes logTime;
    LogTimes prevLogTime;
    int period;
    double time;
    double wait;
    BOOL gap;
};

TEST_F(Playback, ALineWaitsForItsTimeInTheLogAtTheSpeedSet)
{
    const PaceCase cases[] = {
        {"FirstLine", {0.5, 0.5, 0.5}, {0, 0, 0}, 1000, 0.5, 495, FALSE},
        {"HalfASecondOn", {1.0, 1.0, 1.0}, {0.5, 0.5, 0.5}, 1000, 1.0, 495, FALSE},
        // The OBD and advanced forms time row 0 only.
        {"RowZeroOnly", {0.5, 0, 0}, {0.25, 0, 0}, 1000, 0.5, 245, FALSE},
        // Faster halves the wait, down to an eighth; Slower doubles it, up to twice.
        {"FourTimes", {1.0, 1.0, 1.0}, {0.5, 0.5, 0.5}, 250, 1.0, 120, FALSE},
        {"EightTimesAtMost", {1.0, 1.0, 1.0}, {0.5, 0.5, 0.5}, 125, 1.0, 57.5, FALSE},
        {"HalfAtLeast", {1.0, 1.0, 1.0}, {0.5, 0.5, 0.5}, 2000, 1.0, 995, FALSE},
        // A break of more than five seconds shows as a gap and waits one second; one of five
        // seconds is waited for.
        {"BreakOverFiveSeconds", {7.0, 7.0, 7.0}, {1.0, 1.0, 1.0}, 1000, 7.0, 995, TRUE},
        {"BreakOfFiveSeconds", {12.0, 12.0, 12.0}, {7.0, 7.0, 7.0}, 1000, 12.0, 4995, FALSE},
        // Lines whose times all read 0 follow each other every quarter of a second.
        {"Untimed", {0, 0, 0}, {0, 0, 0}, 1000, 0, 245, FALSE},
        // Row 0's time 0: row 1's time paces.
        {"RowOneTimed", {0, 1.0, 1.0}, {0, 0.5, 0.5}, 1000, 1.0, 495, FALSE},
        {"RowTwoTimed", {0, 0, 1.5}, {0, 0, 1.0}, 1000, 1.5, 495, FALSE},
        // A line stamped before the one before is due at once.
        {"BackInTime", {1.0, 1.0, 1.0}, {2.0, 2.0, 2.0}, 1000, 1.0, -1005, FALSE},
    };
    for (const PaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LinePace pace = PaceOf(c.logTime, c.prevLogTime, c.period);
        EXPECT_EQ(pace.dTime, c.time);
        EXPECT_DOUBLE_EQ(pace.dWait, c.wait);
        EXPECT_EQ(pace.bGap, c.gap);
    }
}

TEST_F(Playback, ALineIsDueOnceItsWaitHasPassedOnTheClockEvenAcrossItsWrap)
{
    struct Case {
        const char* name;
        DWORD startedAt;
        DWORD elapsed;
        bool due;
    };
    // A wait of 495 ms, the first line's at 1x.
    const Case cases[] = {
        {"Before", 1000, 494, false},
        {"At", 1000, 495, true},
        {"After", 1000, 3000, true},
        // A clock past 2^31 must not hold the first line until it wraps, nor a wrap the next ones.
        {"ClockPastHalfItsRange", 0x80000000u, 494, false},
        {"ClockPastHalfItsRangeAt", 0x80000000u, 495, true},
        {"ClockWrapping", 0xFFFFFE00u, 494, false},
        {"ClockWrappingAt", 0xFFFFFE00u, 495, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        run.Load(c.startedAt);
        EXPECT_EQ(run.IsDue(c.startedAt + c.elapsed, 495), c.due);
    }
}

TEST_F(Playback, AReleasedLineShowsItsTimeAndPacesTheNext)
{
    run.Load(1000);
    g_dLogTime = {0, 12.346, 12.346};
    const PlaybackView view = run.ReleaseLine(12.346, 0xFFFFFF00u);
    EXPECT_EQ(view.strTime, "12.35");
    EXPECT_EQ(g_dPrevLogTime, g_dLogTime);
    EXPECT_FALSE(run.IsDue(0xFFFFFF00u + 494, 495));
    EXPECT_TRUE(run.IsDue(0xFFFFFF00u + 495, 495));
}

TEST_F(Playback, WithoutAutorunTheSecondLineHolds)
{
    for (const BOOL autorun : {FALSE, TRUE}) {
        SCOPED_TRACE(autorun);
        ResetOscivoState();
        g_bAutorun = autorun;
        run.Load(0);
        ASSERT_TRUE(run.BeginRun());
        std::vector<bool> held;
        held.reserve(4);
        for (int line = 0; line < 4; ++line)
            held.push_back(run.ReleaseLine(line, 0).bHold == TRUE);
        EXPECT_EQ(held, (std::vector<bool>{false, !autorun, false, false}));
        EXPECT_EQ(g_bNotPaused, autorun);
        EXPECT_EQ(run.View().pause.nImage, autorun ? IDI_PAUSE : IDI_RESUME);
    }
}

TEST_F(Playback, FasterAndSlowerSetTheSpeedWithinItsRange)
{
    // Each press: the speed text shown, and the period.
    std::vector<std::string> shown;
    const auto press = [&](const PlaybackView& view) {
        EXPECT_TRUE(view.bExchange);
        shown.push_back(view.strSpeed.value_or("?") + " " + std::to_string(g_nPlaybackPeriod));
    };
    for (int i = 0; i < 4; ++i)
        press(run.OnFaster());
    for (int i = 0; i < 5; ++i)
        press(run.OnSlower());
    EXPECT_EQ(shown, (std::vector<std::string>{"2x 500", "4x 250", "8x 125", "8x 125", "4x 250", "2x 500",
                                               "1x 1000", "0.5x 2000", "0.5x 2000"}));
}

TEST_F(Playback, TheLoopBeginsOnceAndIdentifiesTheModuleAnew)
{
    run.Load(0);
    g_szLoadedScaling = "123-456-789-AB";
    g_nRepliesShown = 5;
    g_bEndOfLog = TRUE;
    EXPECT_TRUE(run.BeginRun());
    EXPECT_FALSE(g_bStopped);
    EXPECT_EQ(g_szLoadedScaling, "Bogus");
    EXPECT_EQ(g_nRepliesShown, 0);
    EXPECT_FALSE(g_bEndOfLog);
    g_szLoadedScaling = "123-456-789-AB";
    EXPECT_FALSE(run.BeginRun()) << "it runs already";
    EXPECT_EQ(g_szLoadedScaling, "123-456-789-AB");
}

// What the user does, as the dialog hands it to the model.
enum class Event {
    LiveStart,       // 100 ms after opening in live mode
    Load,            // a log chosen, opened and its header read; the loop begins
    Unplayable,      // a log chosen that cannot be opened
    Pause,           // the button; after a rewind the log opens again and plays
    PauseUnplayable, // the button after a rewind, the log gone meanwhile
    Stop,            // the button, the end of a log, a "StopRequest" or closing
    Line,            // a line's turn has come
};

struct Buttons {
    ButtonView load;
    ButtonView pause;
    ButtonView stop;
    bool operator==(const Buttons&) const = default;
};

void PrintTo(const Buttons& b, std::ostream* os)
{
    for (const ButtonView& v : {b.load, b.pause, b.stop})
        *os << "{" << v.nImage << (v.bEnabled ? " on" : " off") << "} ";
}

// The states of the buttons Load, Pause and Stop.
constexpr Buttons kIdle{{IDI_LOAD, TRUE}, {IDI_PAUSE, FALSE}, {IDI_STOP, FALSE}};
constexpr Buttons kPlaying{{IDI_PLAYING, TRUE}, {IDI_PAUSE, TRUE}, {IDI_STOP, TRUE}};
constexpr Buttons kPaused{{IDI_PLAYING, TRUE}, {IDI_RESUME, TRUE}, {IDI_STOP, TRUE}};
constexpr Buttons kStopped{{IDI_LOAD, TRUE}, {IDI_PAUSE, FALSE}, {IDI_SLOWER, TRUE}};
constexpr Buttons kRewound{{IDI_LOAD, TRUE}, {IDI_RESUME, TRUE}, {IDI_STOP, FALSE}};
constexpr Buttons kLive{{IDI_LOAD, TRUE}, {IDI_PAUSE, TRUE}, {IDI_STOP, FALSE}};
constexpr Buttons kLiveHeld{{IDI_LOAD, TRUE}, {IDI_RESUME, TRUE}, {IDI_STOP, FALSE}};

struct StateCase {
    const char* name;
    std::vector<Event> events;
    Buttons buttons;
    const char* flags; // the run's flags that are set
    const char* asked; // what the last event asks beyond the buttons
};

void PrintTo(const StateCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string Joined(std::initializer_list<std::pair<bool, const char*>> names)
{
    std::string joined;
    for (const auto& [set, name] : names)
        if (set)
            joined += (joined.empty() ? "" : ", ") + std::string(name);
    return joined;
}

std::string SetFlags()
{
    return Joined({{g_bStopped, "stopped"},
                   {g_bNotPaused, "not paused"},
                   {g_bRunning, "running"},
                   {g_bRewound, "rewound"},
                   {g_bLiveStopped, "live stopped"}});
}

std::string Asked(const PlaybackView& view)
{
    const std::string time = "time " + view.strTime.value_or("");
    return Joined({{view.bShowPause, "show Pause"},
                   {view.bExchange, "exchange"},
                   {view.bRebuildGrid, "rebuild grid"},
                   {view.bConnect, "connect"},
                   {view.bRestart, "restart"},
                   {view.bHold, "hold"},
                   {view.bSaveScaling, "save scaling"},
                   {view.strTime.has_value(), time.c_str()}});
}

class Transitions : public Playback, public ::testing::WithParamInterface<StateCase> {
protected:
    PlaybackView Apply(Event event)
    {
        switch (event) {
        case Event::LiveStart:
            g_bLive = TRUE; // the host ran when the dialog opened
            return run.StartLive();
        case Event::Load: {
            run.LogChosen();
            PlaybackView view = run.Load(0);
            run.BeginRun();
            return view;
        }
        case Event::Unplayable: run.LogChosen(); return run.Abandon();
        case Event::Pause: {
            PlaybackView view = run.OnPause();
            if (!view.bRestart)
                return view;
            PlaybackView restarted = run.Restart(0);
            run.BeginRun();
            return restarted;
        }
        case Event::PauseUnplayable: EXPECT_TRUE(run.OnPause().bRestart); return run.Abandon();
        case Event::Stop: return run.OnStop();
        case Event::Line: return run.ReleaseLine(1.0, 0);
        }
        return {};
    }
};

TEST_P(Transitions, ButtonsAndFlagsFollowThePresses)
{
    const StateCase& c = GetParam();
    g_bAutorun = TRUE;
    PlaybackView view = run.View();
    for (const Event event : c.events)
        view = Apply(event);
    EXPECT_EQ((Buttons{view.load, view.pause, view.stop}), c.buttons);
    EXPECT_EQ(SetFlags(), c.flags);
    EXPECT_EQ(Asked(view), c.asked);
}

using enum Event;

const std::vector<StateCase> kStateCases = {
    {"AtStart", {}, kIdle, "stopped, not paused", ""},
    {"Load", {Load}, kPlaying, "not paused, running", "rebuild grid"},
    {"Lines", {Load, Line, Line, Line}, kPlaying, "not paused, running", "time 1.00"},
    {"Pause", {Load, Line, Pause}, kPaused, "running", "hold"},
    {"PauseAgain", {Load, Pause, Pause}, kPlaying, "not paused, running", ""},
    {"Stop", {Load, Stop}, kStopped, "stopped, not paused", "save scaling"},
    // The pause wait ends through g_bStopped.
    {"StopWhilePaused", {Load, Pause, Stop}, kStopped, "stopped", "save scaling"},
    {"SecondStopRewinds",
     {Load, Stop, Stop},
     kRewound,
     "stopped, not paused, rewound",
     "exchange, rebuild grid, time 0.00"},
    // Closing or a "StopRequest" may stop once more.
    {"ThirdStop", {Load, Stop, Stop, Stop}, kRewound, "stopped, not paused, rewound", ""},
    {"PauseAfterARewind", {Load, Stop, Stop, Pause}, kPlaying, "not paused, running", ""},
    {"LoadAfterARewind", {Load, Stop, Stop, Load}, kPlaying, "not paused, running", "rebuild grid"},
    // Played again, Pause pauses at once.
    {"APauseThatAStopEndedIsOverAtTheNextLoad", {Load, Pause, Stop, Load, Pause}, kPaused, "running", "hold"},
    // Closing before any log has played.
    {"StopAtTheStart", {Stop}, kIdle, "stopped, not paused", ""},
    // Nothing is left to pause, and Stop offers no rewind.
    {"UnplayableAfterAStop",
     {Load, Stop, Unplayable},
     {{IDI_LOAD, TRUE}, {IDI_PAUSE, FALSE}, {IDI_STOP, TRUE}},
     "stopped, not paused",
     ""},
    // A log that vanished after a rewind lets the next Load ask for a file.
    {"VanishedAfterARewind", {Load, Stop, Stop, PauseUnplayable}, kIdle, "stopped, not paused", ""},
    {"LiveStart", {LiveStart}, kLive, "not paused", ""},
    // Replies are ignored while paused; the pause wait ends at once and draws a gap.
    {"LivePause", {LiveStart, Pause}, kLiveHeld, "stopped", "hold"},
    {"LiveResume", {LiveStart, Pause, Pause}, kLive, "not paused", "connect"},
    {"LiveStop",
     {LiveStart, Stop},
     kLiveHeld,
     "stopped, not paused, live stopped",
     "show Pause, save scaling"},
    {"LiveSecondStopDoesNotRewind",
     {LiveStart, Stop, Stop},
     kLiveHeld,
     "stopped, not paused, live stopped",
     ""},
    // There is no log to go on with: Pause takes up the live display again.
    {"LivePauseAfterAStop", {LiveStart, Stop, Pause}, kLive, "not paused", "connect"},
    {"LivePausedThenStopped", {LiveStart, Pause, Stop}, kLiveHeld, "stopped", ""},
};

INSTANTIATE_TEST_SUITE_P(Presses, Transitions, ::testing::ValuesIn(kStateCases),
                         [](const ::testing::TestParamInfo<StateCase>& info) { return info.param.name; });

} // namespace

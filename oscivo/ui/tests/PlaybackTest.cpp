// Log mode in the dialog, its wiring to the playback's model (whose tables are PlaybackRunTest):
// choosing a log, the loop that plays it at the pace the model gives, the buttons that reach the
// model and show what it says, and the nested loops of the wait and the pause, which end and hold
// as its flags say. The playback paces with a test clock whose sleeps let its time pass at once;
// what the user does during playback is posted at a time of that clock and dispatched by the
// playback's own message pump, as a click would be.

#include "OscivoDialogFixture.h"
#include "oscivo/core/tests/LogSamples.h"
#include "platform/Numbers.h"
#include "platform/TickClock.h"
#include "platform/testing/Recorders.h"

#include <QElapsedTimer>

#include <cstdint>
#include <vector>

namespace oscivotest {
namespace {

using namespace logsamples;

// The pacing sleeps in steps of 25 ms: a wait of w ms ends at the first step not below it.
constexpr std::uint32_t Paced(double waitMs)
{
    std::uint32_t at = 0;
    while (at < waitMs)
        at += 25;
    return at;
}

// A standard data line: each row's time t and its values from first on; row 0's time may differ.
std::string StandardLine(double t, int first, std::optional<double> row0Time = std::nullopt)
{
    std::string line;
    for (int row = 0; row < 3; ++row) {
        line += "," + platform::FormatC("%g", row == 0 ? row0Time.value_or(t) : t);
        for (int field = 0; field < 4; ++field)
            line += "," + std::to_string(first + row * 4 + field);
    }
    return line + "\r\n";
}

std::string StandardLog(const std::vector<double>& times)
{
    std::string log = StandardHeader();
    for (std::size_t i = 0; i < times.size(); ++i)
        log += StandardLine(times[i], 100 * static_cast<int>(i + 1));
    return log;
}

std::string ObdLogAt(const std::vector<double>& times)
{
    std::string log = kObdHeader;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const std::string t = platform::FormatC("%g", times[i]);
        log += platform::FormatC(",%s,%zu,%s,42,%s,0,%s,88\r\n", t.c_str(), 100 * (i + 1), t.c_str(),
                                 t.c_str(), t.c_str());
    }
    return log;
}

std::string AdvancedLogAt(const std::vector<double>& times)
{
    std::string log = AdvancedHeader();
    for (std::size_t i = 0; i < times.size(); ++i)
        log += AdvancedData(times[i], 100 * static_cast<int>(i + 1));
    return log;
}

// A clock whose sleeps pass its time at once; after each sleep the test's script may act.
class PlaybackClock : public platform::ManualTickClock {
public:
    using ManualTickClock::ManualTickClock;
    void Sleep(std::uint32_t ms) override
    {
        ManualTickClock::Sleep(ms);
        if (onSleep)
            onSleep();
    }
    std::function<void()> onSleep;
};

// What the dialog showed, at the clock's time since the playback began.
struct Seen {
    std::uint32_t at;
    QString text;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* os)
{
    *os << "{" << seen.at << ", " << seen.text.toStdString() << "}";
}

class Playback : public OscivoDialogTest {
protected:
    Playback() { QDir().mkpath(Path("LOGS")); }

    // Opens the dialog in log mode and records what its time and first value edits show.
    void OpenLogMode()
    {
        Open(false);
        ASSERT_TRUE(WaitFor([&] { return Shown(IDC_LOAD); }));
        QObject::connect(Edit(IDC_TIME), &QLineEdit::textChanged, [&](const QString& text) {
            times.push_back({Since(), text});
        });
        QObject::connect(Edit(IDC_VALUE), &QLineEdit::textChanged, [&](const QString& text) {
            values.push_back({Since(), text});
        });
        clock.onSleep = [&] { RunScript(); };
    }

    QString WriteLog(const QString& name, const std::string& bytes)
    {
        QString path = Path("LOGS/" + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    // Chooses the log in the file dialog that Load shows and plays it; returns when the playback
    // loop has ended.
    void Load(const QString& path)
    {
        files.Answer(path);
        Press(IDC_LOAD);
    }

    // A press from outside any playback: it runs the handler, with any playback it starts.
    void Press(UINT id)
    {
        start = clock.Now();
        Edit(IDC_VALUE)->clear(); // so that a line played again shows again
        times.clear();
        values.clear();
        QTest::mouseClick(dlg->Button(id), Qt::LeftButton);
    }

    // A press during playback, at that time of the clock since the playback began.
    void PressAt(std::uint32_t at, UINT id)
    {
        script.push_back(
            {at, [this, id] { QMetaObject::invokeMethod(dlg->Button(id), "click", Qt::QueuedConnection); }});
    }
    void At(std::uint32_t at, std::function<void()> action) { script.push_back({at, std::move(action)}); }

    std::uint32_t Since() { return clock.Now() - start; }

    std::vector<std::string> Texts(const std::vector<Seen>& seen) const
    {
        std::vector<std::string> texts;
        texts.reserve(seen.size());
        for (const Seen& s : seen)
            texts.push_back(s.text.toStdString());
        return texts;
    }

    // The log is played no more: Stop rewinds it, Load chooses another.
    void ExpectStopped()
    {
        EXPECT_FALSE(g_bRunning);
        EXPECT_TRUE(g_bStopped);
        EXPECT_FALSE(dlg->m_log.IsOpen());
        EXPECT_EQ(dlg->ButtonImage(IDC_STOP), IDI_SLOWER);
        EXPECT_TRUE(Enabled(IDC_STOP));
        EXPECT_FALSE(Enabled(IDC_PAUSE));
        EXPECT_EQ(dlg->ButtonImage(IDC_LOAD), IDI_LOAD);
        EXPECT_TRUE(Enabled(IDC_LOAD));
    }

    PlaybackClock clock{1000};
    platform::ScopedTickClock installed{clock};
    platform::RecordingFileDialog files;
    std::uint32_t start = 0;
    std::vector<Seen> times;
    std::vector<Seen> values;
    bool stalled = false;

private:
    struct Step {
        std::uint32_t at;
        std::function<void()> action;
    };

    void RunScript()
    {
        while (!script.empty() && Since() >= script.front().at) {
            const auto action = std::move(script.front().action);
            script.erase(script.begin());
            action();
        }
        // A wait that never ends fails the test instead of holding it.
        if (Since() > 3'600'000 && !stalled) {
            stalled = true;
            QMetaObject::invokeMethod(dlg->Button(IDC_STOP), "click", Qt::QueuedConnection);
        }
    }

    std::vector<Step> script;
};

struct PaceCase {
    const char* name;
    std::string log;
    int faster; // presses on Faster (negative: on Slower) before the log is loaded
    const char* speed;
    std::vector<std::uint32_t> shownAt;
    std::vector<std::string> times; // each change of the time shown
};

void PrintTo(const PaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class Pace : public Playback, public ::testing::WithParamInterface<PaceCase> {};

TEST_P(Pace, EachLineIsShownAtItsTimeInTheLog)
{
    const PaceCase& c = GetParam();
    OpenLogMode();
    for (int i = 0; i < std::abs(c.faster); ++i)
        QTest::mouseClick(dlg->Button(c.faster > 0 ? IDC_FASTER : IDC_SLOWER), Qt::LeftButton);
    EXPECT_EQ(Text(IDC_SPEED), c.speed);
    Load(WriteLog("drive.csv", c.log));
    EXPECT_FALSE(stalled);
    EXPECT_EQ(Texts(times), c.times);
    ASSERT_EQ(values.size(), c.shownAt.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].at, c.shownAt[i]) << i;
        EXPECT_TRUE(values[i].text.startsWith(QString::number(100 * (i + 1)) + " "))
            << values[i].text.toStdString();
    }
    ExpectStopped();
    EXPECT_TRUE(boxes.Boxes().empty());
}

const std::vector<double> kHalfSeconds = {0.5, 1.0, 1.5};
const std::vector<std::string> kHalfSecondTimes = {"0.50", "1.00", "1.50"};

// Three lines that each wait w ms.
std::vector<std::uint32_t> Every(double waitMs)
{
    return {Paced(waitMs), Paced(waitMs) * 2, Paced(waitMs) * 3};
}

INSTANTIATE_TEST_SUITE_P(
    Logs, Pace,
    ::testing::Values(PaceCase{"Standard", StandardLog(kHalfSeconds), 0, "1x", Every(495), kHalfSecondTimes},
                      PaceCase{
                          "Obd", ObdLogAt({0.25, 0.5, 0.75}), 0, "1x", Every(245), {"0.25", "0.50", "0.75"}},
                      PaceCase{"Advanced",
                               AdvancedLogAt({0.1, 0.35, 0.6}),
                               0,
                               "1x",
                               {Paced(95), Paced(95) + Paced(245), Paced(95) + 2 * Paced(245)},
                               {"0.10", "0.35", "0.60"}},
                      // Faster halves the wait, Slower doubles it.
                      PaceCase{"FourTimes", StandardLog(kHalfSeconds), 2, "4x", Every(120), kHalfSecondTimes},
                      PaceCase{"Half", StandardLog(kHalfSeconds), -1, "0.5x", Every(995), kHalfSecondTimes}),
    [](const ::testing::TestParamInfo<PaceCase>& info) { return info.param.name; });

TEST_F(Playback, ChoosingALogAsksForItAndReportsWhatCannotBePlayed)
{
    OpenLogMode();
    files.Answer(std::nullopt);
    Press(IDC_LOAD);
    ASSERT_EQ(files.Requests().size(), 1u);
    const platform::FileDialogRequest& asked = files.Requests()[0].request;
    EXPECT_FALSE(files.Requests()[0].save);
    EXPECT_EQ(asked.title, QString::fromUtf8("Logdatei auswählen"));
    EXPECT_EQ(asked.filter, "Diagnoma Logdateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(asked.initialDir, "LOGS");
    EXPECT_TRUE(asked.defaultExt.isEmpty());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_FALSE(g_bRunning);
    EXPECT_FALSE(Enabled(IDC_PAUSE));

    struct Bad {
        const char* name;
        std::string bytes;
        const char* text;
        const char* caption;
    };
    const Bad bad[] = {
        {"missing.csv", "", "Datei kann nicht geööfnet werden.", "Fehler"},
        {"notes.csv", "Einkaufsliste,Brot,Milch\r\n", "Das ist keine originale Diagnoma Lodatei!",
         "Doh! ;-)"},
        {"broken.csv", AdvancedHeader(AdvancedPairs().substr(0, 40) + "G002,X1,") + AdvancedData(0.1, 100),
         "Fehler beim Einlesen des Headers.", "Fehler beim Parsen."},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        boxes.Clear();
        const QString path =
            std::string(b.name) == "missing.csv" ? Path("LOGS/missing.csv") : WriteLog(b.name, b.bytes);
        Load(path);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8(b.text));
        EXPECT_EQ(boxes.Boxes()[0].caption, QString::fromUtf8(b.caption));
        EXPECT_EQ(boxes.Boxes()[0].flags, unsigned(MB_OK));
        EXPECT_FALSE(g_bRunning);
        EXPECT_FALSE(dlg->m_log.IsOpen());
        EXPECT_FALSE(Enabled(IDC_PAUSE));
        EXPECT_TRUE(values.empty());
    }
}

TEST_F(Playback, ThePlayingLogNamesItselfInTheTitleAndLoadIsRefused)
{
    OpenLogMode();
    At(600, [&] {
        EXPECT_EQ(g_strTitle, "Oscivo   -   123-456-789-AB  -   drive.csv");
        EXPECT_EQ(dlg->ButtonImage(IDC_LOAD), IDI_PLAYING);
        EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_PAUSE);
        EXPECT_TRUE(Enabled(IDC_STOP));
        EXPECT_TRUE(Enabled(IDC_PAUSE));
    });
    PressAt(700, IDC_LOAD); // refused: no second dialog
    Load(WriteLog("drive.csv", StandardLog(kHalfSeconds)));
    EXPECT_EQ(files.Requests().size(), 1u);
    EXPECT_EQ(Texts(values), (std::vector<std::string>{"100 /min", "200 /min", "300 /min"}));
    ExpectStopped();
    // The title shows once the title hint has ended.
    EXPECT_TRUE(WaitFor([&] { return dlg->windowTitle() == "Oscivo   -   123-456-789-AB  -   drive.csv"; }));
    // The module's scales were saved at the end.
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL"), "<missing>");
}

TEST_F(Playback, WithoutAutorunTheSecondLineWaitsForPause)
{
    OpenLogMode();
    g_bAutorun = FALSE;
    At(3000, [&] {
        EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_RESUME);
        EXPECT_FALSE(g_bNotPaused);
    });
    PressAt(5000, IDC_PAUSE);
    Load(WriteLog("drive.csv", StandardLog(kHalfSeconds)));
    // The second line's time shows as it holds, its values once Pause is pressed; the third
    // line's turn came during the pause.
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[1], (Seen{1000, "1.00"}));
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].at, 500u);
    EXPECT_GE(values[1].at, 5000u);
    EXPECT_LT(values[1].at, 5100u);
    EXPECT_EQ(values[2].at, values[1].at);
    ExpectStopped();
}

TEST_F(Playback, PauseHoldsStopStopsAndASecondStopRewindsForPauseToPlayAgain)
{
    OpenLogMode();
    const QString log = WriteLog("drive.csv", StandardLog(kHalfSeconds));
    PressAt(700, IDC_PAUSE);
    At(3000, [&] {
        EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_RESUME);
        EXPECT_EQ(Texts(values), std::vector<std::string>{"100 /min"});
    });
    PressAt(3100, IDC_STOP);
    Load(log);
    EXPECT_LT(Since(), 3200u) << "the pause ends with the Stop";
    EXPECT_EQ(Texts(values), std::vector<std::string>{"100 /min"});
    ExpectStopped();
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_PAUSE);

    Press(IDC_STOP);
    EXPECT_EQ(Text(IDC_TIME), "0.00");
    EXPECT_EQ(dlg->ButtonImage(IDC_STOP), IDI_STOP);
    EXPECT_FALSE(Enabled(IDC_STOP));
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_RESUME);
    EXPECT_TRUE(Enabled(IDC_PAUSE));
    EXPECT_TRUE(g_bRewound);

    // The same log from its first line, without a dialog.
    Press(IDC_PAUSE);
    EXPECT_EQ(files.Requests().size(), 1u);
    EXPECT_EQ(Texts(values), (std::vector<std::string>{"100 /min", "200 /min", "300 /min"}));
    EXPECT_EQ(Texts(times), (std::vector<std::string>{"0.50", "1.00", "1.50"}));
    ExpectStopped();
    EXPECT_FALSE(g_bRewound);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Playback, StopEndsALongWaitAtOnce)
{
    OpenLogMode();
    QTest::mouseClick(dlg->Button(IDC_SLOWER), Qt::LeftButton);
    PressAt(3000, IDC_STOP);
    Load(WriteLog("drive.csv", StandardLog({1.0, 6.0})));
    EXPECT_FALSE(stalled);
    EXPECT_LT(Since(), 3050u) << "the wait of 10 s went on";
    EXPECT_EQ(Texts(times), std::vector<std::string>{"1.00"});
    EXPECT_EQ(Texts(values), std::vector<std::string>{"100 /min"});
    ExpectStopped();
}

TEST_F(Playback, LoadAfterARewindPlaysTheSameLogWithoutADialog)
{
    OpenLogMode();
    Load(WriteLog("drive.csv", StandardLog(kHalfSeconds)));
    ExpectStopped(); // at its end
    Press(IDC_STOP);
    ASSERT_TRUE(g_bRewound);
    Press(IDC_LOAD);
    EXPECT_EQ(files.Requests().size(), 1u);
    EXPECT_EQ(Texts(times), kHalfSecondTimes);
    EXPECT_EQ(values.size(), 3u);
    EXPECT_FALSE(g_bRewound);
    ExpectStopped();
}

TEST_F(Playback, ALogThatVanishedAfterARewindLetsTheNextLoadChooseAgain)
{
    OpenLogMode();
    const QString log = WriteLog("drive.csv", StandardLog(kHalfSeconds));
    Load(log);
    Press(IDC_STOP); // rewound
    ASSERT_TRUE(g_bRewound);
    ASSERT_TRUE(QFile::remove(log));

    Press(IDC_PAUSE);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Datei kann nicht geööfnet werden."));
    EXPECT_FALSE(g_bRewound);
    EXPECT_TRUE(g_bNotPaused);
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_PAUSE);
    EXPECT_FALSE(Enabled(IDC_PAUSE));
    EXPECT_FALSE(g_bRunning);

    // Load asks again, and plays what is chosen.
    const QString other = WriteLog("other.csv", StandardLog(kHalfSeconds));
    Load(other);
    EXPECT_EQ(files.Requests().size(), 2u);
    EXPECT_EQ(values.size(), 3u);
    ExpectStopped();
}

TEST_F(Playback, LinesThatGiveNoReplyOrThatTheParserRejectsArePassedOver)
{
    OpenLogMode();
    // Line 2 is too long for a reply; line 3's first value is longer than a reply field.
    std::string tooLong = StandardLine(1.0, 200);
    tooLong.insert(tooLong.find(",200,") + 1, std::string(1100, '9'));
    std::string rejected = StandardLine(1.5, 300);
    rejected.insert(rejected.find(",300,") + 1, std::string(150, '9'));
    const std::string log =
        StandardHeader() + StandardLine(0.5, 100) + tooLong + rejected + StandardLine(2.0, 400);
    Load(WriteLog("drive.csv", log));
    EXPECT_EQ(Texts(values), (std::vector<std::string>{"100 /min", "400 /min"}));
    // The rejected line was paced; the one without a reply was not.
    EXPECT_EQ(Texts(times), (std::vector<std::string>{"0.50", "1.50", "2.00"}));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[1].at, Paced(495) + Paced(995) + Paced(495));
    ExpectStopped();
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Playback, ALineThatDoesNotCountTwelveEntriesEndsTheLogWithAMessage)
{
    OpenLogMode();
    // Row 1 of group 0: its ten values are the advanced ones, which only row 0 may hold.
    std::string log = StandardHeader();
    log.replace(log.find("'003"), 4, "'000");
    std::string line = ",0.5,1,2,3,4,0.5";
    for (int i = 0; i < 10; ++i)
        line += ",6";
    log += line + ",0.5,1,2,3,4\r\n" + StandardLine(1.0, 200);
    Load(WriteLog("drive.csv", log));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Unerwartetes Dateiende. Ist das eine erweiterte Logdatei?");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Uh oh....");
    EXPECT_TRUE(values.empty());
    ExpectStopped();
}

TEST_F(Playback, ClosingWhilePausedEndsPlaybackAndCloses)
{
    OpenLogMode();
    PressAt(700, IDC_PAUSE);
    At(1500, [&] { dlg->close(); });
    Load(WriteLog("drive.csv", StandardLog(kHalfSeconds)));
    EXPECT_LT(Since(), 1600u);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(dlg->m_log.IsOpen());
    EXPECT_FALSE(g_bRunning);
    EXPECT_NE(ReadFile("Scaling/Prefs.cfg"), "<missing>");
}

// Lines with one time stamp carry no wait after the first; what the user does while they play is
// served all the same. The log is long enough that playing it whole takes far longer than the test
// allows.
class NoWait : public Playback, public ::testing::WithParamInterface<bool> {};

TEST_P(NoWait, TheWindowIsServedWhileLinesComeWithoutAWait)
{
    const bool closing = GetParam(); // else Stop
    constexpr int kLines = 200'000;
    constexpr int kRequestAfterMs = 300;
    std::string log = StandardHeader();
    const std::string line = StandardLine(1.0, 100);
    log.reserve(log.size() + line.size() * kLines);
    for (int i = 0; i < kLines; ++i)
        log += line;
    const QString path = WriteLog("drive.csv", log);
    OpenLogMode();

    // Started once the first line is shown, when no line waits any more.
    std::optional<int> pacedWhenTimerFired;
    QElapsedTimer sinceFirstLine;
    bool requested = false;
    QObject::connect(Edit(IDC_VALUE), &QLineEdit::textChanged, dlg.get(), [&] {
        if (sinceFirstLine.isValid())
            return;
        sinceFirstLine.start();
        QTimer::singleShot(0, dlg.get(), [&] { pacedWhenTimerFired = g_bRunning ? g_nPacedLines : -1; });
        QTimer::singleShot(kRequestAfterMs, dlg.get(), [&] {
            requested = true;
            if (closing)
                dlg->close();
            else
                QMetaObject::invokeMethod(dlg->Button(IDC_STOP), "click", Qt::QueuedConnection);
        });
    });
    Load(path);
    const qint64 ended = sinceFirstLine.elapsed();
    Settle(); // a request still waiting would act now

    ASSERT_TRUE(pacedWhenTimerFired.has_value()) << "the zero-delay timer never fired";
    EXPECT_GT(*pacedWhenTimerFired, 0);
    EXPECT_LT(*pacedWhenTimerFired, kLines);
    EXPECT_TRUE(requested);
    EXPECT_LT(ended, kRequestAfterMs + 500)
        << "the request took effect " << ended - kRequestAfterMs << " ms after it was made";
    EXPECT_LT(g_nPacedLines, kLines);
    if (closing) {
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_FALSE(g_bRunning);
        EXPECT_FALSE(dlg->m_log.IsOpen());
    } else {
        ExpectStopped(); // the first Stop: it does not rewind
        EXPECT_FALSE(g_bRewound);
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, NoWait, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Close" : "Stop";
                         });

// In live mode Pause after a Stop takes up the live display again, and connects again when the
// connection is gone.
TEST_F(Playback, InLiveModePauseAfterAStopResumesTheLiveDisplay)
{
    OpenAndShow(DriveReply("850"));
    host.SendStopRequest();
    ASSERT_TRUE(WaitFor([&] { return g_bStopped == TRUE; }));
    ASSERT_TRUE(g_bLiveStopped);
    host.SetRefusing(true);
    host.CloseConnection(0);
    ASSERT_TRUE(WaitFor([&] { return !dlg->m_client.IsConnected(); }));
    host.SetRefusing(false);
    host.SetReplyPayload(DriveReply("900"));

    QTest::mouseClick(dlg->Button(IDC_PAUSE), Qt::LeftButton);
    EXPECT_TRUE(g_bNotPaused);
    EXPECT_FALSE(g_bStopped);
    EXPECT_FALSE(g_bLiveStopped);
    EXPECT_FALSE(g_bRunning);
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_PAUSE);
    EXPECT_TRUE(WaitFor([&] { return host.ConnectionCount() == 2; }));
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_VALUE + 0) == "900 /min"; }));
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
} // namespace oscivotest

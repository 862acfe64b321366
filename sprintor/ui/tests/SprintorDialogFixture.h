#pragma once
// A Sprintor dialog opened against the stand-in host on a port of its own, with a clock and a
// sound player set by the test. The dialog's own timer is stopped: the test gives every tick
// itself.

#include "platform/Sound.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"
#include "platform/testing/Recorders.h"
#include "platform/testing/RecordingMessageBox.h"
#include "sprintor/core/SprintorStrings.h"
#include "sprintor/ui/SprintorDlg.h"
#include "testhost/ReplyPayload.h"
#include "testhost/TestHost.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace sprintortest {

// Records each sound; while it "plays", its length passes on the test clock and, when asked,
// the event loop runs as it may inside a real player.
class TimedSoundPlayer : public platform::RecordingSoundPlayer {
public:
    explicit TimedSoundPlayer(platform::ManualTickClock& clock) : m_clock(clock) {}
    void PlaySync(const QString& wavPath) override
    {
        platform::RecordingSoundPlayer::PlaySync(wavPath);
        if (m_onPlay)
            m_onPlay();
        m_clock.Advance(static_cast<std::uint32_t>(platform::WavDurationMs(wavPath)));
        if (m_bRunLoop)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void SetRunsEventLoop(bool runLoop) { m_bRunLoop = runLoop; }
    // Runs while a sound plays.
    void SetOnPlay(std::function<void()> onPlay) { m_onPlay = std::move(onPlay); }
    // The file names played, in order.
    QStringList Names() const
    {
        QStringList names;
        for (const QString& path : played)
            names << QFileInfo(path).fileName();
        return names;
    }

private:
    platform::ManualTickClock& m_clock;
    std::function<void()> m_onPlay;
    bool m_bRunLoop = false;
};

// Until at least count messages wait in the client's receive queue or timeoutMs have passed,
// without running the event loop: what the receive thread queues needs no tick.
inline bool WaitUntilWaiting(const CTelvoClient& client, int count, int timeoutMs = 5000)
{
    for (int ms = 0; client.WaitingCount() < count; ++ms) {
        if (ms >= timeoutMs)
            return false;
        QThread::msleep(1);
    }
    return true;
}

// "123 456 789 AB" with the engine speed in field 3 and the speed in field 7, its unit in 8.
inline std::string SpeedReply(const std::string& speed, const std::string& unit = "km/h")
{
    return testhost::StandardReply(
        "123 456 789 AB", {testhost::Entry{1, 0, "850", "/min"}, testhost::Entry{1, 1, speed, unit}});
}

class SprintorDialogTest : public ::testing::Test {
protected:
    SprintorDialogTest() : clockScope(clock), sounds(clock) { InstallSprintorStrings(); }

    void SetUp() override
    {
        ASSERT_NE(host.Port(), 0);
        host.SetSilent(true);
        dlg = std::make_unique<CSprintorDlg>(host.Port());
        dlg->show();
        ASSERT_TRUE(host.WaitForConnections(1));
        dlg->m_timer.Stop();
    }

    // The handlers' and the tick's context is the dialog's frame.
    void* Context() const { return static_cast<PluginDialog*>(dlg.get()); }
    void Tick() { CSprintorDlg::OnTimerTick(Context(), WM_TIMER, 0, 0); }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            Tick();
    }
    void PressStartStop() { QTest::mouseClick(&dlg->m_btnStartStop, Qt::LeftButton); }
    void Reply(const std::string& payload, const std::string& kind = "1")
    {
        std::string k = kind, seq = "0", p = payload;
        CSprintorDlg::OnHostDataReply(Context(), &k, &seq, &p);
    }
    // "Los!" and the whole countdown, a tick every 50 ms on the test clock: the run then measures.
    void ArmAndCountDown()
    {
        PressStartStop();
        for (int i = 0; i < 44; ++i) {
            clock.Advance(50);
            Tick();
        }
        ASSERT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_MEASURING);
    }
    bool LampIs(const QPixmap& expected) const
    {
        return dlg->m_staticLamp.pixmap().toImage() == expected.toImage();
    }
    std::size_t Points() const { return dlg->m_graph.m_series.at(0).m_points.size(); }
    const GraphPoint& LastPoint() const { return dlg->m_graph.m_series.at(0).m_points.back(); }
    // The last connection the dialog made to the host.
    int Connection() const { return host.ConnectionCount() - 1; }

    testhost::TestHost host;
    platform::ManualTickClock clock{1000};
    platform::ScopedTickClock clockScope;
    TimedSoundPlayer sounds;
    platform::RecordingMessageBox boxes;
    std::unique_ptr<CSprintorDlg> dlg;
};

} // namespace sprintortest

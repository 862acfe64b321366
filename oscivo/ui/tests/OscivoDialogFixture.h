#pragma once
// Oscivo's main dialog under the offscreen platform: in live mode against the stand-in host on a
// port of its own (the host's lock held in the test's own runtime directory), or in log mode
// without the lock; its start-up directory a fresh temporary one. Its timers and its tick run on a
// test clock.

#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/OscivoDlg.h"
#include "oscivo/ui/Resource.h"
#include "platform/NamedLock.h"
#include "platform/TickClock.h"
#include "platform/testing/RecordingMessageBox.h"
#include "platform/testing/TickUntil.h"
#include "testhost/ReplyPayload.h"
#include "testhost/TestHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace oscivotest {

using testhost::Entry;

inline const std::string kModule = "123 456 789 AB";

// A block of engine speed, road speed, fuel rate and coolant temperature in group 1.
inline std::string DriveReply(const std::string& rpm = "850", const std::string& speed = "50",
                              const std::string& rate = "5")
{
    return testhost::StandardReply(kModule, {Entry{1, 0, rpm, "/min"}, Entry{1, 1, speed, "km/h"},
                                             Entry{1, 2, rate, "l/h"}, Entry{1, 3, "90", "°C"}});
}

class OscivoDialogTest : public ::testing::Test {
protected:
    OscivoDialogTest()
    {
        ResetOscivoState();
        InstallOscivoStrings();
        QDir::setCurrent(m_dir.path());
    }

    ~OscivoDialogTest() override
    {
        dlg.reset();
        QDir::setCurrent(m_startDir);
    }

    void SetUp() override { ASSERT_NE(host.Port(), 0); }

    // Opens the dialog; in live mode the host's lock is held, so that it connects.
    void Open(bool live = true)
    {
        if (live && !hostLock)
            hostLock = std::make_unique<platform::NamedLock>(testhost::kHostLockName);
        dlg = std::make_unique<COscivoDlg>(host.Port());
        dlg->show();
    }

    // Opens in live mode and waits for the first reply of the host shown.
    void OpenAndShow(const std::string& payload)
    {
        host.SetReplyPayload(payload);
        Open();
        ASSERT_TRUE(WaitFor([&] { return g_nRepliesShown > 0; })) << "no reply shown";
    }

    // The host's own waits would block the dialog's ticks: this keeps the loop running, and
    // moves an installed test clock on a tick at a time.
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
    {
        return platform::TickUntil(condition, kTickMs, timeoutMs);
    }

    std::size_t RequestCount(int connection) const
    {
        std::size_t n = 0;
        for (const auto& frame : host.Frames(connection))
            n += frame.name == "DataRequest";
        return n;
    }

    // Lets the replies on their way arrive and be shown, ticking meanwhile.
    void Settle(std::uint32_t ms = 300) { platform::TickFor(tickClock, ms, kTickMs); }

    QString Text(UINT id) const
    {
        QWidget* control = dlg->GetDlgItem(id);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            return edit->text();
        return static_cast<QLabel*>(control)->text();
    }
    QLineEdit* Edit(UINT id) const { return static_cast<QLineEdit*>(dlg->GetDlgItem(id)); }
    bool Shown(UINT id) const { return !dlg->GetDlgItem(id)->isHidden(); }
    bool Enabled(UINT id) const { return dlg->GetDlgItem(id)->isEnabled(); }

    // A right click at the middle of a control, as the window system reports it.
    void RightClick(QWidget* control)
    {
        const QPoint local = control->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, control->mapToGlobal(local));
        QApplication::sendEvent(control, &event);
    }

    std::string ReadFile(const QString& relative) const
    {
        QFile file(QDir(m_dir.path()).filePath(relative));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }
    QString Path(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    static constexpr std::uint32_t kTickMs = 40;

    QTemporaryDir m_dir;
    QString m_startDir = QDir::currentPath();
    platform::ManualTickClock tickClock{1000};
    platform::ScopedTickClock useTickClock{tickClock};
    platform::RecordingMessageBox boxes;
    testhost::TestHost host;
    std::unique_ptr<platform::NamedLock> hostLock;
    std::unique_ptr<COscivoDlg> dlg;
};

} // namespace oscivotest

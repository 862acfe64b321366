// The plug-in dialog frame on its own, with a dialog as small as the frame allows, against the
// stand-in host on a port of its own; its ticks run on a test clock.

#include "dialogkit/PluginDialog.h"

#include "hostlink/testing/ModalWatch.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"
#include "platform/testing/ContextMenu.h"
#include "platform/testing/RecordingMessageBox.h"
#include "platform/testing/TickUntil.h"
#include "testhost/TestHost.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr UINT kTickMs = 50;
constexpr UINT IDS_NO_HOST = 200;
constexpr UINT IDM_ABOUT = 16, IDS_ABOUT = 201;
constexpr UINT IDM_PRINT = 32, IDS_PRINT = 202;
constexpr UINT IDM_EMPTY = 48, IDS_EMPTY = 203;
constexpr UINT IDM_MISSING = 64, IDS_MISSING = 204;

// The frame's host handlers, a tick that asks for data and pumps, four menu items (one whose
// string is empty, one whose string is missing), and an about command that opens a box of its own.
class FrameDlg : public PluginDialog {
public:
    using PluginDialog::PluginDialog;

    void OnSysCommand(UINT nID, LPARAM) override
    {
        commands.push_back(nID);
        if (nID == IDM_ABOUT) {
            QDialog about(this);
            about.exec();
        }
    }

    int inits = 0;
    std::vector<UINT> commands;

protected:
    BOOL OnInitDialog() override
    {
        ++inits;
        AddSystemMenuItem(IDM_ABOUT, IDS_ABOUT);
        AddSystemMenuItem(IDM_EMPTY, IDS_EMPTY);
        AddSystemMenuItem(IDM_PRINT, IDS_PRINT);
        AddSystemMenuItem(IDM_MISSING, IDS_MISSING);
        RegisterHandler("ConEvent", &PluginDialog::OnHostConEvent);
        RegisterHandler("Quit", &PluginDialog::OnHostQuit);
        StartTimer(&FrameDlg::OnTimerTick, kTickMs);
        ConnectOrClose(IDS_NO_HOST);
        return TRUE;
    }

private:
    static void OnTimerTick(void* context, UINT, WPARAM, LPARAM)
    {
        auto& dlg = Dialog<FrameDlg>(context);
        dlg.RequestData();
        dlg.m_client.Pump();
    }
};

class PluginDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetStringTable(
            {{IDS_NO_HOST, "Kein Host"}, {IDS_ABOUT, "&Über"}, {IDS_PRINT, "Drucken"}, {IDS_EMPTY, ""}});
        ASSERT_NE(host.Port(), 0);
        host.SetSilent(true);
    }

    void Open()
    {
        dlg = std::make_unique<FrameDlg>(host.Port());
        dlg->show();
    }
    // Opens it and ticks until it has asked the host twice.
    bool OpenAsking()
    {
        Open();
        return TickUntil([&] { return Requests(0) >= 2; });
    }

    // Ticks until the condition holds; what the host sends arrives meanwhile.
    static bool TickUntil(const std::function<bool()>& condition)
    {
        return platform::TickUntil(condition, kTickMs);
    }
    std::size_t Requests(int connection) const { return host.FrameCount(connection); }

    platform::ManualTickClock clock;
    platform::ScopedTickClock useClock{clock};
    platform::RecordingMessageBox boxes;
    testhost::TestHost host;
    std::unique_ptr<FrameDlg> dlg;
};

TEST_F(PluginDialogTest, OpensOnceConnectedAndAsksForDataAtEachTick)
{
    Open();
    ASSERT_TRUE(host.WaitForConnections(1));
    dlg->hide();
    dlg->show();
    EXPECT_EQ(dlg->inits, 1);
    clock.Advance(1000);
    ASSERT_TRUE(host.WaitForFrames(0, 20));
    const auto frames = host.Frames(0);
    ASSERT_EQ(frames.size(), 20u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].name, "DataRequest");
        EXPECT_EQ(frames[i].payload, "");
        EXPECT_EQ(std::stoi(frames[i].seq), std::stoi(frames[0].seq) + static_cast<int>(i));
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PluginDialogTest, NoHostAtStartShowsItsMessageAndThenCloses)
{
    host.SetRefusing(true);
    Open();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Kein Host");
    EXPECT_EQ(boxes.Boxes()[0].caption, QCoreApplication::applicationName());
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
    EXPECT_TRUE(dlg->isVisible()) << "closed once the opening has returned";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->isVisible(); }, 5000));
}

TEST_F(PluginDialogTest, EachDroppedLinkIsMadeAgainOnce)
{
    ASSERT_TRUE(OpenAsking());
    int drop = 0;
    for (const auto mode : {testhost::CloseMode::Fin, testhost::CloseMode::Rst, testhost::CloseMode::Fin}) {
        SCOPED_TRACE(drop);
        host.CloseConnection(drop, mode);
        ASSERT_TRUE(TickUntil([&] { return host.ConnectionCount() == drop + 2; }));
        ASSERT_TRUE(TickUntil([&] { return Requests(drop + 1) >= 2; }))
            << "it goes on asking on the new link";
        platform::TickFor(clock, 500, kTickMs);
        EXPECT_EQ(host.ConnectionCount(), drop + 2);
        ++drop;
    }
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PluginDialogTest, QuitClosesTheDialogAndTheLink)
{
    ASSERT_TRUE(OpenAsking());
    host.SendQuit();
    EXPECT_TRUE(TickUntil([&] { return !dlg->isVisible(); }));
    EXPECT_TRUE(host.WaitForClosed(0));
    EXPECT_EQ(host.ConnectionCount(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
}

// The ticks go on under a box the dialog owns, so the host's "Quit" is acted on while it is open,
// and the box goes with the dialog.
TEST_F(PluginDialogTest, AQuitWhileItsBoxIsOpenClosesTheBoxWithTheDialog)
{
    ASSERT_TRUE(OpenAsking());
    host.SendQuit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg->m_client.WaitingCount() > 0; }, 5000));
    QTimer::singleShot(0, dlg.get(), [&] { clock.Advance(kTickMs); }); // a tick inside the box
    EXPECT_FALSE(StillOpenAfter(5000, [&] { dlg->OnSysCommand(IDM_ABOUT, 0); }));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(host.WaitForClosed(0));
}

TEST_F(PluginDialogTest, ClosedItTicksNoMore)
{
    ASSERT_TRUE(OpenAsking());
    dlg->accept();
    EXPECT_FALSE(dlg->isVisible());
    QTest::qWait(100); // what was sent has arrived
    const std::size_t asked = Requests(0);
    clock.Advance(500);
    QTest::qWait(100);
    EXPECT_EQ(Requests(0), asked);
}

// The window manager's menu takes no items of a program's: the context menu holds them.
TEST_F(PluginDialogTest, TheContextMenuHoldsTheItemsWithATextAndRunsTheChosenCommand)
{
    Open();
    platform::RightClickWithMenu(dlg.get(), QPoint(20, 20), [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        EXPECT_EQ(texts, QStringList({QString::fromUtf8("&Über"), "Drucken"}));
        menu->setActiveAction(menu->actions().at(1));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_EQ(dlg->commands, std::vector<UINT>{IDM_PRINT});

    // Without a text, no item; without any, no menu.
    platform::SetStringTable({{IDS_NO_HOST, "Kein Host"}, {IDS_ABOUT, ""}});
    platform::RightClickWithMenu(dlg.get(), QPoint(20, 20), [](QMenu* menu) { EXPECT_EQ(menu, nullptr); });
    EXPECT_EQ(dlg->commands.size(), 1u);
}

} // namespace

// Live mode against the stand-in host: connecting, the 40 ms poll, the replies on the screen,
// the host's stop and quit, and the reconnect after a lost connection.

#include "OscivoDialogFixture.h"
#include "hostlink/testing/SentSoFar.h"
#include "platform/Colour.h"
#include "platform/SystemMetrics.h"

#include <QImage>

namespace oscivotest {
namespace {

using Live = OscivoDialogTest;

TEST_F(Live, ConnectsAndRequestsDataEveryFortyMilliseconds)
{
    host.SetSilent(true);
    Open();
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= 2; }));
    const std::size_t before = SentSoFar(dlg->m_client, host, 0).size();
    tickClock.Advance(1000);
    const auto frames = SentSoFar(dlg->m_client, host, 0);
    ASSERT_EQ(frames.size(), before + 25);
    // Requests numbered one after the other.
    for (std::size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(frames[i].name, "DataRequest");
        ASSERT_EQ(frames[i].payload, "");
        ASSERT_EQ(std::stoi(frames[i].seq), std::stoi(frames[0].seq) + static_cast<int>(i));
    }
    EXPECT_EQ(host.ConnectionCount(), 1);
    EXPECT_TRUE(Enabled(IDC_PAUSE));
    EXPECT_FALSE(Enabled(IDC_STOP));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Live, ATickTakesTheMessagesThatWereWaitingWhenItBegan)
{
    host.SetSilent(true);
    Open();
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= 1; }));
    dlg->m_timer.Stop(); // the test gives the ticks
    QTest::qWait(200);
    const auto tick = [&] { COscivoDlg::OnTimerTick(static_cast<PluginDialog*>(dlg.get()), 0, 0, 0); };
    tick(); // whatever came meanwhile

    std::string burst;
    for (int i = 0; i < 5; ++i)
        burst += testhost::FrameBytes("DataReply", "1", "0", DriveReply(std::to_string(800 + i)));
    host.SendRaw(burst);
    ASSERT_TRUE(WaitFor([&] { return dlg->m_client.WaitingCount() == 5; }));
    tick();
    EXPECT_EQ(dlg->m_client.WaitingCount(), 0);
    EXPECT_EQ(Text(IDC_VALUE + 0), "804 /min");

    // With nothing waiting, one pump: it sends the tick's request.
    const std::size_t asked = RequestCount(0);
    tick();
    EXPECT_TRUE(WaitFor([&] { return RequestCount(0) == asked + 1; }));
}

TEST_F(Live, AStandardReplyShowsItsTextsTitleAndTraces)
{
    OpenAndShow(DriveReply("850", "50", "5"));
    EXPECT_EQ(Text(IDC_VALUE + 0), "850 /min");
    EXPECT_EQ(Text(IDC_VALUE + 1), "50 km/h");
    EXPECT_EQ(Text(IDC_VALUE + 2), "5 l/h");
    EXPECT_EQ(Text(IDC_VALUE + 3), QString::fromUtf8("90 °C"));
    for (int k = 4; k < kScopeSlots; ++k)
        EXPECT_EQ(Text(IDC_VALUE + k), "") << k;
    // The title hint runs in real time and may still be drawing its frames: the title is
    // checked once it stands.
    EXPECT_TRUE(WaitFor([&] { return dlg->windowTitle() == "Oscivo  -  Live Daten  -  123 456 789 AB"; }))
        << dlg->windowTitle().toStdString();
    EXPECT_EQ(Text(IDC_STEP), "Schr.weite:3");
    // Slot 0 selected, with the scale the preset gave the engine speed.
    EXPECT_TRUE(Shown(1092));
    EXPECT_EQ(Text(IDC_MIN), "0");
    EXPECT_EQ(Text(IDC_MAX), "6000");
    // Speed and fuel rate together: the fuel-economy buttons.
    EXPECT_TRUE(Shown(IDC_MILEAGE));
    EXPECT_TRUE(Shown(IDC_CONSUMPTION));

    // Row 0's boxes start ticked: the swatches take their traces' colours.
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(dlg->CheckBox(IDC_GRAPH + k)->isChecked());
        EXPECT_EQ(dlg->m_frameSlot[k]->m_crBackColor, g_crLineColor[k]);
    }
    EXPECT_FALSE(dlg->CheckBox(IDC_GRAPH + 4)->isChecked());

    // The traces: engine speed 850 of 0..6000 lies low in the plot, the speed 50 of 0..250 a
    // little higher; both in their colours.
    Settle();
    const QImage scope = dlg->m_scope.GetSafeHwnd()->grab().toImage();
    const auto rowsOf = [&](COLORREF colour) {
        std::vector<int> rows;
        for (int y = 0; y < scope.height(); ++y)
            for (int x = scope.width() / 2; x < scope.width() - 12; ++x)
                if (scope.pixelColor(x, y) == platform::ToQColor(colour)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    const std::vector<int> rpm = rowsOf(g_crLineColor[0]);
    const std::vector<int> speed = rowsOf(g_crLineColor[1]);
    ASSERT_FALSE(rpm.empty());
    ASSERT_FALSE(speed.empty());
    EXPECT_GT(rpm.front(), speed.front());
    EXPECT_GT(rpm.front(), scope.height() * 3 / 4);

    // The module's files: its scales and the presets.
    EXPECT_EQ(ReadFile("Scaling/123-456-789-AB.SCL").substr(0, 5), "3,\r\n1");
    EXPECT_NE(ReadFile("Scaling/Defaults.cfg"), "<missing>");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Live, TheAdvancedBlockTakesRowZerosPlaceAndGivesItBack)
{
    const std::vector<std::string> advanced = {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"};
    host.SetReplyPayload(testhost::AdvancedReply(kModule, advanced, {Entry{2, 0, "7", "V"}}));
    Open();
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_ADV_VALUE + 9) == "19"; }));
    // Each value in its own edit, in control order.
    for (int i = 0; i < kAdvancedValues; ++i)
        EXPECT_EQ(Text(IDC_ADV_VALUE + i), QString::number(10 + i)) << i;
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_FALSE(Shown(IDC_VALUE + k));
        EXPECT_FALSE(Shown(IDC_GRAPH + k));
        EXPECT_FALSE(dlg->m_frameSlot[k]);
    }
    for (int i = 0; i < kAdvancedValues; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Shown(IDC_ADV_VALUE + i));
        EXPECT_TRUE(Shown(IDC_ADV_GRAPH + i));
        ASSERT_TRUE(dlg->m_frameAdvanced[i]);
        // The first four are plotted in their traces' colours.
        EXPECT_EQ(dlg->CheckBox(IDC_ADV_GRAPH + i)->isChecked(), i < 4);
        EXPECT_EQ(dlg->m_frameAdvanced[i]->m_crBackColor,
                  i < 4 ? g_crLineColor[i] : GetSysColor(COLOR_BTNFACE));
    }
    EXPECT_EQ(Text(IDC_VALUE + 4), "7 V");
    EXPECT_FALSE(Enabled(IDC_MIN));
    EXPECT_FALSE(Enabled(IDC_MAX));

    host.SetReplyPayload(DriveReply());
    ASSERT_TRUE(WaitFor([&] { return Shown(IDC_VALUE + 0); }));
    Settle();
    EXPECT_EQ(Text(IDC_VALUE + 0), "850 /min");
    for (int i = 0; i < kAdvancedValues; ++i) {
        EXPECT_FALSE(Shown(IDC_ADV_VALUE + i)) << i;
        EXPECT_FALSE(dlg->m_frameAdvanced[i]) << i;
    }
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(dlg->m_frameSlot[k]);
        EXPECT_EQ(dlg->m_frameSlot[k]->geometry(), dlg->GetDlgItem(IDC_SLOT_FRAME + k)->geometry());
        EXPECT_FALSE(dlg->CheckBox(IDC_GRAPH + k)->isChecked()); // row 0 comes back cleared
    }
    EXPECT_TRUE(Enabled(IDC_MIN));
    EXPECT_TRUE(Enabled(IDC_MAX));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Live, StopRequestStopsTheDisplayAndSavesTheScalesAndPauseResumesIt)
{
    OpenAndShow(DriveReply("850"));
    g_nScaleMax[1][0] = 7000; // as if edited
    host.SendStopRequest();
    ASSERT_TRUE(WaitFor([&] { return g_bStopped == TRUE; }));
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_RESUME);
    EXPECT_TRUE(Enabled(IDC_PAUSE));
    EXPECT_FALSE(Enabled(IDC_STOP));
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL").find("1,0,7000,"), std::string::npos);

    // The ticks go on, but the replies are not shown.
    host.SetReplyPayload(DriveReply("900"));
    const std::size_t asked = RequestCount(0);
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= asked + 5; }));
    EXPECT_EQ(Text(IDC_VALUE + 0), "850 /min");

    QTest::mouseClick(dlg->Button(IDC_PAUSE), Qt::LeftButton);
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_PAUSE);
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_VALUE + 0) == "900 /min"; }));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Live, PauseHoldsTheDisplayUntilPressedAgain)
{
    OpenAndShow(DriveReply("850"));
    QTest::mouseClick(dlg->Button(IDC_PAUSE), Qt::LeftButton);
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_RESUME);
    EXPECT_TRUE(g_bStopped);
    host.SetReplyPayload(DriveReply("900"));
    Settle();
    EXPECT_EQ(Text(IDC_VALUE + 0), "850 /min");
    QTest::mouseClick(dlg->Button(IDC_PAUSE), Qt::LeftButton);
    EXPECT_EQ(dlg->ButtonImage(IDC_PAUSE), IDI_PAUSE);
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_VALUE + 0) == "900 /min"; }));
}

TEST_F(Live, QuitClientClosesTheDialogSavingWhatClosingSaves)
{
    {
        QFile pipe(Path("MB-PIPE.TXT"));
        ASSERT_TRUE(pipe.open(QIODevice::WriteOnly));
    }
    OpenAndShow(DriveReply());
    host.SendQuitClient();
    ASSERT_TRUE(WaitFor([&] { return !dlg->isVisible(); }));
    EXPECT_TRUE(WaitFor([&] { return !host.IsOpen(0); }));
    EXPECT_EQ(host.ConnectionCount(), 1);
    EXPECT_FALSE(QFile::exists(Path("MB-PIPE.TXT")));
    const std::string prefs = ReadFile("Scaling/Prefs.cfg");
    EXPECT_NE(prefs.find("Width=27a\r\nHeight=1b1\r\n"), std::string::npos) << prefs;
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL"), "<missing>");
    EXPECT_TRUE(boxes.Boxes().empty());
}

// What Oscivo gives the dialog frame, whose behaviour is tested with the frame: its message when
// the host cannot be reached, and its connection events. "QuitClient" closes as closing does.
TEST_F(Live, TheFrameShowsItsMessageAndMakesALostLinkAgain)
{
    host.SetRefusing(true);
    Open();
    EXPECT_TRUE(WaitFor([&] { return !dlg->isVisible(); }));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Kann nicht mit Proxy oder Diagnoma verbinden.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Oscivo");
    boxes.Clear();

    host.SetRefusing(false);
    host.SetSilent(true);
    Open();
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= 2; }));
    host.CloseConnection(0);
    ASSERT_TRUE(WaitFor([&] { return host.ConnectionCount() == 2; }));
    EXPECT_TRUE(WaitFor([&] { return RequestCount(1) >= 2; })) << "the poll goes on";
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
} // namespace oscivotest

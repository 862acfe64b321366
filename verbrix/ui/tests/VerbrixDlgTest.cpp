// The main dialog, opened under the offscreen platform against the stand-in host on a port of
// its own; its ticks run on a test clock.

#include "verbrix/ui/VerbrixDlg.h"

#include "hostlink/testing/SentSoFar.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"
#include "platform/testing/ContextMenu.h"
#include "platform/testing/RecordingMessageBox.h"
#include "platform/testing/TickUntil.h"
#include "testhost/ReplyPayload.h"
#include "testhost/TestHost.h"
#include "verbrix/core/Resource.h"
#include "verbrix/core/VerbrixStrings.h"
#include "verbrix/ui/AboutDlg.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>

namespace {

using testhost::Entry;

// A measuring block with engine speed, road speed, fuel rate and coolant temperature.
std::string Reply(const std::string& speed, const std::string& rate)
{
    return testhost::StandardReply("03L906022  ", {Entry{5, 0, "2000", "/min"}, Entry{5, 1, speed, "km/h"},
                                                   Entry{5, 2, rate, "l/h"}, Entry{5, 3, "90", "°C"}});
}

class VerbrixDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallVerbrixStrings();
        ASSERT_NE(host.Port(), 0);
    }

    void Open()
    {
        dlg = std::make_unique<CVerbrixDlg>(host.Port());
        dlg->show();
    }

    QString Text(UINT id) const { return static_cast<QLabel*>(dlg->GetDlgItem(id))->text(); }

    // The four displays, top to bottom.
    void ExpectTexts(const char* consumption, const char* average, const char* total, const char* distance)
    {
        EXPECT_EQ(Text(IDC_CONSUMPTION), consumption);
        EXPECT_EQ(Text(IDC_AVERAGE), average);
        EXPECT_EQ(Text(IDC_TOTAL), total);
        EXPECT_EQ(Text(IDC_DISTANCE), distance);
    }

    // The host's own waits would block the ticks of the dialog: these keep the loop running and
    // tick meanwhile.
    static bool TickUntil(const std::function<bool()>& condition)
    {
        return platform::TickUntil(condition, kTickMs);
    }
    void TickFor(std::uint32_t ms) { platform::TickFor(clock, ms, kTickMs); }
    bool WaitClosed()
    {
        return TickUntil([&] { return !dlg->isVisible(); });
    }
    bool WaitForConnections(int count)
    {
        return TickUntil([&] { return host.ConnectionCount() >= count; });
    }
    bool WaitForRequests(int connection, std::size_t count)
    {
        return TickUntil([&] { return RequestCount(connection) >= count; });
    }
    bool WaitForLinkClosed(int connection)
    {
        return TickUntil([&] { return !host.IsOpen(connection); });
    }

    std::size_t RequestCount(int connection) const
    {
        std::size_t n = 0;
        for (const auto& frame : host.Frames(connection))
            n += frame.name == "DataRequest";
        return n;
    }

    static constexpr std::uint32_t kTickMs = 50;
    platform::ManualTickClock clock{100000};
    platform::ScopedTickClock useClock{clock};
    platform::RecordingMessageBox boxes;
    testhost::TestHost host;
    std::unique_ptr<CVerbrixDlg> dlg;
};

TEST_F(VerbrixDlgTest, OpensWithItsLayoutFontsAndFirstTexts)
{
    host.SetSilent(true);
    Open();
    ExpectTexts(" --- ", " --- ", "0.00", "0.00");
    EXPECT_EQ(dlg->windowTitle(), "Verbrix");
    EXPECT_EQ(dlg->size(), QSize(420, 284)); // 280 x 175 dialog units
    EXPECT_FALSE(dlg->windowIcon().isNull());
    for (const UINT id : {IDC_CONSUMPTION, IDC_AVERAGE, IDC_TOTAL, IDC_DISTANCE}) {
        const QFont font = dlg->GetDlgItem(id)->font();
        EXPECT_EQ(font.pixelSize(), 48) << id; // 36 pt at 96 dpi
        EXPECT_TRUE(dlg->rect().contains(dlg->GetDlgItem(id)->geometry())) << id;
    }
    // The digits stand whole inside the display's edge, none cut off at its foot.
    const QImage total = dlg->GetDlgItem(IDC_TOTAL)->grab().toImage();
    const auto darkPixels = [&](int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 2; x < total.width() - 2; ++x)
                n += qGray(total.pixel(x, y)) < 96;
        return n;
    };
    EXPECT_GT(darkPixels(2, total.height() - 2), 300);
    EXPECT_EQ(darkPixels(total.height() - 6, total.height() - 2), 0);
    EXPECT_EQ(static_cast<QPushButton*>(dlg->GetDlgItem(IDOK))->text(), "B&eenden");
    EXPECT_EQ(static_cast<QPushButton*>(dlg->GetDlgItem(IDC_RESET))->text(), "R&eset");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(VerbrixDlgTest, RequestsEveryFiftyMilliseconds)
{
    host.SetReplyPayload(Reply("50", "5"));
    Open();
    ASSERT_TRUE(host.WaitForConnections(1));
    clock.Advance(1000);
    ASSERT_TRUE(host.WaitForFrames(0, 20));
    const auto frames = host.Frames(0);
    ASSERT_EQ(frames.size(), 20u);
    int seq = std::stoi(frames.front().seq);
    for (const auto& frame : frames) {
        EXPECT_EQ(frame.name, "DataRequest");
        EXPECT_EQ(frame.kind, "1");
        EXPECT_EQ(frame.payload, "");
        EXPECT_EQ(std::stoi(frame.seq), seq++);
    }
}

TEST_F(VerbrixDlgTest, SteadyDriveShowsTheCurrentConsumption)
{
    host.SetReplyPayload(Reply("50", "5"));
    Open();
    ASSERT_TRUE(TickUntil([&] { return Text(IDC_CONSUMPTION) == "10.00"; }));
    EXPECT_EQ(Text(IDC_AVERAGE), "10.00");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(VerbrixDlgTest, StandingShowsDashesAndOnlyTheFuelGrows)
{
    host.SetReplyPayload(Reply("0.6", "360")); // a litre in ten seconds
    Open();
    ASSERT_TRUE(TickUntil([&] { return Text(IDC_TOTAL).toDouble() >= 0.05; }));
    EXPECT_EQ(Text(IDC_CONSUMPTION), " --- ");
    EXPECT_EQ(Text(IDC_AVERAGE), " --- ");
    EXPECT_EQ(Text(IDC_DISTANCE), "0.00");
}

TEST_F(VerbrixDlgTest, ResetClearsTheSumsAndKeepsTheCurrentConsumption)
{
    host.SetReplyPayload(Reply("200", "5"));
    Open();
    ASSERT_TRUE(TickUntil([&] { return Text(IDC_DISTANCE).toDouble() >= 0.02; }));
    host.SetSilent(true);
    TickFor(300); // the last replies on their way are shown
    ASSERT_EQ(Text(IDC_CONSUMPTION), "2.50");
    QTest::mouseClick(dlg->GetDlgItem(IDC_RESET), Qt::LeftButton);
    ExpectTexts("2.50", " --- ", "0.00", "0.00");
    EXPECT_DOUBLE_EQ(dlg->Consumption().DistanceKm(), 0.0);

    // The next replies count from the reset on.
    host.SetSilent(false);
    ASSERT_TRUE(TickUntil([&] { return Text(IDC_AVERAGE) == "2.50"; }));
}

TEST_F(VerbrixDlgTest, BeendenAndEscapeEndTheDialogAndTheLinkGoesWithIt)
{
    host.SetReplyPayload(Reply("50", "5"));
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "B&eenden");
        const int connection = host.ConnectionCount();
        Open();
        ASSERT_TRUE(WaitForRequests(connection, 2));
        if (escape)
            QTest::keyClick(dlg.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(dlg->GetDlgItem(IDOK), Qt::LeftButton);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), escape ? QDialog::Rejected : QDialog::Accepted);
        const std::size_t sent = SentSoFar(dlg->m_client, host, connection).size();
        clock.Advance(300);
        EXPECT_EQ(SentSoFar(dlg->m_client, host, connection).size(), sent) << "the ticks stop";
        dlg.reset();
        EXPECT_TRUE(WaitForLinkClosed(connection));
    }
}

TEST_F(VerbrixDlgTest, AFirstReplyWithoutTheFieldsShowsItsMessageAndCloses)
{
    const struct {
        std::string payload;
        UINT messageId;
    } cases[] = {
        {"", IDS_NO_DATA},
        {testhost::StandardReply("03L906022  ", {Entry{5, 1, "50", "mph"}, Entry{5, 2, "5", "l/h"}}),
         IDS_NO_SPEED},
        {testhost::StandardReply("03L906022  ", {Entry{5, 1, "50", "km/h"}}), IDS_NO_FUEL_RATE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messageId);
        boxes.Clear();
        const int connection = host.ConnectionCount();
        host.SetReplyPayload(c.payload);
        Open();
        EXPECT_TRUE(WaitClosed());
        EXPECT_TRUE(WaitForLinkClosed(connection));
        TickFor(200); // replies still queued must not bring a second box
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, ResStr(c.messageId));
        EXPECT_EQ(boxes.Boxes()[0].caption, "Verbrix");
        EXPECT_EQ(host.ConnectionCount(), connection + 1);
        dlg.reset();
    }
}

TEST_F(VerbrixDlgTest, ALaterReplyTooShortDisconnectsAndStaysOpen)
{
    // A reply already on its way when the link goes is still handed over: let it be a good one.
    host.SetReplies(
        {{Reply("50", "5")}, {Reply("50", "5")}, {"03L906022  ,G005,F0,2000, /min"}, {Reply("50", "5")}});
    Open();
    EXPECT_TRUE(WaitForLinkClosed(0));
    ASSERT_TRUE(TickUntil([&] { return !boxes.Boxes().empty(); }));
    TickFor(300);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, ResStr(IDS_NO_SPEED));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Text(IDC_CONSUMPTION), "10.00");
    EXPECT_EQ(host.ConnectionCount(), 1); // nothing reconnects by itself
}

TEST_F(VerbrixDlgTest, AReplyOfKindTwoChangesNothing)
{
    host.SetReplies({{Reply("50", "5"), "2"}});
    Open();
    ASSERT_TRUE(WaitForRequests(0, 10));
    TickFor(100);
    ExpectTexts(" --- ", " --- ", "0.00", "0.00");
    EXPECT_TRUE(dlg->Consumption().IsDetecting());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(dlg->isVisible());
}

// What Verbrix gives the dialog frame, whose behaviour is tested with the frame: its message
// when the host cannot be reached, its about item, and the host messages it hands the frame.
TEST_F(VerbrixDlgTest, TheFrameShowsItsTextsAndTakesItsHostMessages)
{
    host.SetRefusing(true);
    Open();
    EXPECT_TRUE(WaitClosed());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Diagnoma / Brokara laufen nicht oder sind nicht erreichbar.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Verbrix");
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
    ExpectTexts(" --- ", " --- ", "0.00", "0.00");
    boxes.Clear();

    host.SetRefusing(false);
    host.SetReplyPayload(Reply("50", "5"));
    Open();
    ASSERT_TRUE(WaitForRequests(0, 2));
    QString caption;
    QString texts;
    platform::RightClickWithMenu(dlg.get(), QPoint(20, 20), [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), QString::fromUtf8("Inf&o über Verbrix..."));
        QTimer::singleShot(200, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            caption = about->windowTitle();
            for (const QLabel* label : about->findChildren<QLabel*>())
                texts += label->text() + "|";
            about->accept();
        });
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_EQ(caption, QString::fromUtf8("Info über Verbrix..."));
    EXPECT_TRUE(texts.contains("Verbrix Version 1.1|")) << texts.toStdString();

    host.CloseConnection(0);
    ASSERT_TRUE(WaitForConnections(2));
    ASSERT_TRUE(WaitForRequests(1, 2));
    host.SendQuit();
    EXPECT_TRUE(WaitClosed());
    EXPECT_TRUE(WaitForLinkClosed(1));
    EXPECT_EQ(host.ConnectionCount(), 2);
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace

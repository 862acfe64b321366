// What closing and a change of module save, report and remove.

#include "OscivoDialogFixture.h"

#include <QKeyEvent>

namespace oscivotest {
namespace {

using Saving = OscivoDialogTest;

TEST_F(Saving, BeforeAnyModuleWasIdentifiedNoScalesAreSaved)
{
    host.SetSilent(true);
    Open();
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= 1; }));
    dlg->close();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(QDir(Path("Scaling")).entryList({"*.SCL"}, QDir::Files).isEmpty());
}

TEST_F(Saving, ScalesThatCannotBeSavedAreReported)
{
    // A file where the scaling folder belongs: the module's scales can be neither read nor
    // written.
    {
        QFile blocker(Path("Scaling"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    OpenAndShow(DriveReply());
    EXPECT_TRUE(boxes.Boxes().empty()) << "the failed load is silent";
    dlg->close();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Skalierung kann nicht gespeichert werden.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(Saving, AModuleSwitchSavesTheScalesOfTheModuleBeforeAndReportsAFailure)
{
    OpenAndShow(DriveReply());
    g_nScaleMax[1][0] = 7000; // as if edited
    host.SetReplyPayload(testhost::StandardReply("987 654 321", {Entry{1, 0, "850", "/min"}}));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(Path("Scaling/987-654-321.SCL")); }));
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL").find("1,0,7000,"), std::string::npos);
    EXPECT_TRUE(boxes.Boxes().empty());

    // Where the first module's file was, a folder: its scales can no longer be saved.
    ASSERT_TRUE(QFile::remove(Path("Scaling/123-456-789-AB.SCL")));
    ASSERT_TRUE(QDir().mkpath(Path("Scaling/123-456-789-AB.SCL/in the way")));
    host.SetReplyPayload(testhost::StandardReply(kModule, {Entry{1, 0, "850", "/min"}}));
    ASSERT_TRUE(WaitFor([&] { return g_szLoadedScaling == "123-456-789-AB.SCL"; }));
    host.SetReplyPayload(testhost::StandardReply("987 654 321", {Entry{1, 0, "850", "/min"}}));
    ASSERT_TRUE(WaitFor([&] { return !boxes.Boxes().empty(); }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Skalierung kann nicht gespeichert werden.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
}

// Closing stops the display and saves the scales; a display already stopped, by Pause or by the
// host's stop request, is saved again all the same, so that what was edited since is kept.
class StoppedSaving : public OscivoDialogTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StoppedSaving, ScalesEditedAfterTheDisplayStoppedAreSavedAtClosing)
{
    const bool byPause = GetParam();
    OpenAndShow(DriveReply());
    if (byPause) {
        QTest::mouseClick(dlg->Button(IDC_PAUSE), Qt::LeftButton);
    } else {
        host.SendStopRequest();
        ASSERT_TRUE(WaitFor([] { return g_bStopped == TRUE; }));
    }
    ASSERT_TRUE(g_bStopped);
    g_nScaleMax[1][0] = 7000; // as if edited
    dlg->close();
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL").find("1,0,7000,"), std::string::npos);
    EXPECT_TRUE(boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(PauseOrStopRequest, StoppedSaving, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Pause" : "StopRequest"; });

TEST_F(Saving, EscapeClosesAsTheCloseBoxDoes)
{
    {
        QFile pipe(Path("MB-PIPE.TXT"));
        ASSERT_TRUE(pipe.open(QIODevice::WriteOnly));
    }
    OpenAndShow(DriveReply());
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(QFile::exists(Path("MB-PIPE.TXT")));
    EXPECT_NE(ReadFile("Scaling/Prefs.cfg"), "<missing>");
    EXPECT_TRUE(WaitFor([&] { return !host.IsOpen(0); }));
}

TEST_F(Saving, WithoutSaveWindowSizePrefsCfgStaysAsItWas)
{
    const std::string stored = "SaveWindowSize=0\r\nWidth=2bc\r\nHeight=1f4\r\n";
    QDir().mkpath(Path("Scaling"));
    {
        QFile prefs(Path("Scaling/Prefs.cfg"));
        ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
        prefs.write(stored.data(), static_cast<qint64>(stored.size()));
    }
    host.SetSilent(true);
    Open();
    EXPECT_EQ(dlg->size(), QSize(700, 500));
    dlg->resize(800, 520);
    ASSERT_TRUE(WaitFor([&] { return g_nLastWidth == 800; }));
    dlg->close();
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), stored);
}

} // namespace
} // namespace oscivotest

// Closing: what is saved, what is reported, what is removed.

#include "OscivoDialogFixture.h"

#include <QKeyEvent>

namespace oscivotest {
namespace {

using Closing = OscivoDialogTest;

TEST_F(Closing, BeforeAnyModuleWasIdentifiedNoScalesAreSaved)
{
    host.SetSilent(true);
    Open();
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= 1; }));
    dlg->close();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(QDir(Path("Scaling")).entryList({"*.SCL"}, QDir::Files).isEmpty());
}

TEST_F(Closing, ScalesThatCannotBeSavedAreReported)
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

TEST_F(Closing, EscapeClosesAsTheCloseBoxDoes)
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

TEST_F(Closing, WithoutSaveWindowSizePrefsCfgStaysAsItWas)
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

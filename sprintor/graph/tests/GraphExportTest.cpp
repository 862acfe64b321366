// The graph's bitmap file and its printed page.

#include "platform/StringTable.h"
#include "platform/testing/PdfPrintDialog.h"
#include "platform/testing/RecordingMessageBox.h"
#include "sprintor/graph/BitmapFile.h"
#include "sprintor/graph/tests/GraphTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using platform::Rect;

namespace {

std::uint32_t U32(const QByteArray& b, int at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

std::uint16_t U16(const QByteArray& b, int at)
{
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

TEST(BitmapFile, HeadersAndPixelRowsForOddAndEvenWidths)
{
    struct Case {
        int width;
        int stride;
    } cases[] = {{3, 12}, {4, 12}, {1, 4}, {5, 16}};
    for (const Case& c : cases) {
        QImage image(c.width, 2, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        image.setPixel(0, 0, qRgb(0x10, 0x20, 0x30));           // top left
        image.setPixel(c.width - 1, 1, qRgb(0x40, 0x50, 0x60)); // bottom right
        const QByteArray b = EncodeBitmapFile(image);
        ASSERT_EQ(b.size(), 54 + 2 * c.stride) << c.width;
        EXPECT_EQ(b.left(2), "BM");
        EXPECT_EQ(U32(b, 2), std::uint32_t(b.size()));
        EXPECT_EQ(U32(b, 6), 0u);
        EXPECT_EQ(U32(b, 10), 54u);
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(U32(b, 18), std::uint32_t(c.width));
        EXPECT_EQ(U32(b, 22), 2u) << "positive: bottom-up";
        EXPECT_EQ(U16(b, 26), 1);
        EXPECT_EQ(U16(b, 28), 24);
        EXPECT_EQ(U32(b, 30), 0u);
        EXPECT_EQ(U32(b, 34), std::uint32_t(2 * c.stride));
        for (int at : {38, 42, 46, 50})
            EXPECT_EQ(U32(b, at), 0u) << "resolution and colour counts are 0";
        // First stored row: the bottom one, blue-green-red.
        const int last = 54 + 3 * (c.width - 1);
        EXPECT_EQ(b.mid(last, 3), QByteArray("\x60\x50\x40", 3));
        EXPECT_EQ(b.mid(54 + c.stride, 3), QByteArray("\x30\x20\x10", 3));
        for (int pad = 3 * c.width; pad < c.stride; ++pad)
            EXPECT_EQ(b[54 + pad], '\0');
    }
}

class SaveBitmap : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetStringTable(
            {{32010, "Datei kann nicht erstellt werden, bitte Zugriffsrechte und Platz auf dem "
                     "Datenträger prüfen."}});
        graph.resize(300, 200);
        const GraphPoint points[] = {{0, 0}, {50, 50}, {100, 100}};
        graph.AddSeries("", RGB(255, 0, 0), 0, points, 3);
    }
    CGraphWnd graph;
    QTemporaryDir dir;
    platform::RecordingMessageBox boxes;
};

TEST_F(SaveBitmap, WritesTheControlAsTheScreenShowsIt)
{
    const QString path = dir.filePath("graph.bmp");
    ASSERT_TRUE(graph.SaveBitmap(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    EXPECT_EQ(b.size(), 54 + 900 * 200);
    // The top left pixel is in the last stored row: the sunken edge's shadow.
    EXPECT_EQ(b.mid(54 + 199 * 900, 3), QByteArray("\xA0\xA0\xA0", 3));
    EXPECT_TRUE(boxes.Boxes().empty());

    graph.resize(301, 200);
    ASSERT_TRUE(graph.SaveBitmap(path));
    EXPECT_EQ(QFileInfo(path).size(), 54 + 904 * 200);
}

TEST_F(SaveBitmap, TheCrosshairOnScreenGoesIntoTheFile)
{
    graph.m_nCursor = 1;
    QImage screen(300, 200, QImage::Format_RGB32);
    {
        platform::CDC dc(&screen);
        graph.OnPaint(&dc);
    }
    const POINT c = graph.m_series[0].m_screenPoints[1];
    const QString path = dir.filePath("graph.bmp");
    ASSERT_TRUE(graph.SaveBitmap(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    auto pixel = [&](int x, int y) { return b.mid(54 + (199 - y) * 900 + 3 * x, 3); };
    const QByteArray black(3, '\0'), white(3, '\xFF');
    const int x = graph.m_rcPlot.left;
    EXPECT_EQ(pixel(x + 1, c.y), black);
    EXPECT_EQ(pixel(x + 2, c.y), black);
    EXPECT_EQ(pixel(x + 3, c.y), white) << "the dotted horizontal line";
}

TEST_F(SaveBitmap, AnEmptyPathIsRefusedSilently)
{
    EXPECT_FALSE(graph.SaveBitmap(QString()));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(SaveBitmap, AnUncreatableFileIsReportedAndLeavesNothing)
{
    for (const QString& path : {dir.filePath("missing/graph.bmp"), dir.path()}) {
        boxes.Clear();
        EXPECT_FALSE(graph.SaveBitmap(path));
        ASSERT_EQ(boxes.Boxes().size(), 1u) << path.toStdString();
        EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("Datei kann nicht erstellt werden"));
        EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

// A full disk: the file size limit makes the write fail part way.
TEST_F(SaveBitmap, AFailedWriteIsReportedAndLeavesNoPartialFile)
{
    const QString path = dir.filePath("graph.bmp");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const BOOL saved = graph.SaveBitmap(path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no part of a file";
}

// What the mouse reads of the latest screen paint.
struct MouseBoxes {
    explicit MouseBoxes(const CGraphWnd& g)
        : boxes{g.m_rcXMinLabel, g.m_rcXMaxLabel, g.m_rcYMinLabel, g.m_rcYMaxLabel, g.m_rcXLock, g.m_rcYLock},
          plot(g.m_rcPlot)
    {
        for (const CGraphData& series : g.m_series) {
            legendRows.push_back(series.m_rcLegend);
            points.push_back(series.m_screenPoints);
            dirty.push_back(series.m_bDirty);
        }
    }
    bool operator==(const MouseBoxes&) const = default;
    std::array<Rect, 6> boxes;
    Rect plot;
    std::vector<Rect> legendRows;
    std::vector<std::vector<POINT>> points;
    std::vector<BOOL> dirty;
};

// The page and the file lay out their own pictures: what the screen showed last stays for the
// mouse, even when the next screen paint would lay it out otherwise.
TEST_F(SaveBitmap, PrintingAndSavingLeaveWhatTheMouseReads)
{
    const GraphPoint points[] = {{10, 20}, {60, 70}};
    graph.AddSeries("Drehzahl", RGB(0, 0, 255), 0, points, 2);
    QImage screen(300, 200, QImage::Format_RGB32);
    {
        platform::CDC dc(&screen);
        graph.OnPaint(&dc);
    }
    const MouseBoxes painted(graph);
    ASSERT_FALSE(painted.legendRows[1].IsRectEmpty());
    graph.SetYMax(123456); // wider tick labels: the next layout differs

    platform::PdfPrintDialog dialog(dir.filePath("page.pdf"));
    graph.Print();
    EXPECT_EQ(MouseBoxes(graph), painted) << "printing";
    ASSERT_TRUE(graph.SaveBitmap(dir.filePath("graph.bmp")));
    EXPECT_EQ(MouseBoxes(graph), painted) << "saving";
    EXPECT_TRUE(boxes.Boxes().empty());

    platform::CDC dc(&screen);
    graph.OnPaint(&dc);
    EXPECT_NE(graph.m_rcYMinLabel, painted.boxes[2]) << "the screen's next paint lays out anew";
}

TEST_F(SaveBitmap, PrintsOnePageAndKeepsTheScreensHitBoxes)
{
    QImage screen(300, 200, QImage::Format_RGB32);
    {
        platform::CDC dc(&screen);
        graph.OnPaint(&dc);
    }
    const Rect xMinBox = graph.m_rcXMinLabel;
    const std::vector<POINT> screenPoints = graph.m_series[0].m_screenPoints;
    const QString pdf = dir.filePath("page.pdf");
    platform::PdfPrintDialog dialog(pdf);
    graph.Print();
    EXPECT_EQ(dialog.owner, &graph);
    EXPECT_EQ(dialog.flags, 0xC000Cu);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_EQ(graph.m_rcXMinLabel, xMinBox);
    EXPECT_FALSE(graph.m_series[0].m_bDirty) << "projected for the page apart from the screen's points";
    EXPECT_EQ(graph.m_series[0].m_screenPoints, screenPoints);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(SaveBitmap, ACancelledOrFailedPrintJob)
{
    platform::PdfPrintDialog cancel{QString()};
    graph.Print();
    EXPECT_TRUE(boxes.Boxes().empty());

    platform::PdfPrintDialog failing(dir.filePath("missing/page.pdf"));
    graph.Print();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Cannot Start Print Job.");
    EXPECT_EQ(boxes.Boxes()[0].flags, unsigned(MB_OK | MB_ICONWARNING));
}

} // namespace

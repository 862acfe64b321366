// The scope on paper: the page of a PDF printer, read back as pixels.

#include "platform/testing/PdfPrintDialog.h"
#include "platform/testing/RecordingMessageBox.h"
#include "scopecontrols/tests/ScopeTestSupport.h"

#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>

namespace scopetest {
namespace {

// The one page of a PDF file on white paper, rendered without smoothing.
QImage RenderPage(const QString& path, QSize size)
{
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() != 1)
        return {};
    QPdfDocumentRenderOptions options;
    options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::ImageAliased);
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, document.render(0, size, options));
    return paper;
}

// A 200 x 120 scope: plot L 66, T 10, R 190, B 110.
class ScopePrint : public ScopeTest {
protected:
    void SetUp() override
    {
        Make(200, 120);
        g_nSlotGroup[0] = 1;
        // Trace 0 flat at 50, trace 1 flat at 20, the rest under the bottom.
        std::vector<double> values(kScopeSlots, -10);
        values[0] = 50;
        values[1] = 20;
        for (int i = 0; i < 20; ++i)
            scope->PushValues(values.data());
    }
    QTemporaryDir dir;
    platform::RecordingMessageBox boxes;
};

TEST_F(ScopePrint, ThePageShowsTheGridInPrintColoursAndTheTracesInTheirsThenTheScreenStartsEmpty)
{
    const QString pdf = dir.filePath("scope.pdf");
    platform::PdfPrintDialog dialog(pdf, true);
    scope->PrintGraph();
    EXPECT_EQ(dialog.owner, scope->GetSafeHwnd());
    EXPECT_EQ(dialog.flags, 0xC000Cu);
    EXPECT_TRUE(boxes.Boxes().empty());

    // The client area is stretched over the page: 4 x 8 page pixels per screen pixel.
    const QImage page = RenderPage(pdf, QSize(800, 960));
    ASSERT_FALSE(page.isNull());
    auto at = [&](int x, int y) { return platform::FromQColor(page.pixelColor(x * 4 + 2, y * 8 + 4)); };
    EXPECT_EQ(at(150, 65), kWhite) << "the background";
    EXPECT_EQ(at(3, 3), kWhite);
    EXPECT_EQ(at(66, 40), RGB(128, 128, 128)) << "the frame";
    EXPECT_EQ(at(191, 40), RGB(128, 128, 128));
    EXPECT_EQ(at(70, 30), kBlack) << "a dot of the first grid row";
    EXPECT_EQ(at(71, 30), kWhite);
    EXPECT_EQ(at(180, 60), kTraceColors[0]) << "trace 0 at 50";
    EXPECT_EQ(at(180, 90), kTraceColors[1]) << "trace 1 at 20";
    bool label = false;
    for (int y = 5; y < 19 && !label; ++y)
        for (int x = 30; x < 62 && !label; ++x)
            label = at(x, y) == kTraceColors[0];
    EXPECT_TRUE(label) << "the upper limit's label in trace 0's colour";

    EXPECT_EQ(Inked(Plot(), kBlack), QRect()) << "the plot starts anew";
    EXPECT_EQ(GridAt(66, 50), kWhite) << "the screen's grid colour";
    EXPECT_EQ(GridAt(150, 60), kBlack);
}

TEST_F(ScopePrint, ACancelledDialogKeepsThePicture)
{
    const QRect before = Inked(Plot(), kBlack);
    platform::PdfPrintDialog dialog{QString()};
    scope->PrintGraph();
    EXPECT_EQ(Inked(Plot(), kBlack), before);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ScopePrint, AJobThatCannotStartIsReportedAndTheGridRebuiltForTheScreen)
{
    platform::PdfPrintDialog dialog(dir.filePath("missing/scope.pdf"));
    scope->PrintGraph();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Cannot Start Print Job.");
    EXPECT_EQ(boxes.Boxes()[0].flags, unsigned(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(Inked(Plot(), kBlack), QRect());
    EXPECT_EQ(GridAt(66, 50), kWhite);
}

TEST_F(ScopePrint, AScopeWithoutAClientAreaPrintsABlankPage)
{
    scope->ReleaseSurfaces();
    scope->DestroyWindow();
    ASSERT_TRUE(scope->Create(WS_CHILD, platform::Rect(0, 0, 6, 6), &parent, 0));
    const QString pdf = dir.filePath("empty.pdf");
    platform::PdfPrintDialog dialog(pdf, true);
    scope->PrintGraph();
    const QImage page = RenderPage(pdf, QSize(80, 96));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(Inked(page, kWhite), QRect());
}

} // namespace
} // namespace scopetest

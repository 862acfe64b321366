// The diagram as a bitmap file and on the printer, through the menu.
#include "dynalyt/ui/TChart.h"
#include "dynalyt/ui/tests/FormFixture.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace dynalyt::testing {
namespace {

using Export = FormFixture;

int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST_F(Export, BitmapHasTheChartsSizeWhiteCornersAndTheSeriesColours)
{
    PasteMeasurement();
    ClickTab(Page::ts4);
    dialogs.Answer(Path(QStringLiteral("messung")));
    form->grafik_speichern->trigger();
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    const platform::FileDialogRequest& asked = dialogs.Requests()[0].request;
    EXPECT_TRUE(dialogs.Requests()[0].save);
    EXPECT_EQ(asked.title, QStringLiteral("Diagramm speichern"));
    EXPECT_EQ(asked.filter, QStringLiteral("Bitmap (*.bmp)|*.bmp|alle Dateien|*.*"));
    EXPECT_EQ(asked.initialDir, QStringLiteral("."));
    EXPECT_TRUE(boxes.Boxes().empty());

    const QString file = Path(QStringLiteral("messung.bmp"));
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.read(2), QByteArray("BM"));
    const QImage image(file, "BMP");
    ASSERT_EQ(image.size(), form->Chart1->size());
    for (QPoint corner : {QPoint(0, 0), QPoint(664, 0), QPoint(0, 424), QPoint(664, 424)})
        EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_GT(CountColour(image, qRgb(0xFF, 0, 0)), 200);
    EXPECT_GT(CountColour(image, qRgb(0, 0, 0x80)), 200);
    EXPECT_GT(CountColour(image, qRgb(0x80, 0xFF, 0)), 200);
    // The link labels over the chart are not part of the image: no link blue anywhere.
    EXPECT_EQ(CountColour(image, qRgb(0, 0, 0xFF)), 0);

    // Another extension is kept and still gets a bitmap.
    dialogs.Answer(Path(QStringLiteral("messung.png")));
    form->grafik_speichern->trigger();
    QFile png(Path(QStringLiteral("messung.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_EQ(png.read(2), QByteArray("BM"));
}

TEST_F(Export, OverwriteQuestionNamesTheFinalBitmapName)
{
    const QString file = Path(QStringLiteral("messung.bmp"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    boxes.SetAnswer(IDNO);
    dialogs.Answer(Path(QStringLiteral("messung")));
    form->grafik_speichern->trigger(); // "no", then the dialog again, cancelled
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Boxes()[0].text.contains(QStringLiteral("messung.bmp")));
    EXPECT_EQ(dialogs.Requests().size(), 2u);
    EXPECT_EQ(QFileInfo(file).size(), 3);

    boxes.SetAnswer(IDYES);
    dialogs.Answer(Path(QStringLiteral("messung")));
    form->grafik_speichern->trigger();
    EXPECT_GT(QFileInfo(file).size(), 665 * 425);
}

TEST_F(Export, FailedBitmapWriteIsShownAndLeavesNoFile)
{
    const QString file = Path(QStringLiteral("fehlt/messung.bmp"));
    dialogs.Answer(file);
    form->grafik_speichern->trigger();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Dynalyt V3.0.8"));
    EXPECT_TRUE(boxes.Boxes()[0].text.contains(file));
    EXPECT_FALSE(QFileInfo::exists(file));
    // The program goes on.
    ClickTab(Page::ts1);
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts1);
}

TEST_F(Export, PrintWritesOneJobNamedAfterTheChart)
{
    const QString pdf = Path(QStringLiteral("druck.pdf"));
    printer = std::make_unique<platform::PdfDefaultPrinter>(pdf);
    PasteMeasurement();
    ClickTab(Page::ts4);
    form->drucken->trigger();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(printer->jobs, QStringList{QStringLiteral("Chart1")});
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
    EXPECT_GT(file.size(), 2000);
}

TEST_F(Export, PrintFailuresAreShownAndTheProgramGoesOn)
{
    struct Case {
        QString pdf; // empty: no printer installed
        const char* text;
    };
    const Case cases[] = {
        {QString(), "Es ist kein Drucker installiert."},
        {Path(QStringLiteral("fehlt/druck.pdf")), "Der Druckauftrag kann nicht gestartet werden."},
    };
    for (const Case& c : cases) {
        boxes.Clear();
        printer.reset();
        printer = std::make_unique<platform::PdfDefaultPrinter>(c.pdf);
        form->drucken->trigger();
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.text;
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Dynalyt V3.0.8"));
        EXPECT_TRUE(form->isVisible());
    }
}

} // namespace
} // namespace dynalyt::testing

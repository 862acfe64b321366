#include "scopecontrols/MemDC.h"

#include "platform/Colour.h"
#include "platform/testing/PdfPrinter.h"

#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::CDC;
using platform::Rect;

namespace {

QImage BlueImage()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

COLORREF At(const QImage& image, int x, int y)
{
    return platform::FromQColor(QColor::fromRgb(image.pixel(x, y)));
}

constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(MemDC, BuffersUntilDestroyedThenCopiesTheFilledArea)
{
    QImage image = BlueImage();
    CDC target(&image);
    target.SetBkColor(RGB(0, 255, 0));
    const Rect area(10, 5, 30, 25);
    {
        CMemDC mem(&target, &area);
        mem.SetPixel(12, 7, 0);
        EXPECT_EQ(mem.GetPixel(12, 7), 0u) << "drawing lands at the target's logical coordinates";
        EXPECT_EQ(At(image, 12, 7), kBlue) << "nothing shows before the copy";
    }
    EXPECT_EQ(At(image, 12, 7), 0u);
    EXPECT_EQ(At(image, 10, 5), RGB(0, 255, 0)) << "the area was filled with the target's background";
    EXPECT_EQ(At(image, 29, 24), RGB(0, 255, 0));
    EXPECT_EQ(At(image, 30, 24), kBlue) << "outside the area nothing changes";
    EXPECT_EQ(At(image, 9, 5), kBlue);
}

TEST(MemDC, EveryPaintStartsFromAFilledArea)
{
    QImage image = BlueImage();
    CDC target(&image);
    const Rect area(10, 5, 30, 25);
    for (COLORREF background : {RGB(0, 255, 0), RGB(255, 0, 0)}) {
        target.SetBkColor(background);
        CMemDC mem(&target, &area);
        EXPECT_EQ(mem.GetPixel(12, 7), background) << "nothing is left of the paint before";
        mem.SetPixel(12, 7, 0);
    }
    EXPECT_EQ(At(image, 12, 7), 0u);
    EXPECT_EQ(At(image, 13, 7), RGB(255, 0, 0));
}

TEST(MemDC, NullAreaTakesTheTargetsClipBox)
{
    QImage image = BlueImage();
    CDC target(&image);
    target.IntersectClipRect(0, 0, 20, 10);
    {
        CMemDC mem(&target);
        mem.SetPixel(5, 5, 0);
    }
    target.SelectClipRgn(nullptr);
    EXPECT_EQ(At(image, 5, 5), 0u);
    EXPECT_EQ(At(image, 19, 9), 0xFFFFFFu);
    EXPECT_EQ(At(image, 20, 9), kBlue);
}

TEST(MemDC, WithoutBufferingDrawsStraightOntoTheTarget)
{
    QImage image = BlueImage();
    CDC target(&image);
    const Rect area(0, 0, 40, 30);
    {
        CMemDC mem(&target, &area, false);
        mem.SetPixel(3, 3, 0);
        EXPECT_EQ(mem.GetSafeHdc(), target.GetSafeHdc());
    }
    target.SetPixel(4, 4, 0); // the target's context lives on
    const QImage copy = image.copy();
    EXPECT_EQ(At(copy, 3, 3), 0u);
    EXPECT_EQ(At(copy, 4, 4), 0u);
}

TEST(MemDC, PrinterTargetIsDrawnDirectlyAndStaysAlive)
{
    QTemporaryDir dir;
    const auto printer = platform::MakePdfPrinter(dir.filePath("page.pdf"));
    CDC target(printer.get());
    ASSERT_GT(target.StartDoc(QString()), 0);
    target.StartPage();
    const Rect page(0, 0, target.GetDeviceCaps(HORZRES), target.GetDeviceCaps(VERTRES));
    {
        CMemDC mem(&target, &page);
        EXPECT_TRUE(mem.IsPrinting());
        EXPECT_EQ(mem.GetSafeHdc(), target.GetSafeHdc()) << "no bitmap: the printer's own context";
        mem.MoveTo(0, 0);
        mem.LineTo(page.right, page.bottom);
    }
    EXPECT_GT(target.EndPage(), 0);
    EXPECT_GT(target.EndDoc(), 0);
    EXPECT_GT(QFileInfo(dir.filePath("page.pdf")).size(), 0);
}

} // namespace

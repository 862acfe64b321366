#include "platform/Colour.h"
#include "platform/DC.h"
#include "platform/GdiFont.h"
#include "platform/SystemMetrics.h"
#include "platform/testing/PdfPrinter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <limits>

using platform::Bitmap;
using platform::Brush;
using platform::CDC;
using platform::LogFont;
using platform::Pen;
using platform::Rect;

namespace {

// A memory context over a white surface.
class Surface {
public:
    Surface(int w, int h)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(w, h);
        dc.SelectObject(bitmap);
    }
    std::string Row(int y, int x0, int x1) const
    {
        std::string s;
        for (int x = x0; x < x1; ++x) {
            const COLORREF c = dc.GetPixel(x, y);
            s += c == 0xFFFFFF ? '.' : c == 0 ? '#' : 'o';
        }
        return s;
    }
    // The bounding box of the pixels that are not white.
    QRect Inked() const
    {
        QRect r;
        const QImage& image = *bitmap.Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    r |= QRect(x, y, 1, 1);
        return r;
    }
    CDC dc;
    Bitmap bitmap;
};

TEST(DrawingContext, StartsFromTheWindowsDefaults)
{
    Surface s(10, 10);
    EXPECT_EQ(s.dc.GetCurrentPen(), (Pen{PS_SOLID, 1, 0}));
    EXPECT_EQ(s.dc.GetCurrentBrush(), Brush::Solid(0xFFFFFF));
    EXPECT_EQ(s.dc.GetTextColor(), 0u);
    EXPECT_EQ(s.dc.GetBkColor(), 0xFFFFFFu);
    EXPECT_EQ(s.dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(s.dc.GetTextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(s.dc.GetCurrentPosition(), (POINT{0, 0}));
    EXPECT_EQ(s.dc.GetMapMode(), MM_TEXT);
    EXPECT_FALSE(s.dc.IsPrinting());
}

TEST(DrawingContext, LinesLeaveOutTheirEndPixelAndCarryThePosition)
{
    Surface s(12, 4);
    s.dc.MoveTo(2, 1);
    s.dc.LineTo(8, 1);
    s.dc.LineTo(8, 3);
    EXPECT_EQ(s.Row(1, 0, 12), "..#######...") << "the second line starts where the first stopped short";
    EXPECT_EQ(s.Row(2, 0, 12), "........#...");
    EXPECT_EQ(s.Row(3, 0, 12), "............");
    EXPECT_EQ(s.dc.GetCurrentPosition(), (POINT{8, 3}));
}

TEST(DrawingContext, DotsAreThreeOnThreeOffWithGapsInTheBackground)
{
    Surface s(16, 2);
    s.dc.FillSolidRect(Rect(0, 0, 16, 2), RGB(255, 0, 0));
    s.dc.SetBkColor(0xFFFFFF);
    s.dc.SelectObject(Pen{PS_DOT, 1, 0});
    s.dc.MoveTo(0, 0);
    s.dc.LineTo(15, 0);
    EXPECT_EQ(s.Row(0, 0, 16), "###...###...###o");
    s.dc.SetBkMode(TRANSPARENT);
    s.dc.MoveTo(0, 1);
    s.dc.LineTo(15, 1);
    EXPECT_EQ(s.Row(1, 0, 16), "###ooo###ooo###o");
}

TEST(DrawingContext, FarCoordinatesAreClippedNotLooped)
{
    Surface s(20, 20);
    const int big = std::numeric_limits<int>::max();
    const POINT line[] = {{-big, 10}, {big, 10}, {big, -big}};
    s.dc.Polyline(line, 3);
    EXPECT_EQ(s.Row(10, 0, 20), std::string(20, '#'));
    s.dc.FillSolidRect(Rect(-big, -big, big, big), 0xFFFFFF);
    EXPECT_TRUE(s.Inked().isNull());
    s.dc.SetTextAlign(TA_LEFT | TA_TOP);
    EXPECT_TRUE(s.dc.TextOut(big, big, "far"));
    EXPECT_TRUE(s.Inked().isNull());
}

TEST(DrawingContext, RectanglesAndFillsKeepTheRightAndBottomEdgesOut)
{
    Surface s(8, 6);
    s.dc.SelectObject(Brush::Solid(RGB(255, 0, 0)));
    s.dc.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(s.Row(0, 0, 8), "........");
    EXPECT_EQ(s.Row(1, 0, 8), ".#####..");
    EXPECT_EQ(s.Row(2, 0, 8), ".#ooo#..");
    EXPECT_EQ(s.Row(4, 0, 8), ".#####..");
    EXPECT_EQ(s.Row(5, 0, 8), "........");

    s.dc.FillSolidRect(Rect(0, 0, 2, 1), RGB(0, 0, 0));
    EXPECT_EQ(s.Row(0, 0, 8), "##......");
    EXPECT_EQ(s.dc.GetBkColor(), 0u) << "the fill leaves its colour as the background";
}

TEST(DrawingContext, SunkenEdgeUsesTheFixedSystemColours)
{
    Surface s(6, 6);
    Rect r(0, 0, 6, 6);
    s.dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(s.dc.GetPixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(s.dc.GetPixel(5, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.dc.GetPixel(0, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.dc.GetPixel(1, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(s.dc.GetPixel(4, 4), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(s.dc.GetPixel(2, 2), 0xFFFFFFu);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
}

TEST(DrawingContext, ClipIntersectsAndRestoresWithTheSavedState)
{
    Surface s(10, 3);
    const int saved = s.dc.SaveDC();
    s.dc.IntersectClipRect(2, 0, 6, 3);
    s.dc.SelectObject(Pen{PS_SOLID, 1, 0x0000FF});
    s.dc.MoveTo(0, 0);
    s.dc.LineTo(10, 0);
    EXPECT_EQ(s.Row(0, 0, 10), "..oooo....");
    Rect box;
    EXPECT_EQ(s.dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(2, 0, 6, 3));
    EXPECT_TRUE(s.dc.RestoreDC(saved));
    EXPECT_EQ(s.dc.GetCurrentPen().color, 0u);
    s.dc.MoveTo(0, 1);
    s.dc.LineTo(10, 1);
    EXPECT_EQ(s.Row(1, 0, 10), "##########");
    EXPECT_FALSE(s.dc.RestoreDC(-1)) << "nothing saved any more";
}

TEST(DrawingContext, RegionsClipFillAndFrame)
{
    platform::Region region;
    region.CreateRectRgn(2, 1, 8, 5);
    Surface s(10, 6);
    s.dc.SelectClipRgn(&region);
    s.dc.SelectClipRgn(nullptr);
    s.dc.SelectClipRgn(&region);
    s.dc.FillRect(Rect(0, 0, 10, 6), Brush::Solid(0x0000FF));
    EXPECT_EQ(s.Row(0, 0, 10), "..........") << "a clip selected again after it was removed clips";
    EXPECT_EQ(s.Row(1, 0, 10), "..oooooo..");

    Surface f(10, 6);
    f.dc.FillRgn(&region, Brush::Solid(0x0000FF));
    f.dc.FrameRgn(&region, Brush::Solid(0), 2, 1);
    EXPECT_EQ(f.Row(0, 0, 10), "..........");
    EXPECT_EQ(f.Row(1, 0, 10), "..######..") << "one pixel high at the top";
    EXPECT_EQ(f.Row(2, 0, 10), "..##oo##..") << "two wide at the sides";
    EXPECT_EQ(f.Row(4, 0, 10), "..######..");
    EXPECT_EQ(f.Row(5, 0, 10), "..........");
}

TEST(DrawingContext, WindowOriginShiftsLogicalCoordinates)
{
    Surface s(10, 10);
    s.dc.SetWindowOrg(100, 200);
    s.dc.SetPixel(103, 204, 0);
    s.dc.SetWindowOrg(0, 0);
    EXPECT_EQ(s.dc.GetPixel(3, 4), 0u);
    POINT p{5, 5};
    s.dc.SetWindowOrg(100, 200);
    s.dc.LPtoDP(&p);
    EXPECT_EQ(p, (POINT{-95, -195}));
}

TEST(DrawingContext, FontsHaveTheCellHeightAskedFor)
{
    for (int height : {8, 11, 13, 15, 16, 19, 23, 60}) {
        for (int weight : {FW_NORMAL, FW_BOLD}) {
            LogFont lf = platform::DefaultGuiFont();
            lf.lfHeight = height;
            lf.lfWeight = weight;
            const platform::ResolvedFont& font = platform::ResolveFont(lf);
            EXPECT_EQ(font.Height(), height);
            EXPECT_LE(QFontMetrics(font.font).height(), height) << "the glyphs fit the cell";
            EXPECT_EQ(font.font.family(), QString(platform::kSansFace)) << "the fixed test font is installed";
        }
    }
}

TEST(DrawingContext, TextIsPlacedByItsAlignmentOverAnOpaqueCell)
{
    struct Case {
        UINT align;
        int dx, dy; // where the cell's left-top lies from the reference point, in widths and heights
    } cases[] = {{TA_LEFT | TA_TOP, 0, 0}, {TA_RIGHT | TA_BOTTOM, -1, -1}, {TA_CENTER | TA_TOP, -2, 0}};
    for (const Case& c : cases) {
        Surface s(200, 60);
        LogFont lf = platform::DefaultGuiFont();
        lf.lfHeight = 16;
        s.dc.SelectObject(lf);
        s.dc.SetBkColor(RGB(0, 255, 0));
        s.dc.SetTextAlign(c.align);
        const SIZE size = s.dc.GetTextExtent("Wg9");
        EXPECT_EQ(size.cy, 16);
        s.dc.TextOut(100, 30, "Wg9");
        const int left = 100 + (c.dx == -2 ? -size.cx / 2 : c.dx * size.cx);
        const int top = 30 + c.dy * size.cy;
        EXPECT_EQ(s.Inked(), QRect(left, top, size.cx, size.cy)) << c.align;
        EXPECT_EQ(s.dc.GetPixel(left, top), RGB(0, 255, 0));
    }
}

TEST(DrawingContext, UpwardTextHasItsFootAtTheReferenceForBottomAlignment)
{
    Surface s(60, 200);
    LogFont lf = platform::DefaultGuiFont();
    lf.lfHeight = 16;
    lf.lfEscapement = 900;
    s.dc.SelectObject(lf);
    s.dc.SetBkColor(RGB(0, 255, 0));
    s.dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    const SIZE size = s.dc.GetTextExtent("Title");
    s.dc.TextOut(40, 100, "Title");
    EXPECT_EQ(s.Inked(), QRect(40 - size.cy, 100 - size.cx + size.cx / 2, size.cy, size.cx));
}

// One context, texts in turn: each is drawn in the font selected for it, at the place its own
// reference gives, whatever the text before it had; what the painter draws afterwards lands
// unturned where it is asked to.
TEST(DrawingContext, TextsInTurnTakeTheirOwnFontAndPlace)
{
    Surface s(260, 200);
    const auto inked = [&s](const QRect& within) {
        QRect r;
        for (int y = within.top(); y <= within.bottom(); ++y)
            for (int x = within.left(); x <= within.right(); ++x)
                if (s.dc.GetPixel(x, y) != 0xFFFFFF)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    const auto font = [](int height, int escapement) {
        LogFont lf = platform::DefaultGuiFont();
        lf.lfHeight = height;
        lf.lfEscapement = escapement;
        return lf;
    };
    s.dc.SetBkMode(TRANSPARENT);
    struct Text {
        int height, escapement, x, y;
    } const texts[] = {{12, 0, 5, 5}, {30, 0, 60, 5}, {16, 900, 40, 180}, {12, 0, 150, 5}};
    for (const Text& t : texts) {
        s.dc.SelectObject(font(t.height, t.escapement));
        s.dc.TextOut(t.x, t.y, "Wg");
    }
    for (const Text& t : texts) {
        SCOPED_TRACE(testing::Message() << t.height << " at " << t.x);
        s.dc.SelectObject(font(t.height, t.escapement));
        const SIZE size = s.dc.GetTextExtent("Wg");
        const QRect cell =
            t.escapement ? QRect(t.x, t.y - size.cx, size.cy, size.cx) : QRect(t.x, t.y, size.cx, size.cy);
        const QRect ink = inked(cell.adjusted(-4, -4, 4, 4));
        EXPECT_TRUE(cell.contains(ink)) << "the glyphs lie in their cell";
        EXPECT_GT(t.escapement ? ink.width() : ink.height(), size.cy * 2 / 3) << "and fill its height";
    }
    const POINT triangle[3] = {{200, 100}, {240, 100}, {200, 140}};
    s.dc.SelectObject(Brush::Solid(RGB(255, 0, 0)));
    s.dc.Polygon(triangle, 3);
    EXPECT_EQ(inked(QRect(180, 80, 80, 80)), QRect(200, 100, 41, 41));
    EXPECT_EQ(s.dc.GetPixel(205, 105), RGB(255, 0, 0));
}

TEST(DrawingContext, BlitsCopyAndCombine)
{
    Surface source(4, 1), target(4, 1);
    source.dc.SetPixel(0, 0, RGB(255, 0, 0));
    source.dc.SetPixel(1, 0, RGB(0, 0, 255));
    target.dc.FillSolidRect(Rect(0, 0, 4, 1), RGB(0, 0, 255));
    target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(255, 0, 0));
    target.dc.BitBlt(1, 0, 1, 1, &source.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(target.dc.GetPixel(1, 0), RGB(255, 0, 255));
    // A surface copied onto itself, overlapping.
    source.dc.BitBlt(1, 0, 2, 1, &source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(source.dc.GetPixel(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(source.dc.GetPixel(2, 0), RGB(0, 0, 255));
}

// One row of pixels as Surface::Row spells it, read from an image.
std::string RowOf(const QImage& image, int y)
{
    std::string s;
    for (int x = 0; x < image.width(); ++x) {
        const COLORREF c = platform::FromQColor(QColor::fromRgb(image.pixel(x, y)));
        s += c == 0xFFFFFF ? '.' : c == 0 ? '#' : 'o';
    }
    return s;
}

// A memory surface has its pixels written directly; an image of another format is drawn on by
// the painter. Both give the same blits, cut to the source and to the target's clip.
TEST(DrawingContext, BlitsAreCutToTheirSourceAndToTheTargetsClip)
{
    struct Case {
        const char* name;
        int x, width, xSrc;
        DWORD rop;
        COLORREF under; // what the target holds before
        Rect clip;      // empty: none
        const char* row;
    };
    constexpr COLORREF kBlue = RGB(0, 0, 255);
    const Case cases[] = {
        {"a block reaching left of its source", 0, 4, -1, SRCCOPY, 0, Rect(), "#o#.##"},
        {"a block reaching right of the target", 4, 4, 0, SRCCOPY, 0, Rect(), "####o#"},
        {"a block cut by the target's clip", 0, 4, 0, SRCCOPY, 0, Rect(2, 0, 4, 1), "##..##"},
        {"an OR, cut by its source and the clip", 0, 6, 0, SRCPAINT, kBlue, Rect(0, 0, 3, 1), "oo.ooo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Red, black, white, white, at the source's logical x 10 to 13.
        Surface source(4, 1);
        source.dc.SetPixel(0, 0, RGB(255, 0, 0));
        source.dc.SetPixel(1, 0, 0);
        source.dc.SetWindowOrg(10, 0);
        Surface memory(6, 1);
        QImage image(6, 1, QImage::Format_ARGB32_Premultiplied);
        CDC painted(&image);
        for (CDC* target : {&memory.dc, &painted}) {
            target->FillSolidRect(Rect(0, 0, 6, 1), c.under);
            if (!c.clip.IsRectEmpty())
                target->IntersectClipRect(c.clip);
            target->BitBlt(c.x, 0, c.width, 1, &source.dc, 10 + c.xSrc, 0, c.rop);
        }
        EXPECT_EQ(memory.Row(0, 0, 6), c.row);
        EXPECT_EQ(RowOf(image, 0), c.row) << "the painter's blit";
    }
}

TEST(DrawingContext, StretchedBlitsScalePixelByPixelAndMayLeaveOutAColour)
{
    Surface source(2, 1), target(4, 2);
    source.dc.SetPixel(0, 0, RGB(255, 0, 0));
    source.dc.SetPixel(1, 0, 0);
    target.dc.StretchBlt(0, 0, 4, 2, &source.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(target.Row(0, 0, 4), "oo##");
    EXPECT_EQ(target.Row(1, 0, 4), "oo##");
    EXPECT_EQ(target.dc.GetPixel(1, 1), RGB(255, 0, 0));

    target.dc.FillSolidRect(Rect(0, 0, 4, 2), 0xFFFFFF);
    target.dc.TransparentBlt(0, 0, 4, 2, &source.dc, 0, 0, 2, 1, 0);
    EXPECT_EQ(target.Row(1, 0, 4), "oo..") << "the black pixel is left out";
}

TEST(DrawingContext, ScrollMovesPixelsWithinTheClip)
{
    Surface s(6, 1);
    s.dc.SetPixel(3, 0, 0);
    s.dc.SetPixel(1, 0, 0);
    s.dc.ScrollDC(-1, 0, Rect(2, 0, 6, 1), Rect(2, 0, 6, 1));
    EXPECT_EQ(s.Row(0, 0, 6), ".##...") << "the pixel at 3 moved to 2; what left the clip is gone";
}

// A move over the pixels it comes from takes each pixel from where it was, in every direction,
// also where the context's clip is more than one rectangle and the painter moves them.
TEST(DrawingContext, ScrollsOverlappingThemselvesMoveEveryPixelOnce)
{
    struct Case {
        int dx, dy;
        const char* rows[3];
    };
    // Black pixels at (0, 0), (1, 1) and (3, 2) of a 4 x 3 surface, moved one step; what the
    // move does not reach keeps its pixels.
    const Case cases[] = {
        {0, 1, {"#...", "#...", ".#.."}}, {0, -1, {".#..", "...#", "...#"}},
        {1, 0, {"##..", "..#.", "...."}}, {-1, 0, {"....", "#...", "..##"}},
        {1, 1, {"#...", ".#..", "..#."}},
    };
    // A clip of two rectangles that leaves the four columns whole.
    platform::Region parts[2];
    parts[0].CreateRectRgn(0, 0, 4, 3);
    parts[1].CreateRectRgn(4, 0, 5, 1);
    platform::Region notch;
    notch.CombineRgn(parts[0], parts[1], RGN_OR);
    for (const Case& c : cases) {
        for (const bool twoRectangles : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << c.dx << "," << c.dy << (twoRectangles ? " two rectangles" : ""));
            Surface s(5, 3);
            if (twoRectangles) {
                ASSERT_EQ(s.dc.SelectClipRgn(&notch), COMPLEXREGION);
            }
            s.dc.SetPixel(0, 0, 0);
            s.dc.SetPixel(1, 1, 0);
            s.dc.SetPixel(3, 2, 0);
            s.dc.ScrollDC(c.dx, c.dy, Rect(0, 0, 4, 3), Rect(0, 0, 4, 3));
            for (int y = 0; y < 3; ++y)
                EXPECT_EQ(s.Row(y, 0, 4), c.rows[y]) << "row " << y;
        }
    }
}

// A surface that nothing holds any more is handed out again for a paint of its size, with the
// pixels it was left with; one that is still held never is.
TEST(DrawingContext, PaintSurfacesAreReusedOnlyOnceReleased)
{
    Bitmap first;
    ASSERT_TRUE(first.CreatePaintSurface(30, 20));
    first.Image()->setPixel(5, 5, 0xFF000000);
    Bitmap held;
    ASSERT_TRUE(held.CreatePaintSurface(30, 20));
    EXPECT_NE(held.Image(), first.Image());
    EXPECT_EQ(held.Image()->pixel(5, 5), 0xFFFFFFFFu) << "a new surface is white";

    first.DeleteObject();
    Bitmap other;
    ASSERT_TRUE(other.CreatePaintSurface(31, 20));
    EXPECT_EQ(other.Image()->pixel(5, 5), 0xFFFFFFFFu) << "another size is another surface";
    Bitmap again;
    ASSERT_TRUE(again.CreatePaintSurface(30, 20));
    EXPECT_NE(again.Image(), held.Image());
    EXPECT_EQ(again.Image()->pixel(5, 5), 0xFF000000u) << "the released surface's memory, as it was left";
    EXPECT_FALSE(again.CreatePaintSurface(0, 20));
    EXPECT_TRUE(again.IsNull());
}

TEST(DrawingContext, PrinterContextDrawsBetweenStartAndEndOfTheDocument)
{
    QTemporaryDir dir;
    const auto printer = platform::MakePdfPrinter(dir.filePath("page.pdf"));
    CDC dc(printer.get());
    EXPECT_TRUE(dc.IsPrinting());
    ASSERT_GT(dc.StartDoc("doc"), 0);
    EXPECT_GT(dc.StartPage(), 0);
    EXPECT_GT(dc.GetDeviceCaps(VERTRES), 1000);
    dc.MoveTo(0, 0);
    dc.LineTo(1000, 1000);
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);
    EXPECT_GT(QFileInfo(dir.filePath("page.pdf")).size(), 0);

    const auto nowhere = platform::MakePdfPrinter(dir.filePath("missing/dir/page.pdf"));
    CDC failing(nowhere.get());
    EXPECT_EQ(failing.StartDoc("doc"), SP_ERROR);
    EXPECT_GT(failing.AbortDoc(), 0);
}

} // namespace

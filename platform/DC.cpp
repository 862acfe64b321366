#include "platform/DC.h"

#include "platform/Colour.h"
#include "platform/GdiFont.h"
#include "platform/LineRaster.h"
#include "platform/Pixels.h"
#include "platform/SystemMetrics.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPrinter>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace platform {

class DeviceContext {
public:
    struct State {
        Pen pen;
        Brush brush;
        LogFont font = DefaultGuiFont();
        COLORREF textColor = 0x000000;
        COLORREF bkColor = 0xFFFFFF;
        int bkMode = OPAQUE;
        UINT textAlign = TA_LEFT | TA_TOP;
        POINT position;
        int dotPhase = 0; // where a styled line's pattern stands, carried from one LineTo to the next
        POINT windowOrg;
        bool hasClip = false;
        QRegion clip; // device coordinates
    };

    QPaintDevice* device = nullptr;
    QPrinter* printer = nullptr;
    std::unique_ptr<QPainter> painter;
    const ResolvedFont* painterFont = nullptr; // the font the painter has
    Bitmap bitmap;                             // memory contexts
    int pages = 0;
    State st;
    std::vector<State> saved;

    ~DeviceContext() { End(); }

    void Begin(QPaintDevice* d)
    {
        End();
        device = d;
        painterFont = nullptr;
        painter = std::make_unique<QPainter>();
        if (!painter->begin(d)) {
            painter.reset();
            return;
        }
        ApplyClip();
    }
    void End()
    {
        if (painter && painter->isActive())
            painter->end();
        painter.reset();
    }
    // A font given to the painter anew is set up anew for its device; one that it has already
    // keeps what it set up.
    void SetPainterFont(const ResolvedFont& font)
    {
        if (painterFont == &font)
            return;
        painter->setFont(font.font);
        painterFont = &font;
    }
    QRect DeviceRect() const { return device ? QRect(0, 0, device->width(), device->height()) : QRect(); }
    // Where drawing can land: the device less the clip.
    QRect Bounds() const
    {
        const QRect d = DeviceRect();
        return st.hasClip ? d.intersected(st.clip.boundingRect()) : d;
    }
    void ApplyClip()
    {
        if (!painter)
            return;
        // A clip set again after clipping was switched off must switch it on first: the raster
        // engine keeps a replaced clip switched off otherwise.
        painter->setClipping(st.hasClip);
        if (st.hasClip)
            painter->setClipRegion(st.clip);
    }
    int ClipComplexity() const
    {
        if (!st.hasClip)
            return SIMPLEREGION;
        if (st.clip.isEmpty())
            return NULLREGION;
        return st.clip.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
    }
    QPoint ToDevice(int x, int y) const { return QPoint(x - st.windowOrg.x, y - st.windowOrg.y); }
    // The pixels of a memory surface that drawing may write itself, with what its clip leaves
    // of it: a surface of 32-bit pixels clipped, if at all, to one rectangle. Null where the
    // painter draws.
    QImage* DirectPixels(QRect* bounds) const
    {
        if (!painter || !device || device->devType() != QInternal::Image)
            return nullptr;
        auto* image = static_cast<QImage*>(device);
        if (image->format() != QImage::Format_RGB32 || (st.hasClip && st.clip.rectCount() > 1))
            return nullptr;
        *bounds = Bounds();
        return image;
    }
    void Fill(const QRect& r, COLORREF c)
    {
        if (!painter || r.isEmpty())
            return;
        QRect bounds;
        if (QImage* image = DirectPixels(&bounds))
            FillPixels(image, r.intersected(bounds), ToQColor(c).rgb());
        else
            painter->fillRect(r, ToQColor(c));
    }
    // A rectangle given by its logical edges, brought onto the device; empty when inverted or
    // entirely off the device, so that huge coordinates never reach the painter.
    QRect DeviceBox(long long l, long long t, long long r, long long b) const
    {
        const QRect d = DeviceRect();
        l = std::max<long long>(l - st.windowOrg.x, d.left());
        t = std::max<long long>(t - st.windowOrg.y, d.top());
        r = std::min<long long>(r - st.windowOrg.x, d.right() + 1LL);
        b = std::min<long long>(b - st.windowOrg.y, d.bottom() + 1LL);
        if (r <= l || b <= t)
            return QRect();
        return QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
                     static_cast<int>(b - t));
    }
    // Where lines land as the state stands: the box they are cut to, and the pixels they are
    // written into directly, null where the painter draws them. Taken once for all the lines of
    // a call.
    struct LineTarget {
        QRect box;
        QImage* pixels = nullptr;
    };
    LineTarget LinesLandOn() const
    {
        LineTarget target;
        target.pixels = DirectPixels(&target.box);
        if (!target.pixels)
            target.box = Bounds();
        return target;
    }
    void Line(POINT a, POINT b, const LineTarget& target)
    {
        const Pen& pen = st.pen;
        if (!painter)
            return;
        const QPoint da = ToDevice(a.x, a.y), db = ToDevice(b.x, b.y);
        if (pen.width > 1) {
            QLineF clipped;
            if (!ClipSegment(da, db, target.box.adjusted(-pen.width, -pen.width, pen.width, pen.width),
                             &clipped))
                return;
            painter->setPen(QPen(ToQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter->drawLine(clipped);
            return;
        }
        const bool styled = pen.style != PS_SOLID;
        const int phase = st.dotPhase;
        // What each run is filled with; the runs come cut to the box, all that the pixels of a
        // memory surface may be written in. The call takes a reference alone, which needs no
        // allocation.
        const struct Runs {
            DeviceContext* dc;
            QImage* pixels;
            COLORREF on, off;
            bool gaps;
        } runs{this, target.pixels, pen.color, st.bkColor, styled && st.bkMode == OPAQUE};
        const long long steps = RasterLine({da.x(), da.y()}, {db.x(), db.y()}, target.box,
                                           styled ? phase : -1, [&runs](const QRect& run, bool on) {
                                               if (!on && !runs.gaps)
                                                   return;
                                               const COLORREF c = on ? runs.on : runs.off;
                                               if (runs.pixels)
                                                   FillPixels(runs.pixels, run, ToQColor(c).rgb());
                                               else
                                                   runs.dc->Fill(run, c);
                                           });
        if (styled)
            st.dotPhase = static_cast<int>((phase + steps) % (2 * kDotLength));
    }
};

namespace {

QImage* ImageOf(const DeviceContext* d)
{
    return d && !d->bitmap.IsNull() ? d->bitmap.Image() : nullptr;
}

} // namespace

CDC::CDC() = default;

CDC::CDC(QPaintDevice* device) : m_owned(std::make_unique<DeviceContext>())
{
    m_hDC = m_owned.get();
    m_hDC->Begin(device);
}

CDC::CDC(QPrinter* printer) : m_bPrinting(true), m_owned(std::make_unique<DeviceContext>())
{
    m_hDC = m_owned.get();
    m_hDC->device = printer;
    m_hDC->printer = printer;
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*)
{
    m_owned = std::make_unique<DeviceContext>();
    m_hDC = m_owned.get();
    m_bPrinting = false;
    Bitmap one;
    one.CreateCompatibleBitmap(1, 1);
    SelectObject(one);
    return TRUE;
}

void CDC::Attach(DeviceContext* hDC)
{
    m_owned.reset();
    m_hDC = hDC;
}

DeviceContext* CDC::Detach()
{
    DeviceContext* h = m_hDC;
    m_hDC = nullptr;
    return h;
}

Pen CDC::SelectObject(const Pen& pen)
{
    if (!m_hDC)
        return Pen{};
    return std::exchange(m_hDC->st.pen, pen);
}

Brush CDC::SelectObject(const Brush& brush)
{
    if (!m_hDC)
        return Brush{};
    return std::exchange(m_hDC->st.brush, brush);
}

LogFont CDC::SelectObject(const LogFont& font)
{
    if (!m_hDC)
        return LogFont{};
    return std::exchange(m_hDC->st.font, font);
}

Bitmap CDC::SelectObject(const Bitmap& bitmap)
{
    if (!m_hDC || m_hDC->printer)
        return Bitmap{};
    Bitmap old = m_hDC->bitmap;
    m_hDC->End();
    m_hDC->bitmap = bitmap;
    if (QImage* image = ImageOf(m_hDC))
        m_hDC->Begin(image);
    else
        m_hDC->device = nullptr;
    return old;
}

Pen CDC::GetCurrentPen() const
{
    return m_hDC ? m_hDC->st.pen : Pen{};
}
Brush CDC::GetCurrentBrush() const
{
    return m_hDC ? m_hDC->st.brush : Brush{};
}
LogFont CDC::GetCurrentFont() const
{
    return m_hDC ? m_hDC->st.font : LogFont{};
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return m_hDC ? std::exchange(m_hDC->st.textColor, color) : 0;
}
COLORREF CDC::GetTextColor() const
{
    return m_hDC ? m_hDC->st.textColor : 0;
}
COLORREF CDC::SetBkColor(COLORREF color)
{
    return m_hDC ? std::exchange(m_hDC->st.bkColor, color) : 0;
}
COLORREF CDC::GetBkColor() const
{
    return m_hDC ? m_hDC->st.bkColor : 0xFFFFFF;
}
int CDC::SetBkMode(int mode)
{
    return m_hDC ? std::exchange(m_hDC->st.bkMode, mode) : 0;
}
int CDC::GetBkMode() const
{
    return m_hDC ? m_hDC->st.bkMode : OPAQUE;
}
UINT CDC::SetTextAlign(UINT align)
{
    return m_hDC ? std::exchange(m_hDC->st.textAlign, align) : 0;
}
UINT CDC::GetTextAlign() const
{
    return m_hDC ? m_hDC->st.textAlign : 0;
}

int CDC::SetMapMode(int)
{
    return MM_TEXT;
}
int CDC::GetMapMode() const
{
    return MM_TEXT;
}

POINT CDC::SetWindowOrg(int x, int y)
{
    if (!m_hDC)
        return {};
    return std::exchange(m_hDC->st.windowOrg, POINT{x, y});
}

POINT CDC::GetWindowOrg() const
{
    return m_hDC ? m_hDC->st.windowOrg : POINT{};
}

void CDC::LPtoDP(POINT* points, int count) const
{
    const POINT org = GetWindowOrg();
    for (int i = 0; i < count; ++i)
        points[i].x -= org.x, points[i].y -= org.y;
}

void CDC::DPtoLP(POINT* points, int count) const
{
    const POINT org = GetWindowOrg();
    for (int i = 0; i < count; ++i)
        points[i].x += org.x, points[i].y += org.y;
}

int CDC::SaveDC()
{
    if (!m_hDC)
        return 0;
    m_hDC->saved.push_back(m_hDC->st);
    return static_cast<int>(m_hDC->saved.size());
}

BOOL CDC::RestoreDC(int saved)
{
    if (!m_hDC)
        return FALSE;
    auto& stack = m_hDC->saved;
    const int n = static_cast<int>(stack.size());
    const int level = saved < 0 ? n + 1 + saved : saved;
    if (level < 1 || level > n)
        return FALSE;
    m_hDC->st = stack[static_cast<std::size_t>(level - 1)];
    stack.resize(static_cast<std::size_t>(level - 1));
    m_hDC->ApplyClip();
    return TRUE;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    if (!m_hDC)
        return ERROR;
    const QRect r = m_hDC->DeviceBox(left, top, right, bottom);
    const QRegion current = m_hDC->st.hasClip ? m_hDC->st.clip : QRegion(m_hDC->DeviceRect());
    m_hDC->st.clip = current.intersected(QRegion(r));
    m_hDC->st.hasClip = true;
    m_hDC->ApplyClip();
    return m_hDC->ClipComplexity();
}

int CDC::SelectClipRgn(const Region* region)
{
    if (!m_hDC)
        return ERROR;
    m_hDC->st.hasClip = region != nullptr;
    m_hDC->st.clip = region ? region->Get() : QRegion();
    m_hDC->ApplyClip();
    return m_hDC->ClipComplexity();
}

int CDC::GetClipBox(Rect* rect) const
{
    if (!m_hDC)
        return ERROR;
    QRect b = m_hDC->Bounds();
    b.translate(m_hDC->st.windowOrg.x, m_hDC->st.windowOrg.y);
    *rect = Rect::FromQRect(b);
    return m_hDC->ClipComplexity();
}

POINT CDC::MoveTo(int x, int y)
{
    if (!m_hDC)
        return {};
    m_hDC->st.dotPhase = 0;
    return std::exchange(m_hDC->st.position, POINT{x, y});
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_hDC)
        return FALSE;
    m_hDC->Line(m_hDC->st.position, {x, y}, m_hDC->LinesLandOn());
    m_hDC->st.position = {x, y};
    return TRUE;
}

POINT CDC::GetCurrentPosition() const
{
    return m_hDC ? m_hDC->st.position : POINT{};
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!m_hDC)
        return FALSE;
    const int keep = m_hDC->st.dotPhase;
    m_hDC->st.dotPhase = 0;
    const DeviceContext::LineTarget target = m_hDC->LinesLandOn();
    for (int i = 1; i < count; ++i)
        m_hDC->Line(points[i - 1], points[i], target);
    m_hDC->st.dotPhase = keep;
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    if (!m_hDC || count < 2)
        return FALSE;
    DeviceContext& d = *m_hDC;
    if (d.painter) {
        QPolygon polygon;
        for (int i = 0; i < count; ++i)
            polygon << d.ToDevice(points[i].x, points[i].y);
        d.painter->setPen(Qt::NoPen);
        d.painter->setBrush(ToQColor(d.st.brush.color));
        d.painter->drawPolygon(polygon, Qt::OddEvenFill);
        d.painter->setBrush(Qt::NoBrush);
    }
    const int keep = d.st.dotPhase;
    d.st.dotPhase = 0;
    const DeviceContext::LineTarget target = d.LinesLandOn();
    for (int i = 0; i < count; ++i)
        d.Line(points[i], points[(i + 1) % count], target);
    d.st.dotPhase = keep;
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_hDC)
        return FALSE;
    DeviceContext& d = *m_hDC;
    d.Fill(d.DeviceBox(left, top, right, bottom), d.st.brush.color);
    const int w = std::max(1, d.st.pen.width);
    const COLORREF c = d.st.pen.color;
    d.Fill(d.DeviceBox(left, top, right, top + static_cast<long long>(w)), c);
    d.Fill(d.DeviceBox(left, bottom - static_cast<long long>(w), right, bottom), c);
    d.Fill(d.DeviceBox(left, top, left + static_cast<long long>(w), bottom), c);
    d.Fill(d.DeviceBox(right - static_cast<long long>(w), top, right, bottom), c);
    return TRUE;
}

void CDC::FillSolidRect(const Rect& rect, COLORREF color)
{
    if (!m_hDC)
        return;
    m_hDC->st.bkColor = color;
    m_hDC->Fill(m_hDC->DeviceBox(rect.left, rect.top, rect.right, rect.bottom), color);
}

void CDC::FillRect(const Rect& rect, const Brush& brush)
{
    if (m_hDC)
        m_hDC->Fill(m_hDC->DeviceBox(rect.left, rect.top, rect.right, rect.bottom), brush.color);
}

void CDC::FrameRect(const Rect& rect, const Brush& brush)
{
    if (!m_hDC || rect.IsRectEmpty())
        return;
    DeviceContext& d = *m_hDC;
    const long long l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    d.Fill(d.DeviceBox(l, t, r, t + 1), brush.color);
    d.Fill(d.DeviceBox(l, b - 1, r, b), brush.color);
    d.Fill(d.DeviceBox(l, t, l + 1, b), brush.color);
    d.Fill(d.DeviceBox(r - 1, t, r, b), brush.color);
}

BOOL CDC::FillRgn(const Region* region, const Brush& brush)
{
    if (!m_hDC || !region)
        return FALSE;
    const POINT org = m_hDC->st.windowOrg;
    for (const QRect& r : region->Get().translated(-org.x, -org.y))
        m_hDC->Fill(r, brush.color);
    return TRUE;
}

BOOL CDC::FrameRgn(const Region* region, const Brush& brush, int width, int height)
{
    if (!m_hDC || !region)
        return FALSE;
    const POINT org = m_hDC->st.windowOrg;
    const QRegion r = region->Get().translated(-org.x, -org.y);
    // The border is what does not stay inside when the region moves by its width and height each way.
    const QRegion inner = r.intersected(r.translated(width, 0))
                              .intersected(r.translated(-width, 0))
                              .intersected(r.translated(0, height))
                              .intersected(r.translated(0, -height));
    for (const QRect& part : r.subtracted(inner))
        m_hDC->Fill(part, brush.color);
    return TRUE;
}

BOOL CDC::DrawEdge(Rect* rect, UINT edge, UINT flags)
{
    if (!m_hDC || !rect)
        return FALSE;
    DeviceContext& d = *m_hDC;
    struct Ring {
        UINT raised, sunken;
        int raisedTL, raisedBR, sunkenTL, sunkenBR;
    };
    static const Ring rings[2] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNSHADOW,
         COLOR_BTNHIGHLIGHT},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW,
         COLOR_3DLIGHT},
    };
    long long l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    for (const Ring& ring : rings) {
        if (!(edge & (ring.raised | ring.sunken)))
            continue;
        const bool raised = edge & ring.raised;
        const COLORREF tl = GetSysColor(raised ? ring.raisedTL : ring.sunkenTL);
        const COLORREF br = GetSysColor(raised ? ring.raisedBR : ring.sunkenBR);
        // The top-left lines stop one pixel short of the far corners; the bottom-right ones reach them.
        if (flags & BF_TOP)
            d.Fill(d.DeviceBox(l, t, r - 1, t + 1), tl);
        if (flags & BF_LEFT)
            d.Fill(d.DeviceBox(l, t, l + 1, b - 1), tl);
        if (flags & BF_BOTTOM)
            d.Fill(d.DeviceBox(l, b - 1, r, b), br);
        if (flags & BF_RIGHT)
            d.Fill(d.DeviceBox(r - 1, t, r, b), br);
        if (flags & BF_LEFT)
            ++l;
        if (flags & BF_TOP)
            ++t;
        if (flags & BF_RIGHT)
            --r;
        if (flags & BF_BOTTOM)
            --b;
    }
    if (flags & BF_ADJUST)
        *rect = Rect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b));
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    if (!m_hDC)
        return 0xFFFFFFFF;
    m_hDC->Fill(m_hDC->DeviceBox(x, y, x + 1LL, y + 1LL), color);
    return color;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* image = ImageOf(m_hDC);
    if (!image)
        return 0xFFFFFFFF;
    const QPoint p = m_hDC->ToDevice(x, y);
    if (!image->rect().contains(p))
        return 0xFFFFFFFF;
    return FromQColor(QColor::fromRgb(image->pixel(p)));
}

BOOL CDC::DrawIconEx(int x, int y, const QPixmap& icon, int cx, int cy)
{
    if (!m_hDC || !m_hDC->painter || icon.isNull())
        return FALSE;
    const QSize size(cx > 0 ? cx : icon.width(), cy > 0 ? cy : icon.height());
    m_hDC->painter->drawPixmap(QRect(m_hDC->ToDevice(x, y), size), icon);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const QString& text)
{
    if (!m_hDC || !m_hDC->painter)
        return FALSE;
    DeviceContext& d = *m_hDC;
    const ResolvedFont& font = ResolveFont(d.st.font);
    const int width = font.Width(text);
    const int cell = font.Height();
    const UINT align = d.st.textAlign;
    const int left = (align & TA_CENTER) == TA_CENTER ? -width / 2 : (align & TA_RIGHT) ? -width : 0;
    const int top = (align & TA_BASELINE) == TA_BASELINE ? -font.ascent : (align & TA_BOTTOM) ? -cell : 0;
    const QPoint ref = d.ToDevice(x, y);
    // A text whose reference lies far off every device cannot show; keep such coordinates from the painter.
    constexpr int kFar = 1 << 24;
    if (ref.x() < -kFar || ref.x() > kFar || ref.y() < -kFar || ref.y() > kFar)
        return TRUE;
    QPainter& p = *d.painter;
    QTransform place = QTransform::fromTranslate(ref.x(), ref.y());
    if (d.st.font.lfEscapement != 0)
        place.rotate(-d.st.font.lfEscapement / 10.0);
    p.setTransform(place);
    if (d.st.bkMode == OPAQUE)
        p.fillRect(QRect(left, top, width, cell), ToQColor(d.st.bkColor));
    d.SetPainterFont(font);
    p.setPen(ToQColor(d.st.textColor));
    p.drawText(QPoint(left, top + font.ascent), text);
    p.resetTransform();
    return TRUE;
}

SIZE CDC::GetTextExtent(const QString& text) const
{
    if (!m_hDC)
        return {};
    const ResolvedFont& font = ResolveFont(m_hDC->st.font);
    return {font.Width(text), font.Height()};
}

TextMetrics CDC::GetTextMetrics() const
{
    if (!m_hDC)
        return {};
    const ResolvedFont& font = ResolveFont(m_hDC->st.font);
    return {font.Height()};
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop)
{
    return StretchBlt(x, y, width, height, src, xSrc, ySrc, width, height, rop);
}

namespace {

// The image a blit onto target reads from, and the block of it in device pixels: the source
// surface itself, drawn from in place, or a copy of the block when the source is the target's
// own surface, which the blit overwrites as it reads. Null when there is nothing to draw.
const QImage* SourceBlock(const DeviceContext* target, const CDC* src, QRect source, QSize size, QImage* copy,
                          QRect* from)
{
    const DeviceContext* surface = src ? src->GetSafeHdc() : nullptr;
    const QImage* image = ImageOf(surface);
    if (!target || !target->painter || !image || source.isEmpty() || size.isEmpty())
        return nullptr;
    *from = QRect(surface->ToDevice(source.x(), source.y()), source.size());
    if (surface != target)
        return image;
    *copy = image->copy(*from);
    *from = copy->rect();
    return copy;
}

} // namespace

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, DWORD rop)
{
    QImage copy;
    QRect from;
    const QImage* block =
        SourceBlock(m_hDC, src, QRect(xSrc, ySrc, srcWidth, srcHeight), QSize(width, height), &copy, &from);
    if (!block)
        return FALSE;
    const QRect to(m_hDC->ToDevice(x, y), QSize(width, height));
    QRect bounds;
    QImage* pixels = m_hDC->DirectPixels(&bounds);
    if (pixels && block->format() == QImage::Format_RGB32 && to.size() == from.size() &&
        (rop == SRCCOPY || rop == SRCPAINT)) {
        // What the painter does: the block is cut to its image, then the target to its bounds.
        const QRect source = from.intersected(block->rect());
        const QRect target = source.translated(to.topLeft() - from.topLeft()).intersected(bounds);
        CombinePixels(pixels, target, *block, target.topLeft() - to.topLeft() + from.topLeft(),
                      rop == SRCPAINT ? PixelOp::Or : PixelOp::Copy);
        return TRUE;
    }
    QPainter& p = *m_hDC->painter;
    switch (rop) {
    case SRCPAINT: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    default:
        // The surfaces are opaque: where a device (a printer) has no copy mode, drawing over is the same.
        if (p.paintEngine()->hasFeature(QPaintEngine::PorterDuff))
            p.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    }
    p.setRenderHint(QPainter::LosslessImageRendering); // a printer keeps the pixels exact
    p.drawImage(to, *block, from);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return TRUE;
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                         int srcHeight, COLORREF transparent)
{
    QImage copy;
    QRect from;
    const QImage* block =
        SourceBlock(m_hDC, src, QRect(xSrc, ySrc, srcWidth, srcHeight), QSize(width, height), &copy, &from);
    if (!block)
        return FALSE;
    QImage masked = block->copy(from).convertToFormat(QImage::Format_ARGB32);
    const QRgb leaveOut = ToQColor(transparent).rgb() & RGB_MASK;
    for (int row = 0; row < masked.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
        for (int col = 0; col < masked.width(); ++col)
            if ((line[col] & RGB_MASK) == leaveOut)
                line[col] = 0;
    }
    m_hDC->painter->setRenderHint(QPainter::LosslessImageRendering);
    m_hDC->painter->drawImage(QRect(m_hDC->ToDevice(x, y), QSize(width, height)), masked);
    return TRUE;
}

BOOL CDC::ScrollDC(int dx, int dy, const Rect& scroll, const Rect& clip)
{
    QImage* image = ImageOf(m_hDC);
    if (!image || !m_hDC->painter)
        return FALSE;
    const QRect from = m_hDC->DeviceBox(scroll.left, scroll.top, scroll.right, scroll.bottom);
    const QRect within = m_hDC->DeviceBox(clip.left, clip.top, clip.right, clip.bottom);
    if (from.isEmpty() || within.isEmpty())
        return TRUE;
    QRect bounds;
    if (QImage* pixels = m_hDC->DirectPixels(&bounds)) {
        const QRect to = from.translated(dx, dy).intersected(within).intersected(bounds);
        CombinePixels(pixels, to, *pixels, to.topLeft() - QPoint(dx, dy), PixelOp::Copy);
        return TRUE;
    }
    const QImage moved = image->copy(from);
    QPainter& p = *m_hDC->painter;
    p.save();
    p.setClipRect(within, m_hDC->st.hasClip ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(from.topLeft() + QPoint(dx, dy), moved);
    p.restore();
    return TRUE;
}

int CDC::GetDeviceCaps(int index) const
{
    if (!m_hDC || !m_hDC->device)
        return 0;
    const QPaintDevice* d = m_hDC->device;
    switch (index) {
    case HORZRES: return d->width();
    case VERTRES: return d->height();
    default: return 0;
    }
}

int CDC::StartDoc(const QString& docName)
{
    if (!m_hDC || !m_hDC->printer)
        return SP_ERROR;
    m_hDC->printer->setDocName(docName);
    m_hDC->pages = 0;
    m_hDC->Begin(m_hDC->printer);
    return m_hDC->painter ? 1 : SP_ERROR;
}

int CDC::StartPage()
{
    if (!m_hDC || !m_hDC->printer || !m_hDC->painter)
        return SP_ERROR;
    if (m_hDC->pages > 0)
        m_hDC->printer->newPage();
    return 1;
}

int CDC::EndPage()
{
    if (!m_hDC || !m_hDC->painter)
        return SP_ERROR;
    ++m_hDC->pages;
    return 1;
}

int CDC::EndDoc()
{
    if (!m_hDC || !m_hDC->painter)
        return SP_ERROR;
    m_hDC->End();
    return 1;
}

int CDC::AbortDoc()
{
    if (!m_hDC || !m_hDC->printer)
        return SP_ERROR;
    if (m_hDC->painter)
        m_hDC->printer->abort();
    m_hDC->End();
    return 1;
}

} // namespace platform

// The meter's paint: the face from the cache (drawn anew after a discard), then markers,
// needle and readouts, all through the off-screen surface so that the meter never flickers.

#include "platform/Numbers.h"
#include "platform/StringTable.h"
#include "platform/SystemMetrics.h"
#include "scopecontrols/3DMeterCtrl.h"
#include "scopecontrols/MemDC.h"

#include <QPaintEvent>

using platform::Brush;
using platform::CDC;
using platform::LogFont;
using platform::Pen;
using platform::Rect;

namespace {

constexpr unsigned IDS_PEAK = 49; // "Spitze:"

QString Fixed(int digits, double value)
{
    return QString::fromStdString(platform::FormatC("%.*f", digits, value));
}

// A triangle filled and outlined in one colour.
void PaintTriangle(CDC* dc, const Triangle& triangle, COLORREF color)
{
    const Pen oldPen = dc->SelectObject(Pen{PS_SOLID, 1, color});
    const Brush oldBrush = dc->SelectObject(Brush::Solid(color));
    dc->Polygon(triangle.data(), static_cast<int>(triangle.size()));
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

} // namespace

void C3DMeterCtrl::paintEvent(QPaintEvent*)
{
    CDC dc(this);
    OnPaint(&dc);
}

void C3DMeterCtrl::OnPaint(CDC* paintDC)
{
    m_rectCtrl = Rect(0, 0, width(), height());
    CMemDC memDC(paintDC, &m_rectCtrl, true);
    if (!m_dcFace || m_bitmapFace.IsNull()) {
        m_dcFace = std::make_unique<CDC>();
        m_dcFace->CreateCompatibleDC(paintDC);
        m_bitmapFace.CreateCompatibleBitmap(m_rectCtrl.Width(), m_rectCtrl.Height());
        m_dcFace->SelectObject(m_bitmapFace);
        PaintFace(m_dcFace.get(), m_rectCtrl);
    }
    memDC.BitBlt(0, 0, m_rectCtrl.Width(), m_rectCtrl.Height(), m_dcFace.get(), 0, 0, SRCCOPY);
    PaintNeedle(&memDC);
    PaintReadout(&memDC);
}

void C3DMeterCtrl::PaintFace(CDC* pDC, const Rect& rect)
{
    m_dial = DialGeometry(rect);
    m_ptOutline = m_dial.Outline();
    m_dStartAngle = kStartAngle;
    m_dEndAngle = kEndAngle;
    m_rgnDial.CreatePolygonRgn(m_ptOutline.data(), kOutlinePoints, ALTERNATE);
    m_crShadow = GetSysColor(COLOR_BTNSHADOW);
    m_crHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);

    // The background, framed by the surface's default pen: a black border round the window.
    const Brush oldBrush = pDC->SelectObject(Brush::Solid(m_crBack));
    pDC->Rectangle(rect);

    const std::array<POINT, kOutlinePoints> bevel = m_dial.Bevel();
    constexpr int kHalf = kOutlinePoints / 2;
    const Pen oldPen = pDC->SelectObject(Pen{PS_SOLID, 1, m_crShadow});
    pDC->Polyline(bevel.data(), kHalf + 1);
    pDC->SelectObject(Pen{PS_SOLID, 1, m_crHighlight});
    pDC->Polyline(bevel.data() + kHalf, kHalf);
    pDC->MoveTo(bevel[kOutlinePoints - 1]);
    pDC->LineTo(bevel[0]);

    pDC->SelectObject(Pen{PS_SOLID, 1, m_crTicks});
    pDC->SelectObject(Brush::Solid(m_crDial));
    pDC->Polygon(m_ptOutline.data(), kOutlinePoints);
    for (const auto& tick : m_dial.Ticks()) {
        pDC->MoveTo(tick[0]);
        pDC->LineTo(tick[1]);
    }
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);

    m_fontDigits = LogFont{};
    m_fontDigits.lfHeight = m_dial.FontHeight();
    m_fontDigits.lfWeight = FW_BOLD;
    m_fontDigits.lfFaceName = QStringLiteral("Arial");
    const LogFont oldFont = pDC->SelectObject(m_fontDigits);
    const int tm = pDC->GetTextMetrics().tmHeight;
    m_nTextHeight = tm;
    m_nReadoutY = m_dial.ReadoutY(tm);
    m_nReadoutX = m_dial.nReadoutX;
    m_nPeakY = m_dial.PeakY(tm);

    pDC->SetTextColor(m_crText);
    pDC->SetBkColor(m_crBack);
    pDC->SetBkMode(OPAQUE);
    pDC->SetTextAlign(TA_CENTER | TA_BASELINE);
    const int baseline = m_dial.LabelBaseline(tm);
    pDC->TextOut(m_dial.At(kStartAngle, m_dial.nRadius).x, baseline, Fixed(m_nScaleDigits, m_dMinValue));
    pDC->TextOut(m_dial.At(kEndAngle, m_dial.nRadius).x, baseline, Fixed(m_nScaleDigits, m_dMaxValue));
    pDC->SelectObject(oldFont);
}

void C3DMeterCtrl::PaintNeedle(CDC* pDC)
{
    // The needle goes last, so that it lies over the markers.
    if (m_bShowMinMarker)
        PaintMinMarker(pDC);
    if (m_bShowMaxMarker)
        PaintMaxMarker(pDC);
    PaintNeedleBody(pDC);
}

void C3DMeterCtrl::PaintMinMarker(CDC* pDC)
{
    pDC->SelectClipRgn(&m_rgnDial);
    PaintTriangle(pDC, m_dial.MinMarker(ValueAngle(m_dMinMarker, m_dMinValue, m_dMaxValue)), m_crMarker);
    pDC->SelectClipRgn(nullptr);
}

void C3DMeterCtrl::PaintMaxMarker(CDC* pDC)
{
    pDC->SelectClipRgn(&m_rgnDial);
    PaintTriangle(pDC, m_dial.MaxMarker(ValueAngle(m_dMaxMarker, m_dMinValue, m_dMaxValue)), m_crMarker);
    pDC->SelectClipRgn(nullptr);
}

void C3DMeterCtrl::PaintNeedleBody(CDC* pDC)
{
    const NeedleBody needle = m_dial.Needle(ValueAngle(m_dValue, m_dMinValue, m_dMaxValue));
    pDC->SelectClipRgn(&m_rgnDial);
    PaintTriangle(pDC, needle.lit, m_crNeedle);
    PaintTriangle(pDC, needle.shaded, m_crNeedleShade);
    pDC->SelectClipRgn(nullptr);
}

void C3DMeterCtrl::PaintReadout(CDC* pDC)
{
    const LogFont oldFont = pDC->SelectObject(m_fontDigits);
    pDC->SetTextColor(m_crText);
    pDC->SetBkColor(m_crBack);
    pDC->SetBkMode(OPAQUE);
    pDC->SetTextAlign(TA_CENTER | TA_BASELINE);
    pDC->TextOut(m_nReadoutX, m_nReadoutY, Fixed(m_nReadoutDigits, m_dValue) + QLatin1Char(' ') + m_strUnits);
    if (m_bShowPeak) {
        pDC->TextOut(m_nReadoutX, m_nPeakY,
                     ResStr(IDS_PEAK) + QLatin1Char(' ') + Fixed(m_nReadoutDigits, m_dMaxMarker) +
                         QLatin1Char(' ') + m_strUnits);
    }
    pDC->SelectObject(oldFont);
}

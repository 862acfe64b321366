// The grid surface: its rebuild and the setters that ask for one.

#include "scopecontrols/OScopeCtrl.h"

using platform::CDC;

namespace {

// A memory surface of the given size; a size of nothing gives a surface that draws nothing.
std::unique_ptr<CDC> MakeSurface(platform::Bitmap* bitmap, int width, int height)
{
    auto dc = std::make_unique<CDC>();
    dc->CreateCompatibleDC(nullptr);
    bitmap->CreateCompatibleBitmap(width, height);
    dc->SelectObject(*bitmap);
    return dc;
}

} // namespace

GridSpec COScopeCtrl::CurrentGridSpec() const
{
    GridSpec spec;
    spec.client = m_rectClient;
    spec.plot = m_rectPlot;
    spec.vertLines = m_nVertGridLines;
    spec.horzLines = m_nHorzGridLines;
    spec.labelDecimals = m_nLabelDecimals;
    spec.lowerText = m_strYMin;
    spec.upperText = m_strYMax;
    spec.gridColor = m_crGridColor;
    for (int i = 0; i < m_nTraces; ++i)
        spec.traces.push_back({m_pTraces[i].lower, m_pTraces[i].upper, m_pTraces[i].color});
    return spec;
}

void COScopeCtrl::RebuildGrid(BOOL bForPrint)
{
    // Without a window there is no size to build for: the next Create builds the surfaces.
    if (!m_pWnd)
        return;
    const GridLayout layout = LayOutGrid(CurrentGridSpec());
    m_rectPlot.left = layout.plot.left;
    m_nPlotWidth = m_rectPlot.Width();
    if (!m_dcGrid)
        m_dcGrid = MakeSurface(&m_bitmapGrid, m_nClientWidth, m_nClientHeight);
    const GridColors colors = bForPrint ? GridColors{m_brushPrintBack.color, 0x808080, 0x000000}
                                        : GridColors{m_brushBack.color, m_crGridColor, m_crGridColor};
    DrawGrid(m_dcGrid.get(), m_rectClient, layout, colors);
    // The plot starts empty after every rebuild, for the page too.
    if (!m_dcPlot)
        m_dcPlot = MakeSurface(&m_bitmapPlot, m_nClientWidth, m_nClientHeight);
    m_dcPlot->SetBkColor(m_crBackColor);
    m_dcPlot->FillRect(m_rectClient, m_brushBack);
    Invalidate();
}

void COScopeCtrl::SetGridColor(COLORREF color)
{
    m_crGridColor = color;
    RebuildGrid(FALSE);
}

void COScopeCtrl::SetXLabels(QString units, QString minText, QString maxText)
{
    m_strXUnits = std::move(units);
    m_strXMin = std::move(minText);
    m_strXMax = std::move(maxText);
    RebuildGrid(FALSE);
}

void COScopeCtrl::SetYLabels(QString units, QString lowerText, QString upperText)
{
    m_strYUnits = std::move(units);
    m_strYMin = std::move(lowerText);
    m_strYMax = std::move(upperText);
    RebuildGrid(FALSE);
}

#pragma once
// The scrolling scope: N traces drawn as a strip chart that runs from right to left. Every push
// moves the picture left by a step and draws each trace's newest segment at the right edge of
// the plot. The picture lives on two memory surfaces of the window's size: the grid (background,
// frame, dotted grid, limit labels) and the plot (the traces on the background colour); a paint
// copies the grid and ORs the plot over it. The plot surface is the only record of past values:
// every rebuild of the grid empties it.
//
// The object outlives its window: the owner destroys the window and creates it again at a new
// size, and the settings (colours, ranges, grid line counts) stay while the picture starts anew.
// Besides what it is given through calls, the scope reads the scope settings (ScopeSettings.h).

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"
#include "scopecontrols/ScopeGrid.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

// One trace: its colour and pen, its newest and previous value and its range.
struct ScopeTrace {
    COLORREF color = 0xFFFFFF; // shown until the owner sets the trace's colour
    platform::Pen pen{PS_SOLID, 0, 0xFFFFFF};
    double value = 0;
    double previousValue = 0;
    int previousY = -1; // client y of the previous value; not above 0 when unknown
    double lower = 0;
    double upper = 100;
    double range = 100;
    double pixelsPerUnit = 0;
};

class COScopeCtrl {
public:
    explicit COScopeCtrl(int nTraces);
    ~COScopeCtrl();
    COScopeCtrl(const COScopeCtrl&) = delete;
    COScopeCtrl& operator=(const COScopeCtrl&) = delete;

    // Makes the scope's window, a child of the parent at rect (its sunken edges included),
    // shown when the style has WS_VISIBLE, then builds the surfaces at its client size.
    // FALSE when the window already exists or a child is asked for without a parent. Nothing
    // asks the window for its child id, so it is not kept.
    BOOL Create(DWORD dwStyle, const platform::Rect& rect, QWidget* pParentWnd, UINT nID);
    BOOL DestroyWindow();
    QWidget* GetSafeHwnd() const { return m_pWnd; } // the window, null when there is none

    // values holds one value per trace.
    void PushValues(const double* values);
    // Scrolls by a step without drawing: the values become every trace's previous point.
    void SkipGap(const double* values);

    // A trace index outside 0 to N - 1 is refused; its colour is the background's.
    void SetTraceColor(COLORREF color, int nTrace);
    COLORREF GetTraceColor(int nTrace) const;
    void SetTraceRange(double lower, double upper, int nTrace);
    void SetBackColor(COLORREF color);
    void SetGridColor(COLORREF color);
    // The units texts and the x texts are kept, never drawn; a lower or upper y text replaces
    // the lower or upper number labels.
    void SetXLabels(QString units, QString minText, QString maxText);
    void SetYLabels(QString units, QString lowerText, QString upperText);
    void ReleaseSurfaces();
    // Draws the grid surface in the screen's or the printed page's colours; empties the plot.
    void RebuildGrid(BOOL bForPrint);
    void PrintGraph();

    // The window's messages, called by its Qt events; paintDC draws on the client area.
    void OnPaint(platform::CDC* paintDC);
    void OnSize(UINT nType, int cx, int cy);

    // What the scope holds, for a look from outside: the client area and the plot area in
    // client pixels, the record of trace nTrace (0 to N - 1), the pixels the picture moved at
    // the latest push or gap, and the grid and plot surfaces as they stand (null while they do
    // not exist).
    const platform::Rect& ClientRect() const { return m_rectClient; }
    const platform::Rect& PlotRect() const { return m_rectPlot; }
    const ScopeTrace& Trace(int nTrace) const { return m_pTraces[nTrace]; }
    int ShiftPixels() const { return m_nShiftPixels; }
    const QImage* GridSurface() const { return m_dcGrid ? m_bitmapGrid.Image() : nullptr; }
    const QImage* PlotSurface() const { return m_dcPlot ? m_bitmapPlot.Image() : nullptr; }

    // What the owner sets right after Create: the counts of interior grid lines, the fit mode and
    // the decimals that the label margin allows for. The colours it sets through SetBackColor and
    // SetGridColor, which rebuild the grid.
    int m_nVertGridLines;
    int m_nHorzGridLines;
    int m_nSamplesPerWidth; // fit mode when above 1: this many samples span the plot width
    int m_nLabelDecimals;
    COLORREF m_crBackColor;
    COLORREF m_crGridColor;

private:
    void ScrollAndPlot();
    void TakeStep(const double* values);
    void Scroll();
    int FitStep();
    int ValueY(const ScopeTrace& trace, double value) const;
    bool ValidTrace(int nTrace) const { return nTrace >= 0 && nTrace < m_nTraces; }
    // The whole window is to be painted anew, or what a step changes: where the traces show.
    void Invalidate();
    void InvalidateTraces();
    GridSpec CurrentGridSpec() const;
    void ComposeOnto(platform::CDC* dc, const platform::Rect& area, const platform::Rect& block,
                     platform::CDC* traces);

    int m_nShiftPixels;
    QString m_strXUnits, m_strXMin, m_strXMax;
    QString m_strYUnits, m_strYMin, m_strYMax;
    const int m_nTraces;
    int m_nFitRemainder;
    int m_nFitPixelsLeft;
    int m_nFitSamplesLeft;
    std::unique_ptr<ScopeTrace[]> m_pTraces;
    int m_nClientHeight;
    int m_nClientWidth;
    int m_nPlotHeight;
    int m_nPlotWidth;
    platform::Rect m_rectClient;
    platform::Rect m_rectPlot;
    platform::Brush m_brushBack;
    platform::Brush m_brushPrintBack;
    // The surfaces exist from the first grid rebuild of a window until they are released.
    std::unique_ptr<platform::CDC> m_dcGrid;
    std::unique_ptr<platform::CDC> m_dcPlot;
    platform::Bitmap m_bitmapGrid;
    platform::Bitmap m_bitmapPlot;
    QPointer<QWidget> m_pWnd;
};

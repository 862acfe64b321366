#pragma once
// The line-plot graph control: series of points in a framed plot with axis titles, grid and
// tick labels, a legend, a crosshair cursor with readout, free text labels, rubber-band zoom
// with a view history, an in-place editor for the axis limits, axis locks, printing and a
// bitmap file. The owner reads the state from the members and changes the titles, the y
// division count and the limits through the setters, which repaint.

#include "platform/DC.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"
#include "sprintor/graph/GraphData.h"
#include "sprintor/graph/GraphLayout.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <vector>

// The in-place limit editor: a single-line edit that keeps Return and Escape to itself, so
// they never reach the dialog around the graph.
class LimitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitEdit(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class CGraphWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kViewCount = 50;

    // What the mouse was over at the latest move.
    static constexpr UINT HOVER_LEGEND = 0x01;
    static constexpr UINT HOVER_XMIN = 0x04;
    static constexpr UINT HOVER_XMAX = 0x08;
    static constexpr UINT HOVER_YMIN = 0x10;
    static constexpr UINT HOVER_YMAX = 0x20;
    static constexpr UINT HOVER_XLOCK = 0x40;
    static constexpr UINT HOVER_YLOCK = 0x80;

    CGraphWnd();
    ~CGraphWnd() override;

    // Makes the control a child of parent at rect with the child id; shown when the style
    // has WS_VISIBLE.
    BOOL Create(const platform::Rect& rect, DWORD style, QWidget* parent, UINT id);

    int AddSeries(const QString& name, COLORREF color, int type, const GraphPoint* points = nullptr,
                  unsigned count = 0);
    void AddPoint(int series, float x, float y);
    void ClearSeries(int series);
    void RemoveAll();
    int AddText(float x, float y, const QString& text);
    BOOL RemoveText(int label);
    BOOL SetXMin(float value);
    BOOL SetXMax(float value);
    BOOL SetYMin(float value);
    BOOL SetYMax(float value);
    void SetXTitle(const QString& title);
    void SetYTitle(const QString& title);
    void SetYDivisions(int divisions);
    void Refresh();
    void Print();
    BOOL SaveBitmap(const QString& path);

    // The one drawing of the picture, for the screen, the bitmap file and the printer: lays the
    // area out, draws the axes, the series and the text labels there, and returns the layout.
    // Printing draws no edges, band or crosshair, and leaves the screen's points as they are.
    GraphLayout DrawGraph(platform::CDC* dc, platform::Rect area, int fontHeight, BOOL printing);
    // Its parts. The layout measures the tick labels in the context's font for that height.
    GraphLayout LayOut(platform::CDC* dc, platform::Rect area, int fontHeight) const;
    void DrawAxes(platform::CDC* dc, const GraphLayout& layout, BOOL printing) const;
    void DrawAllSeries(platform::CDC* dc, platform::Rect plot, BOOL force);
    void DrawSeries(platform::CDC* dc, int series, const platform::Rect* plot);
    void DrawAnnotations(platform::CDC* dc, const platform::Rect* plot, int fontHeight) const;

    // View history, oldest first.
    void PushView(const GraphView& view);
    GraphView PopView();
    // Commits the limit editor.
    void EndEdit();

    // The message handlers, called by the Qt events below.
    void OnPaint(platform::CDC* paintDC);
    void OnSize(UINT type, int cx, int cy);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);

    QString m_strXTitle;
    QString m_strYTitle;
    QString m_strCursorFormat; // printf form taking the cursor point's x and y as doubles
    int m_nXDivisions;
    int m_nYDivisions;
    UINT m_nXDecimals;
    UINT m_nYDecimals;
    float m_fXMin, m_fXMax, m_fYMin, m_fYMax;
    GraphView m_views[kViewCount];
    int m_nViewTop;
    int m_nCursor;
    UINT m_nHoverFlags;
    LimitEdit* m_editLimit; // child of the control
    int m_nSelected;
    int m_nHoverSeries;
    platform::Rect m_rcDrag;
    BOOL m_bButtonDown;
    BOOL m_bDragInPlot;
    BOOL m_bXLocked, m_bYLocked;
    // What the mouse reads of the latest screen paint; nothing else writes them.
    platform::Rect m_rcXMinLabel, m_rcXMaxLabel, m_rcYMinLabel, m_rcYMaxLabel;
    platform::Rect m_rcXLock, m_rcYLock;
    platform::Rect m_rcPlot;
    std::vector<CGraphData> m_series;
    std::vector<GraphText> m_texts;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void NotifySelChanged();
    void NotifyRangeChanged();
    void NotifyCursorMoved();
    void Notify(UINT code);
    BOOL SetLimit(BOOL locked, float value, float& limit, float& base);
    void Invalidate();
    void MarkAllDirty();
    void KeepForMouse(const GraphLayout& layout);
    void Project(const CGraphData& series, const platform::Rect& plot, std::vector<POINT>& into) const;
    static void DrawProjected(platform::CDC* dc, const CGraphData& series, const std::vector<POINT>& points,
                              const platform::Rect& plot);
    void OpenEditor(const platform::Rect& box, float value, UINT decimals);
    bool SelectedValid() const;
    platform::Rect ClientRect() const;

    UINT m_nID = 0;
};

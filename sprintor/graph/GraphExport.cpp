// The graph on paper and in a bitmap file, drawn by the same routines as the screen.

#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "platform/StringTable.h"
#include "platform/SystemMetrics.h"
#include "sprintor/graph/BitmapFile.h"
#include "sprintor/graph/GraphWnd.h"

#include <QCoreApplication>
#include <QPrinter>

using platform::CDC;
using platform::Rect;

namespace {

constexpr UINT IDS_GRAPH_FILE_ERROR = 32010;

} // namespace

void CGraphWnd::Print()
{
    const std::unique_ptr<QPrinter> printer = platform::ShowPrintDialog(
        this, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_DISABLEPRINTTOFILE);
    if (!printer)
        return;
    CDC dc(printer.get());
    if (dc.StartDoc(QString()) < 0) {
        dc.AbortDoc();
        // The framework's box: with an OK button alone it shows the warning sign.
        platform::ShowMessageBox(this, "Cannot Start Print Job.", QCoreApplication::applicationName(),
                                 MB_OK | MB_ICONWARNING);
        return;
    }
    // The page layout overwrites the hit boxes that the mouse reads; the screen's come back after.
    const Rect boxes[] = {m_rcXMinLabel, m_rcXMaxLabel, m_rcYMinLabel, m_rcYMaxLabel, m_rcXLock, m_rcYLock};
    std::vector<Rect> legendRows;
    for (const CGraphData& series : m_series)
        legendRows.push_back(series.m_rcLegend);

    dc.StartPage();
    const int W = dc.GetDeviceCaps(HORZRES), H = dc.GetDeviceCaps(VERTRES);
    const int F = static_cast<int>(H / 80.0);
    dc.SaveDC();
    Rect plot = DrawAxes(&dc, Rect(0, 0, W, H), F, TRUE);
    DrawAllSeries(&dc, plot, TRUE);
    DrawAnnotations(&dc, &plot, F);
    dc.RestoreDC(-1);
    dc.EndPage();
    dc.EndDoc();

    m_rcXMinLabel = boxes[0], m_rcXMaxLabel = boxes[1], m_rcYMinLabel = boxes[2], m_rcYMaxLabel = boxes[3];
    m_rcXLock = boxes[4], m_rcYLock = boxes[5];
    for (std::size_t i = 0; i < m_series.size(); ++i)
        m_series[i].m_rcLegend = legendRows[i];
}

BOOL CGraphWnd::SaveBitmap(const QString& path)
{
    if (path.isEmpty())
        return FALSE;
    const Rect client = ClientRect();
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    platform::Bitmap section;
    if (!section.CreateCompatibleBitmap(client.Width(), client.Height()))
        return FALSE;
    const platform::Bitmap previous = memory.SelectObject(section);
    const int F = GetSystemMetrics(SM_CYCAPTION);
    Rect plot = DrawAxes(&memory, client, F, FALSE);
    if (plot.left < plot.right) {
        DrawAllSeries(&memory, plot, FALSE);
        DrawAnnotations(&memory, &plot, F);
    }
    memory.SelectObject(previous);
    // Nothing is left of a file that could not be written whole; the user is told.
    if (!WriteWholeFile(path, EncodeBitmapFile(*section.Image()))) {
        platform::ShowMessageBox(this, ResStr(IDS_GRAPH_FILE_ERROR), QCoreApplication::applicationName(),
                                 MB_OK);
        return FALSE;
    }
    return TRUE;
}

// The scope on paper: the grid in print colours and the traces as the screen showed them,
// stretched over one page.

#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "scopecontrols/OScopeCtrl.h"

#include <QCoreApplication>
#include <QPrinter>

using platform::CDC;
using platform::Rect;

void COScopeCtrl::PrintGraph()
{
    if (!m_pWnd)
        return;
    const std::unique_ptr<QPrinter> printer = platform::ShowPrintDialog(
        m_pWnd, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_DISABLEPRINTTOFILE);
    if (!printer)
        return;
    if (!printer->isValid()) {
        RebuildGrid(FALSE);
        return;
    }
    CDC dc(printer.get());
    if (dc.StartDoc("Oscivo") < 0) {
        dc.AbortDoc();
        // The framework's box: with an OK button alone it shows the warning sign.
        platform::ShowMessageBox(m_pWnd, "Cannot Start Print Job.", QCoreApplication::applicationName(),
                                 MB_OK | MB_ICONWARNING);
        RebuildGrid(FALSE);
        return;
    }
    dc.StartPage();
    const Rect page(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.SaveDC();
    // The print grid empties the plot like every rebuild: the traces are kept for the page first.
    CDC traces;
    traces.CreateCompatibleDC(nullptr);
    platform::Bitmap kept;
    kept.CreateCompatibleBitmap(m_nClientWidth, m_nClientHeight);
    traces.SelectObject(kept);
    if (m_dcPlot)
        traces.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, m_dcPlot.get(), 0, 0, SRCCOPY);
    RebuildGrid(TRUE);
    ComposeOnto(&dc, page, m_rectClient, &traces);
    dc.RestoreDC(-1);
    dc.EndPage();
    dc.EndDoc();
    RebuildGrid(FALSE);
}

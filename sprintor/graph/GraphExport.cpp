// The graph on paper and in a bitmap file, drawn by the same routine as the screen. Each lays
// out its own picture; what the mouse reads stays the screen's.

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
    dc.StartPage();
    const int W = dc.GetDeviceCaps(HORZRES), H = dc.GetDeviceCaps(VERTRES);
    const int F = static_cast<int>(H / 80.0);
    dc.SaveDC();
    DrawGraph(&dc, Rect(0, 0, W, H), F, TRUE);
    dc.RestoreDC(-1);
    dc.EndPage();
    dc.EndDoc();
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
    DrawGraph(&memory, client, GetSystemMetrics(SM_CYCAPTION), FALSE);
    memory.SelectObject(previous);
    // Nothing is left of a file that could not be written whole; the user is told.
    if (!WriteWholeFile(path, EncodeBitmapFile(*section.Image()))) {
        platform::ShowMessageBox(this, ResStr(IDS_GRAPH_FILE_ERROR), QCoreApplication::applicationName(),
                                 MB_OK);
        return FALSE;
    }
    return TRUE;
}

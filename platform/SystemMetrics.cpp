#include "platform/SystemMetrics.h"

int GetSystemMetrics(int index)
{
    // The window manager draws the frames and tells their size only once a window is mapped;
    // these are the classic frame's, so that a window's client size is known when it is made.
    switch (index) {
    case SM_CYCAPTION: return 19;
    case SM_CXSIZEFRAME:
    case SM_CYSIZEFRAME: return 4;
    case SM_CYSMCAPTION: return 15;
    default: return 0;
    }
}

COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_SCROLLBAR: return 0xC8C8C8;
    case COLOR_WINDOW: return 0xFFFFFF;
    case COLOR_WINDOWTEXT: return 0x000000;
    case COLOR_BTNFACE: return 0xF0F0F0;
    case COLOR_BTNSHADOW: return 0xA0A0A0;
    case COLOR_BTNHIGHLIGHT: return 0xFFFFFF;
    case COLOR_3DDKSHADOW: return 0x696969;
    case COLOR_3DLIGHT: return 0xE3E3E3;
    default: return 0x000000;
    }
}

namespace platform {

LogFont DefaultGuiFont()
{
    LogFont lf;
    lf.lfHeight = -11; // 8 point at 96 dpi
    lf.lfWeight = FW_NORMAL;
    lf.lfFaceName = QString::fromLatin1(kSansFace);
    return lf;
}

} // namespace platform

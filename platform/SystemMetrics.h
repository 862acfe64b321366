#pragma once
// What the drawing code takes from the Windows system (caption heights, the sizing frame,
// system colours, the GUI font), as fixed constants, so that layout and pixels are the same on
// every machine.

#include "platform/GdiObjects.h"
#include "platform/WinTypes.h"

constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXSIZEFRAME = 32;
constexpr int SM_CYSIZEFRAME = 33;
constexpr int SM_CYSMCAPTION = 51; // the caption of a tool window

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;

// Metrics by SM_ index; 0 for one the programs do not use.
int GetSystemMetrics(int index);

// System colours by COLOR_ index; black for one the programs do not use.
COLORREF GetSysColor(int index);

namespace platform {

// The face every sans font of the programs resolves to, so that tests have fixed metrics.
inline constexpr const char* kSansFace = "Liberation Sans";

// The default GUI font: the platform's sans font at 8 point (96 dpi).
LogFont DefaultGuiFont();

} // namespace platform

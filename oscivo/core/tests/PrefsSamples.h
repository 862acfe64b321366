#pragma once
// The files that the preferences tests open the dialog's state with, for the model's tests and
// the dialog's.

#include "oscivo/core/PrefsFile.h"

#include <string>

namespace prefssamples {

inline constexpr ScreenSize kScreen{1920, 1080};

// Three presets; Prefs.cfg with a colour of each row, every switch set against its default and
// numbers of their own.
inline const std::string kDefaults = "km/h,0,250,\r\nV,0,20,\r\n/min,0,6000,\r\n";
inline const std::string kPrefs =
    "BackColor=102030\r\nGridColor=405060\r\nLine0Color=ff\r\nLine4Color=a0b0c0\r\n"
    "Thickness=2\r\nAutorun=0\r\nShowUnits=0\r\nShowZeros=1\r\nSaveWindowSize=0\r\n"
    "MaxMileage=70\r\nMaxConsumption=30\r\nFuelHistoryDepth=5\r\n";

} // namespace prefssamples

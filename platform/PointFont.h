#pragma once
// Fonts sized in points as the Windows programs sized them, at the 96 dpi that the fixed
// dialog base units stand for, so that text fits its dialog-unit layout on every screen.
// A face the machine lacks falls back to the platform's sans font (kSansFace).

#include <QFont>
#include <QString>

namespace platform {

// A font of tenthsOfPoint / 10 points of that face (360 for 36 pt).
QFont PointFont(int tenthsOfPoint, const QString& face);

// The face of the dialogs' own font. The fixed base units stand for an 8-point font whose
// letters average 5.5 to 6.5 pixels; the platform's sans face averages 6.4 and overruns the
// tighter texts of the templates, this one averages 5.25, so that every text has room.
inline constexpr const char* kDialogFace = "Liberation Sans Narrow";

// The dialogs' own font: 8 pt of kDialogFace.
QFont DialogFont();

} // namespace platform

#pragma once
// Fonts sized in points as the Windows programs sized them, at the 96 dpi that the fixed
// dialog base units stand for, so that text fits its dialog-unit layout on every screen.
// A face the machine lacks falls back to the platform's sans font (kSansFace).

#include <QFont>
#include <QString>

namespace platform {

// A font of tenthsOfPoint / 10 points of that face (360 for 36 pt).
QFont PointFont(int tenthsOfPoint, const QString& face);

// The dialogs' own font, 8 pt "MS Sans Serif".
QFont DialogFont();

} // namespace platform

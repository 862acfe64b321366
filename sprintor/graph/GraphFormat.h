#pragma once
// The number texts of the graph: tick labels and editor texts with a count of decimals, the
// label-size probe, and the cursor readout from its printf form. Precisions are clamped, so
// no setting can make a text overrun or a format read what it was not given.

#include "platform/WinTypes.h"

#include <QString>

// At most this many decimals are shown.
inline constexpr UINT kMaxGraphDecimals = 30;

// The value with that many decimals ("%0.<n>f").
QString FormatGraphValue(double value, UINT decimals);

// The value without decimals ("%0.f"), as the label size is measured from it.
QString FormatGraphWhole(double value);

// The cursor readout: format is a printf form with up to two conversions of a double
// (f, F, e, E, g, G, a, A; flags, width and precision allowed) and "%%". Another form shows
// nothing: an empty text.
QString FormatGraphCursor(const QString& format, double x, double y);

#pragma once
// Windows colour values 0x00BBGGRR (ColourValues.h), and their one conversion to and from QColor.

#include "platform/ColourValues.h"

#include <QColor>

namespace platform {

inline QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline COLORREF FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace platform

#include "platform/PointFont.h"

#include "platform/DialogUnits.h"

namespace platform {

QFont PointFont(int tenthsOfPoint, const QString& face)
{
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(MulDiv(tenthsOfPoint, 96, 720));
    return font;
}

QFont DialogFont()
{
    return PointFont(80, QStringLiteral("MS Sans Serif"));
}

} // namespace platform

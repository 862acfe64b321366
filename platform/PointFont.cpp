#include "platform/PointFont.h"

#include "platform/DialogUnits.h"
#include "platform/SystemMetrics.h"

#include <QFontDatabase>

namespace platform {

QFont PointFont(int tenthsOfPoint, const QString& face)
{
    QFont font(QFontDatabase::hasFamily(face) ? face : QString::fromLatin1(kSansFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(MulDiv(tenthsOfPoint, 96, 720));
    return font;
}

QFont DialogFont()
{
    return PointFont(80, QString::fromLatin1(kDialogFace));
}

} // namespace platform

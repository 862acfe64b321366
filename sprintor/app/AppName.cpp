#include "sprintor/app/AppName.h"

QString AppName()
{
    return QStringLiteral("Sprintor");
}

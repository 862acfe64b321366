#include "sprintor/ui/Sounds.h"

#include "sprintor/core/Resource.h"

#include <QCoreApplication>

QString SoundFile(int waveId)
{
    const QString name = waveId == IDR_WAVE_START ? QStringLiteral("Start.wav") : QStringLiteral("Beep.wav");
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

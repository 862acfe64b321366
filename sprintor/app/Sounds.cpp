#include "sprintor/app/Sounds.h"

#include "sprintor/app/Resource.h"

#include <QCoreApplication>

QString SoundFile(int waveId)
{
    const QString name = waveId == IDR_WAVE_START ? QStringLiteral("Start.wav") : QStringLiteral("Beep.wav");
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

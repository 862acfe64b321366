#include "platform/Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QtEndian>

namespace platform {
namespace {

// Plays through the default audio output; with no output device it waits the sound's length,
// so that whatever is timed around the sound keeps its pace.
class SystemSoundPlayer : public ISoundPlayer {
public:
    void PlaySync(const QString& wavPath) override
    {
        const int ms = WavDurationMs(wavPath);
        if (QMediaDevices::audioOutputs().isEmpty()) {
            QThread::msleep(static_cast<unsigned long>(ms));
            return;
        }
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(wavPath));
        QElapsedTimer clock;
        clock.start();
        // Loading and playing need the event loop; user input stays queued meanwhile.
        const int limit = ms + 2000;
        while (effect.status() == QSoundEffect::Loading && clock.elapsed() < limit)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
        if (effect.status() != QSoundEffect::Ready) {
            QThread::msleep(static_cast<unsigned long>(ms));
            return;
        }
        effect.play();
        clock.restart();
        while ((effect.isPlaying() || clock.elapsed() < 20) && clock.elapsed() < limit)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    }
};

SystemSoundPlayer g_system;
ISoundPlayer* g_player = nullptr;

} // namespace

void SetSoundPlayer(ISoundPlayer* player)
{
    g_player = player;
}

void PlaySoundSync(const QString& wavPath)
{
    (g_player ? g_player : &g_system)->PlaySync(wavPath);
}

int WavDurationMs(const QString& wavPath)
{
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt " && body + 12 <= bytes.size())
            byteRate = qFromLittleEndian<quint32>(bytes.constData() + body + 8);
        if (id == "data" && byteRate > 0) {
            const quint64 dataBytes = std::min<quint64>(size, static_cast<quint64>(bytes.size() - body));
            return static_cast<int>(dataBytes * 1000 / byteRate);
        }
        pos = body + static_cast<qsizetype>(size) + (size & 1);
    }
    return 0;
}

} // namespace platform

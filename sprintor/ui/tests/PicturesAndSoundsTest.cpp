#include "platform/Sound.h"
#include "sprintor/core/Resource.h"
#include "sprintor/ui/Lamps.h"
#include "sprintor/ui/Sounds.h"
#include "sprintor/ui/SprintorIcon.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// The countdown sounds lie beside the program, in the format and of the lengths it expects.
TEST(Sounds, TheBuildWritesBothTonesBesideTheProgram)
{
    struct Case {
        int id;
        int ms;
    };
    for (const Case c : {Case{IDR_WAVE_BEEP, 260}, Case{IDR_WAVE_START, 130}}) {
        const QString path = SoundFile(c.id);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray wav = file.readAll();
        ASSERT_GE(wav.size(), 44);
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        EXPECT_EQ(u16(20), 1);      // PCM
        EXPECT_EQ(u16(22), 2);      // stereo
        EXPECT_EQ(u32(24), 22050u); // Hz
        EXPECT_EQ(u16(34), 16);     // bits
        EXPECT_EQ(u32(40) + 44, static_cast<quint32>(wav.size()));
        EXPECT_EQ(platform::WavDurationMs(path), c.ms);
    }
    EXPECT_NE(SoundFile(IDR_WAVE_BEEP), SoundFile(IDR_WAVE_START));
}

QRgb At(const QPixmap& pixmap, int x, int y)
{
    return pixmap.toImage().pixel(x, y);
}

// 22 x 54 pixels in 16 colours; the amber lens lights above, the green one below.
TEST(Lamps, DarkAmberAndGreenPictures)
{
    const QPixmap off = LoadLampBitmap(IDB_LAMP_OFF);
    const QPixmap amber = LoadLampBitmap(IDB_LAMP_AMBER);
    const QPixmap green = LoadLampBitmap(IDB_LAMP_GREEN);
    for (const QPixmap& p : {off, amber, green}) {
        EXPECT_EQ(p.size(), QSize(22, 54));
        QSet<QRgb> colours;
        const QImage image = p.toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16);
    }
    const int x = 14, upper = 16, lower = 41; // inside each lens, off its highlight
    EXPECT_EQ(At(off, x, upper), qRgb(128, 128, 0));
    EXPECT_EQ(At(off, x, lower), qRgb(0, 128, 0));
    EXPECT_EQ(At(amber, x, upper), qRgb(255, 255, 0));
    EXPECT_EQ(At(amber, x, lower), qRgb(0, 128, 0));
    EXPECT_EQ(At(green, x, upper), qRgb(128, 128, 0));
    EXPECT_EQ(At(green, x, lower), qRgb(0, 255, 0));
}

TEST(Icon, HasBothSizes)
{
    const QIcon icon = SprintorIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
}

} // namespace

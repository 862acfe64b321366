#include "sprintor/graph/BitmapFile.h"

#include <QSaveFile>

#include <cstdint>

namespace {

void Put16(QByteArray& out, int offset, std::uint16_t v)
{
    out[offset] = char(v & 0xFF);
    out[offset + 1] = char(v >> 8);
}

void Put32(QByteArray& out, int offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[offset + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray EncodeBitmapFile(const QImage& image)
{
    constexpr int kHeaders = 14 + 40;
    const int w = image.width(), h = image.height();
    const int stride = ((24 * w + 31) / 32) * 4;
    const std::uint32_t imageSize = std::uint32_t(stride) * std::uint32_t(h);
    QByteArray out(kHeaders + qsizetype(imageSize), '\0');
    Put16(out, 0, 0x4D42);
    Put32(out, 2, kHeaders + imageSize);
    Put32(out, 10, kHeaders);
    Put32(out, 14, 40);
    Put32(out, 18, std::uint32_t(w));
    Put32(out, 22, std::uint32_t(h));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, imageSize); // compression, resolutions and colour counts stay 0
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    char* row = out.data() + kHeaders;
    for (int y = h - 1; y >= 0; --y, row += stride) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return out;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

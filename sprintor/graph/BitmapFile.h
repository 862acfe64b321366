#pragma once
// The graph's bitmap file: an uncompressed 24-bit Windows bitmap with its own headers (no
// resolution, no colour table), rows bottom-up, pixels blue-green-red, rows padded to 4 bytes.

#include <QByteArray>
#include <QImage>
#include <QString>

// The bytes of the whole file for the image.
QByteArray EncodeBitmapFile(const QImage& image);

// Writes the whole file or nothing: false when it cannot be written, and then no part of a
// new file is left behind (a file that was there keeps its content).
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

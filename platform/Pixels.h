#pragma once
// Blocks of a memory surface's 32-bit pixels, written directly: a fill, and a copy or an OR of a
// block from a surface, the same one included. The drawing context uses them for memory surfaces,
// where they do what the painter does in a fraction of its time; every rectangle lies within its
// image already.

#include <QImage>
#include <QPoint>
#include <QRect>

namespace platform {

void FillPixels(QImage* image, const QRect& rect, QRgb value);

enum class PixelOp { Copy, Or };

// The block of source at from, as large as to, combined into target at to. Where target is
// source, the block moves, however the two places overlap.
void CombinePixels(QImage* target, const QRect& to, const QImage& source, QPoint from, PixelOp op);

} // namespace platform

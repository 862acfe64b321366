#include "platform/Pixels.h"

#include <cstring>

namespace platform {
namespace {

// pixel(x) for every x below width, eight at a time where it can: blocks of a fixed length are
// what the compiler does in vector registers.
template <typename Pixel> void EveryPixel(int width, Pixel pixel)
{
    constexpr int kBlock = 8;
    int x = 0;
    for (; x + kBlock <= width; x += kBlock)
        for (int i = 0; i < kBlock; ++i)
            pixel(x + i);
    for (; x < width; ++x)
        pixel(x);
}

void OrRow(QRgb* __restrict out, const QRgb* __restrict in, int width)
{
    EveryPixel(width, [out, in](int x) { out[x] |= in[x]; });
}

} // namespace

void FillPixels(QImage* image, const QRect& rect, QRgb value)
{
    if (rect.isEmpty())
        return;
    uchar* bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride) + rect.left();
        EveryPixel(rect.width(), [line, value](int x) { line[x] = value; });
    }
}

void CombinePixels(QImage* target, const QRect& to, const QImage& source, QPoint from, PixelOp op)
{
    if (to.isEmpty())
        return;
    // Within one image a block that moves down is moved from its bottom row up, so that no row is
    // written before it is read; within a row memmove keeps the order right.
    const bool upward = target == &source && from.y() < to.top();
    const int width = to.width();
    const qsizetype targetStride = target->bytesPerLine(), sourceStride = source.bytesPerLine();
    uchar* targetBits = target->bits();
    const uchar* sourceBits = target == &source ? targetBits : source.constBits();
    for (int i = 0; i < to.height(); ++i) {
        const int row = upward ? to.height() - 1 - i : i;
        auto* out = reinterpret_cast<QRgb*>(targetBits + (to.top() + row) * targetStride) + to.left();
        const auto* in =
            reinterpret_cast<const QRgb*>(sourceBits + (from.y() + row) * sourceStride) + from.x();
        if (op == PixelOp::Copy)
            std::memmove(out, in, static_cast<std::size_t>(width) * sizeof(QRgb));
        else
            OrRow(out, in, width);
    }
}

} // namespace platform

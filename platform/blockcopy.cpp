#include "blockcopy.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// Clips one axis of the copy to both surfaces: the start on the destination and on
// the source move together, and the length shrinks to what both can hold.
bool clipAxis(qint64 &destination, qint64 &source, qint64 &length, qint64 destinationSize,
              qint64 sourceSize)
{
    if (destination < 0) {
        source -= destination;
        length += destination;
        destination = 0;
    }
    if (source < 0) {
        destination -= source;
        length += source;
        source = 0;
    }
    length = std::min({length, destinationSize - destination, sourceSize - source});
    return length > 0;
}

// Rows can be copied byte for byte when the pixels mean the same in both formats;
// an opaque RGB32 pixel is also a valid premultiplied ARGB32 one.
bool bytewiseCompatible(QImage::Format destination, QImage::Format source)
{
    if (destination == source)
        return QImage::toPixelFormat(source).bitsPerPixel() % 8 == 0;
    return source == QImage::Format_RGB32 && (destination == QImage::Format_ARGB32_Premultiplied ||
                                              destination == QImage::Format_ARGB32);
}

} // namespace

void BitBlt(QImage &destination, int x, int y, int width, int height, const QImage &source,
            int sourceX, int sourceY)
{
    if (destination.isNull() || source.isNull())
        return;
    qint64 dx = x, dy = y, sx = sourceX, sy = sourceY, w = width, h = height;
    if (!clipAxis(dx, sx, w, destination.width(), source.width()) ||
        !clipAxis(dy, sy, h, destination.height(), source.height()))
        return;

    if (!bytewiseCompatible(destination.format(), source.format())) {
        QPainter painter(&destination);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(int(dx), int(dy)), source,
                          QRect(int(sx), int(sy), int(w), int(h)));
        return;
    }

    const qint64 bytesPerPixel = source.depth() / 8;
    const qint64 rowBytes = w * bytesPerPixel;
    // Take the source first: should both share one buffer, writing detaches the
    // destination and the source keeps the pixels to read.
    const uchar *from = source.constBits();
    uchar *to = destination.bits();
    const qint64 fromStride = source.bytesPerLine();
    const qint64 toStride = destination.bytesPerLine();
    // Within one image the rows must be walked away from the overlap.
    const bool sameBuffer = from == to;
    const bool bottomUp = sameBuffer && dy > sy;
    for (qint64 row = 0; row < h; ++row) {
        const qint64 r = bottomUp ? h - 1 - row : row;
        const uchar *sourceRow = from + (sy + r) * fromStride + sx * bytesPerPixel;
        uchar *destinationRow = to + (dy + r) * toStride + dx * bytesPerPixel;
        if (sameBuffer)
            std::memmove(destinationRow, sourceRow, static_cast<std::size_t>(rowBytes));
        else
            std::memcpy(destinationRow, sourceRow, static_cast<std::size_t>(rowBytes));
    }
}

} // namespace platform

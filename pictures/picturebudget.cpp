#include "picturebudget.h"

#include <QtMath>

namespace pictures {
namespace {

qint64 pixels(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

// libjpeg's scale M/8 as Qt's decoder picks it: the smallest that keeps at least the
// target's size along the side that shrinks less.
QSize jpegDecodedSize(const QSize &full, const QSize &target)
{
    int eighths = 8;
    if (target.isValid() && !target.isEmpty()) {
        const double shrink =
            qMin(double(full.width()) / target.width(), double(full.height()) / target.height());
        eighths = qBound(1, qCeil(8 / shrink), 8);
    }
    return QSize(int((qint64(full.width()) * eighths + 7) / 8),
                 int((qint64(full.height()) * eighths + 7) / 8));
}

} // namespace

DecodePlan planDecode(const PictureHeader &header, const QSize &target)
{
    DecodePlan plan;
    plan.decoded = header.scalesWhileDecoding ? jpegDecodedSize(header.size, target) : header.size;
    plan.result = target.isValid() && !target.isEmpty() ? target : plan.decoded;

    const qint64 rowBytes = (qint64(plan.decoded.width()) * header.bitsPerPixel + 31) / 32 * 4;
    plan.peakBytes = rowBytes * plan.decoded.height() + header.wholeImageBytes + header.extraBytes;
    // Anything but opaque 32-bit pixels is converted whole before it is scaled smoothly
    // (or, unscaled, into the pixels the game draws with).
    if (!header.plainRgb32)
        plan.peakBytes += pixels(plan.decoded) * qMax(4, header.bitsPerPixel / 8);
    if (plan.result != plan.decoded)
        plan.peakBytes += pixels(plan.result) * 4;
    return plan;
}

} // namespace pictures

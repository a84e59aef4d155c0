#include "focusframe.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include "devicepixels.h"

namespace platform {
namespace {

// The device pixels of the outermost logical pixel of `band`.
void fillRing(QPainter &painter, const QTransform &toDevice, const QRect &band,
              const QColor &colour)
{
    const QRegion ring = QRegion(deviceRect(toDevice, band))
                             .subtracted(deviceRect(toDevice, band.adjusted(1, 1, -1, -1)));
    for (const QRect &part : ring)
        painter.fillRect(part, colour);
}

} // namespace

QColor focusColor(const QWidget &widget)
{
    return widget.palette().color(QPalette::Active, QPalette::Highlight);
}

// Each line is a logical pixel whose edges are rounded to device pixels, so the lines
// stay sharp on a dense screen and meet the frames and pictures around them.
void drawFocusFrame(QPainter &painter, const QRect &area, const QColor &colour, int thickness)
{
    painter.save();
    const QTransform toDevice = switchToDevicePixels(painter);
    QRect band = area;
    for (int line = 0; line < thickness && band.width() > 2 && band.height() > 2; ++line) {
        fillRing(painter, toDevice, band, colour);
        band.adjust(1, 1, -1, -1);
    }
    if (band.width() > 2 && band.height() > 2)
        fillRing(painter, toDevice, band, Qt::white);
    painter.restore();
}

} // namespace platform

namespace platform {

void drawContrastFrame(QPainter &painter, const QRect &area, const QColor &colour, int thickness)
{
    if (area.width() <= 2 || area.height() <= 2)
        return;
    painter.save();
    const QTransform toDevice = switchToDevicePixels(painter);
    fillRing(painter, toDevice, area, Qt::black);
    painter.restore();
    drawFocusFrame(painter, area.adjusted(1, 1, -1, -1), colour, thickness);
}

} // namespace platform

#pragma once

// Where logical pixels land on a screen's device pixels. Layouts are in logical pixels;
// at a device pixel ratio of 2 each of them is 2 x 2 device pixels, and at 1.5 a
// logical edge can fall in the middle of a device pixel. Qt lets a widget paint the
// device pixels between its edges rounded to the nearest device pixel edge (halves
// upwards), counted on the surface of its window, so areas that meet in logical pixels
// also meet in device pixels, without a gap or an overlap. Whatever the game draws
// pixel for pixel (the images of picture boxes, the cells' blocks of Mask, focus frames)
// rounds its edges in the same way.

#include <QRect>
#include <QTransform>

class QPainter;
class QWidget;

namespace platform {

// The device pixel edge nearest to a position given in device pixels.
int deviceEdge(qreal position);

// The device pixels between the rounded edges of a rectangle given in device pixels.
QRect deviceRect(const QRectF &inDevicePixels);

// The device pixel where a logical point of a window's surface lies.
QPoint devicePoint(const QPoint &logical, qreal ratio);

// The device pixels of a rectangle given in logical pixels on a window's surface.
QRect deviceRect(const QRect &logical, qreal ratio);

// As many device pixels as a logical size can cover wherever it lies: rounded up.
QSize deviceSizeCovering(const QSize &logical, qreal ratio);

// Where a point of a widget lies on the surface of its window, in logical pixels.
QPoint surfacePosition(const QWidget &widget, const QPoint &point);

// Paints from here on in the device's own pixels, unscaled. The transform that the
// painter had before maps its logical coordinates onto those pixels.
QTransform switchToDevicePixels(QPainter &painter);

// The device pixels of a rectangle in a painter's logical coordinates, given the
// transform that switchToDevicePixels returned.
QRect deviceRect(const QTransform &toDevice, const QRect &logical);

} // namespace platform

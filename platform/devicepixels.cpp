#include "devicepixels.h"

#include <QPainter>
#include <QWidget>
#include <QtMath>

namespace platform {

int deviceEdge(qreal position)
{
    return qFloor(position + 0.5);
}

QRect deviceRect(const QRectF &inDevicePixels)
{
    const int left = deviceEdge(inDevicePixels.left());
    const int top = deviceEdge(inDevicePixels.top());
    return QRect(left, top, deviceEdge(inDevicePixels.right()) - left,
                 deviceEdge(inDevicePixels.bottom()) - top);
}

QPoint devicePoint(const QPoint &logical, qreal ratio)
{
    return QPoint(deviceEdge(logical.x() * ratio), deviceEdge(logical.y() * ratio));
}

// Each edge is its logical position times the ratio, as Qt scales it, not a sum of
// scaled parts, which can round the other way.
QRect deviceRect(const QRect &logical, qreal ratio)
{
    const QPoint topLeft = devicePoint(logical.topLeft(), ratio);
    const QPoint bottomRight =
        devicePoint(logical.topLeft() + QPoint(logical.width(), logical.height()), ratio);
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

// The tolerance keeps a product such as 330 x 1.1, a hair above 363 in floating point,
// at 363.
QSize deviceSizeCovering(const QSize &logical, qreal ratio)
{
    constexpr qreal Tolerance = 1e-6;
    return QSize(qCeil(logical.width() * ratio - Tolerance),
                 qCeil(logical.height() * ratio - Tolerance));
}

QPoint surfacePosition(const QWidget &widget, const QPoint &point)
{
    return widget.mapTo(widget.window(), point);
}

QTransform switchToDevicePixels(QPainter &painter)
{
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted(), true);
    return toDevice;
}

QRect deviceRect(const QTransform &toDevice, const QRect &logical)
{
    return deviceRect(toDevice.mapRect(QRectF(logical)));
}

} // namespace platform

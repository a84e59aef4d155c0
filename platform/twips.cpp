#include "twips.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform {

int toPixels(double twips)
{
    const double pixels = twips / TwipsPerPixelX;
    // A length no widget can have is pinned to the largest one, and NaN to nothing,
    // so a wild value from a layout never turns into an undefined conversion.
    if (std::isnan(pixels))
        return 0;
    const double limit = QWIDGETSIZE_MAX;
    return static_cast<int>(std::lround(std::clamp(pixels, -limit, limit)));
}

double toTwips(int pixels)
{
    return static_cast<double>(pixels) * TwipsPerPixelX;
}

QRect twipsToPixels(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void setTwipsGeometry(QWidget *widget, double left, double top, double width, double height)
{
    QRect rect = twipsToPixels(left, top, width, height);
    rect.setWidth(std::max(0, rect.width()));
    rect.setHeight(std::max(0, rect.height()));
    widget->setGeometry(rect);
}

} // namespace platform

#include "focusframe.h"

#include <QPainter>
#include <QWidget>

namespace platform {

QColor focusColor(const QWidget &widget)
{
    return widget.palette().color(QPalette::Active, QPalette::Highlight);
}

void drawFocusFrame(QPainter &painter, const QRect &area, const QColor &colour, int thickness)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::NoPen);
    QRect band = area;
    for (int line = 0; line < thickness && band.width() > 2 && band.height() > 2; ++line) {
        painter.setPen(colour);
        painter.drawRect(band.adjusted(0, 0, -1, -1));
        band.adjust(1, 1, -1, -1);
    }
    if (band.width() > 2 && band.height() > 2) {
        painter.setPen(Qt::white);
        painter.drawRect(band.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

} // namespace platform

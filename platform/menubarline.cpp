#include "menubarline.h"

#include <QImage>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QStyleOptionMenuItem>

namespace platform {
namespace {

// The colour of the bottom line of the bar's empty area as its style paints it;
// invalid when the style draws no line there.
QColor lineColour(QMenuBar &bar)
{
    QImage probe(8, 8, QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    {
        QPainter painter(&probe);
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.rect = probe.rect();
        option.menuItemType = QStyleOptionMenuItem::EmptyArea;
        option.state = QStyle::State_None;
        bar.style()->drawControl(QStyle::CE_MenuBarEmptyArea, &option, &painter, &bar);
    }
    const QRgb bottom = probe.pixel(4, 7);
    return bottom != probe.pixel(4, 3) ? QColor::fromRgba(bottom) : QColor();
}

} // namespace

MenuBarLine::MenuBarLine(QMenuBar *bar) : QObject(bar), m_bar(bar)
{
    bar->installEventFilter(this);
}

bool MenuBarLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar || event->type() != QEvent::Paint)
        return false;
    // The bar paints itself first; the whole line goes over it.
    static_cast<QObject *>(m_bar)->event(event);
    const QColor colour = lineColour(*m_bar);
    if (colour.isValid()) {
        // Drawn as the style draws its pieces, so it covers exactly their pixels.
        QPainter painter(m_bar);
        painter.setPen(QPen(colour));
        const QRect bar = m_bar->rect();
        painter.drawLine(bar.bottomLeft(), bar.bottomRight());
    }
    return true;
}

} // namespace platform

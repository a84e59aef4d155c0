#include "picturebutton.h"

#include "focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

namespace platform {

PictureButton::PictureButton(const QIcon &picture, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent), m_picture(picture)
{
    // Tab reaches it; a mouse click does not move the focus, so clicking looks as it
    // always did.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(accessibleName);
}

QSize PictureButton::sizeHint() const
{
    QSize smallest;
    for (const QSize &size : m_picture.availableSizes()) {
        if (!smallest.isValid() || size.width() < smallest.width())
            smallest = size;
    }
    return smallest;
}

// The picture is stretched over the whole button, like a stretched image control, from
// the version made for the screen's density.
void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap picture = m_picture.pixmap(size(), devicePixelRatioF());
    if (isEnabled()) {
        painter.drawPixmap(rect(), picture);
    } else {
        // Greyed and faded into the window's background: the dark marble pictures change
        // too little when they are only greyed.
        QStyleOption option;
        option.initFrom(this);
        painter.setOpacity(0.35);
        painter.drawPixmap(rect(), style()->generatedIconPixmap(QIcon::Disabled, picture, &option));
        painter.setOpacity(1);
    }
    if (hasFocus())
        drawFocusFrame(painter, rect(), focusColor(*this));
}

// Return and Enter press the button like Space. The arrow keys belong to the window
// (they scroll the About window's history) rather than moving the focus on.
void PictureButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

// The second press of a double-click has made the button down again; its release
// must not click.
void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    setDown(false);
}

} // namespace platform

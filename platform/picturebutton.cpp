#include "picturebutton.h"

#include "focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

namespace platform {

PictureButton::PictureButton(const QPixmap &picture, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent), m_picture(picture)
{
    // Tab reaches it; a mouse click does not move the focus, so clicking looks as it
    // always did.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(accessibleName);
}

// The picture is stretched over the whole button, like a stretched image control.
void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (isEnabled()) {
        painter.drawPixmap(rect(), m_picture);
    } else {
        QStyleOption option;
        option.initFrom(this);
        painter.drawPixmap(rect(),
                           style()->generatedIconPixmap(QIcon::Disabled, m_picture, &option));
    }
    if (hasFocus())
        drawFocusFrame(painter, rect(), focusColor(*this));
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    const bool confirm = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (confirm && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace platform

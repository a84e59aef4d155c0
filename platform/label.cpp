#include "label.h"

#include "messagebox.h"

#include <QMouseEvent>

namespace platform {

Label::Label(QWidget *parent) : QLabel(parent)
{
    // Captions are plain text that wraps inside the label from its top-left corner.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(displayText(caption));
}

void Label::mousePressEvent(QMouseEvent *event)
{
    if (!m_click.takePress(event))
        QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const std::optional<bool> click = m_click.takeRelease(event, rect());
    if (!click)
        QLabel::mouseReleaseEvent(event);
    else if (*click)
        emit clicked();
}

} // namespace platform

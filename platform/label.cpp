#include "label.h"

#include "messagebox.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

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

void Label::setFontSizeLineSpacing(bool on)
{
    m_fontSizeLineSpacing = on;
    update();
}

void Label::paintEvent(QPaintEvent *event)
{
    if (!m_fontSizeLineSpacing) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const int pitch = QFontInfo(font()).pixelSize();
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    int top = 0;
    for (const QString &paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, top));
            top += pitch;
        }
        layout.endLayout();
        layout.draw(&painter, area.topLeft());
    }
}

} // namespace platform

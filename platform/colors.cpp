#include "colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace platform {

QColor systemColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 0: // scroll bar track: a grey a shade darker than the button face
        return palette.color(QPalette::Button).darker(120);
    case 1: // desktop
    case 4: // menu bar
        return palette.color(QPalette::Window);
    case 2:  // active title bar
    case 13: // selected item
        return palette.color(QPalette::Highlight);
    case 5: // window background
        return palette.color(QPalette::Base);
    case 6:  // window frame
    case 21: // dark 3-D shadow
        return palette.color(QPalette::Shadow);
    case 7: // menu text
        return palette.color(QPalette::WindowText);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 9:  // title bar text
    case 14: // selected item text
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // disabled text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // 3-D highlight
        return palette.color(QPalette::Light);
    case 22: // 3-D light
        return palette.color(QPalette::Midlight);
    case 23: // tooltip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return palette.color(QPalette::ToolTipBase);
    default: // an index the system does not know reads as black, as it always did
        return QColor(Qt::black);
    }
}

QColor toQColor(ColorValue value)
{
    if (value & 0x80000000u)
        return systemColor(static_cast<int>(value & 0xFFu));
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

void setBackColor(QWidget *widget, ColorValue value)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toQColor(value));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeColor(QWidget *widget, ColorValue value)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), toQColor(value));
    widget->setPalette(palette);
}

} // namespace platform

#pragma once

// The frame that marks where the keyboard is: on a focused picture button, a flip-rule
// box, a scroll bar, and the cursor on the board. A coloured band with a light line
// inside it, so it stands out on a photograph, on a white box and on a grey one alike.

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

namespace platform {

// The band's colour for keyboard focus: the desktop's highlight colour.
QColor focusColor(const QWidget &widget);

// Draws the frame just inside `area`: `thickness` pixels of `colour`, then one light line.
void drawFocusFrame(QPainter &painter, const QRect &area, const QColor &colour, int thickness = 2);

// The same frame with a dark line outside the band, for pictures of any colour: on a
// light picture the dark line and the band stand out, on a dark one the light line and
// the band, and on a picture of the band's own colour the dark and light lines.
void drawContrastFrame(QPainter &painter, const QRect &area, const QColor &colour,
                       int thickness = 2);

} // namespace platform

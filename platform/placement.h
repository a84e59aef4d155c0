#pragma once

// Keeps windows on the screen. A window keeps its place while its size changes,
// unless it would then cross the edge of the screen's available area (the screen
// less its panels and docks): it moves the least distance that brings it wholly
// inside, its frame included. A window larger than the area, on either axis, lines
// up with the area's top or left edge, so its title bar and menu stay in reach.

#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// The top-left corner a window's frame moves to so that it lies inside area; the
// frame's own corner when it already does.
QPoint placedInside(const QRect &frame, const QRect &area);

// Moves a top-level window, by its frame, inside the available area of its screen.
void keepOnScreen(QWidget &window);

// Keeps the window on the screen each time it is shown.
void keepOnScreenWhenShown(QWidget &window);

} // namespace platform

#pragma once

// Positions and sizes of the layouts are in twips. The game uses a fixed factor of
// 15 twips per pixel whatever the screen's real density.

#include <QRect>

class QWidget;

namespace platform {

constexpr int TwipsPerPixelX = 15;
constexpr int TwipsPerPixelY = 15;

// Nearest whole pixel of a length in twips (halves round away from zero).
int toPixels(double twips);
double toTwips(int pixels);

// The pixel rectangle of a layout rectangle given in twips.
QRect twipsToPixels(double left, double top, double width, double height);

// Places a control from its layout values in twips (relative to its parent).
void setTwipsGeometry(QWidget *widget, double left, double top, double width, double height);

} // namespace platform

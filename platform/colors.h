#pragma once

// Colour values as the game writes them: 0x00BBGGRR for a plain colour, or a value
// with the top bit set that names a system colour by the index in its low byte.

#include <QColor>

#include <cstdint>

class QWidget;

namespace platform {

using ColorValue = std::uint32_t;

constexpr ColorValue systemColorValue(int index)
{
    return 0x80000000u | static_cast<ColorValue>(index);
}
constexpr ColorValue ScrollBarColor = systemColorValue(0);
constexpr ColorValue WindowBackground = systemColorValue(5);
constexpr ColorValue WindowText = systemColorValue(8);
constexpr ColorValue ButtonFace = systemColorValue(15);
constexpr ColorValue Red = 255;
constexpr ColorValue White = 16777215;

// The colour of system colour index 0 (scroll bar), 5 (window), 8 (window text),
// 15 (button face), taken from the application palette.
QColor systemColor(int index);

// Resolves a colour value (system or 0x00BBGGRR) to a QColor.
QColor toQColor(ColorValue value);

// Fills a widget's background with a colour value.
void setBackColor(QWidget *widget, ColorValue value);
void setForeColor(QWidget *widget, ColorValue value);

} // namespace platform

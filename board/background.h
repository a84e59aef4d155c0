#pragma once

// The background picture "backgland.gif" shared by the main window and the dialogs.
// It is looked up in the current directory first, then the copy built into the
// program is used; when neither can be decoded the window keeps its plain colour.

#include <QImage>

namespace platform {
class PictureBox;
}

namespace board {

// The background picture for painting over an area of paintedSize pixels: never
// larger than the largest area it has been asked for, nor than its own size.
QImage backgroundPicture(const QSize &paintedSize);

// Stretches the background picture over the whole inner area of a window's client
// surface, as its persistent background.
void DrawBackground(platform::PictureBox &surface);

} // namespace board

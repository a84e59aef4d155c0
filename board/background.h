#pragma once

// The background picture "backgland.gif" shared by the main window and the dialogs.
// It is looked up in the current directory first, then the copy built into the
// program is used; when neither can be decoded the window keeps its plain colour.

#include <QImage>

namespace platform {
class PictureBox;
}

namespace board {

// The background picture for painting over an area of paintedSize device pixels, at
// `ratio` device pixels per pixel: never larger than the largest area it has been asked
// for, nor than its own size. Above a ratio of 1 the built-in copy is its version with
// twice the pixels each way.
QImage backgroundPicture(const QSize &paintedSize, qreal ratio = 1);

// Stretches the background picture over the whole inner area of a window's client
// surface, as its persistent background, at the surface's device resolution.
void DrawBackground(platform::PictureBox &surface);

} // namespace board

#pragma once

// Picture files for the board's tests: pictures whose pixels name their own position,
// four-coloured pictures, and the broken files a player might pick.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace testpictures {

// A picture whose pixel (x, y) encodes x and y (up to 4095), so a copied pixel tells
// where in the source it came from.
QImage coordinatePicture(int width, int height);
QPoint coordinateOf(QRgb pixel);

// Four quadrants: top left red, top right green, bottom left blue, bottom right yellow.
QImage quadrantPicture(int width, int height);
inline const QColor QuadrantColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// A file of one colour.
QImage plainPicture(int width, int height, QColor colour);

// Writes picture to path in the format its suffix names (gif included); false on failure.
bool save(const QImage &picture, const QString &path);

// Broken picture files, each of them written at path.
enum class Broken { Missing, ZeroBytes, TextNamedJpeg, TruncatedJpeg, GifClaimingHugeSize };
void writeBroken(Broken kind, const QString &path);

} // namespace testpictures

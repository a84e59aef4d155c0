#pragma once

// LoadPicture: decodes a BMP, ICO, GIF, JPEG or PNG file, told by its content whatever
// its name. It never throws, never blocks on a file that is not a regular one, and
// never raises the program's memory by more than PictureLoadBudgetBytes: a picture
// that cannot be read, or whose header claims more than that, comes back empty with
// a reason for the player.

#include <QImage>
#include <QString>

class QIODevice;

namespace pictures {

struct LoadedPicture
{
    QImage image;
    QString reason;     // why it failed; empty on success
    QSize originalSize; // the picture's own size, as its header gives it
    bool ok() const { return !image.isNull(); }
};

enum class Scaling {
    Stretch,    // to exactly the size asked for, aspect ratio not kept
    ShrinkOnly, // no side larger than asked for, and none larger than the picture's own
};

// Decodes the file. With a valid size the picture is decoded straight to that size
// (see Scaling), so a huge photograph never sits in memory whole.
LoadedPicture LoadPicture(const QString &path, const QSize &size = QSize(),
                          Scaling scaling = Scaling::Stretch);

// The same for a picture already open on a random-access device (a file, a buffer).
LoadedPicture DecodePicture(QIODevice &device, const QSize &size = QSize(),
                            Scaling scaling = Scaling::Stretch);

// The largest picture side and area the game accepts from a header, and the largest
// file: no picture the budget allows can need a file larger than that.
constexpr int MaxPictureSide = 30000;
constexpr qint64 MaxPicturePixels = 200'000'000;
constexpr qint64 MaxPictureFileBytes = qint64(256) << 20;

} // namespace pictures

#pragma once

// LoadPicture: decodes a BMP, ICO, GIF or JPEG file. It never throws: a picture
// that cannot be read or decoded comes back empty with a reason for the player.

#include <QImage>
#include <QString>

namespace platform {

struct LoadedPicture
{
    QImage image;
    QString reason; // why it failed; empty on success
    bool ok() const { return !image.isNull(); }
};

// Decodes the file. With a valid size the picture is decoded straight to that size
// (stretched, aspect ratio not kept), so a huge photograph never sits in memory
// whole. Headers that claim an impossible size are refused before any allocation.
LoadedPicture LoadPicture(const QString &path, const QSize &size = QSize());

// The largest picture side and area the game accepts from a header.
constexpr int MaxPictureSide = 30000;
constexpr qint64 MaxPicturePixels = 200'000'000;

} // namespace platform

#pragma once

// The header readers of the single formats, used by readPictureHeader once the content
// has told the format. Each fills in what its decoder will build and hold.

#include "chunkreader.h"
#include "pictureheader.h"

namespace pictures::formats {

PictureHeader readBmp(ChunkReader &file);
PictureHeader readIco(ChunkReader &file);
PictureHeader readPng(ChunkReader &file, qint64 start = 0);
PictureHeader readGif(ChunkReader &file);
PictureHeader readJpeg(ChunkReader &file);

// Bytes of an image row padded to whole 32-bit words, as bitmaps and QImage store it.
inline qint64 paddedRowBytes(qint64 width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

} // namespace pictures::formats

#pragma once

// Well-formed pictures of every format and variant the game reads, small enough to
// seed the fuzzer: bitmaps of 1, 4 (run-length), 8 (plain and run-length) and 24 bits,
// icons of one and of several sizes (bitmap and PNG images), still, interlaced and
// animated GIFs, baseline, progressive and grey JPEGs, and PNGs of every colour type,
// 16-bit and interlaced. The tests load each one too.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace seeds {

struct SeedPicture
{
    QString name; // with the format's usual extension
    QByteArray bytes;
};

QList<SeedPicture> seedPictures();

// The picture as Qt writes it in a format ("bmp", "jpeg", "png", "xpm"...).
QByteArray written(const QImage &image, const char *format, bool progressive = false);

} // namespace seeds

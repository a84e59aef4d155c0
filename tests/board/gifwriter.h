#pragma once

// Writes a GIF, which Qt reads but cannot write: 2 bits of red, 3 of green and 2 of blue,
// stored uncompressed as eight-bit codes (a clear code every 100 keeps them eight bits).
// A picture with transparent pixels (alpha below 128) makes black the transparent colour.

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace gifwriter {

inline bool write(const QString &path, const QImage &picture)
{
    const int width = picture.width(), height = picture.height();
    const quint32 sizeField = qToLittleEndian(quint32(height) << 16 | quint32(width));
    const QByteArray size(reinterpret_cast<const char *>(&sizeField), 4);
    QByteArray out = "GIF89a" + size + QByteArray("\xF6\0\0", 3); // 128 colours
    for (int i = 0; i < 128; ++i)
        out +=
            QByteArray(1, char((i >> 5) * 85)) + char((i >> 2 & 7) * 255 / 7) + char((i & 3) * 85);
    if (picture.hasAlphaChannel())
        out += QByteArray("\x21\xF9\x04\x01\0\0\0\0", 8); // colour 0 is transparent
    out += QByteArray("\x2C\0\0\0\0", 5) + size + QByteArray("\0\x07", 2);
    QByteArray codes;
    for (int i = 0; i < width * height; ++i) {
        const QRgb pixel = picture.pixel(i % width, i / width);
        if (i % 100 == 0)
            codes += char(128);
        const int code = (qRed(pixel) >> 6) << 5 | (qGreen(pixel) >> 5) << 2 | qBlue(pixel) >> 6;
        codes += char(qAlpha(pixel) < 128 ? 0 : code);
    }
    codes += char(129);
    for (qsizetype at = 0; at < codes.size(); at += 255)
        out += char(qMin<qsizetype>(255, codes.size() - at)) + codes.mid(at, 255);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out + QByteArray("\0;", 2)) >= 0;
}

} // namespace gifwriter

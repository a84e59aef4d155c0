#pragma once

// PNG and BMP files at every bit depth and colour type the formats have, each a 2 x 2
// checkerboard of two colours. Qt writes no 2- or 4-bit PNG, no grey with alpha and no
// 16- or 32-bit BMP, so those bytes are put together here.

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QtEndian>

#include <array>

namespace rawpictures {

// A bitmap's file and information headers and a palette of one grey; the pixels follow.
inline QByteArray bmpHeaders(qint32 width, qint32 height, quint16 bits, quint32 compression,
                             int colours)
{
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(0) << quint32(0) << quint32(54 + 4 * colours)
        << quint32(40) << width << height << quint16(1) << bits << compression << quint32(0)
        << quint32(0) << quint32(0) << quint32(colours) << quint32(0);
    return bmp + QByteArray::fromHex("ff808000").repeated(colours);
}

// A GIF of one black pixel: screen 1 x 1, two colours, the image; no trailer.
inline const QByteArray onePixelGif =
    QByteArray::fromHex("474946383961010001008000000000 00ffffff 2c000000000100010000 0202440100");

inline bool firstColour(int x, int y, int width, int height)
{
    return (x * 2 / width + y * 2 / height) % 2 == 0;
}

inline const std::array<QRgb, 2> bmpColours = {qRgb(200, 30, 90), qRgb(20, 160, 40)};

// The two colours a PNG shows: grey ones black and a grey two thirds up the scale of their
// depth (white at 1 bit), the others those of the BMPs.
inline std::array<QRgb, 2> pngColours(int colourType, int depth)
{
    const int grey = depth == 1 ? 255 : 170;
    if (colourType == 0 || colourType == 4)
        return {qRgb(0, 0, 0), qRgb(grey, grey, grey)};
    return bmpColours;
}

// colourType: 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA; alpha is opaque.
inline QByteArray png(int width, int height, int colourType, int depth)
{
    const auto bigEndian = [](quint32 value) {
        return QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
    };
    const auto chunk = [&](const char *type, const QByteArray &data) {
        const QByteArray typed = type + data;
        quint32 crc = ~0u;
        for (const char c : typed) {
            crc ^= quint8(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return bigEndian(quint32(data.size())) + typed + bigEndian(~crc);
    };
    const std::array<QRgb, 2> colours = pngColours(colourType, depth);
    const quint32 top = (1u << depth) - 1;
    // Each colour's samples at the depth: a palette index, or grey or RGB, then alpha.
    std::array<QList<quint32>, 2> samples;
    QByteArray palette;
    for (const int i : {0, 1}) {
        const QRgb c = colours[std::size_t(i)];
        palette += char(qRed(c)) + QByteArray(1, char(qGreen(c))) + char(qBlue(c));
        const auto scaled = [top](int v) { return quint32(v) * top / 255; };
        if (colourType == 3)
            samples[i] = {quint32(i)};
        else if (colourType & 2)
            samples[i] = {scaled(qRed(c)), scaled(qGreen(c)), scaled(qBlue(c))};
        else
            samples[i] = {scaled(qRed(c))};
        if (colourType & 4)
            samples[i].append(top);
    }
    QByteArray raw; // zlib's stream, without the length qCompress puts first
    for (int y = 0; y < height; ++y) {
        raw += '\0'; // filter: none
        quint32 bits = 0;
        int pending = 0; // bits not yet in a byte, the most significant first
        for (int x = 0; x < width; ++x) {
            for (const quint32 sample : samples[firstColour(x, y, width, height) ? 0 : 1]) {
                bits = bits << depth | sample;
                for (pending += depth; pending >= 8; pending -= 8)
                    raw += char(bits >> (pending - 8));
            }
        }
        if (pending > 0)
            raw += char(bits << (8 - pending));
    }
    const QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height)) +
                              QByteArray(1, char(depth)) + char(colourType) + QByteArray(3, '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           (colourType == 3 ? chunk("PLTE", palette) : QByteArray()) +
           chunk("IDAT", qCompress(raw).mid(4)) + chunk("IEND", {});
}

// A bitmap of 1, 4, 8 (palette), 16 (5-5-5), 24 or 32 bits a pixel, stored bottom up.
inline QByteArray bmp(int width, int height, int bits)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, bmpColours[firstColour(x, y, width, height) ? 0 : 1]);
    }
    if (bits == 16 || bits == 32) { // QImage's rows are the bitmap's, 4-byte aligned
        const QImage rows =
            picture.convertToFormat(bits == 16 ? QImage::Format_RGB555 : QImage::Format_RGB32);
        QByteArray file = bmpHeaders(width, height, quint16(bits), 0, 0);
        for (int y = height - 1; y >= 0; --y)
            file.append(reinterpret_cast<const char *>(rows.constScanLine(y)), rows.bytesPerLine());
        return file;
    }
    // Qt writes 1 bit for Mono, 4 for a palette of 16 colours or fewer, 8 for a larger one.
    QList<QRgb> palette(bmpColours.begin(), bmpColours.end());
    if (bits == 8)
        palette.resize(17, qRgb(0, 0, 0));
    if (bits < 24)
        picture = picture.convertToFormat(bits == 1 ? QImage::Format_Mono : QImage::Format_Indexed8,
                                          palette, Qt::ThresholdDither);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    picture.save(&file, "BMP");
    return file.data();
}

} // namespace rawpictures

#pragma once

// PNG and BMP files written byte by byte, at every bit depth and colour type the formats
// have (Qt writes only a few of them). Each picture is a 2 x 2 checkerboard of two
// colours; `which(x, y)` says which colour a pixel takes.

#include <QByteArray>
#include <QRgb>
#include <QtEndian>

#include <array>
#include <functional>

namespace rawpictures {

using Which = std::function<int(int x, int y)>;

inline Which checkerboard(int width, int height)
{
    return [width, height](int x, int y) { return (x * 2 / width + y * 2 / height) % 2; };
}

namespace detail {

inline quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray littleEndian(quint32 value, int size)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes.left(size);
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out += char(v);
    return out;
}

inline QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc32(typed));
}

// Appends `value` of `bits` bits to a row, most significant bits first.
inline void put(QByteArray &row, int &bitAt, quint32 value, int bits)
{
    for (int k = bits - 1; k >= 0; --k) {
        if (bitAt % 8 == 0)
            row.append('\0');
        if (value >> k & 1)
            row[row.size() - 1] = char(quint8(row.back()) | (0x80 >> (bitAt % 8)));
        ++bitAt;
    }
}

} // namespace detail

// The two colours a picture of the given PNG colour type and depth shows: grey pictures
// black and a grey two thirds up the scale, the others two colours.
inline std::array<QRgb, 2> pngColours(int colourType, int depth)
{
    if (colourType == 0 || colourType == 4) {
        const int top = (1 << qMin(depth, 8)) - 1;
        const int grey = qMax(1, top * 2 / 3) * 255 / top;
        return {qRgb(0, 0, 0), qRgb(grey, grey, grey)};
    }
    return {qRgb(200, 30, 90), qRgb(20, 160, 40)};
}

// colourType: 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA; alpha is opaque.
inline QByteArray png(int width, int height, int colourType, int depth, const Which &which)
{
    using namespace detail;
    const std::array<QRgb, 2> colours = pngColours(colourType, depth);
    const quint32 top = (1u << depth) - 1;
    QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height));
    header += char(depth);
    header += char(colourType);
    header += QByteArray(3, '\0');
    QByteArray palette;
    for (const QRgb c : colours)
        palette += bytes({qRed(c), qGreen(c), qBlue(c)});

    QByteArray raw;
    for (int y = 0; y < height; ++y) {
        QByteArray row;
        int bitAt = 0;
        for (int x = 0; x < width; ++x) {
            const int i = which(x, y);
            const QRgb c = colours[std::size_t(i)];
            // A channel of 8 bits scaled to the depth (16 bits: the byte repeated).
            const auto sample = [depth](int v) {
                return depth == 16 ? quint32(v) * 257 : quint32(v);
            };
            switch (colourType) {
            case 0:
            case 4:
                put(row, bitAt,
                    i == 0 ? 0 : (depth == 16 ? sample(qRed(c)) : qMax(1u, top * 2 / 3)), depth);
                if (colourType == 4)
                    put(row, bitAt, top, depth);
                break;
            case 3:
                put(row, bitAt, quint32(i), depth);
                break;
            default:
                for (const int v : {qRed(c), qGreen(c), qBlue(c)})
                    put(row, bitAt, sample(v), depth);
                if (colourType == 6)
                    put(row, bitAt, top, depth);
            }
        }
        raw += '\0' + row; // filter: none
    }
    const QByteArray zlib = qCompress(raw).mid(4); // qCompress puts the length first
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           (colourType == 3 ? chunk("PLTE", palette) : QByteArray()) + chunk("IDAT", zlib) +
           chunk("IEND", {});
}

// The two colours a BMP shows: 16-bit pixels keep 5 bits a channel.
inline std::array<QRgb, 2> bmpColours(int bits)
{
    if (bits == 16)
        return {qRgb(200 & 0xF8, 30 & 0xF8, 90 & 0xF8), qRgb(20 & 0xF8, 160 & 0xF8, 40 & 0xF8)};
    return {qRgb(200, 30, 90), qRgb(20, 160, 40)};
}

// An uncompressed bitmap of 1, 4, 8 (palette), 16 (5-5-5), 24 or 32 bits a pixel,
// stored bottom up.
inline QByteArray bmp(int width, int height, int bits, const Which &which)
{
    using namespace detail;
    const std::array<QRgb, 2> colours = bmpColours(bits);
    const int paletteEntries = bits <= 8 ? (1 << bits) : 0;
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int dataOffset = 54 + 4 * paletteEntries;
    QByteArray file = "BM" + littleEndian(quint32(dataOffset + rowBytes * height), 4) +
                      littleEndian(0, 4) + littleEndian(quint32(dataOffset), 4);
    file += littleEndian(40, 4) + littleEndian(quint32(width), 4) +
            littleEndian(quint32(height), 4) + littleEndian(1, 2) + littleEndian(quint32(bits), 2) +
            littleEndian(0, 4) + littleEndian(quint32(rowBytes * height), 4) +
            littleEndian(2835, 4) + littleEndian(2835, 4) +
            littleEndian(quint32(paletteEntries), 4) + littleEndian(0, 4);
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb c = colours[std::size_t(qMin(i, 1))];
        file += bytes({qBlue(c), qGreen(c), qRed(c), 0});
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row;
        int bitAt = 0;
        for (int x = 0; x < width; ++x) {
            const int i = which(x, y);
            const QRgb c = colours[std::size_t(i)];
            if (bits <= 8) {
                put(row, bitAt, quint32(i), bits);
            } else if (bits == 16) {
                row += littleEndian(
                    quint32(qRed(c) >> 3 << 10 | qGreen(c) >> 3 << 5 | qBlue(c) >> 3), 2);
            } else {
                row += bytes({qBlue(c), qGreen(c), qRed(c)});
                if (bits == 32)
                    row += '\0';
            }
        }
        file += row.leftJustified(rowBytes, '\0');
    }
    return file;
}

} // namespace rawpictures

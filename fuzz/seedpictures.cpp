#include "seedpictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

namespace seeds {
namespace {

QImage gradient(int width, int height, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgba(x * 255 / width, y * 255 / height, 128, 128 + x * 127 / width));
    return image;
}

template <typename T> QByteArray little(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian<T>(value, bytes.data());
    return bytes;
}

// A bitmap of run-length codes: each row is one run of colour 1, then end of line.
QByteArray runLengthBitmap(int bits)
{
    const int width = 12, height = 6, colours = 1 << bits;
    QByteArray runs;
    for (int y = 0; y < height; ++y)
        runs += QByteArray(1, char(width)) + char(bits == 4 ? 0x12 : y) + QByteArray(2, '\0');
    runs += QByteArray::fromHex("0001"); // end of bitmap
    const quint32 offset = 54 + 4 * colours;
    QByteArray bmp = "BM" + little<quint32>(offset + runs.size()) + little<quint32>(0) +
                     little<quint32>(offset) + little<quint32>(40) + little<qint32>(width) +
                     little<qint32>(height) + little<quint16>(1) + little<quint16>(bits) +
                     little<quint32>(bits == 4 ? 2 : 1) + little<quint32>(runs.size()) +
                     QByteArray(8, '\0') + little<quint32>(colours) + little<quint32>(0);
    for (int i = 0; i < colours; ++i)
        bmp += little<quint32>(0x00102030u * i);
    return bmp + runs;
}

// An icon of several images: the bitmaps Qt writes for each size, and a PNG.
QByteArray iconOfSizes()
{
    QList<QByteArray> images;
    QList<QByteArray> entries;
    for (int side : {16, 32, 48}) {
        const QByteArray single = written(gradient(side, side), "ico");
        entries.append(single.mid(6, 8)); // sides, colours, planes, bits
        images.append(single.mid(22));
    }
    images.append(written(gradient(64, 64), "png"));
    entries.append(QByteArray::fromHex("40400000") + little<quint16>(1) + little<quint16>(32));
    QByteArray ico = QByteArray::fromHex("00000100") + little<quint16>(quint16(images.size()));
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        ico += entries[i] + little<quint32>(images[i].size()) + little<quint32>(offset);
        offset += images[i].size();
    }
    for (const QByteArray &image : images)
        ico += image;
    return ico;
}

// GIF pixel data of 2-bit colours; a clear code before every pixel keeps all codes
// three bits wide, so no code table has to be built.
QByteArray gifPixels(int count, int shift)
{
    constexpr int Clear = 4, End = 5;
    QByteArray codes;
    quint32 pending = 0;
    int bits = 0;
    auto put = [&](int code) {
        pending |= quint32(code) << bits;
        for (bits += 3; bits >= 8; bits -= 8, pending >>= 8)
            codes += char(pending & 0xFF);
    };
    for (int i = 0; i < count; ++i) {
        put(Clear);
        put((i / 3 + shift) % 4);
    }
    put(End);
    if (bits > 0)
        codes += char(pending & 0xFF);
    QByteArray blocks("\x02", 1); // LZW minimum code size
    for (qsizetype at = 0; at < codes.size(); at += 255)
        blocks += char(qMin<qsizetype>(255, codes.size() - at)) + codes.mid(at, 255);
    return blocks + QByteArray(1, '\0');
}

struct GifFrame
{
    bool interlaced = false;
    int disposal = 0;
    bool transparent = false;
};

QByteArray gif(const QList<GifFrame> &frames)
{
    const int width = 10, height = 8;
    QByteArray out = "GIF89a" + little<quint16>(width) + little<quint16>(height) +
                     QByteArray::fromHex("810000") +
                     QByteArray::fromHex("000000ff0000"
                                         "00ff000000ff");
    if (frames.size() > 1)
        out += QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" +
               QByteArray::fromHex("030100"
                                   "0000");
    out += QByteArray::fromHex("21fe05") + "seeds" + QByteArray(1, '\0'); // a comment
    for (int i = 0; i < frames.size(); ++i) {
        const GifFrame &frame = frames[i];
        out += QByteArray::fromHex("21f904") + char(frame.disposal << 2 | int(frame.transparent)) +
               little<quint16>(10) + QByteArray::fromHex("0000");
        out += "\x2C" + little<quint16>(i) + little<quint16>(i) + little<quint16>(width - i) +
               little<quint16>(height - i) + char(frame.interlaced ? 0x40 : 0);
        out += gifPixels((width - i) * (height - i), i);
    }
    return out + ";";
}

// A 5 x 5 16-bit RGB PNG, Adam7 interlaced (Qt writes no interlaced PNG).
QByteArray interlacedPng()
{
    return QByteArray::fromHex(
        "89504e470d0a1a0a0000000d4948445200000005000000051002000001259a5d670000003649444154"
        "08d775ccb10d00200c03c1cb668cc6668c660a0a42811bbff49625e0545dec405213534fb581c73f3f"
        "b5c2f04b0dacfcf4064b0413f60ba25a2e0000000049454e44ae426082");
}

} // namespace

QByteArray written(const QImage &image, const char *format, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QList<SeedPicture> seedPictures()
{
    const QImage colour = gradient(24, 16, QImage::Format_RGB32);
    QImage palette = colour.convertToFormat(QImage::Format_Indexed8);
    QImage grey = colour.convertToFormat(QImage::Format_Grayscale8);
    QImage mono = colour.convertToFormat(QImage::Format_Mono);
    return {
        {"mono.bmp", written(mono, "bmp")},
        {"palette.bmp", written(palette, "bmp")},
        {"colour.bmp", written(colour, "bmp")},
        {"runs8.bmp", runLengthBitmap(8)},
        {"runs4.bmp", runLengthBitmap(4)},
        {"single.ico", written(gradient(32, 32), "ico")},
        {"sizes.ico", iconOfSizes()},
        {"still.gif", gif({GifFrame{}})},
        {"interlaced.gif", gif({GifFrame{true}})},
        {"animated.gif", gif({GifFrame{false, 3, true}, GifFrame{true, 2}, GifFrame{}})},
        {"baseline.jpg", written(colour, "jpeg")},
        {"progressive.jpg", written(colour, "jpeg", true)},
        {"grey.jpg", written(grey, "jpeg")},
        {"colour.png", written(colour, "png")},
        {"alpha.png", written(gradient(24, 16), "png")},
        {"palette.png", written(palette, "png")},
        {"grey.png", written(grey, "png")},
        {"deep.png", written(gradient(8, 8).convertToFormat(QImage::Format_RGBA64), "png")},
        {"interlaced.png", interlacedPng()},
    };
}

} // namespace seeds

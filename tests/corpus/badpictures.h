#pragma once

// A corpus of broken picture files, written into a folder by the tests that need it:
// each one is of a kind a player may meet (an empty download, a cut-off copy, a file
// renamed to the wrong extension) or of a kind an attacker may craft (a header that
// claims an enormous picture).

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QtEndian>

struct BadPicture
{
    QString name;        // file name, with the extension the dialog's pattern lists
    QString description; // what is wrong with it
};

namespace badpictures {

inline QByteArray encoded(const char *format, int width = 64, int height = 48)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x ^ y) * 3));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The game's own title picture cut off a little way into its pixels (Qt writes no GIF).
inline QByteArray cutGif()
{
    QFile title(QStringLiteral(":/pictures/title.gif"));
    title.open(QIODevice::ReadOnly);
    return title.readAll().left(2000);
}

// A GIF whose logical screen and image descriptor claim 65535 x 65535 pixels.
inline QByteArray hugeGif()
{
    QByteArray gif("GIF89a");
    gif += QByteArray::fromHex("ffffffff"
                               "800000"); // 65535 x 65535, global colour table of 2
    gif += QByteArray::fromHex("000000ffffff");
    gif += QByteArray::fromHex("2c"
                               "00000000"
                               "ffffffff"
                               "00"); // image descriptor
    gif += QByteArray::fromHex("02"
                               "02"
                               "4401"
                               "00"
                               "3b");
    return gif;
}

// An icon whose directory points its one image far beyond the end of the file.
inline QByteArray brokenIcon()
{
    QByteArray ico = QByteArray::fromHex("0000"
                                         "0100"
                                         "0100"); // reserved, type icon, 1 image
    ico += QByteArray::fromHex("20"
                               "20"
                               "00"
                               "00"
                               "0100"
                               "2000"); // 32 x 32, 1 plane, 32 bpp
    ico += QByteArray::fromHex("00100000"
                               "ffffff7f"); // 4096 bytes at offset 2^31-1
    ico += QByteArray(16, '\0');
    return ico;
}

// A valid JPEG whose frame header is patched to claim a width of 65000.
inline QByteArray hugeWidthJpeg()
{
    QByteArray jpeg = encoded("JPEG");
    for (int i = 0; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            qToBigEndian<quint16>(65000, jpeg.data() + i + 7);
            break;
        }
    }
    return jpeg;
}

// Writes the corpus into a folder and lists it.
inline QList<BadPicture> write(const QDir &folder)
{
    const QList<std::pair<BadPicture, QByteArray>> files = {
        {{QStringLiteral("empty.jpg"), QStringLiteral("zero bytes")}, QByteArray()},
        {{QStringLiteral("cut.jpg"), QStringLiteral("a JPEG cut off after its header")},
         encoded("JPEG").left(300)},
        {{QStringLiteral("cut.gif"), QStringLiteral("a GIF cut off in its first image")}, cutGif()},
        {{QStringLiteral("notes.bmp"), QStringLiteral("a text file named .bmp")},
         QByteArray("These are notes, not a bitmap.\n")},
        {{QStringLiteral("huge.gif"), QStringLiteral("a GIF claiming 65535 x 65535")}, hugeGif()},
        {{QStringLiteral("broken.ico"), QStringLiteral("an icon with a broken directory")},
         brokenIcon()},
        {{QStringLiteral("wide.jpg"), QStringLiteral("a JPEG with a bogus huge width")},
         hugeWidthJpeg()},
    };
    QList<BadPicture> corpus;
    for (const auto &[picture, bytes] : files) {
        QFile file(folder.filePath(picture.name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        corpus.append(picture);
    }
    return corpus;
}

} // namespace badpictures

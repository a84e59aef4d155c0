#pragma once

// Hostile picture files, made at a path: what a player may meet (an empty download, a cut-off
// copy, a pipe) or an attacker craft (an enormous claimed size, another format dressed up).

#include <QFile>
#include <QImage>
#include <QList>
#include <QRegularExpression>
#include <QtEndian>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "benchsupport.h"
#include "rawpictures.h"
#include "seedpictures.h"

struct BadPicture
{
    QString name;        // file name, with an extension the dialog's pattern lists
    QString description; // what is wrong with it
    QString reason;      // a part of the reason the loader gives
    std::function<bool(const QString &path)> make;
    int budgetMb = 0; // the most a load may grow the peak memory by, when measured
};

namespace badpictures {

inline QByteArray encoded(const char *format, int width = 64, int height = 48,
                          bool progressive = false)
{
    return seeds::written(bench::testPicture(width, height), format, progressive);
}

// A JPEG whose frame header is patched to claim another size.
inline QByteArray jpegClaiming(QByteArray jpeg, quint16 width, quint16 height)
{
    static const QRegularExpression frame(QStringLiteral("\\xFF[\\xC0\\xC2]"));
    const qsizetype at = QString::fromLatin1(jpeg).indexOf(frame);
    if (at >= 0 && at + 9 <= jpeg.size()) {
        qToBigEndian<quint16>(height, jpeg.data() + at + 5);
        qToBigEndian<quint16>(width, jpeg.data() + at + 7);
    }
    return jpeg;
}

// A progressive JPEG claiming another size, with enough coded data (zeros) for it.
inline QByteArray paddedProgressiveJpeg(quint16 width, quint16 height, int padding)
{
    const QByteArray jpeg = jpegClaiming(encoded("jpeg", 8, 8, true), width, height);
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const qsizetype data = scan + 2 + qFromBigEndian<quint16>(jpeg.constData() + scan + 2);
    return jpeg.left(data) + QByteArray(padding, '\0') + jpeg.mid(data);
}

// The game's own title picture cut off a little way into its pixels (Qt writes no GIF).
inline QByteArray cutGif()
{
    QFile title(QStringLiteral(":/pictures/title.gif"));
    return title.open(QIODevice::ReadOnly) ? title.readAll().left(2000) : QByteArray();
}

// A one-pixel GIF whose logical screen and image descriptor claim another size.
inline QByteArray gifClaiming(quint16 width, quint16 height)
{
    QByteArray gif = rawpictures::onePixelGif + '\x3b'; // and its trailer
    for (int at : {6, 24}) {
        qToLittleEndian<quint16>(width, gif.data() + at);
        qToLittleEndian<quint16>(height, gif.data() + at + 2);
    }
    return gif;
}

inline std::function<bool(const QString &)> bytes(const QByteArray &content)
{
    return [content](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    };
}

// A PNG whose header is sound but whose image data is garbage: only the decoder finds out.
inline QByteArray garbledPng()
{
    QByteArray png = encoded("png");
    const qsizetype data = png.indexOf("IDAT") + 4;
    for (qsizetype i = data; i < data + 16 && i < png.size(); ++i)
        png[i] = char(0xA5);
    return png;
}

// Every hostile file, for a table of test rows.
inline QList<BadPicture> all()
{
    const QByteArray jpeg = encoded("jpeg");
    return {
        {"gone.jpg", "a file that is gone", "見つかりません", [](const QString &) { return true; }},
        {"empty.jpg", "zero bytes", "空", bytes({})},
        {"cut.jpg", "a JPEG cut off after its header", "切れて", bytes(jpeg.left(300))},
        {"cut.gif", "a GIF cut off in its first image", "切れて", bytes(cutGif())},
        {"notes.bmp", "a text file named .bmp", "形式", bytes("These are notes, not a bitmap.\n")},
        // In the game's words, never the image library's ("Unable to read image data").
        {"garbled.png", "a PNG with garbage for image data", "データが壊れています",
         bytes(garbledPng())},
        {"huge.gif", "a GIF claiming 65535 x 65535", "65535 × 65535",
         bytes(gifClaiming(65535, 65535))},
        {"vast.gif", "a GIF claiming 20000 x 20000", "20000 × 20000",
         bytes(gifClaiming(20000, 20000))},
        // Its directory points the one image far beyond the end of the file.
        {"broken.ico", "an icon with a broken directory", "切れて",
         bytes(QByteArray::fromHex("000001000100202000000100200000100000ffffff7f") +
               QByteArray(16, '\0'))},
        {"wide.jpg", "a JPEG with a bogus huge width", "65000 × 48",
         bytes(jpegClaiming(jpeg, 65000, 48))},
        {"fifo.jpg", "a FIFO", "通常のファイルではない",
         [](const QString &p) { return mkfifo(qPrintable(p), 0600) == 0; }},
        {"folder.jpg", "a folder", "フォルダー",
         [](const QString &p) { return mkdir(qPrintable(p), 0700) == 0; }},
        {"zero.jpg", "a link to a device", "通常のファイルではない",
         [](const QString &p) { return QFile::link(QStringLiteral("/dev/zero"), p); }},
        {"loop.gif", "a link to itself", "循環",
         [](const QString &p) { return QFile::link(p, p); }},
        {"sparse.jpg", "a sparse 4 GiB file starting like a JPEG", "4096 MB",
         [jpeg](const QString &p) {
             return bytes(jpeg.left(600))(p) && truncate(qPrintable(p), qint64(4) << 30) == 0;
         },
         64},
        {"deep.jpg", "a progressive JPEG claiming 30000 x 6666", "足りません",
         bytes(jpegClaiming(encoded("jpeg", 8, 8, true), 30000, 6666)), 256},
        {"deeper.jpg", "a progressive JPEG of 12000 x 12000 with all its data", "大きすぎて",
         bytes(paddedProgressiveJpeg(12000, 12000, 300'000)), 256},
        {"runs.bmp", "a run-length BMP claiming 30000 x 6666", "大きすぎて",
         bytes(rawpictures::bmpHeaders(30000, 6666, 8, 1, 256) + QByteArray::fromHex("0001")), 256},
        {"mono.bmp", "a cut-off 1-bit BMP claiming 14142 x 14142", "切れて",
         bytes((rawpictures::bmpHeaders(14142, 14142, 1, 0, 2) + QByteArray(4096, '\x55'))
                   .left(4096)),
         256},
        {"photo.jpg", "a WebP named .jpg", "形式",
         bytes(QByteArray::fromHex("524946461c000000574542505650384c0f0000002f000000000710fd8ffe07"
                                   "22a2ff0100"))},
        {"icon.gif", "an XPM named .gif", "形式", bytes(encoded("xpm", 4, 4))},
    };
}

} // namespace badpictures

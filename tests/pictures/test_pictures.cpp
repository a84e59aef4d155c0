// The picture loader on good pictures, read back in pixels at a size that needs scaling:
// every bit depth and colour type of PNG and BMP in its own colours, photographs the way
// their camera was held, a GIF with something odd after its first image.

#include <QBuffer>
#include <QTest>

#include "picture.h"
#include "rawpictures.h"

#include <array>

using pictures::DecodePicture;
using pictures::LoadedPicture;

namespace {

LoadedPicture decode(const QByteArray &bytes, const QSize &size)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return DecodePicture(buffer, size);
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 12 && qAbs(qGreen(a) - qGreen(b)) <= 12 &&
           qAbs(qBlue(a) - qBlue(b)) <= 12;
}

// What the middle of a quarter shows where it is not the colour expected (top left, top
// right, bottom left, bottom right); empty when all are.
QString quartersDiffer(const QImage &image, const std::array<QRgb, 4> &expected)
{
    const int w = image.width(), h = image.height();
    for (int i = 0; i < 4; ++i) {
        const QRgb shown = image.pixel(w * (1 + i % 2 * 2) / 4, h * (1 + i / 2 * 2) / 4);
        if (!near(shown, expected[std::size_t(i)]))
            return QString::asprintf("quarter %d of %d x %d: #%06x", i, w, h, shown & 0xFFFFFF);
    }
    return QString();
}

// A JPEG of 80 x 40 in four coloured quarters, with an Exif orientation tag (0: none).
QByteArray orientedJpeg(int orientation)
{
    QImage picture(80, 40, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 80; ++x)
            picture.setPixel(x, y, colours[(y / 20) * 2 + x / 40]);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "jpeg");
    QByteArray jpeg = buffer.data();
    if (orientation == 0)
        return jpeg;
    // APP1 "Exif": a big-endian TIFF header and one entry, Orientation (0x0112), a SHORT.
    QByteArray exif = QByteArray::fromHex("ffe10022457869660000"     // APP1, length 34, "Exif\0\0"
                                          "4d4d002a00000008"         // "MM", 42, directory at 8
                                          "0001"                     // one entry
                                          "011200030000000100000000" // orientation, value below
                                          "00000000");               // no next directory
    exif[10 + 8 + 2 + 9] = char(orientation);
    return jpeg.insert(2, exif);
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    // Mended: a 1-bit PNG scaled by Qt's decoder came out as black-and-white noise.
    void everyBitDepthShowsItsOwnColours_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRgb>("first");
        QTest::addColumn<QRgb>("second");
        const int w = 300, h = 200;
        const std::tuple<const char *, int, QList<int>> pngs[] = {{"grey", 0, {1, 2, 4, 8, 16}},
                                                                  {"RGB", 2, {8, 16}},
                                                                  {"palette", 3, {1, 2, 4, 8}},
                                                                  {"grey and alpha", 4, {8, 16}},
                                                                  {"RGBA", 6, {8, 16}}};
        for (const auto &[name, type, depths] : pngs) {
            for (const int depth : depths) {
                const auto colours = rawpictures::pngColours(type, depth);
                QTest::addRow("PNG %s, %d-bit", name, depth)
                    << rawpictures::png(w, h, type, depth) << colours[0] << colours[1];
            }
        }
        for (const int bits : {1, 4, 8, 16, 24, 32})
            QTest::addRow("BMP %d-bit", bits)
                << rawpictures::bmp(w, h, bits) << rawpictures::bmpColours[0]
                << rawpictures::bmpColours[1];
    }
    void everyBitDepthShowsItsOwnColours()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRgb, first);
        QFETCH(QRgb, second);
        const QSize board(93, 71); // smaller than the picture, and not by a whole factor

        const LoadedPicture picture = decode(file, board);

        QVERIFY2(picture.ok(), qPrintable(picture.reason));
        QCOMPARE(picture.image.size(), board);
        const QString wrong = quartersDiffer(picture.image, {first, second, second, first});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // Within a quarter the colour is even, not dithered into noise.
        for (int x = 5; x < board.width() / 2 - 5; ++x)
            QVERIFY2(near(picture.image.pixel(x, 10), first), qPrintable(QString::number(x)));
    }

    // Each of the eight Exif orientations shows the picture upright, at its turned size,
    // whole and scaled. The quarters, stored: red, green / blue, yellow.
    void photographsShowTheWayTheCameraWasHeld_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("quarters"); // shown: top left, top right, bottom left, right
        QTest::addColumn<QSize>("shownSize");
        const QSize wide(80, 40), tall(40, 80);
        QTest::newRow("no tag") << 0 << "RGBY" << wide;
        QTest::newRow("1 upright") << 1 << "RGBY" << wide;
        QTest::newRow("2 mirrored") << 2 << "GRYB" << wide;
        QTest::newRow("3 upside down") << 3 << "YBGR" << wide;
        QTest::newRow("4 mirrored upside down") << 4 << "BYRG" << wide;
        QTest::newRow("5 mirrored, on its side") << 5 << "RBGY" << tall;
        QTest::newRow("6 turned right") << 6 << "BRYG" << tall;
        QTest::newRow("7 mirrored, on its other side") << 7 << "YGBR" << tall;
        QTest::newRow("8 turned left") << 8 << "GYRB" << tall;
    }
    void photographsShowTheWayTheCameraWasHeld()
    {
        QFETCH(int, orientation);
        QFETCH(QString, quarters);
        QFETCH(QSize, shownSize);
        const QMap<QChar, QRgb> colour{{'R', qRgb(255, 0, 0)},
                                       {'G', qRgb(0, 255, 0)},
                                       {'B', qRgb(0, 0, 255)},
                                       {'Y', qRgb(255, 255, 0)}};
        std::array<QRgb, 4> expected;
        for (std::size_t i = 0; i < 4; ++i)
            expected[i] = colour[quarters[int(i)]];
        const QByteArray jpeg = orientedJpeg(orientation);
        for (const QSize &size : {QSize(), shownSize / 2 + QSize(1, 3)}) {
            const LoadedPicture picture = decode(jpeg, size);
            QVERIFY2(picture.ok(), qPrintable(picture.reason));
            QCOMPARE(picture.originalSize, shownSize);
            QCOMPARE(picture.image.size(), size.isValid() ? size : shownSize);
            const QString wrong = quartersDiffer(picture.image, expected);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
    }

    // Other readers show the first image of a GIF whatever follows it; so does the game.
    // A header beyond reason is named for what it is, not as a file cut off.
    void refusalsNameTheRealReason_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");              // a part of it; empty: the picture loads
        const QByteArray &gif = rawpictures::onePixelGif; // and then what follows it
        QTest::newRow("GIF, trailer") << gif + '\x3b' << QString();
        QTest::newRow("GIF, stray bytes after the image") << gif + "\x12garbage" << QString();
        QTest::newRow("GIF, no trailer") << gif << QString();
        QTest::newRow("GIF, a second image cut off")
            << gif + QByteArray("\x2c\0\0\0\0\x01", 6) << QString();
        QTest::newRow("GIF, first image cut off") << gif.left(gif.size() - 3) << "切れて";
        QByteArray vast = gif;
        vast[6] = vast[7] = vast[8] = vast[9] = '\xff';
        QTest::newRow("GIF, 65535 x 65535 screen, cut off") << vast.left(20) << "65535 × 65535";
        QByteArray sevenBits = rawpictures::bmp(8, 8, 8);
        sevenBits[28] = 7;
        QTest::newRow("BMP of 7 bits a pixel") << sevenBits << "1 画素 7 ビット";
        QByteArray zeroBits = sevenBits;
        zeroBits[28] = 0;
        QTest::newRow("BMP of 0 bits a pixel") << zeroBits << "1 画素 0 ビット";
        QByteArray huge = rawpictures::bmp(8, 8, 24);
        qToLittleEndian<quint32>(40000, huge.data() + 18);
        qToLittleEndian<quint32>(40000, huge.data() + 22);
        QTest::newRow("BMP claiming 40000 x 40000") << huge << "40000 × 40000";
    }
    void refusalsNameTheRealReason()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);

        const LoadedPicture picture = decode(file, QSize(4, 4));

        if (reason.isEmpty()) {
            QVERIFY2(picture.ok(), qPrintable(picture.reason));
            QCOMPARE(picture.image.pixel(2, 2), qRgb(0, 0, 0));
        } else {
            QVERIFY(!picture.ok());
            QVERIFY2(picture.reason.contains(reason), qPrintable(picture.reason));
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"

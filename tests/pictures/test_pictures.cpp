// The picture loader on good pictures: every bit depth and colour type of PNG and BMP in
// its own colours, photographs the way their camera was held, and a GIF with something
// odd after its first image. Pictures are read back in pixels, at a size that needs
// scaling, as the board asks for them. Hostile files are the corpus test's.

#include <QBuffer>
#include <QImageWriter>
#include <QTest>

#include "picture.h"
#include "rawpictures.h"

#include <array>

using platform::DecodePicture;
using platform::LoadedPicture;

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

QString rgb(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

// The middle of each quarter of a picture: top left, top right, bottom left, bottom right.
std::array<QRgb, 4> quarters(const QImage &image)
{
    const int w = image.width(), h = image.height();
    return {image.pixel(w / 4, h / 4), image.pixel(w * 3 / 4, h / 4), image.pixel(w / 4, h * 3 / 4),
            image.pixel(w * 3 / 4, h * 3 / 4)};
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
    QImageWriter(&buffer, "jpeg").write(picture);
    QByteArray jpeg = buffer.data();
    if (orientation == 0)
        return jpeg;
    // APP1 "Exif": a big-endian TIFF header and one directory entry, Orientation (0x0112),
    // a SHORT.
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
        const auto which = rawpictures::checkerboard(w, h);
        const struct
        {
            const char *name;
            int colourType;
            QList<int> depths;
        } pngs[] = {{"grey", 0, {1, 2, 4, 8, 16}},
                    {"RGB", 2, {8, 16}},
                    {"palette", 3, {1, 2, 4, 8}},
                    {"grey and alpha", 4, {8, 16}},
                    {"RGBA", 6, {8, 16}}};
        for (const auto &type : pngs) {
            for (const int depth : type.depths) {
                const auto colours = rawpictures::pngColours(type.colourType, depth);
                QTest::addRow("PNG %s, %d-bit", type.name, depth)
                    << rawpictures::png(w, h, type.colourType, depth, which) << colours[0]
                    << colours[1];
            }
        }
        for (const int bits : {1, 4, 8, 16, 24, 32}) {
            const auto colours = rawpictures::bmpColours(bits);
            QTest::addRow("BMP %d-bit", bits)
                << rawpictures::bmp(w, h, bits, which) << colours[0] << colours[1];
        }
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
        const std::array<QRgb, 4> expected = {first, second, second, first};
        const std::array<QRgb, 4> shown = quarters(picture.image);
        for (std::size_t i = 0; i < 4; ++i)
            QVERIFY2(near(shown[i], expected[i]),
                     qPrintable(QStringLiteral("quarter %1: %2, not %3")
                                    .arg(i)
                                    .arg(rgb(shown[i]), rgb(expected[i]))));
        // Within a quarter the colour is even, not dithered into noise.
        const QImage &image = picture.image;
        for (int x = 5; x < board.width() / 2 - 5; ++x)
            QVERIFY2(near(image.pixel(x, 10), first), qPrintable(QStringLiteral("x %1").arg(x)));
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
        const QByteArray jpeg = orientedJpeg(orientation);
        for (const QSize &size : {QSize(), shownSize / 2 + QSize(1, 3)}) {
            const LoadedPicture picture = decode(jpeg, size);
            QVERIFY2(picture.ok(), qPrintable(picture.reason));
            QCOMPARE(picture.originalSize, shownSize);
            QCOMPARE(picture.image.size(), size.isValid() ? size : shownSize);
            const std::array<QRgb, 4> shown = ::quarters(picture.image);
            for (std::size_t i = 0; i < 4; ++i)
                QVERIFY2(near(shown[i], colour[quarters[int(i)]]),
                         qPrintable(QStringLiteral("quarter %1 at %2 x %3: %4")
                                        .arg(i)
                                        .arg(picture.image.width())
                                        .arg(picture.image.height())
                                        .arg(rgb(shown[i]))));
        }
    }

    // Other readers show the first image of a GIF whatever follows it; so does the game.
    // A header beyond reason is named for what it is, not as a file cut off.
    void refusalsNameTheRealReason_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason"); // a part of it; empty: the picture loads
        // One black pixel: screen 1 x 1, two colours, the image, then what follows it.
        const QByteArray gif = QByteArray::fromHex("474946383961"
                                                   "01000100800000"
                                                   "000000ffffff"
                                                   "2c000000000100010000"
                                                   "0202440100");
        QTest::newRow("GIF, trailer") << gif + '\x3b' << QString();
        QTest::newRow("GIF, stray bytes after the image") << gif + "\x12garbage" << QString();
        QTest::newRow("GIF, no trailer") << gif << QString();
        QTest::newRow("GIF, a second image cut off") << gif + "\x2c\0\0\0\0\x01" << QString();
        QTest::newRow("GIF, first image cut off") << gif.left(gif.size() - 3) << "切れて";
        QByteArray vast = gif;
        vast[6] = vast[7] = vast[8] = vast[9] = '\xff';
        QTest::newRow("GIF, 65535 x 65535 screen, cut off") << vast.left(20) << "65535 × 65535";
        const auto which = rawpictures::checkerboard(8, 8);
        QByteArray sevenBits = rawpictures::bmp(8, 8, 8, which);
        sevenBits[28] = 7;
        QTest::newRow("BMP of 7 bits a pixel") << sevenBits << "1 画素 7 ビット";
        QByteArray zeroBits = sevenBits;
        zeroBits[28] = 0;
        QTest::newRow("BMP of 0 bits a pixel") << zeroBits << "1 画素 0 ビット";
        QByteArray huge = rawpictures::bmp(8, 8, 24, which);
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

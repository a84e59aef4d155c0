#include "testpictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "gifwriter.h"

namespace testpictures {

QImage coordinatePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    }
    return picture;
}

QPoint coordinateOf(QRgb pixel)
{
    return QPoint(qRed(pixel) | ((qBlue(pixel) >> 4) << 8),
                  qGreen(pixel) | ((qBlue(pixel) & 0xF) << 8));
}

QImage quadrantPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int quadrant = (x < width / 2 ? 0 : 1) + (y < height / 2 ? 0 : 2);
            picture.setPixel(x, y, QuadrantColours[quadrant].rgb());
        }
    }
    return picture;
}

QImage plainPicture(int width, int height, QColor colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool save(const QImage &picture, const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0)
        return gifwriter::write(path, picture);
    QImageWriter writer(path);
    writer.setQuality(95);
    return writer.write(picture);
}

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

} // namespace

void writeBroken(Broken kind, const QString &path)
{
    switch (kind) {
    case Broken::Missing:
        QFile::remove(path);
        break;
    case Broken::ZeroBytes:
        writeBytes(path, QByteArray());
        break;
    case Broken::TextNamedJpeg:
        writeBytes(path, "This is a shopping list, not a photograph.\nmilk\neggs\n");
        break;
    case Broken::TruncatedJpeg: {
        QByteArray jpeg;
        {
            QImageWriter writer(path, "jpeg");
            writer.write(quadrantPicture(120, 120));
        }
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            jpeg = file.readAll();
        file.close();
        writeBytes(path, jpeg.left(jpeg.size() / 2));
        break;
    }
    case Broken::GifClaimingHugeSize: {
        // A real two-by-two GIF whose screen and image headers claim 65535 x 65535.
        QByteArray gif = gifwriter::encode(plainPicture(2, 2, Qt::white));
        auto claim = [&gif](qsizetype at) {
            gif[at] = char(0xFF);
            gif[at + 1] = char(0xFF);
            gif[at + 2] = char(0xFF);
            gif[at + 3] = char(0xFF);
        };
        claim(6);                   // logical screen width and height
        claim(6 + 7 + 768 + 1 + 4); // image descriptor width and height
        writeBytes(path, gif);
        break;
    }
    }
}

} // namespace testpictures

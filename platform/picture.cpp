#include "picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstring>

namespace platform {
namespace {

// Enough for the largest accepted picture (MaxPicturePixels at four bytes a pixel)
// and a scaled copy of a small one, and no more.
constexpr int DecoderMemoryLimitMB = 1024;

LoadedPicture failure(const QString &reason)
{
    return LoadedPicture{QImage(), reason};
}

// Walks the marker segments of a JPEG file and tells whether they reach the
// end-of-image marker. The decoder fills a cut-off file with grey and calls it a
// success; a picture whose lower part is missing is better refused.
bool jpegReachesEnd(const uchar *data, qint64 size)
{
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    qint64 at = 2;
    while (at < size) {
        // Skip stray bytes and fill bytes up to the next marker code.
        const void *next = std::memchr(data + at, 0xFF, static_cast<std::size_t>(size - at));
        if (!next)
            return false;
        at = static_cast<const uchar *>(next) - data;
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            return false;
        const uchar marker = data[at++];
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a segment
        if (size - at < 2)
            return false;
        const int length = (data[at] << 8) | data[at + 1];
        if (length < 2 || size - at < length)
            return false;
        at += length;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data follows a start of scan, up to the first marker that is
        // neither a stuffed 0xFF00 nor a restart marker.
        while (true) {
            const void *ff = std::memchr(data + at, 0xFF, static_cast<std::size_t>(size - at));
            if (!ff)
                return false;
            at = static_cast<const uchar *>(ff) - data;
            if (size - at < 2)
                return false;
            const uchar code = data[at + 1];
            if (code == 0x00 || (code >= 0xD0 && code <= 0xD7))
                at += 2;
            else if (code == 0xFF)
                at += 1;
            else
                break;
        }
    }
    return false;
}

// Walks the blocks of a GIF file and tells whether they reach the trailer. Like a
// cut-off JPEG, a cut-off GIF decodes to a picture with its lower part missing.
bool gifReachesEnd(const uchar *data, qint64 size)
{
    if (size < 13)
        return false;
    // Skips a chain of data sub-blocks, ending after its zero-length terminator.
    auto skipSubBlocks = [&](qint64 &at) {
        while (at < size) {
            const uchar length = data[at++];
            if (length == 0)
                return true;
            at += length;
        }
        return false;
    };
    auto colourTableBytes = [](uchar flags) { return (flags & 0x80) ? 3 * (2 << (flags & 0x07)) : 0; };

    qint64 at = 13 + colourTableBytes(data[10]);
    while (at < size) {
        const uchar block = data[at++];
        if (block == 0x3B)
            return true;
        if (block == 0x21) { // extension: a label, then sub-blocks
            ++at;
            if (!skipSubBlocks(at))
                return false;
        } else if (block == 0x2C) { // image: descriptor, local colour table, LZW data
            if (size - at < 10)
                return false;
            at += 9 + colourTableBytes(data[at + 8]);
            ++at; // LZW minimum code size
            if (!skipSubBlocks(at))
                return false;
        } else {
            return false;
        }
    }
    return false;
}

bool reachesEnd(QFile &file, bool (*walk)(const uchar *, qint64))
{
    const qint64 size = file.size();
    uchar *data = file.map(0, size);
    if (!data)
        return true; // cannot look; the decoder's own checks still apply
    const bool complete = walk(data, size);
    file.unmap(data);
    return complete;
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

} // namespace

LoadedPicture LoadPicture(const QString &path, const QSize &size)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return failure(QStringLiteral("ファイルが見つかりません。"));
    if (info.isDir())
        return failure(QStringLiteral("フォルダーは画像として読み込めません。"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("ファイルを開けません：") + file.errorString());
    if (file.size() == 0)
        return failure(QStringLiteral("ファイルが空です。"));

    QImageReader::setAllocationLimit(DecoderMemoryLimitMB);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return failure(QStringLiteral("画像として読み込めません：") + reader.errorString());

    // The header's size decides before a single pixel is decoded; a header that does
    // not even tell its size is no picture to trust.
    const QSize claimed = reader.size();
    if (!claimed.isValid())
        return failure(QStringLiteral("画像の大きさが読み取れません。"));
    if (claimed.isEmpty() || claimed.width() > MaxPictureSide ||
        claimed.height() > MaxPictureSide ||
        qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
        return failure(QStringLiteral("画像の大きさが異常です（%1）。").arg(sizeText(claimed)));
    const bool cutOff = (reader.format() == "jpeg" && !reachesEnd(file, jpegReachesEnd)) ||
                        (reader.format() == "gif" && !reachesEnd(file, gifReachesEnd));
    if (cutOff)
        return failure(QStringLiteral("画像ファイルが途中で切れています。"));

    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(QStringLiteral("画像として読み込めません：") + reader.errorString());

    // Transparent pixels (GIF, icon) keep their alpha, so drawing them lets the back
    // colour show through; everything else becomes plain opaque pixels.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    if (image.isNull())
        return failure(QStringLiteral("画像を展開する記憶域が足りません。"));
    return LoadedPicture{image, QString()};
}

} // namespace platform

#include "picture.h"

#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>

#include "picturebudget.h"
#include "picturefile.h"
#include "pictureheader.h"

namespace platform {
namespace {

LoadedPicture failure(const QString &reason, const QSize &originalSize = QSize())
{
    return LoadedPicture{QImage(), reason, originalSize};
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

qint64 megabytes(qint64 bytes)
{
    return (bytes + (1 << 20) - 1) >> 20;
}

// Why the header alone rules the picture out; empty when it may be decoded. A size or a
// bit count beyond reason is named before the data it would need is missed.
QString headerRefusal(const PictureHeader &header)
{
    using Flaw = PictureHeader::Flaw;
    if (header.flaw == Flaw::Unreadable)
        return QStringLiteral("画像として読み込めません：画像の情報が壊れています。");
    const QSize claimed = header.size;
    const QString absurdSize =
        QStringLiteral("画像の大きさが異常です（%1）。").arg(sizeText(claimed));
    if (claimed.width() > MaxPictureSide || claimed.height() > MaxPictureSide ||
        qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
        return absurdSize;
    switch (header.flaw) {
    case Flaw::None:
    case Flaw::Unreadable:
        break;
    case Flaw::BadBitCount:
        return QStringLiteral("画像の色の深さが異常です（1 画素 %1 ビット）。")
            .arg(header.fileBitsPerPixel);
    case Flaw::CutOff:
        return QStringLiteral("画像ファイルが途中で切れています。");
    case Flaw::TooLittleData:
        return QStringLiteral("画像ファイルのデータが、書かれている大きさ（%1）に足りません。")
            .arg(sizeText(header.size));
    }
    return claimed.isEmpty() ? absurdSize : QString();
}

} // namespace

LoadedPicture LoadPicture(const QString &path, const QSize &size, Scaling scaling)
{
    QFile file;
    const QString refusal = openPictureFile(path, file);
    if (!refusal.isEmpty())
        return failure(refusal);
    return DecodePicture(file, size, scaling);
}

LoadedPicture DecodePicture(QIODevice &device, const QSize &size, Scaling scaling)
{
    const qint64 fileBytes = device.size();
    if (fileBytes == 0)
        return failure(QStringLiteral("ファイルが空です。"));
    if (fileBytes > MaxPictureFileBytes)
        return failure(
            QStringLiteral("ファイルが大きすぎます（%1 MB）。").arg(megabytes(fileBytes)));

    // The header decides before a single pixel is decoded.
    const PictureHeader header = readPictureHeader(device);
    if (header.format == PictureFormat::Unknown)
        return failure(QStringLiteral("対応していない形式のファイルです"
                                      "（読み込めるのは BMP、ICO、GIF、JPEG、PNG です）。"));
    const QString refusal = headerRefusal(header);
    if (!refusal.isEmpty())
        return failure(refusal, header.size);

    // Only the decoder of the format the content showed may read it: no other plug-in
    // gets a say, whatever the file is called.
    QImageReader::setAllocationLimit(int(PictureLoadBudgetBytes >> 20));
    if (!device.seek(0))
        return failure(QStringLiteral("ファイルを読めません：") + device.errorString(),
                       header.size);
    QImageReader reader(&device, decoderName(header.format));
    reader.setAutoDetectImageFormat(false);
    // A photograph shows the way its camera was held: the orientation it carries turns
    // or mirrors it after decoding. Sizes below are of the picture as shown; the
    // decoder scales the picture as stored, on its side when it is turned.
    reader.setAutoTransform(true);
    const QImageIOHandler::Transformations turn = reader.transformation();
    const bool onItsSide = turn.testFlag(QImageIOHandler::TransformationRotate90);
    const QSize shownSize = onItsSide ? header.size.transposed() : header.size;

    const QSize target =
        scaling == Scaling::ShrinkOnly && size.isValid() ? size.boundedTo(shownSize) : size;
    const bool scaled = target.isValid() && !target.isEmpty();
    const QSize storedTarget = onItsSide && scaled ? target.transposed() : target;
    DecodePlan plan = planDecode(header, storedTarget);
    if (turn != QImageIOHandler::TransformationNone) // the turned copy
        plan.peakBytes += qint64(plan.result.width()) * plan.result.height() * 4;
    if (!plan.fits())
        return failure(QStringLiteral("画像が大きすぎて読み込めません（%1、約 %2 MB 必要です）。")
                           .arg(sizeText(shownSize))
                           .arg(megabytes(plan.peakBytes)),
                       shownSize);

    if (scaled && !header.scalesAfterDecoding)
        reader.setScaledSize(storedTarget);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(QStringLiteral("画像として読み込めません：") + reader.errorString(),
                       shownSize);
    if (scaled && image.size() != target)
        image = image
                    .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32)
                    .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // Transparent pixels (GIF, icon, PNG) keep their alpha, so drawing them lets the
    // back colour show through; everything else becomes plain opaque pixels.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    if (image.isNull())
        return failure(QStringLiteral("画像を展開する記憶域が足りません。"), shownSize);
    return LoadedPicture{image, QString(), shownSize};
}

} // namespace platform

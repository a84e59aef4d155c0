#include "picture.h"

#include <QFile>
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

// Why the header alone rules the picture out; empty when it may be decoded.
QString headerRefusal(const PictureHeader &header)
{
    using Flaw = PictureHeader::Flaw;
    switch (header.flaw) {
    case Flaw::None:
        break;
    case Flaw::Unreadable:
        return QStringLiteral("画像として読み込めません：画像の情報が壊れています。");
    case Flaw::CutOff:
        return QStringLiteral("画像ファイルが途中で切れています。");
    case Flaw::TooLittleData:
        return QStringLiteral("画像ファイルのデータが、書かれている大きさ（%1）に足りません。")
            .arg(sizeText(header.size));
    }
    const QSize claimed = header.size;
    if (claimed.isEmpty() || claimed.width() > MaxPictureSide ||
        claimed.height() > MaxPictureSide ||
        qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
        return QStringLiteral("画像の大きさが異常です（%1）。").arg(sizeText(claimed));
    return QString();
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
    QString refusal = headerRefusal(header);
    if (!refusal.isEmpty())
        return failure(refusal, header.size);
    const QSize target =
        scaling == Scaling::ShrinkOnly && size.isValid() ? size.boundedTo(header.size) : size;
    const DecodePlan plan = planDecode(header, target);
    if (!plan.fits())
        return failure(QStringLiteral("画像が大きすぎて読み込めません（%1、約 %2 MB 必要です）。")
                           .arg(sizeText(header.size))
                           .arg(megabytes(plan.peakBytes)),
                       header.size);

    // Only the decoder of the format the content showed may read it: no other plug-in
    // gets a say, whatever the file is called.
    QImageReader::setAllocationLimit(int(PictureLoadBudgetBytes >> 20));
    if (!device.seek(0))
        return failure(QStringLiteral("ファイルを読めません：") + device.errorString(),
                       header.size);
    QImageReader reader(&device, decoderName(header.format));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    if (target.isValid() && !target.isEmpty())
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(QStringLiteral("画像として読み込めません：") + reader.errorString(),
                       header.size);

    // Transparent pixels (GIF, icon, PNG) keep their alpha, so drawing them lets the
    // back colour show through; everything else becomes plain opaque pixels.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    if (image.isNull())
        return failure(QStringLiteral("画像を展開する記憶域が足りません。"), header.size);
    return LoadedPicture{image, QString(), header.size};
}

} // namespace platform

#include "picture.h"

#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>

#include <optional>

#include "picturebudget.h"
#include "picturefile.h"
#include "pictureheader.h"
#include "picturerefusal.h"

namespace pictures {
namespace {

// The refusal names the size, megabytes or bit count where its words have room for them.
LoadedPicture failure(Refusal reason, const RefusalDetails &details = RefusalDetails())
{
    return LoadedPicture{QImage(), refusalText(reason, details), details.size};
}
LoadedPicture failure(Refusal reason, const QSize &originalSize, qint64 megabytes = 0)
{
    return failure(reason, RefusalDetails{originalSize, megabytes, QString()});
}

qint64 megabytes(qint64 bytes)
{
    return (bytes + (1 << 20) - 1) >> 20;
}

// Why the header alone rules the picture out; nothing when it may be decoded. A size or
// a bit count beyond reason is named before the data it would need is missed.
std::optional<Refusal> headerRefusal(const PictureHeader &header)
{
    using Flaw = PictureHeader::Flaw;
    if (header.flaw == Flaw::Unreadable)
        return Refusal::Damaged;
    const QSize claimed = header.size;
    if (claimed.width() > MaxPictureSide || claimed.height() > MaxPictureSide ||
        qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
        return Refusal::AbsurdSize;
    switch (header.flaw) {
    case Flaw::None:
    case Flaw::Unreadable:
        break;
    case Flaw::BadBitCount:
        return Refusal::ImpossibleBitCount;
    case Flaw::CutOff:
        return Refusal::CutOff;
    case Flaw::TooLittleData:
        return Refusal::TooLittleData;
    }
    if (claimed.isEmpty())
        return Refusal::AbsurdSize;
    return std::nullopt;
}

// What the decoder's failure means for the player, in the game's words.
Refusal decoderRefusal(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::DeviceError:
        return Refusal::CannotRead;
    case QImageReader::InvalidDataError:
        return Refusal::Undecodable;
    default:
        return Refusal::Unreadable;
    }
}

} // namespace

LoadedPicture LoadPicture(const QString &path, const QSize &size, Scaling scaling)
{
    QFile file;
    if (const std::optional<Refusal> refusal = openPictureFile(path, file))
        return failure(*refusal);
    return DecodePicture(file, size, scaling);
}

LoadedPicture DecodePicture(QIODevice &device, const QSize &size, Scaling scaling)
{
    const qint64 fileBytes = device.size();
    if (fileBytes == 0)
        return failure(Refusal::Empty);
    if (fileBytes > MaxPictureFileBytes)
        return failure(Refusal::FileTooLarge, QSize(), megabytes(fileBytes));

    // The header decides before a single pixel is decoded.
    const PictureHeader header = readPictureHeader(device);
    if (header.format == PictureFormat::Unknown)
        return failure(Refusal::UnknownFormat);
    if (const std::optional<Refusal> refusal = headerRefusal(header)) {
        RefusalDetails details{header.size, 0, QString()};
        details.bitsPerPixel = header.fileBitsPerPixel;
        return failure(*refusal, details);
    }

    // Only the decoder of the format the content showed may read it: no other plug-in
    // gets a say, whatever the file is called.
    QImageReader::setAllocationLimit(int(PictureLoadBudgetBytes >> 20));
    if (!device.seek(0))
        return failure(Refusal::CannotRead, header.size);
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
        return failure(Refusal::TooLargeToDecode, shownSize, megabytes(plan.peakBytes));

    if (scaled && !header.scalesAfterDecoding)
        reader.setScaledSize(storedTarget);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(decoderRefusal(reader.error()), shownSize);
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
        return failure(Refusal::OutOfMemory, shownSize);
    return LoadedPicture{image, QString(), shownSize};
}

} // namespace pictures

#include "picture.h"

#include <QFile>
#include <QImageReader>

#include <optional>

#include "picturebudget.h"
#include "picturefile.h"
#include "pictureheader.h"
#include "picturerefusal.h"

namespace platform {
namespace {

// The refusal names the size and megabytes where its words have room for them.
LoadedPicture failure(Refusal reason, const QSize &originalSize = QSize(), qint64 megabytes = 0)
{
    return LoadedPicture{QImage(), refusalText(reason, originalSize, megabytes), originalSize};
}

qint64 megabytes(qint64 bytes)
{
    return (bytes + (1 << 20) - 1) >> 20;
}

// Why the header alone rules the picture out; nothing when it may be decoded.
std::optional<Refusal> headerRefusal(const PictureHeader &header)
{
    using Flaw = PictureHeader::Flaw;
    switch (header.flaw) {
    case Flaw::None:
        break;
    case Flaw::Unreadable:
        return Refusal::Damaged;
    case Flaw::CutOff:
        return Refusal::CutOff;
    case Flaw::TooLittleData:
        return Refusal::TooLittleData;
    }
    const QSize claimed = header.size;
    if (claimed.isEmpty() || claimed.width() > MaxPictureSide ||
        claimed.height() > MaxPictureSide ||
        qint64(claimed.width()) * claimed.height() > MaxPicturePixels)
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
    if (const std::optional<Refusal> refusal = headerRefusal(header))
        return failure(*refusal, header.size);
    const QSize target =
        scaling == Scaling::ShrinkOnly && size.isValid() ? size.boundedTo(header.size) : size;
    const DecodePlan plan = planDecode(header, target);
    if (!plan.fits())
        return failure(Refusal::TooLargeToDecode, header.size, megabytes(plan.peakBytes));

    // Only the decoder of the format the content showed may read it: no other plug-in
    // gets a say, whatever the file is called.
    QImageReader::setAllocationLimit(int(PictureLoadBudgetBytes >> 20));
    if (!device.seek(0))
        return failure(Refusal::CannotRead, header.size);
    QImageReader reader(&device, decoderName(header.format));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    if (target.isValid() && !target.isEmpty())
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(decoderRefusal(reader.error()), header.size);

    // Transparent pixels (GIF, icon, PNG) keep their alpha, so drawing them lets the
    // back colour show through; everything else becomes plain opaque pixels.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    if (image.isNull())
        return failure(Refusal::OutOfMemory, header.size);
    return LoadedPicture{image, QString(), header.size};
}

} // namespace platform

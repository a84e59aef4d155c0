// Telling the format by content, and the headers of the bitmap formats: BMP, the icon
// (whose first image, the one decoded, is a bitmap or a PNG) and PNG.

#include "pictureheader.h"

#include <QIODevice>

#include <climits>

#include "pictureformats.h"

namespace pictures {

using Flaw = PictureHeader::Flaw;

namespace formats {
namespace {

constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";

PictureHeader flawed(PictureFormat format, Flaw flaw)
{
    PictureHeader header;
    header.format = format;
    header.flaw = flaw;
    return header;
}

// The pixel formats Qt's bitmap decoders build: 32-bit colour, 8-bit palette, 1-bit.
int decodedBits(int fileBits)
{
    if (fileBits >= 16)
        return 32;
    return fileBits == 1 ? 1 : 8;
}

} // namespace

// A file header ("BM", file size, offset of the pixels), then an information header
// of 12 bytes (OS/2: 16-bit sides) or 40 and more (32-bit sides, compression).
PictureHeader readBmp(ChunkReader &file)
{
    const qint64 dataOffset = file.littleEndian(10, 4);
    const qint64 infoSize = file.littleEndian(14, 4);
    if (dataOffset < 0 || infoSize < 12)
        return flawed(PictureFormat::Bmp, Flaw::Unreadable);
    const bool os2 = infoSize == 12;
    const int sideBytes = os2 ? 2 : 4;
    qint64 width = file.littleEndian(18, sideBytes);
    qint64 height = file.littleEndian(18 + sideBytes, sideBytes);
    const qint64 bits = file.littleEndian(os2 ? 24 : 28, 2);
    const qint64 compression = os2 ? 0 : file.littleEndian(30, 4);
    const qint64 declaredDataBytes = os2 ? 0 : file.littleEndian(34, 4);
    if (!os2 && height >= 0x80000000)
        height = 0x100000000 - height; // a negative height stores the rows top down
    if (width <= 0 || width >= 0x80000000 || height <= 0 || bits < 0 || compression < 0 ||
        declaredDataBytes < 0)
        return flawed(PictureFormat::Bmp, Flaw::Unreadable);

    PictureHeader header;
    header.format = PictureFormat::Bmp;
    header.size = QSize(int(qMin<qint64>(width, INT_MAX)), int(qMin<qint64>(height, INT_MAX)));
    header.fileBitsPerPixel = int(qMin<qint64>(bits, INT_MAX));
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        header.flaw = Flaw::BadBitCount;
        return header;
    }
    header.bitsPerPixel = decodedBits(int(bits));
    header.plainRgb32 = bits == 24;
    // Qt scales 1-bit pictures into black and white, whatever their two colours.
    header.scalesAfterDecoding = bits == 1;
    const bool runLength = compression == 1 || compression == 2;
    if (runLength) {
        // Run-length data may legitimately be tiny, but never longer than it says.
        if (dataOffset >= file.size() || dataOffset + declaredDataBytes > file.size())
            header.flaw = Flaw::CutOff;
    } else {
        const qint64 rowBytes = paddedRowBytes(width, int(bits));
        const qint64 available = file.size() - dataOffset;
        if (available < 0 || (rowBytes > 0 && height > available / rowBytes))
            header.flaw = Flaw::CutOff;
    }
    return header;
}

// A directory of images; the decoder reads the first. Its data must lie inside the
// file. It is a PNG, or a bitmap without file header whose height counts the
// transparency mask too; the directory's sides (0 for 256) may disagree with the
// bitmap's, and the decoder may take either, so the larger counts.
PictureHeader readIco(ChunkReader &file)
{
    constexpr qint64 Entry = 6;
    const qint64 entryWidth = file.byteAt(Entry);
    const qint64 entryHeight = file.byteAt(Entry + 1);
    const qint64 dataBytes = file.littleEndian(Entry + 8, 4);
    const qint64 dataOffset = file.littleEndian(Entry + 12, 4);
    if (entryWidth < 0 || dataBytes < 0 || dataOffset < 0)
        return flawed(PictureFormat::Ico, Flaw::Unreadable);
    if (dataBytes < 40 || dataOffset + dataBytes > file.size())
        return flawed(PictureFormat::Ico, Flaw::CutOff);

    PictureHeader header;
    if (file.bytes(dataOffset, 8) == QByteArray(PngSignature, 8)) {
        header = readPng(file, dataOffset);
        header.format = PictureFormat::Ico;
        header.extraBytes += dataBytes; // the decoder reads the PNG into memory first
        return header;
    }
    const qint64 bitmapWidth = file.littleEndian(dataOffset + 4, 4);
    const qint64 bitmapHeight = file.littleEndian(dataOffset + 8, 4);
    const qint64 bits = file.littleEndian(dataOffset + 14, 2);
    if (bitmapWidth < 0 || bitmapHeight < 0 || bits < 0 || bitmapWidth >= 0x80000000 ||
        bitmapHeight >= 0x80000000)
        return flawed(PictureFormat::Ico, Flaw::Unreadable);
    const qint64 width = qMax(entryWidth ? entryWidth : 256, bitmapWidth);
    const qint64 height = qMax(entryHeight ? entryHeight : 256, bitmapHeight / 2);
    header.format = PictureFormat::Ico;
    header.size = QSize(int(width), int(height));
    header.bitsPerPixel = decodedBits(int(bits));
    header.scalesAfterDecoding = bits == 1;
    header.extraBytes = paddedRowBytes(width, 1) * height; // the transparency mask
    return header;
}

// The signature, then chunks (length, type, data, check sum) from IHDR to IEND. The
// compressed data (IDAT) cannot inflate by more than 1032 to 1.
PictureHeader readPng(ChunkReader &file, qint64 start)
{
    constexpr qint64 MostInflation = 1032;
    qint64 at = start + 8;
    if (file.bytes(at + 4, 4) != "IHDR")
        return flawed(PictureFormat::Png, Flaw::Unreadable);
    const qint64 width = file.bigEndian(at + 8, 4);
    const qint64 height = file.bigEndian(at + 12, 4);
    const int depth = file.byteAt(at + 16);
    const int colourType = file.byteAt(at + 17);
    if (width <= 0 || height <= 0 || depth <= 0 || colourType < 0 || width >= 0x80000000 ||
        height >= 0x80000000)
        return flawed(PictureFormat::Png, Flaw::Unreadable);

    PictureHeader header;
    header.format = PictureFormat::Png;
    header.size = QSize(int(width), int(height));
    qint64 compressedBytes = 0;
    bool transparentColour = false;
    bool ended = false;
    while (!ended) {
        const qint64 length = file.bigEndian(at, 4);
        const QByteArray type = file.bytes(at + 4, 4);
        if (length < 0 || length >= 0x80000000 || type.size() < 4 ||
            at + 12 + length > file.size()) {
            header.flaw = Flaw::CutOff;
            return header;
        }
        if (type == "IDAT")
            compressedBytes += length;
        transparentColour = transparentColour || type == "tRNS";
        ended = type == "IEND";
        at += 12 + length;
    }

    // Grey and palette pictures become 8-bit images; 16-bit samples 64-bit pixels.
    const int channels[] = {1, 0, 3, 1, 2, 0, 4};
    const int samples = colourType <= 6 ? channels[colourType] : 0;
    if (samples == 0)
        return flawed(PictureFormat::Png, Flaw::Unreadable);
    header.bitsPerPixel = depth == 16 ? 64 : (colourType == 0 || colourType == 3) ? 8 : 32;
    header.plainRgb32 = colourType == 2 && depth == 8 && !transparentColour;
    // Qt's decoder turns pictures of fewer than 8 bits a sample that it scales into
    // black-and-white noise; whole they are right.
    header.scalesAfterDecoding = depth < 8;
    const double rawBytes = double(height) * double(1 + (width * samples * depth + 7) / 8);
    if (double(compressedBytes) * MostInflation < rawBytes)
        header.flaw = Flaw::TooLittleData;
    return header;
}

} // namespace formats

const char *decoderName(PictureFormat format)
{
    static const char *const names[] = {"", "bmp", "ico", "gif", "jpeg", "png"};
    return names[static_cast<int>(format)];
}

PictureHeader readPictureHeader(QIODevice &device)
{
    ChunkReader file(device);
    const QByteArray magic = file.bytes(0, 8);
    if (magic.startsWith("BM"))
        return formats::readBmp(file);
    if (magic == QByteArray(formats::PngSignature, 8))
        return formats::readPng(file);
    if (magic.startsWith("GIF87a") || magic.startsWith("GIF89a"))
        return formats::readGif(file);
    if (magic.startsWith("\xFF\xD8\xFF"))
        return formats::readJpeg(file);
    // An icon directory: reserved 0, type 1 (2 would be a cursor), at least one image.
    if (magic.startsWith(QByteArray("\0\0\1\0", 4)) && file.littleEndian(4, 2) > 0)
        return formats::readIco(file);
    return {};
}

} // namespace pictures

// The JPEG header: the marker segments are walked from the start of image to its end,
// skipping each segment by its length and each scan's coded data up to the next
// marker, so the walk reads every byte at most once through a small window.
//
// libjpeg decodes a sequential file at M/8 of its size with little memory, but for a
// progressive file (or one whose colours come in separate scans) it first collects
// the coefficients of the whole picture: 128 bytes for each 8 x 8 block of every
// colour component, whatever size the picture is decoded at.

#include <QtGlobal>

#include <vector>

#include "pictureformats.h"

namespace pictures::formats {
namespace {

using Flaw = PictureHeader::Flaw;

constexpr int EndOfImage = 0xD9;
constexpr int StartOfScan = 0xDA;
constexpr int Comment = 0xFE;
constexpr int Exif = 0xE1;        // APP1
constexpr int ColourSpace = 0xE2; // APP2, the ICC profile
constexpr qint64 CoefficientBlockBytes = 64 * 2;

struct Component
{
    int horizontal = 1; // sampling factors
    int vertical = 1;
};

struct Frame
{
    qint64 width = 0;
    qint64 height = 0;
    bool progressive = false;
    bool arithmetic = false;
    std::vector<Component> components;
};

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

// Start-of-frame markers: C0 to CF except C4 (Huffman tables), C8 (reserved) and CC
// (arithmetic conditioning). C2, C6, CA and CE are progressive; C9 and up arithmetic.
bool isStartOfFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool readFrame(ChunkReader &file, qint64 at, int marker, Frame &frame)
{
    frame.height = file.bigEndian(at + 1, 2);
    frame.width = file.bigEndian(at + 3, 2);
    const int count = file.byteAt(at + 5);
    if (frame.width <= 0 || frame.height <= 0 || count <= 0)
        return false;
    frame.progressive = (marker & 0x03) == 0x02;
    frame.arithmetic = marker >= 0xC9;
    for (int i = 0; i < count; ++i) {
        const int sampling = file.byteAt(at + 6 + 3 * i + 1);
        const Component component{sampling >> 4, sampling & 0x0F};
        if (sampling < 0 || component.horizontal == 0 || component.vertical == 0)
            return false;
        frame.components.push_back(component);
    }
    return true;
}

// Blocks of each component in the whole picture, as libjpeg lays them out: whole
// MCUs across and down, each MCU holding horizontal x vertical blocks of a component.
// Also the blocks of the largest component alone.
std::pair<qint64, qint64> countBlocks(const Frame &frame)
{
    int widest = 1, tallest = 1;
    for (const Component &c : frame.components) {
        widest = qMax(widest, c.horizontal);
        tallest = qMax(tallest, c.vertical);
    }
    const qint64 across = ceilDiv(frame.width, 8 * widest);
    const qint64 down = ceilDiv(frame.height, 8 * tallest);
    qint64 all = 0, largest = 0;
    for (const Component &c : frame.components) {
        all += across * c.horizontal * down * c.vertical;
        largest = qMax(largest, ceilDiv(ceilDiv(frame.width * c.horizontal, widest), 8) *
                                    ceilDiv(ceilDiv(frame.height * c.vertical, tallest), 8));
    }
    return {all, largest};
}

// The coded data of a scan runs up to the first marker that is neither a stuffed
// 0xFF00 nor a restart marker; returns where that marker's 0xFF lies, or -1.
qint64 endOfCodedData(ChunkReader &file, qint64 at)
{
    while (true) {
        at = file.find(at, 0xFF);
        if (at < 0)
            return -1;
        const int code = file.byteAt(at + 1);
        if (code < 0)
            return -1;
        if (code == 0x00 || (code >= 0xD0 && code <= 0xD7))
            at += 2;
        else if (code == 0xFF)
            at += 1; // fill byte before a marker
        else
            return at;
    }
}

} // namespace

PictureHeader readJpeg(ChunkReader &file)
{
    PictureHeader header;
    header.format = PictureFormat::Jpeg;
    header.scalesWhileDecoding = true;
    Frame frame;
    bool framed = false;
    int firstScanComponents = 0;
    qint64 codedBytes = 0;
    qint64 keptMarkerBytes = 0;
    bool ended = false;

    qint64 at = 2;
    while (!ended) {
        // Skip stray bytes and fill bytes up to the next marker code.
        at = file.find(at, 0xFF);
        while (at >= 0 && file.byteAt(at) == 0xFF)
            ++at;
        const int marker = at < 0 ? -1 : file.byteAt(at);
        if (marker < 0)
            break;
        ++at;
        if (marker == EndOfImage) {
            ended = true;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a segment
        const qint64 length = file.bigEndian(at, 2);
        if (length < 2 || at + length > file.size())
            break;
        if (isStartOfFrame(marker) && !framed) {
            if (!readFrame(file, at + 2, marker, frame)) {
                header.flaw = Flaw::Unreadable;
                return header;
            }
            framed = true;
        }
        if (marker == Comment || marker == Exif || marker == ColourSpace)
            keptMarkerBytes += length;
        at += length;
        if (marker == StartOfScan) {
            if (firstScanComponents == 0)
                firstScanComponents = qMax(1, file.byteAt(at - length + 2));
            const qint64 codeEnd = endOfCodedData(file, at);
            if (codeEnd < 0)
                break;
            codedBytes += codeEnd - at;
            at = codeEnd;
        }
    }

    if (!framed) {
        header.flaw = ended ? Flaw::Unreadable : Flaw::CutOff;
        return header;
    }
    header.size = QSize(int(frame.width), int(frame.height));
    const bool colour = frame.components.size() > 1;
    header.bitsPerPixel = colour ? 32 : 8;
    header.plainRgb32 = colour;
    // The decoder keeps the comment, Exif and ICC segments, copied twice more by Qt.
    header.extraBytes = 3 * keptMarkerBytes;
    const auto [blocks, largestComponentBlocks] = countBlocks(frame);
    const bool separateScans = firstScanComponents < int(frame.components.size());
    if (frame.progressive || separateScans)
        header.wholeImageBytes = blocks * CoefficientBlockBytes;

    if (!ended)
        header.flaw = Flaw::CutOff;
    // Huffman coding spends at least one bit on every block of a component.
    else if (!frame.arithmetic && codedBytes * 8 < largestComponentBlocks)
        header.flaw = Flaw::TooLittleData;
    return header;
}

} // namespace pictures::formats

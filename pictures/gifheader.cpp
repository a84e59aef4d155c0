// The GIF header: the logical screen, then blocks up to the end of the first image, each
// walked by its sub-blocks' lengths. Qt's decoder builds a 32-bit image of the screen (grown to
// hold the first frame when that lies beyond it) and, for frames that restore what was under them,
// a second image of the frame's size.

#include <QtGlobal>

#include "pictureformats.h"

namespace pictures::formats {
namespace {

constexpr int Trailer = 0x3B;
constexpr int Extension = 0x21;
constexpr int ImageDescriptor = 0x2C;

qint64 colourTableBytes(int flags)
{
    return (flags & 0x80) ? 3 * (2 << (flags & 0x07)) : 0;
}

// Skips a chain of data sub-blocks; false when the file ends before its terminator.
bool skipSubBlocks(ChunkReader &file, qint64 &at)
{
    while (true) {
        const int length = file.byteAt(at++);
        if (length < 0)
            return false;
        if (length == 0)
            return true;
        at += length;
    }
}

} // namespace

PictureHeader readGif(ChunkReader &file)
{
    PictureHeader header;
    header.format = PictureFormat::Gif;
    QSize screen(int(file.littleEndian(6, 2)), int(file.littleEndian(8, 2)));
    const int screenFlags = file.byteAt(10);
    if (screenFlags < 0) {
        header.flaw = PictureHeader::Flaw::CutOff;
        return header;
    }
    QSize frame;
    bool ended = false;
    qint64 at = 13 + colourTableBytes(screenFlags);
    while (!ended) {
        const int block = file.byteAt(at++);
        if (block == Extension) {
            ++at; // the label
            if (!skipSubBlocks(file, at))
                break;
        } else if (block == ImageDescriptor) {
            const int flags = file.byteAt(at + 8);
            if (flags < 0)
                break;
            if (frame.isEmpty()) {
                const qint64 left = file.littleEndian(at, 2), top = file.littleEndian(at + 2, 2);
                frame = QSize(int(file.littleEndian(at + 4, 2)), int(file.littleEndian(at + 6, 2)));
                screen =
                    screen.expandedTo(QSize(int(left) + frame.width(), int(top) + frame.height()));
            }
            at += 9 + colourTableBytes(flags) + 1; // descriptor, colour table, LZW code size
            if (!skipSubBlocks(file, at))
                break;
            // The first image is whole, and the decoder reads no further: whatever
            // follows it (more frames, a missing trailer, stray bytes) does not matter.
            ended = true;
            break;
        } else {
            ended = block == Trailer;
            break;
        }
    }
    header.size = screen;
    header.wholeImageBytes = qint64(frame.width()) * frame.height() * 4;
    if (!ended)
        header.flaw = PictureHeader::Flaw::CutOff;
    else if (frame.isEmpty())
        header.flaw = PictureHeader::Flaw::Unreadable;
    return header;
}

} // namespace pictures::formats

#pragma once

// ChunkReader: random access to a file through one small window, so that walking a
// picture's structure costs a few reads of the window's size however large the file
// is or claims to be. Nothing is mapped and nothing is read whole.

#include <QByteArray>

class QIODevice;

namespace pictures {

class ChunkReader
{
public:
    // The device must be open and random access (a file or a buffer).
    explicit ChunkReader(QIODevice &device);

    qint64 size() const { return m_size; }

    // The byte at pos, or -1 past the end or when the device cannot be read there.
    int byteAt(qint64 pos);
    // Big- and little-endian numbers; -1 when they run past the end.
    qint64 bigEndian(qint64 pos, int bytes) { return number(pos, bytes, true); }
    qint64 littleEndian(qint64 pos, int bytes) { return number(pos, bytes, false); }
    // Up to count bytes from pos (at most the window's size); fewer at the end.
    QByteArray bytes(qint64 pos, int count);
    // Where the next byte equal to value lies at or after from; -1 when none does.
    qint64 find(qint64 from, uchar value);

    static constexpr int WindowBytes = 64 * 1024;

private:
    bool load(qint64 pos);
    qint64 number(qint64 pos, int bytes, bool bigEndian);

    QIODevice &m_device;
    qint64 m_size;
    qint64 m_windowStart = -1;
    QByteArray m_window;
};

} // namespace pictures

#include "chunkreader.h"

#include <QIODevice>

#include <cstring>

namespace pictures {

ChunkReader::ChunkReader(QIODevice &device) : m_device(device), m_size(device.size()) {}

// Makes the window hold pos; a window never starts before pos, so a forward walk
// reads every byte of the file at most once.
bool ChunkReader::load(qint64 pos)
{
    if (pos < 0 || pos >= m_size)
        return false;
    if (m_windowStart >= 0 && pos >= m_windowStart && pos < m_windowStart + m_window.size())
        return true;
    m_window.resize(WindowBytes);
    qint64 got = -1;
    if (m_device.seek(pos))
        got = m_device.read(m_window.data(), WindowBytes);
    if (got <= 0) {
        m_window.clear();
        m_windowStart = -1;
        return false;
    }
    m_window.resize(got);
    m_windowStart = pos;
    return true;
}

int ChunkReader::byteAt(qint64 pos)
{
    if (!load(pos))
        return -1;
    return static_cast<uchar>(m_window[pos - m_windowStart]);
}

qint64 ChunkReader::number(qint64 pos, int bytes, bool bigEndian)
{
    qint64 value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int byte = byteAt(pos + (bigEndian ? i : bytes - 1 - i));
        if (byte < 0)
            return -1;
        value = value << 8 | byte;
    }
    return value;
}

QByteArray ChunkReader::bytes(qint64 pos, int count)
{
    QByteArray out;
    while (out.size() < count && load(pos + out.size())) {
        const qint64 at = pos + out.size() - m_windowStart;
        out += m_window.mid(at, count - out.size());
    }
    return out;
}

qint64 ChunkReader::find(qint64 from, uchar value)
{
    for (qint64 pos = from; load(pos); pos = m_windowStart + m_window.size()) {
        const qint64 at = pos - m_windowStart;
        const void *hit = std::memchr(m_window.constData() + at, value,
                                      static_cast<std::size_t>(m_window.size() - at));
        if (hit)
            return m_windowStart + (static_cast<const char *>(hit) - m_window.constData());
    }
    return -1;
}

} // namespace pictures

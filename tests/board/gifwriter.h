#pragma once

// Writes a GIF file, which Qt can read but not write. The picture is reduced to at most
// 256 colours; the pixel codes are stored without compression (a clear code every few
// hundred pixels keeps every code nine bits wide), which any decoder reads.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <optional>

namespace gifwriter {

namespace detail {

inline void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs codes of a fixed width, least significant bit first, into 255-byte sub-blocks.
class CodeStream
{
public:
    explicit CodeStream(QByteArray &out) : m_out(out) {}
    void put(int code, int bits)
    {
        m_buffer |= quint64(code) << m_bitCount;
        m_bitCount += bits;
        while (m_bitCount >= 8) {
            pushByte(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bitCount -= 8;
        }
    }
    void finish()
    {
        if (m_bitCount > 0)
            pushByte(char(m_buffer & 0xFF));
        flushBlock();
        m_out.append(char(0)); // block terminator
    }

private:
    void pushByte(char byte)
    {
        m_block.append(byte);
        if (m_block.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }

    QByteArray &m_out;
    QByteArray m_block;
    quint64 m_buffer = 0;
    int m_bitCount = 0;
};

} // namespace detail

// The GIF data of a picture; pixels of transparentColor (if given) become transparent.
inline QByteArray encode(const QImage &picture, std::optional<QRgb> transparentColor = {})
{
    const QImage indexed =
        picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QList<QRgb> table = indexed.colorTable();
    table.resize(256, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    detail::put16(out, indexed.width());
    detail::put16(out, indexed.height());
    out.append(char(0xF7)); // global table of 256 colours
    out.append(char(0));
    out.append(char(0));
    for (QRgb colour : table) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    if (transparentColor) {
        const int index = int(table.indexOf(*transparentColor | 0xFF000000u));
        out.append("\x21\xF9\x04\x01", 4);
        detail::put16(out, 0);
        out.append(char(index < 0 ? 0 : index));
        out.append(char(0));
    }
    out.append(char(0x2C));
    detail::put16(out, 0);
    detail::put16(out, 0);
    detail::put16(out, indexed.width());
    detail::put16(out, indexed.height());
    out.append(char(0));

    constexpr int MinimumCodeSize = 8;
    constexpr int Clear = 256;
    constexpr int End = 257;
    constexpr int Bits = 9;
    constexpr int LiteralsPerClear = 250;
    out.append(char(MinimumCodeSize));
    detail::CodeStream codes(out);
    int sinceClear = LiteralsPerClear;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == LiteralsPerClear) {
                codes.put(Clear, Bits);
                sinceClear = 0;
            }
            codes.put(line[x], Bits);
            ++sinceClear;
        }
    }
    codes.put(End, Bits);
    codes.finish();
    out.append(char(0x3B));
    return out;
}

inline bool write(const QString &path, const QImage &picture,
                  std::optional<QRgb> transparentColor = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(encode(picture, transparentColor)) >= 0;
}

} // namespace gifwriter

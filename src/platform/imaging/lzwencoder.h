#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <vector>

namespace platform {

// Compresses palette indexes into the image data of a GIF file: the minimum code size byte,
// the LZW codes in sub-blocks of at most 255 bytes, and the empty block that ends them.
//
// It makes the same codes, at the same widths, with the same clear codes, as giflib's encoder
// (a clear code first, another whenever the 4095 codes are used up), so a file written with it
// has exactly the bytes of one written by giflib; it only finds its strings faster.
class LzwEncoder
{
public:
    // bitsPerPixel is the colour table's, 1 to 8; the codes start one bit wider (at least 3).
    explicit LzwEncoder(int bitsPerPixel);

    // Appends the image data to out: begin(), add() for the rows in order, finish().
    void begin(QByteArray &out);
    void add(const uchar *indexes, qsizetype count);
    void finish();

private:
    static constexpr int TableSize = 1 << 13; // twice the codes, so probes stay short
    static constexpr quint32 Empty = 0xFFFFFFFFu;

    void startTable();
    void put(int code);
    void emitByte(uchar byte);
    void flush();

    int m_pixelMask;
    int m_minimumSize;
    int m_clearCode;
    int m_endCode;
    int m_current = -1; // the code of the string read so far; -1 before the first index
    int m_nextCode = 0;
    int m_width = 0;
    int m_widthLimit = 0;
    quint64 m_bits = 0;
    int m_bitCount = 0;
    QByteArray *m_out = nullptr;
    std::array<uchar, 256> m_block{}; // a sub-block: its length byte and up to 255 bytes
    int m_blockFill = 0;
    // An open-addressing table of (prefix code << 8 | index) << 12 | code: 32 KB, emptied at
    // each clear code.
    std::vector<quint32> m_table;
    // For each code, the string last found or made from it and one more index, as
    // (index + 1) << 12 | code, 0 for none: runs of one index, as in flat areas, find their
    // strings here without the hash table.
    std::vector<quint32> m_lastChild;
};

} // namespace platform

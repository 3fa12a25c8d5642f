#include "platform/imaging/lzwencoder.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int LargestCode = 4095; // 12 bits
constexpr int BlockSize = 255;
constexpr int CodeBits = 12;

quint32 slotOf(quint32 key, int tableSize)
{
    return ((key >> 12) ^ key ^ (key << 1)) & quint32(tableSize - 1);
}

} // namespace

LzwEncoder::LzwEncoder(int bitsPerPixel)
    : m_pixelMask((1 << std::clamp(bitsPerPixel, 1, 8)) - 1)
    , m_minimumSize(std::clamp(bitsPerPixel, 2, 8))
    , m_clearCode(1 << m_minimumSize)
    , m_endCode(m_clearCode + 1)
    , m_table(TableSize, Empty)
    , m_lastChild(LargestCode + 1, 0)
{ }

void LzwEncoder::startTable()
{
    m_nextCode = m_endCode + 1;
    m_width = m_minimumSize + 1;
    m_widthLimit = 1 << m_width;
    std::fill(m_table.begin(), m_table.end(), Empty);
    std::fill(m_lastChild.begin(), m_lastChild.end(), 0u);
}

void LzwEncoder::emitByte(uchar byte)
{
    m_block[size_t(++m_blockFill)] = byte;
    if (m_blockFill == BlockSize) {
        m_block[0] = uchar(BlockSize);
        m_out->append(reinterpret_cast<const char *>(m_block.data()), BlockSize + 1);
        m_blockFill = 0;
    }
}

void LzwEncoder::put(int code)
{
    m_bits |= quint64(code) << m_bitCount;
    m_bitCount += m_width;
    while (m_bitCount >= 8) {
        emitByte(uchar(m_bits & 0xFF));
        m_bits >>= 8;
        m_bitCount -= 8;
    }
    // The width grows once the next code no longer fits, as giflib grows it: checked after
    // each code is written, before the new string gets its code.
    if (m_nextCode >= m_widthLimit && m_width < CodeBits)
        m_widthLimit = 1 << ++m_width;
}

void LzwEncoder::flush()
{
    for (; m_bitCount > 0; m_bitCount -= 8) {
        emitByte(uchar(m_bits & 0xFF));
        m_bits >>= 8;
    }
    m_bits = 0;
    m_bitCount = 0;
    if (m_blockFill > 0) {
        m_block[0] = uchar(m_blockFill);
        m_out->append(reinterpret_cast<const char *>(m_block.data()), m_blockFill + 1);
        m_blockFill = 0;
    }
    m_out->append('\0');
}

void LzwEncoder::begin(QByteArray &out)
{
    m_out = &out;
    m_blockFill = 0;
    m_current = -1;
    out.append(char(m_minimumSize));
    startTable();
    put(m_clearCode);
}

void LzwEncoder::add(const uchar *indexes, qsizetype count)
{
    qsizetype i = 0;
    if (m_current < 0 && count > 0)
        m_current = indexes[i++] & m_pixelMask;
    int current = m_current;
    quint32 *table = m_table.data();
    quint32 *lastChild = m_lastChild.data();
    for (; i < count; ++i) {
        const int index = indexes[i] & m_pixelMask;
        const quint32 remembered = lastChild[current];
        if (remembered >> CodeBits == quint32(index) + 1) {
            current = int(remembered & LargestCode);
            continue;
        }
        const quint32 key = (quint32(current) << 8) | quint32(index);
        quint32 slot = slotOf(key, TableSize);
        quint32 held = table[slot];
        while (held != Empty && (held >> CodeBits) != key) {
            slot = (slot + 1) & (TableSize - 1);
            held = table[slot];
        }
        if (held != Empty) {
            lastChild[current] = (quint32(index) + 1) << CodeBits | (held & LargestCode);
            current = int(held & LargestCode);
            continue;
        }
        put(current);
        if (m_nextCode >= LargestCode) {
            put(m_clearCode);
            startTable();
        } else {
            lastChild[current] = (quint32(index) + 1) << CodeBits | quint32(m_nextCode);
            table[slot] = (key << CodeBits) | quint32(m_nextCode++);
        }
        current = index;
    }
    m_current = current;
}

void LzwEncoder::finish()
{
    if (m_current >= 0)
        put(m_current);
    put(m_endCode);
    flush();
    m_out = nullptr;
}

} // namespace platform

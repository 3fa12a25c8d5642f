#include "platform/imaging/flatareamask.h"

namespace platform {

FlatAreaMask::FlatAreaMask(const QImage &source, int firstRow)
    : m_source(source)
    , m_width(std::max(source.width(), 0))
    , m_height(std::max(source.height(), 0))
    , m_next(firstRow)
    , m_widenedDone(firstRow - 3)
    , m_blocksDone(firstRow - 2)
{
    const auto width = static_cast<size_t>(m_width);
    for (Row *row : {&m_none, &m_columnUniform, &m_centres, &m_near, &m_flat})
        row->assign(width, 0);
    for (auto &row : m_widened)
        row.assign(width, 0);
    for (auto &row : m_blocks)
        row.assign(width, 0);
}

const quint32 *FlatAreaMask::pixels(int y) const
{
    return reinterpret_cast<const quint32 *>(m_source.constScanLine(y));
}

const FlatAreaMask::Row &FlatAreaMask::widenedCentres(int r)
{
    if (r < 0 || r >= m_height)
        return m_none;
    while (m_widenedDone < r) {
        const int y = ++m_widenedDone;
        if (y < 0)
            continue;
        const quint32 *row = pixels(y);
        const quint32 *above = y > 0 ? pixels(y - 1) : row;
        const quint32 *below = y + 1 < m_height ? pixels(y + 1) : row;
        for (int x = 0; x < m_width; ++x)
            m_columnUniform[size_t(x)] = above[x] == row[x] && below[x] == row[x];
        for (int x = 0; x < m_width; ++x) {
            bool centre = m_columnUniform[size_t(x)];
            if (centre && x > 0)
                centre = m_columnUniform[size_t(x - 1)] && row[x - 1] == row[x];
            if (centre && x + 1 < m_width)
                centre = m_columnUniform[size_t(x + 1)] && row[x + 1] == row[x];
            m_centres[size_t(x)] = centre;
        }
        Row &widened = m_widened[size_t(y) % m_widened.size()];
        const auto last = size_t(m_width);
        for (size_t x = 0; x < last; ++x)
            widened[x] = m_centres[x] | (x > 0 ? m_centres[x - 1] : 0)
                | (x + 1 < last ? m_centres[x + 1] : 0);
    }
    return m_widened[size_t(r) % m_widened.size()];
}

const FlatAreaMask::Row &FlatAreaMask::blockPixels(int r)
{
    if (r < 0 || r >= m_height)
        return m_none;
    while (m_blocksDone < r) {
        const int y = ++m_blocksDone;
        if (y < 0)
            continue;
        const Row &below = widenedCentres(y + 1);
        const Row &here = widenedCentres(y);
        const Row &above = widenedCentres(y - 1);
        Row &block = m_blocks[size_t(y) % m_blocks.size()];
        for (size_t x = 0; x < block.size(); ++x)
            block[x] = above[x] | here[x] | below[x];
    }
    return m_blocks[size_t(r) % m_blocks.size()];
}

const uchar *FlatAreaMask::row(int y)
{
    Q_ASSERT(y == m_next);
    m_next = y + 1;
    const Row &below = blockPixels(y + 1);
    const Row &here = blockPixels(y);
    const Row &above = blockPixels(y - 1);
    const quint32 *row = pixels(y);
    const quint32 *rows[3]
        = {y > 0 ? pixels(y - 1) : nullptr, row, y + 1 < m_height ? pixels(y + 1) : nullptr};
    const Row *blocks[3] = {&above, &here, &below};
    for (int x = 0; x < m_width; ++x) {
        const auto at = size_t(x);
        m_near[at] = above[at] | here[at] | below[at];
    }
    for (int x = 0; x < m_width; ++x) {
        const auto at = size_t(x);
        uchar flat = here[at];
        // Otherwise flat when a neighbouring block pixel has this pixel's colour; most pixels of
        // a photograph have no block pixel near them at all.
        const int left = std::max(x - 1, 0), right = std::min(x + 1, m_width - 1);
        if (!flat && (m_near[size_t(left)] | m_near[at] | m_near[size_t(right)])) {
            for (int dy = 0; dy < 3 && !flat; ++dy) {
                if (!rows[dy])
                    continue;
                for (int dx = left; dx <= right && !flat; ++dx)
                    flat = (*blocks[dy])[size_t(dx)] && rows[dy][dx] == row[x];
            }
        }
        m_flat[at] = flat;
    }
    return m_flat.data();
}

} // namespace platform

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
    for (Row *row : {&m_none, &m_columnUniform, &m_centres, &m_near, &m_nearby, &m_flat})
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

namespace {

// Each byte the OR of the same bytes of three rows.
void orOfThree(const uchar *__restrict a, const uchar *__restrict b, const uchar *__restrict c,
    uchar *__restrict out, size_t width)
{
    for (size_t x = 0; x < width; ++x)
        out[x] = a[x] | b[x] | c[x];
}

} // namespace

// The loops below are written without branches, and with pointers that are known not to overlap,
// so the compiler can run them on whole vectors of pixels; a row's first and last pixel, which
// have one neighbour only, are done apart.
void FlatAreaMask::markCentres(
    const quint32 *__restrict above, const quint32 *__restrict row, const quint32 *__restrict below)
{
    const auto width = size_t(m_width);
    if (width == 0)
        return;
    uchar *__restrict uniform = m_columnUniform.data();
    uchar *__restrict centres = m_centres.data();
    for (size_t x = 0; x < width; ++x)
        uniform[x] = uchar((above[x] == row[x]) & (below[x] == row[x]));
    if (width == 1) {
        centres[0] = uniform[0];
        return;
    }
    centres[0] = uchar(uniform[0] & uniform[1] & (row[1] == row[0]));
    for (size_t x = 1; x + 1 < width; ++x)
        centres[x] = uchar(uniform[x] & uniform[x - 1] & uniform[x + 1] & (row[x - 1] == row[x])
            & (row[x + 1] == row[x]));
    const size_t last = width - 1;
    centres[last] = uchar(uniform[last] & uniform[last - 1] & (row[last - 1] == row[last]));
}

void FlatAreaMask::widen(const Row &centres, Row &widened)
{
    const size_t width = centres.size();
    if (width <= 1) {
        if (width == 1)
            widened[0] = centres[0];
        return;
    }
    const uchar *in = centres.data();
    uchar *out = widened.data();
    out[0] = in[0] | in[1];
    orOfThree(in, in + 1, in + 2, out + 1, width - 2);
    out[width - 1] = in[width - 2] | in[width - 1];
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
        markCentres(above, row, below);
        widen(m_centres, m_widened[size_t(y) % m_widened.size()]);
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
        orOfThree(above.data(), here.data(), below.data(), block.data(), block.size());
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
    orOfThree(above.data(), here.data(), below.data(), m_near.data(), m_near.size());
    widen(m_near, m_nearby);
    for (int x = 0; x < m_width; ++x) {
        const auto at = size_t(x);
        uchar flat = here[at];
        // Otherwise flat when a neighbouring block pixel has this pixel's colour; most pixels of
        // a photograph have no block pixel near them at all.
        if (!flat && m_nearby[at]) {
            const int left = std::max(x - 1, 0), right = std::min(x + 1, m_width - 1);
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

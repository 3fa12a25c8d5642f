#include "platform/imaging/flatareamask.h"

namespace platform {

FlatAreaMask::FlatAreaMask(const QImage &source)
    : m_source(source)
{
    const auto width = static_cast<size_t>(std::max(source.width(), 0));
    for (auto &row : m_widened)
        row.assign(width, 0);
    m_centres.assign(width, 0);
    m_columnUniform.assign(width, 0);
    m_flat.assign(width, 0);
    if (source.height() > 0)
        markBlockCentres(0, m_widened[2]);
}

void FlatAreaMask::markBlockCentres(int y, std::vector<uchar> &widened)
{
    const int width = m_source.width(), height = m_source.height();
    const auto line = [this](int row) {
        return reinterpret_cast<const quint32 *>(m_source.constScanLine(row));
    };
    const quint32 *row = line(y);
    const quint32 *above = y > 0 ? line(y - 1) : row;
    const quint32 *below = y + 1 < height ? line(y + 1) : row;
    for (int x = 0; x < width; ++x)
        m_columnUniform[size_t(x)] = above[x] == row[x] && below[x] == row[x];
    for (int x = 0; x < width; ++x) {
        bool centre = m_columnUniform[size_t(x)];
        if (centre && x > 0)
            centre = m_columnUniform[size_t(x - 1)] && row[x - 1] == row[x];
        if (centre && x + 1 < width)
            centre = m_columnUniform[size_t(x + 1)] && row[x + 1] == row[x];
        m_centres[size_t(x)] = centre;
    }
    const auto last = size_t(width);
    for (size_t x = 0; x < last; ++x)
        widened[x]
            = m_centres[x] | (x > 0 ? m_centres[x - 1] : 0) | (x + 1 < last ? m_centres[x + 1] : 0);
}

const uchar *FlatAreaMask::row(int y)
{
    Q_ASSERT(y == m_next);
    // Shift the window down: the row below becomes the current one.
    std::rotate(m_widened.begin(), m_widened.begin() + 1, m_widened.end());
    if (y == 0)
        std::fill(m_widened[0].begin(), m_widened[0].end(), uchar(0));
    if (y + 1 < m_source.height())
        markBlockCentres(y + 1, m_widened[2]);
    else
        std::fill(m_widened[2].begin(), m_widened[2].end(), uchar(0));
    for (size_t x = 0; x < m_flat.size(); ++x)
        m_flat[x] = m_widened[0][x] | m_widened[1][x] | m_widened[2][x];
    m_next = y + 1;
    return m_flat.data();
}

} // namespace platform

#pragma once

#include <QList>
#include <QRgb>
#include <memory>
#include <vector>

namespace platform {

// Finds the palette entry nearest to a colour, exactly and fast enough to ask once per pixel of
// a large photograph.
//
// Distance is the squared difference in red, green and blue; of equally near entries the lowest
// index wins. Answers are cached for every colour asked about. A miss searches only the
// entries that can be nearest anywhere in the colour's 16 x 16 x 16 cell of the colour cube (an
// entry farther from the cell than the worst case of the best entry cannot win), which the
// mapper works out the first time a cell is used.
class PaletteMapper
{
public:
    explicit PaletteMapper(const QList<QRgb> &palette);

    // The nearest entry's index; 0 for an empty palette.
    uchar nearest(int red, int green, int blue)
    {
        const quint32 key = quint32(red << 16 | green << 8 | blue);
        if (m_known[key >> 6] & (quint64(1) << (key & 63)))
            return m_cache[key];
        return search(key);
    }

    // The entry nearest to the centre of the colour's 4 x 4 x 4 block: at most a step of 2 per
    // channel away from the exact answer, and with a cache small enough to stay in the
    // processor's cache. For error diffusion, which corrects whatever difference remains.
    uchar nearestInBlock(int red, int green, int blue)
    {
        const quint32 key = quint32((red >> 2) << 12 | (green >> 2) << 6 | (blue >> 2));
        const quint16 known = m_blockCache[key];
        return known ? uchar(known - 1) : searchBlock(key);
    }

    const QList<QRgb> &palette() const { return m_palette; }

private:
    uchar search(quint32 key);
    uchar searchBlock(quint32 key);
    uchar nearestTo(int red, int green, int blue);
    const std::vector<uchar> &candidates(int cell);

    QList<QRgb> m_palette;
    std::unique_ptr<uchar[]> m_cache;
    std::vector<quint64> m_known;
    std::vector<quint16> m_blockCache; // the block's entry plus 1; 0 until it is known
    std::vector<std::vector<uchar>> m_cells;
    std::vector<bool> m_cellReady;
};

} // namespace platform

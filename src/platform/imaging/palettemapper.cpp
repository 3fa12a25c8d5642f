#include "platform/imaging/palettemapper.h"

namespace platform {

namespace {

constexpr int CellBits = 3; // 8 levels a side
constexpr int CellsPerAxis = 256 >> CellBits;
constexpr int CellSide = 1 << CellBits;
constexpr quint32 ColourCount = 1u << 24;
constexpr quint32 BlockCount = 1u << 18;

// Squared distance from a value to the interval [low, high], and to its farthest end.
int nearSquare(int value, int low, int high)
{
    const int d = value < low ? low - value : (value > high ? value - high : 0);
    return d * d;
}

int farSquare(int value, int low, int high)
{
    const int d = std::max(value - low, high - value);
    return d * d;
}

} // namespace

PaletteMapper::PaletteMapper(const QList<QRgb> &palette)
    : m_palette(palette.mid(0, 256))
    , m_cache(new uchar[ColourCount])
    , m_known(ColourCount / 64, 0)
    , m_blockCache(BlockCount, 0)
    , m_cells(CellsPerAxis * CellsPerAxis * CellsPerAxis)
    , m_cellReady(CellsPerAxis * CellsPerAxis * CellsPerAxis, false)
{ }

const std::vector<uchar> &PaletteMapper::candidates(int cell)
{
    std::vector<uchar> &list = m_cells[size_t(cell)];
    if (m_cellReady[size_t(cell)])
        return list;
    const int lowRed = (cell / (CellsPerAxis * CellsPerAxis)) * CellSide;
    const int lowGreen = (cell / CellsPerAxis % CellsPerAxis) * CellSide;
    const int lowBlue = (cell % CellsPerAxis) * CellSide;
    const int span = CellSide - 1;
    int bound = std::numeric_limits<int>::max();
    std::vector<int> nearest(size_t(m_palette.size()));
    for (int i = 0; i < m_palette.size(); ++i) {
        const QRgb c = m_palette[i];
        nearest[size_t(i)] = nearSquare(qRed(c), lowRed, lowRed + span)
            + nearSquare(qGreen(c), lowGreen, lowGreen + span)
            + nearSquare(qBlue(c), lowBlue, lowBlue + span);
        bound = std::min(bound,
            farSquare(qRed(c), lowRed, lowRed + span)
                + farSquare(qGreen(c), lowGreen, lowGreen + span)
                + farSquare(qBlue(c), lowBlue, lowBlue + span));
    }
    for (int i = 0; i < m_palette.size(); ++i)
        if (nearest[size_t(i)] <= bound)
            list.push_back(uchar(i));
    m_cellReady[size_t(cell)] = true;
    return list;
}

uchar PaletteMapper::nearestTo(int red, int green, int blue)
{
    const int cell = ((red >> CellBits) * CellsPerAxis + (green >> CellBits)) * CellsPerAxis
        + (blue >> CellBits);
    uchar best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (const uchar i : candidates(cell)) {
        const QRgb c = m_palette[i];
        const int dr = qRed(c) - red, dg = qGreen(c) - green, db = qBlue(c) - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

uchar PaletteMapper::search(quint32 key)
{
    const uchar best = nearestTo(int(key >> 16), int(key >> 8 & 0xFF), int(key & 0xFF));
    m_cache[key] = best;
    m_known[key >> 6] |= quint64(1) << (key & 63);
    return best;
}

uchar PaletteMapper::searchBlock(quint32 key)
{
    const auto centre = [](quint32 level) { return int(level << 2) | 2; };
    const uchar best = nearestTo(centre(key >> 12), centre(key >> 6 & 63), centre(key & 63));
    m_blockCache[key] = quint16(best + 1);
    return best;
}

} // namespace platform

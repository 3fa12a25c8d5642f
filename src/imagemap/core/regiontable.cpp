#include "imagemap/core/regiontable.h"

#include <QSet>
#include <limits>

namespace imagemap {

namespace {

int distinctPoints(const QPolygon &polygon)
{
    QSet<QPoint> seen;
    for (const QPoint &p : polygon) {
        seen.insert(p);
        if (seen.size() >= 3)
            break;
    }
    return int(seen.size());
}

} // namespace

RegionTable::RegionTable(int capacity)
    : m_capacity(capacity)
{ }

int RegionTable::create(const QPolygon &polygon)
{
    if (polygon.isEmpty() || count() >= m_capacity)
        return 0;
    if (m_nextHandle == std::numeric_limits<int>::max())
        return 0;
    const int handle = m_nextHandle++;
    // Fewer than three distinct points enclose no area; the rasteriser could still mark a
    // line of pixels, which a browser would never hit.
    m_regions.insert(
        handle, distinctPoints(polygon) < 3 ? QRegion() : QRegion(polygon, Qt::OddEvenFill));
    return handle;
}

std::optional<bool> RegionTable::contains(int handle, QPoint point) const
{
    const auto it = m_regions.constFind(handle);
    if (it == m_regions.constEnd())
        return std::nullopt;
    return it->contains(point);
}

bool RegionTable::erase(int handle)
{
    return m_regions.remove(handle) > 0;
}

} // namespace imagemap

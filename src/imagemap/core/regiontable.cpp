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

int RegionTable::add(const Shape &shape)
{
    if (count() >= m_capacity || m_nextHandle == std::numeric_limits<int>::max())
        return 0;
    const int handle = m_nextHandle++;
    m_regions.insert(handle, shape);
    return handle;
}

int RegionTable::create(const QPolygon &polygon)
{
    if (polygon.isEmpty())
        return 0;
    // Fewer than three distinct points enclose no area; the rasteriser could still mark a
    // line of pixels, which a browser would never hit.
    Shape shape;
    if (distinctPoints(polygon) >= 3)
        shape.area = QRegion(polygon, Qt::OddEvenFill);
    return add(shape);
}

int RegionTable::createCircle(QPoint centre, int radius)
{
    if (radius < 0)
        return 0;
    Shape shape;
    shape.centre = centre;
    shape.radius = radius;
    return add(shape);
}

std::optional<bool> RegionTable::contains(int handle, QPoint point) const
{
    const auto it = m_regions.constFind(handle);
    if (it == m_regions.constEnd())
        return std::nullopt;
    if (it->radius < 0)
        return it->area.contains(point);
    // Measured by distance, as a browser tests a circular area, not by rasterised pixels.
    const qint64 dx = point.x() - it->centre.x();
    const qint64 dy = point.y() - it->centre.y();
    return dx * dx + dy * dy <= it->radius * it->radius;
}

bool RegionTable::erase(int handle)
{
    return m_regions.remove(handle) > 0;
}

} // namespace imagemap

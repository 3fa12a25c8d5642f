#pragma once

#include <QHash>
#include <QPolygon>
#include <QRegion>
#include <optional>

namespace imagemap {

// Hit-test regions behind positive integer handles. A polygon region is filled with the
// odd-even rule; a polygon of fewer than three distinct points gives an empty region that no
// point is inside.
class RegionTable
{
public:
    // More live regions than the hotspot table can ever refer to, so only a leak reaches it.
    static constexpr int DefaultCapacity = 1000;

    explicit RegionTable(int capacity = DefaultCapacity);

    // Creates the region of the polygon and returns its handle (> 0), or 0 when the polygon
    // has no points or the table already holds its capacity of regions.
    int create(const QPolygon &polygon);
    // Creates the region of a circle: the points no farther than `radius` from the centre.
    // Returns its handle (> 0), or 0 for a negative radius or a full table.
    int createCircle(QPoint centre, int radius);

    // Whether the point lies in the region; no value when the handle names no region.
    std::optional<bool> contains(int handle, QPoint point) const;

    // Frees the region; false when the handle names no region.
    bool erase(int handle);

    int count() const { return int(m_regions.size()); }

private:
    struct Shape
    {
        QRegion area; // a polygon's pixels
        QPoint centre;
        qint64 radius = -1; // a circle when not negative
    };
    int add(const Shape &shape);

    QHash<int, Shape> m_regions;
    int m_capacity;
    int m_nextHandle = 1;
};

} // namespace imagemap

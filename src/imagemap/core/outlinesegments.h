#pragma once

#include <QMap>
#include <QPoint>

namespace imagemap {

// One outline line over the picture, in image pixels from its top-left corner. A round
// segment is a circle's outline instead: the circle round `from` whose rim passes through `to`.
struct OutlineSegment
{
    QPoint from;
    QPoint to;
    bool visible = false;
    bool round = false;

    bool operator==(const OutlineSegment &) const = default;
};

// The outline segments of the drawn shapes. Each segment carries the VertexStore index of the
// point whose addition created it; the picture paints the visible ones.
class OutlineSegments
{
public:
    // Creates the segment (hidden) if it does not exist yet, then sets its ends.
    void place(int index, QPoint from, QPoint to);
    // Creates the segment (hidden) if it does not exist yet and makes it the round outline of
    // the circle round `centre` through `rim`.
    void placeRound(int index, QPoint centre, QPoint rim);

    void show(int index);

    // Removing a segment that does not exist does nothing.
    void remove(int index);
    // Removes the segments first to last, both included.
    void removeRange(int first, int last);
    void clear() { m_segments.clear(); }

    bool contains(int index) const { return m_segments.contains(index); }
    OutlineSegment at(int index) const { return m_segments.value(index); }
    const QMap<int, OutlineSegment> &all() const { return m_segments; }
    // The indexes of the segments that exist, in increasing order.
    QList<int> indexes() const { return m_segments.keys(); }

private:
    QMap<int, OutlineSegment> m_segments;
};

} // namespace imagemap

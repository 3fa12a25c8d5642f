#pragma once

#include <QList>
#include <QPoint>
#include <QString>

namespace imagemap {

// The shape of a hotspot. Circles are not drawn yet; the HTML already knows how to write one.
enum class ShapeKind { Rectangle, Polygon, Circle };

// One row of the hotspot table. A row whose region is 0 is free.
struct HotspotRecord
{
    int region = 0; // handle in the RegionTable of the shape's hit-test region
    ShapeKind shape = ShapeKind::Rectangle;
    // In image pixels. A rectangle: its first and its opposite corner as drawn. A polygon: every
    // vertex, the first repeated last. A circle: its centre, then a point on its edge.
    QList<QPoint> points;
    QString url;
    QString altText;
    QString targetFrame;
    QList<int> pointIndexes; // VertexStore indexes of the shape, the closing point last

    bool isFree() const { return region == 0; }
};

} // namespace imagemap

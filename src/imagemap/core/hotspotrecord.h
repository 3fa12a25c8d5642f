#pragma once

#include <QList>
#include <QPoint>
#include <QString>

namespace imagemap {

// The shape of a hotspot.
enum class ShapeKind { Rectangle, Polygon, Circle };

// One row of the hotspot table. A row whose region is 0 is free.
struct HotspotRecord
{
    int region = 0; // handle in the RegionTable of the shape's hit-test region
    ShapeKind shape = ShapeKind::Rectangle;
    // In image pixels. A rectangle: its first and its opposite corner as drawn. A polygon: every
    // vertex, the first repeated last. A circle: its centre, then a point on its rim.
    QList<QPoint> points;
    QString url;
    // False for an area a page gave without a link (NOHREF, or no HREF): it shows its
    // alternate text and takes no click, and is written so again. OK in the dialog links it.
    bool linked = true;
    QString altText;
    QString targetFrame;
    // VertexStore indexes of the shape, the closing point last. A rectangle takes five slots
    // (four corners and the closing point), a polygon one per vertex plus one, and a circle
    // three: its centre, the rim point it was dragged to, and the closing point.
    QList<int> pointIndexes;

    bool isFree() const { return region == 0; }
};

// The radius of the circle round `centre` whose rim passes through `rim`, in whole pixels (the
// distance rounded), as COORDS writes it and the hit test measures it.
int circleRadius(QPoint centre, QPoint rim);

} // namespace imagemap

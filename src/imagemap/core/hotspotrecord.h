#pragma once

#include <QString>

namespace imagemap {

// ShapeKind values of a hotspot row (and of PendingShape).
constexpr int ShapeRectangle = 1;
constexpr int ShapePolygon = 2;

// One row of the hotspot table. A row whose region is 0 is free.
struct HotspotRecord
{
    int region = 0; // handle in the RegionTable of the shape's hit-test region
    QString coords; // "left,top,right,bottom" or "x1,y1,...,xn,yn,x1,y1", image pixels
    QString url;
    QString altText;
    QString targetFrame;
    QString pointIndexes; // VertexStore indexes of the shape, the closing point last
    int shapeKind = 0;

    bool isFree() const { return region == 0; }
};

} // namespace imagemap

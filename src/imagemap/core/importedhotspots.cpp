#include "imagemap/core/importedhotspots.h"

namespace imagemap {

namespace {

// Adds the shape's points and outline as the drawing would; false when they do not fit.
bool addOutline(ImageMapState &state, const MapArea &area)
{
    const QList<QPoint> &p = area.points;
    OutlineSegments &segments = state.segments();
    state.beginShape();
    if (area.shape == ShapeKind::Rectangle) {
        const QPoint topLeft = p[0];
        const QPoint bottomRight = p[1];
        const QPoint topRight(bottomRight.x(), topLeft.y());
        const QPoint bottomLeft(topLeft.x(), bottomRight.y());
        // The corners and segments in the order a dragged rectangle adds them.
        const QPoint corners[4][3]
            = {{topLeft, topLeft, topRight}, {topRight, topRight, bottomRight},
                {bottomRight, bottomLeft, bottomRight}, {bottomLeft, topLeft, bottomLeft}};
        for (const auto &corner : corners) {
            const int index = state.appendPoint(corner[0]);
            if (index == 0)
                return false;
            segments.place(index, corner[1], corner[2]);
            segments.show(index);
        }
    } else if (area.shape == ShapeKind::Circle) {
        const int index = state.appendPoint(p[0]);
        if (index == 0 || state.appendPoint(p[1]) == 0)
            return false;
        segments.placeRound(index, p[0], p[1]);
        segments.show(index);
    } else {
        // Segment k joins vertex k - 1 to vertex k; the first vertex's segment is the closing
        // edge from the first to the last vertex.
        for (qsizetype i = 0; i + 1 < p.size(); ++i) {
            const int index = state.appendPoint(p[i]);
            if (index == 0)
                return false;
            if (i == 0)
                segments.place(index, p[0], p[p.size() - 2]);
            else
                segments.place(index, p[i - 1], p[i]);
            segments.show(index);
        }
    }
    return true;
}

bool storeOne(ImageMapState &state, const MapArea &area)
{
    const int row = state.hotspots().firstFreeRow();
    if (row == 0 || area.points.size() < 2 || !addOutline(state, area))
        return false;
    const int start = state.shapeStart();
    const int closing = state.appendPoint(state.vertices().at(start));
    if (closing == 0)
        return false;
    const int region = state.createShapeRegion(area.shape, start, closing);
    if (region == 0)
        return false;
    HotspotRecord &record = state.hotspots().row(row);
    record.region = region;
    record.shape = area.shape;
    record.points = area.points;
    record.url = area.url;
    record.linked = area.linked;
    record.altText = area.altText;
    record.targetFrame = area.targetFrame;
    for (int i = start; i <= closing; ++i)
        record.pointIndexes.append(i);
    state.settleShape();
    return true;
}

} // namespace

bool storeImportedHotspots(ImageMapState &state, const QList<MapArea> &areas)
{
    for (const MapArea &area : areas) {
        if (!storeOne(state, area)) {
            state.clearHotspots();
            return false;
        }
    }
    return true;
}

} // namespace imagemap

#pragma once

#include "imagemap/core/hotspottable.h"
#include "imagemap/core/outlinesegments.h"
#include "imagemap/core/regiontable.h"
#include "imagemap/core/vertexstore.h"

#include <QPoint>
#include <QString>
#include <optional>

namespace imagemap {

// The state of an image-map window that drawing, the properties dialog and the HTML command
// share: the hotspot table, the vertex store, the hit-test regions, the outline segments and
// the drawing variables that more than one of them reads or writes.
class ImageMapState
{
public:
    explicit ImageMapState(int regionCapacity = RegionTable::DefaultCapacity);

    HotspotTable &hotspots() { return m_hotspots; }
    const HotspotTable &hotspots() const { return m_hotspots; }
    VertexStore &vertices() { return m_vertices; }
    const VertexStore &vertices() const { return m_vertices; }
    RegionTable &regions() { return m_regions; }
    const RegionTable &regions() const { return m_regions; }
    OutlineSegments &segments() { return m_segments; }
    const OutlineSegments &segments() const { return m_segments; }

    // Index of the last used vertex; 1 while nothing is drawn, so the first shape starts at 2.
    int vertexCount() const { return m_vertexCount; }
    // Index of the first point of the latest shape.
    int shapeStart() const { return m_shapeStart; }
    bool polygonOpen() const { return m_polygonOpen; }
    // First and latest vertex of the open polygon.
    QPoint firstVertex() const { return m_firstVertex; }
    QPoint lastVertex() const { return m_lastVertex; }

    // The row the properties dialog edits; 0 while it is for a newly drawn shape.
    int currentHotspot() const { return m_currentHotspot; }
    void setCurrentHotspot(int row) { m_currentHotspot = row; }
    // The kind of the newly drawn shape; none until a drawn shape is complete.
    std::optional<ShapeKind> pendingShape() const { return m_pendingShape; }
    void setPendingShape(ShapeKind kind) { m_pendingShape = kind; }
    // Whether the properties dialog is shown; drawing input waits until it is closed.
    bool dialogOpen() const { return m_dialogOpen; }
    void setDialogOpen(bool open) { m_dialogOpen = open; }
    // Whether the points shapeStart() to vertexCount() belong to a shape not stored yet.
    bool shapePending() const { return m_shapePending; }

    // Whether `points` more points after the last used one, and after them the closing point
    // of their shape, fit into the store.
    bool hasRoomFor(int points) const;

    // Starts a new pending shape after the last used point: shapeStart() becomes
    // vertexCount() + 1.
    void beginShape();
    // Adds the point (image pixels) after the last used one and returns its index, or returns
    // 0 and changes nothing when the store is full.
    int appendPoint(QPoint pixels);
    // Gives the last used point back.
    void dropLastPoint();

    // Makes the hit-test region of the shape whose points are stored at first to last (the
    // closing point included): a circle's by its centre and rim point, any other shape's from
    // its outline. Returns the region's handle, or 0 when it cannot be made.
    int createShapeRegion(ShapeKind kind, int first, int last);

    // A vertex is added to the polygon, which opens with it as its first vertex when none is
    // open; it becomes the latest vertex. Returns the latest vertex before it (itself when it
    // opened the polygon).
    QPoint followPolygon(QPoint pixels);
    // No polygon is open any more, and both vertex positions are (0, 0).
    void resetPolygon();

    // The pending shape has been stored (or dropped from the pending state without removing
    // its outline); its points stay in use.
    void settleShape() { m_shapePending = false; }
    // Removes the outline of the pending shape, gives its points back (vertexCount() becomes
    // shapeStart() - 1) and resets the polygon. Does nothing when no shape is pending, so a
    // stored shape is never touched.
    void discardPendingShape();

    // Frees every region, empties every row, removes every outline segment and gives all
    // vertex slots back (vertexCount() 1, shapeStart() 0); nothing remains pending or open.
    // Whether the properties dialog is shown is left alone: the window closes it first.
    void clearHotspots();

private:
    HotspotTable m_hotspots;
    VertexStore m_vertices;
    RegionTable m_regions;
    OutlineSegments m_segments;
    int m_vertexCount = 1;
    int m_shapeStart = 0;
    bool m_polygonOpen = false;
    QPoint m_firstVertex;
    QPoint m_lastVertex;
    int m_currentHotspot = 0;
    std::optional<ShapeKind> m_pendingShape;
    bool m_dialogOpen = false;
    bool m_shapePending = false;
};

} // namespace imagemap

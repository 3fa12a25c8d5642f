#include "imagemap/core/imagemapstate.h"

#include <QPolygon>
#include <utility>

namespace imagemap {

ImageMapState::ImageMapState(int regionCapacity)
    : m_regions(regionCapacity)
{ }

bool ImageMapState::hasRoomFor(int points) const
{
    // The closing point, a copy of the first one, is added when the shape is stored.
    return m_vertexCount + points + 1 <= VertexStore::LastIndex;
}

void ImageMapState::beginShape()
{
    m_shapeStart = m_vertexCount + 1;
    m_shapePending = true;
}

int ImageMapState::appendPoint(QPoint pixels)
{
    if (!m_vertices.set(m_vertexCount + 1, pixels))
        return 0;
    return ++m_vertexCount;
}

void ImageMapState::dropLastPoint()
{
    if (m_vertexCount > 1)
        --m_vertexCount;
}

int ImageMapState::createShapeRegion(ShapeKind kind, int first, int last)
{
    if (kind == ShapeKind::Circle) {
        const QPoint centre = m_vertices.at(first);
        return m_regions.createCircle(centre, circleRadius(centre, m_vertices.at(first + 1)));
    }
    QPolygon polygon;
    for (int i = first; i <= last; ++i)
        polygon << m_vertices.at(i);
    return m_regions.create(polygon);
}

QPoint ImageMapState::followPolygon(QPoint pixels)
{
    if (!m_polygonOpen) {
        m_polygonOpen = true;
        m_firstVertex = pixels;
        m_lastVertex = pixels;
    }
    return std::exchange(m_lastVertex, pixels);
}

void ImageMapState::resetPolygon()
{
    m_polygonOpen = false;
    m_firstVertex = QPoint();
    m_lastVertex = QPoint();
}

void ImageMapState::discardPendingShape()
{
    if (!m_shapePending)
        return;
    m_segments.removeRange(m_shapeStart, m_vertexCount);
    m_vertexCount = m_shapeStart - 1;
    m_shapePending = false;
    resetPolygon();
}

void ImageMapState::clearHotspots()
{
    for (int row = HotspotTable::FirstRow; row <= HotspotTable::LastRow; ++row) {
        if (m_hotspots.inUse(row))
            m_regions.erase(m_hotspots.row(row).region);
    }
    m_hotspots.clear();
    m_segments.clear();
    m_vertices.clear();
    m_vertexCount = 1;
    m_shapeStart = 0;
    m_shapePending = false;
    m_currentHotspot = 0;
    m_pendingShape.reset();
    resetPolygon();
}

} // namespace imagemap

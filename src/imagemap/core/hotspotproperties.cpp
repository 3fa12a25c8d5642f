#include "imagemap/core/hotspotproperties.h"

namespace imagemap {

HotspotProperties::HotspotProperties(ImageMapState &state)
    : m_state(state)
{ }

HotspotLink HotspotProperties::activation() const
{
    const int row = m_state.currentHotspot();
    if (row == 0 || !m_state.hotspots().inUse(row))
        return {};
    const HotspotRecord &record = m_state.hotspots().row(row);
    return {record.url, record.altText, record.targetFrame};
}

LinkResult HotspotProperties::ok(const HotspotLink &typed)
{
    if (typed.url.trimmed().isEmpty())
        return {false, LinkResult::Notice::UrlMissing};
    LinkResult stored;
    const int row = m_state.currentHotspot();
    if (row > 0) {
        if (m_state.hotspots().inUse(row)) {
            HotspotRecord &record = m_state.hotspots().row(row);
            record.url = typed.url;
            record.linked = true;
            record.altText = typed.altText;
            record.targetFrame = typed.targetFrame;
        }
    } else if (m_state.shapePending()) {
        stored = storeShape(typed);
        if (!stored.closes)
            return stored;
    }
    m_state.resetPolygon();
    close();
    return stored;
}

LinkResult HotspotProperties::storeShape(const HotspotLink &typed)
{
    const int start = m_state.shapeStart();
    const int closing = m_state.appendPoint(m_state.vertices().at(start));
    if (closing == 0) {
        m_state.discardPendingShape();
        return {true, LinkResult::Notice::OutOfPoints};
    }
    // A shape without a kind (OK while a polygon is still open) is stored as a polygon.
    const int newRegion = m_state.createShapeRegion(
        m_state.pendingShape().value_or(ShapeKind::Polygon), start, closing);
    if (newRegion == 0) {
        // Taking the closing point back lets a second OK store the same points again instead
        // of piling up closing points inside the shape.
        m_state.dropLastPoint();
        m_state.resetPolygon();
        m_state.setCurrentHotspot(0);
        return {false, LinkResult::Notice::OutOfPoints};
    }

    const int row = m_state.hotspots().firstFreeRow();
    if (row == 0) {
        m_state.regions().erase(newRegion);
    } else {
        const std::optional<ShapeKind> kind = m_state.pendingShape();
        HotspotRecord &record = m_state.hotspots().row(row);
        record.region = newRegion;
        // A shape without a kind (OK while a polygon is still open) is written as a polygon
        // without points.
        record.shape = kind.value_or(ShapeKind::Polygon);
        record.points = shapePoints(kind, start, closing);
        record.url = typed.url;
        record.linked = true;
        record.altText = typed.altText;
        record.targetFrame = typed.targetFrame;
        record.pointIndexes.clear();
        for (int i = start; i <= closing; ++i)
            record.pointIndexes.append(i);
    }
    m_state.settleShape();
    return {};
}

QList<QPoint> HotspotProperties::shapePoints(
    std::optional<ShapeKind> kind, int first, int last) const
{
    const VertexStore &vertices = m_state.vertices();
    QList<QPoint> points;
    if (kind == ShapeKind::Polygon) {
        for (int i = first; i <= last; ++i)
            points << vertices.at(i);
    } else if (kind == ShapeKind::Rectangle) {
        // Corners are stored top-left, top-right, bottom-right, bottom-left.
        points << vertices.at(first) << vertices.at(first + 2);
    } else if (kind == ShapeKind::Circle) {
        points << vertices.at(first) << vertices.at(first + 1);
    }
    return points;
}

bool HotspotProperties::cancel()
{
    if (m_state.currentHotspot() == 0)
        m_state.discardPendingShape();
    close();
    return true;
}

bool HotspotProperties::removeAsksFirst() const
{
    return m_state.currentHotspot() > 0;
}

void HotspotProperties::remove()
{
    const int row = m_state.currentHotspot();
    if (row > 0) {
        HotspotTable &table = m_state.hotspots();
        if (table.inUse(row)) {
            // The last index is the closing point, which has no segment of its own.
            const QList<int> &indexes = table.row(row).pointIndexes;
            for (qsizetype i = 0; i + 1 < indexes.size(); ++i)
                m_state.segments().remove(indexes[i]);
            m_state.regions().erase(table.row(row).region);
            table.clearRow(row);
        }
    } else {
        m_state.discardPendingShape();
    }
    close();
}

void HotspotProperties::close()
{
    m_state.setCurrentHotspot(0);
    m_state.setDialogOpen(false);
}

} // namespace imagemap

#include "imagemap/core/hotspotdrawing.h"

#include "platform/textnumber.h"

#include <algorithm>
#include <utility>

namespace imagemap {

namespace {

constexpr Qt::KeyboardModifiers VertexModifiers
    = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// A drag makes a rectangle only when it ends at least this many pixels right of or below the
// press point.
constexpr int MinimumDragPixels = 4;

} // namespace

HotspotDrawing::HotspotDrawing(ImageMapState &state)
    : m_state(state)
{ }

DrawingResult HotspotDrawing::press(
    QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (m_state.dialogOpen())
        return result(DrawingAction::None);
    if (button == Qt::RightButton)
        return result(hitTest(pixel));
    if (button != Qt::LeftButton)
        return result(DrawingAction::None);
    m_pressPoint = pixel;
    if (modifiers & VertexModifiers)
        return result(addVertex(pixel));
    // A plain press while a polygon is open would start a second shape over the points of the
    // first; the polygon is finished by releasing Ctrl or dropped with the window's Cancel.
    if (!m_state.polygonOpen()) {
        m_dragArmed = true;
        m_dragCircle = m_drawCircles;
    }
    return result(DrawingAction::None);
}

void HotspotDrawing::move(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_xyText = platform::plainNumber(pixel.x()) + u',' + platform::plainNumber(pixel.y());
    if (!m_dragArmed || !(buttons & Qt::LeftButton) || (modifiers & VertexModifiers))
        return;
    // The band starts where the button went down: one quick move would otherwise give a
    // rectangle that starts far from the press, or of no size at all.
    if (!m_bandShown) {
        m_bandAnchor = m_pressPoint;
        m_bandShown = true;
    }
    m_bandRect = {m_bandAnchor.x(), m_bandAnchor.y(), pixel.x(), pixel.y()};
}

DrawingResult HotspotDrawing::release(QPoint pixel, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !m_dragArmed)
        return result(DrawingAction::None);
    const bool hadBand = m_bandShown;
    m_bandShown = false;
    if (m_dragCircle)
        return result(finishCircle(m_pressPoint, pixel));
    if (pixel.x() - m_pressPoint.x() < MinimumDragPixels
        && pixel.y() - m_pressPoint.y() < MinimumDragPixels) {
        m_dragArmed = false;
        return result(DrawingAction::None);
    }
    // Without a move in between no band was ever set; the rectangle then runs from the press
    // to the release instead of from a band left over from an earlier drag.
    if (!hadBand)
        m_bandRect = {m_pressPoint.x(), m_pressPoint.y(), pixel.x(), pixel.y()};
    return result(finishDrag());
}

DrawingAction HotspotDrawing::finishCircle(QPoint centre, QPoint rim)
{
    m_dragArmed = false;
    if (circleRadius(centre, rim) < MinimumDragPixels)
        return DrawingAction::None;
    if (!m_state.hasRoomFor(2)) {
        refuseShape();
        return DrawingAction::None;
    }
    m_state.beginShape();
    const int index = m_state.appendPoint(centre);
    m_state.appendPoint(rim);
    // The outline hangs on the centre's index, so Cancel and Delete remove it with the shape.
    m_state.segments().placeRound(index, centre, rim);
    m_state.segments().show(index);
    m_state.setPendingShape(ShapeKind::Circle);
    m_state.setCurrentHotspot(0);
    m_state.setDialogOpen(true);
    return DrawingAction::ShowDialog;
}

DrawingAction HotspotDrawing::finishDrag()
{
    m_dragArmed = false;
    if (!m_state.hasRoomFor(4)) {
        refuseShape();
        return DrawingAction::None;
    }
    addCorners(m_bandRect);
    m_state.setPendingShape(ShapeKind::Rectangle);
    m_state.setCurrentHotspot(0);
    m_state.setDialogOpen(true);
    return DrawingAction::ShowDialog;
}

DrawingResult HotspotDrawing::keyRelease(int key)
{
    if (key != Qt::Key_Control || !m_state.polygonOpen() || m_state.dialogOpen())
        return result(DrawingAction::None);
    // Fewer than three distinct corners enclose nothing, so such a hotspot could never be hit.
    QList<QPoint> corners;
    for (int i = m_state.shapeStart(); i <= m_state.vertexCount(); ++i) {
        if (!corners.contains(m_state.vertices().at(i)))
            corners << m_state.vertices().at(i);
    }
    if (corners.size() < 3) {
        m_state.discardPendingShape();
        m_notices << DrawingNotice::Beep;
        return result(DrawingAction::None);
    }
    m_state.setPendingShape(ShapeKind::Polygon);
    m_state.setCurrentHotspot(0);
    m_state.setDialogOpen(true);
    return result(DrawingAction::ShowDialog);
}

DrawingResult HotspotDrawing::cancel()
{
    if (m_state.dialogOpen())
        return result(DrawingAction::CloseDialog);
    if (m_state.shapePending()) {
        m_state.discardPendingShape();
        return result(DrawingAction::None);
    }
    if (m_state.vertexCount() < 2)
        return result(DrawingAction::CloseWindow);
    return result(DrawingAction::None);
}

void HotspotDrawing::clearHotspots()
{
    m_state.clearHotspots();
    m_dragArmed = false;
    m_bandShown = false;
}

DrawingResult HotspotDrawing::selectionNotified(int left, int top, int right, int bottom)
{
    if (m_state.dialogOpen() || m_state.polygonOpen() || m_dragArmed)
        return result(DrawingAction::None);
    m_notices << DrawingNotice::Select;
    if (!m_state.hasRoomFor(4)) {
        refuseShape();
        return result(DrawingAction::None);
    }
    addCorners({left, top, right, bottom});
    // The dialog stores the shape by its kind; a selection is a rectangle.
    m_state.setPendingShape(ShapeKind::Rectangle);
    m_state.setCurrentHotspot(0);
    m_state.setDialogOpen(true);
    return result(DrawingAction::ShowDialogModeless);
}

std::optional<CircleBand> HotspotDrawing::circleBand() const
{
    if (!m_bandShown || !m_dragCircle)
        return std::nullopt;
    const QPoint centre(m_bandRect.left, m_bandRect.top);
    const QPoint rim(m_bandRect.right, m_bandRect.bottom);
    return CircleBand{centre, circleRadius(centre, rim)};
}

QRect HotspotDrawing::normalisedBand() const
{
    if (!m_bandShown || m_dragCircle)
        return QRect();
    const BandRect &b = m_bandRect;
    // QRect::normalized() would move the corners of a band dragged up or left by a pixel.
    return QRect(QPoint(std::min(b.left, b.right), std::min(b.top, b.bottom)),
        QPoint(std::max(b.left, b.right), std::max(b.top, b.bottom)));
}

DrawingAction HotspotDrawing::hitTest(QPoint pixel)
{
    if (m_dragArmed || m_state.polygonOpen())
        return DrawingAction::None;
    const HotspotTable &table = m_state.hotspots();
    for (int row = HotspotTable::FirstRow; row <= HotspotTable::LastRow; ++row) {
        const int region = table.row(row).region;
        if (region <= 0)
            continue;
        const std::optional<bool> inside = m_state.regions().contains(region, pixel);
        if (!inside) {
            m_notices << DrawingNotice::Beep;
            continue;
        }
        if (*inside) {
            m_state.setCurrentHotspot(row);
            m_state.setDialogOpen(true);
            return DrawingAction::ShowDialog;
        }
    }
    return DrawingAction::None;
}

DrawingAction HotspotDrawing::addVertex(QPoint pixel)
{
    if (!m_state.hasRoomFor(1)) {
        refuseShape();
        return DrawingAction::None;
    }
    if (!m_state.polygonOpen())
        m_state.beginShape();
    const QPoint previous = m_state.followPolygon(pixel);
    const int index = m_state.appendPoint(pixel);
    OutlineSegments &segments = m_state.segments();
    segments.place(index, previous, pixel);
    // The segment of the shape's first point doubles as the closing edge from the first to the
    // latest vertex.
    segments.place(m_state.shapeStart(), m_state.firstVertex(), pixel);
    segments.show(m_state.shapeStart());
    segments.show(index);
    return DrawingAction::None;
}

void HotspotDrawing::addCorners(const BandRect &r)
{
    struct Corner
    {
        QPoint from;
        QPoint to;
        QPoint point;
    };
    const Corner corners[4] = {
        {{r.left, r.top}, {r.right, r.top}, {r.left, r.top}},
        {{r.right, r.top}, {r.right, r.bottom}, {r.right, r.top}},
        {{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.bottom}},
        {{r.left, r.top}, {r.left, r.bottom}, {r.left, r.bottom}},
    };
    m_state.beginShape();
    for (const Corner &corner : corners) {
        const int index = m_state.appendPoint(corner.point);
        m_state.segments().place(index, corner.from, corner.to);
        m_state.segments().show(index);
    }
}

void HotspotDrawing::refuseShape()
{
    if (m_state.polygonOpen())
        m_state.discardPendingShape();
    m_notices << DrawingNotice::OutOfPoints;
}

DrawingResult HotspotDrawing::result(DrawingAction action)
{
    return {action, std::exchange(m_notices, {})};
}

} // namespace imagemap

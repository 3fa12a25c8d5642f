#pragma once

#include "imagemap/core/imagemapstate.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <optional>

namespace imagemap {

// What the window has to do after an input reached the drawing.
enum class DrawingAction {
    None,
    ShowDialog, // show the properties dialog modally
    ShowDialogModeless, // show it without blocking the window, with the URL box focused
    CloseDialog, // close the shown properties dialog as its Cancel would
    CloseWindow,
};

// What the user is told of an input, before the window does what the input asks for.
enum class DrawingNotice {
    Beep, // a right click met a hotspot without a region, or a polygon had too few corners
    Select, // the image component reported a selected rectangle
    OutOfPoints, // the shape's points do not fit into the vertex store: it was dropped
};

// What an input to the drawing came to.
struct DrawingResult
{
    DrawingAction action = DrawingAction::None;
    QList<DrawingNotice> notices; // in the order they arose

    bool operator==(const DrawingResult &) const = default;
};

// The rubber band in image pixels, not normalised: dragged up or left, right < left or bottom <
// top.
struct BandRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const BandRect &) const = default;
};

// The circle being dragged, in pixels: its centre and its radius.
struct CircleBand
{
    QPoint centre;
    int radius = 0;

    bool operator==(const CircleBand &) const = default;
};

// The drawing of hotspots on the picture: dragging rectangles, Ctrl-clicking polygons,
// re-opening hotspots with the right button, and the pointer display. Positions arrive in
// image pixels from the picture's top-left corner, and points and outlines are kept in them.
//
// With circle drawing on, a plain left drag outlines a circle instead of a rectangle: its centre
// is at the press and its rim follows the pointer. A circle takes three vertex slots (centre,
// rim point and closing point) and results when its radius is at least four pixels.
//
// A shape's points are checked against the vertex store as soon as they are added: a
// rectangle needs room for its four corners and its closing point, every polygon vertex room
// for itself and the closing point. When they do not fit, the shape (with the open polygon's
// outline so far) is dropped, its points are given back and the result says OutOfPoints.
//
// While the properties dialog is shown, and while a polygon is open or a drag is under way,
// inputs that would start another shape or re-open a hotspot are ignored, so the dialog always
// works on the shape it was opened for.
class HotspotDrawing
{
public:
    explicit HotspotDrawing(ImageMapState &state);

    // Whether a plain left drag outlines a circle (off at start). A drag under way keeps the
    // shape it started with.
    void setDrawCircles(bool on) { m_drawCircles = on; }
    bool drawsCircles() const { return m_drawCircles; }

    // A button went down over the picture. The left button arms a drag, or with Shift, Ctrl or
    // Alt held adds a polygon vertex; the right button re-opens the hotspot under the pointer
    // (the lowest row wins) and asks for the dialog.
    DrawingResult press(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The pointer moved over the picture: updates the pointer display and, during a drag with
    // the left button and no modifier, the rubber band.
    void move(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // A button came up. Ends a drag: a rectangle results when the pointer ended at least four
    // pixels right of or below the press point, and the dialog is asked for.
    DrawingResult release(QPoint pixel, Qt::MouseButton button);
    // A key came up while the picture had the focus. Releasing Ctrl closes an open polygon and
    // asks for the dialog; a polygon of fewer than three distinct corners is dropped with a
    // beep instead, and its points are given back.
    DrawingResult keyRelease(int key);
    // The window was activated: the rubber band is no longer shown.
    void windowActivated() { m_bandShown = false; }
    // The pointer left the picture (or the instructions or the pointer display were clicked).
    void pointerLeft() { m_xyText.clear(); }

    // The window's Cancel button. With the dialog shown it asks to close the dialog; with a
    // shape not yet stored (an open polygon) it removes that shape and gives its points back;
    // with no shape points in use it asks to close the window. A stored shape always stays.
    DrawingResult cancel();

    // Empties the hotspot store when a new image has been loaded (see
    // ImageMapState::clearHotspots); the rubber band and any drag end as well.
    void clearHotspots();

    // The image component reported a selected rectangle (image pixels). Tells "Select", then
    // adds the rectangle as a new shape and asks for the dialog without making it modal.
    // Ignored while another shape is being drawn or the dialog is shown.
    DrawingResult selectionNotified(int left, int top, int right, int bottom);

    // Text of the pointer display: "x,y" in image pixels, empty outside the picture.
    QString xyText() const { return m_xyText; }

    bool dragArmed() const { return m_dragArmed; }
    QPoint pressPoint() const { return m_pressPoint; }
    QPoint bandAnchor() const { return m_bandAnchor; }
    bool bandShown() const { return m_bandShown; }
    BandRect bandRect() const { return m_bandRect; }
    // The rubber band to paint, normalised; an empty rectangle while no band is shown or a
    // circle is dragged.
    QRect normalisedBand() const;
    // The circle to paint while one is dragged; nothing otherwise.
    std::optional<CircleBand> circleBand() const;

private:
    DrawingAction hitTest(QPoint pixel);
    DrawingAction addVertex(QPoint pixel);
    DrawingAction finishDrag();
    DrawingAction finishCircle(QPoint centre, QPoint rim);
    // Adds the four corners of the rectangle as a new shape, with their outline.
    void addCorners(const BandRect &corners);
    // Drops the open polygon, if any, and notes that the shape's points did not fit.
    void refuseShape();
    // The result of an input: the action and the notices gathered since the last result.
    DrawingResult result(DrawingAction action);

    ImageMapState &m_state;
    QList<DrawingNotice> m_notices;
    bool m_drawCircles = false;
    bool m_dragArmed = false;
    bool m_dragCircle = false; // the armed drag outlines a circle
    QPoint m_pressPoint;
    QPoint m_bandAnchor;
    bool m_bandShown = false;
    BandRect m_bandRect;
    QString m_xyText;
};

} // namespace imagemap

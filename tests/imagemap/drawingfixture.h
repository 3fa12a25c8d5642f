#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/hotspotproperties.h"
#include "imagemap/core/imagemapstate.h"
#include "imagemap/ui/imagemapmessages.h"
#include "scriptedprompter.h"

#include <QList>
#include <QPoint>

namespace testsupport {

// An image-map window's state without the window: the drawing and the dialog logic on one
// state, their results told through a scripted prompter as the window tells them. Positions
// are given in image pixels, as the picture sends them.
struct DrawingFixture
{
    explicit DrawingFixture(int regionCapacity = imagemap::RegionTable::DefaultCapacity)
        : state(regionCapacity)
    { }

    // A visible straight outline segment between two pixel positions.
    static imagemap::OutlineSegment line(QPoint from, QPoint to) { return {from, to, true}; }

    // Tells the result's notices and returns the action it asks for.
    imagemap::DrawingAction told(const imagemap::DrawingResult &result)
    {
        imagemap::tellDrawingNotices(prompter, result.notices);
        return result.action;
    }

    imagemap::DrawingAction press(QPoint pixels, Qt::MouseButton button = Qt::LeftButton,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return told(drawing.press(pixels, button, modifiers));
    }
    imagemap::DrawingAction release(QPoint pixels, Qt::MouseButton button = Qt::LeftButton)
    {
        return told(drawing.release(pixels, button));
    }
    imagemap::DrawingAction keyRelease(int key) { return told(drawing.keyRelease(key)); }
    imagemap::DrawingAction cancel() { return told(drawing.cancel()); }

    // A left drag with one move on the way; returns what the release asked for.
    imagemap::DrawingAction drag(QPoint from, QPoint to)
    {
        press(from);
        drawing.move(to, Qt::LeftButton, Qt::NoModifier);
        return release(to);
    }

    // Ctrl-clicks every point, then releases Ctrl; returns what the key release asked for.
    imagemap::DrawingAction polygon(const QList<QPoint> &points)
    {
        for (const QPoint &p : points) {
            press(p, Qt::LeftButton, Qt::ControlModifier);
            release(p);
        }
        return keyRelease(Qt::Key_Control);
    }

    // OK in the dialog with the texts typed; returns whether it closed.
    bool ok(const imagemap::HotspotLink &typed)
    {
        const imagemap::LinkResult result = properties.ok(typed);
        imagemap::tellLinkNotice(prompter, result.notice);
        return result.closes;
    }

    // Delete in the dialog, answering the question where it is asked; returns whether it closed.
    bool remove() { return imagemap::removeHotspot(prompter, properties); }

    // Draws a rectangle and stores it with the URL; returns its row (0 when not stored).
    int storeRectangle(QPoint from, QPoint to, const QString &url = QStringLiteral("a.htm"))
    {
        if (drag(from, to) != imagemap::DrawingAction::ShowDialog)
            return 0;
        return store(url);
    }

    // Drags a circle from its centre to a rim point with circle drawing on, and stores it;
    // returns its row (0 when not stored). Circle drawing is off again afterwards.
    int storeCircle(QPoint centre, QPoint rim, const QString &url = QStringLiteral("c.htm"))
    {
        drawing.setDrawCircles(true);
        const imagemap::DrawingAction action = drag(centre, rim);
        drawing.setDrawCircles(false);
        if (action != imagemap::DrawingAction::ShowDialog)
            return 0;
        return store(url);
    }

    int storePolygon(const QList<QPoint> &points, const QString &url = QStringLiteral("p.htm"))
    {
        if (polygon(points) != imagemap::DrawingAction::ShowDialog)
            return 0;
        return store(url);
    }

    // Presses OK for a new shape; returns the row that received it (0 when none did).
    int store(const QString &url)
    {
        const int before = state.hotspots().firstFreeRow();
        if (!ok({url, QString(), QString()}))
            return 0;
        return state.hotspots().inUse(before) ? before : 0;
    }

    const imagemap::HotspotRecord &row(int i) const { return state.hotspots().row(i); }
    // A row's URL, alternate text and target.
    QStringList link(int i) const { return {row(i).url, row(i).altText, row(i).targetFrame}; }

    ScriptedPrompter prompter;
    imagemap::ImageMapState state;
    imagemap::HotspotDrawing drawing{state};
    imagemap::HotspotProperties properties{state};
};

} // namespace testsupport

#pragma once

#include "imagemap/core/imagemapstate.h"
#include "platform/prompter.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

namespace imagemap {

// The three link texts of a hotspot as the dialog's boxes hold them.
struct HotspotLink
{
    QString url;
    QString altText;
    QString targetFrame;

    bool operator==(const HotspotLink &) const = default;
};

inline QString urlMissingMessage()
{
    return QStringLiteral("Please enter the URL");
}

inline QString deleteQuestion()
{
    return QStringLiteral("Are you sure you want to delete this hotspot?");
}

// The logic of the hotspot properties dialog. It edits the row currentHotspot() names, or,
// while that is 0, turns the newly drawn shape into a hotspot row. ok(), cancel() and remove()
// return whether the dialog closes; when it does, the current hotspot is 0 again and the
// drawing takes input again. All three are safe in any state: without a pending new shape or
// with a row that is no longer in use they change no stored shape.
class HotspotProperties
{
public:
    HotspotProperties(ImageMapState &state, platform::Prompter &prompter);

    // The texts the boxes show when the dialog becomes active: the row's URL, alternate text
    // and target frame for an existing hotspot, empty texts for a new shape.
    HotspotLink activation() const;

    // OK. A URL that is empty or blank is refused with a message and the dialog stays open
    // (the URL box should get the focus). An existing hotspot gets the three texts as typed.
    // A new shape is stored: its closing point (a copy of the first) is added, its region
    // made, and the lowest free row gets the region, the shape's kind and points, the texts
    // and the point indexes. When the region cannot be made the capacity message is shown, the
    // closing point taken back and the dialog stays open. When no row is free nothing is stored and
    // nothing is said; the outline stays.
    bool ok(const HotspotLink &typed);

    // Cancel (also the title-bar close and Escape): a new shape's outline is removed and its
    // points given back; an existing hotspot stays as it was.
    bool cancel();

    // Delete. For an existing hotspot it asks first (any answer but Yes keeps the dialog
    // open), then removes the outline segments of the row's point indexes, frees the region and
    // empties the row; the points are not given back. A new shape is removed as by Cancel.
    bool remove();

private:
    // Stores the pending shape; returns whether the dialog closes.
    bool storeShape(const HotspotLink &typed);
    // The points a row keeps of the shape whose points are first to last.
    QList<QPoint> shapePoints(std::optional<ShapeKind> kind, int first, int last) const;
    void close();

    ImageMapState &m_state;
    platform::Prompter &m_prompter;
};

} // namespace imagemap

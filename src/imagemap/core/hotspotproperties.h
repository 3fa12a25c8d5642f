#pragma once

#include "imagemap/core/imagemapstate.h"

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

// What OK in the properties dialog came to: whether the dialog closes, and what the user is
// told first.
struct LinkResult
{
    enum class Notice { None, UrlMissing, OutOfPoints };

    bool closes = true;
    Notice notice = Notice::None;

    bool operator==(const LinkResult &) const = default;
};

// The logic of the hotspot properties dialog. It edits the row currentHotspot() names, or,
// while that is 0, turns the newly drawn shape into a hotspot row. When the dialog closes, the
// current hotspot is 0 again and the drawing takes input again. All three are safe in any state:
// without a pending new shape or with a row that is no longer in use they change no stored shape.
class HotspotProperties
{
public:
    explicit HotspotProperties(ImageMapState &state);

    // The texts the boxes show when the dialog becomes active: the row's URL, alternate text
    // and target frame for an existing hotspot, empty texts for a new shape.
    HotspotLink activation() const;

    // OK. A URL that is empty or blank is refused (UrlMissing) and the dialog stays open (the
    // URL box should get the focus). An existing hotspot gets the three texts as typed. A new
    // shape is stored: its closing point (a copy of the first) is added, its region made, and
    // the lowest free row gets the region, the shape's kind and points, the texts and the point
    // indexes. When the closing point does not fit the shape is dropped and the dialog closes;
    // when the region cannot be made the closing point is taken back and the dialog stays open:
    // both say OutOfPoints. When no row is free nothing is stored and nothing is said; the
    // outline stays.
    LinkResult ok(const HotspotLink &typed);

    // Cancel (also the title-bar close and Escape): a new shape's outline is removed and its
    // points given back; an existing hotspot stays as it was.
    bool cancel();

    // Whether Delete removes a stored hotspot, which the user is asked about first (any answer
    // but Yes keeps the dialog open); a new shape is removed without asking.
    bool removeAsksFirst() const;
    // Delete, once allowed: removes the outline segments of a stored hotspot's point indexes,
    // frees its region and empties its row; the points are not given back. A new shape is
    // removed as by Cancel. The dialog closes.
    void remove();

private:
    // Stores the pending shape.
    LinkResult storeShape(const HotspotLink &typed);
    // The points a row keeps of the shape whose points are first to last.
    QList<QPoint> shapePoints(std::optional<ShapeKind> kind, int first, int last) const;
    void close();

    ImageMapState &m_state;
};

} // namespace imagemap

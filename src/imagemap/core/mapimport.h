#pragma once

#include "imagemap/core/hotspotrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace imagemap {

// One AREA of a page's map as a hotspot takes it. The points are those a drawn shape of that
// kind keeps: a rectangle's first and opposite corner, a polygon's vertices with the first
// repeated last, a circle's centre and the point on its rim straight right of it.
struct MapArea
{
    ShapeKind shape = ShapeKind::Rectangle;
    QList<QPoint> points;
    QString url;
    // False when the area has no HREF (NOHREF alone does not count: browsers follow an HREF
    // beside it).
    bool linked = true;
    QString altText;
    QString targetFrame;

    bool operator==(const MapArea &) const = default;
};

// What reading a page's image map gave: the areas and the picture, or why the page cannot be
// taken.
struct MapImport
{
    QList<MapArea> areas;
    // The SRC of the IMG that uses the map, entities decoded; empty when no IMG uses it.
    QString pictureSource;
    // Empty when the page was taken; otherwise a message that names the area and the reason.
    QString error;
    // Sentences the user should read about a page that was taken: what was read differently
    // from how browsers read it.
    QStringList notes;
    // The name (or ID) of every MAP of the page in document order, and of the one taken.
    QStringList mapNames;
    QString mapName;
    // For each of mapNames, the SRC of the first IMG that uses it; empty where none does.
    QStringList mapPictures;

    bool succeeded() const { return error.isEmpty(); }
};

// The largest page read; a map page is a few kilobytes.
inline constexpr qint64 MaximumPageBytes = 16 * 1024 * 1024;
// The largest coordinate taken, in pixels.
inline constexpr int MaximumCoordinate = 32767;

// Reads the image map of an HTML page written by anyone, with libxml2's recovering HTML parser
// (no network access): the MAP that the first IMG with a USEMAP names, or where no IMG has one,
// the first MAP. Its AREAs, in document order, become the areas; DEFAULT areas are left out,
// since the HTML code ends with its own. Shapes are rect/rectangle (also for a missing SHAPE),
// poly/polygon and circle/circ, in any case; coordinates may be separated by commas and/or
// blanks, and decimals are rounded. A page without a map, an unknown shape, a wrong number of
// coordinates, a negative, percent or too large coordinate, a polygon of fewer than three
// corners, and more areas or points than the hotspot table and vertex store hold are refused.
// The bytes are read in the character set the page declares, as browsers read them.
// With `mapName`, the MAP of that NAME (or ID) is taken instead, with the picture of the first
// IMG that uses it.
MapImport readImageMap(const QByteArray &page, const QString &mapName = {});

// Reads the page file at `path` as readImageMap() does; a file that cannot be read, or is
// larger than MaximumPageBytes, is refused with the reason.
MapImport readImageMapFile(const QString &path, const QString &mapName = {});

// Where the picture named by `source` lies on this computer: `source` resolved against the
// folder of the page at `pagePath` ("\" taken as "/", %-escapes decoded). Empty for a remote
// URL (any scheme but file:) or an empty source.
QString localPicturePath(const QString &pagePath, const QString &source);

// The vertex slots a hotspot of that kind with those points takes (closing point included).
int vertexSlots(const MapArea &area);

} // namespace imagemap

#pragma once

#include "imagemap/core/hotspottable.h"

#include <QString>

namespace imagemap {

// The outcome of building the image-map HTML: the text, or an error message and no text.
struct ImageMapHtml
{
    QString text;
    QString error;

    bool succeeded() const { return error.isEmpty(); }
};

// Builds the client-side image map for the image at imagePath from the hotspot rows:
// the IMG line, the MAP line, one AREA line per row in use (in row order), the DEFAULT area
// and "</MAP>", joined by CR LF with no line break after the last line.
//
// The image file name is the part of the path after its last "/" or "\", with its case kept;
// the map name is that name without its last four characters (the dot and a three-letter
// extension). A path without a separator, or whose name leaves no map name, gives an error.
// The AREA values are copied as typed with surrounding white space removed. In every
// attribute value a double quote is written as &quot; so that it cannot end the attribute.
ImageMapHtml buildImageMap(const QString &imagePath, const HotspotTable &table);

// The same lines, but with `source` as the IMG's SRC (a path relative to the page that holds
// the map, or a URL); the map name still comes from the file name of imagePath.
ImageMapHtml buildImageMap(
    const QString &imagePath, const HotspotTable &table, const QString &source);

// The AREA line Create HTML Code writes for the row.
QString areaLine(const HotspotRecord &row);

} // namespace imagemap

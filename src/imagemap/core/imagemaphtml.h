#pragma once

#include "imagemap/core/hotspottable.h"

#include <QString>

namespace imagemap {

// Asked before the image-map HTML is built; only Yes goes on.
inline QString htmlQuestion()
{
    return QStringLiteral(
        "The HTML code will be placed in the clipboard.  You need to insert/paste it "
        "into your HTML document.  To remove the 'hypertext' border, set BORDER=0.");
}

// Told once the HTML is on the clipboard.
inline QString htmlDoneMessage()
{
    return QStringLiteral("Done.  Now paste the code into your HTML document.");
}

// Asked when the window closes while it holds hotspots whose HTML has not been placed on the
// clipboard; only Yes closes it.
inline QString discardHotspotsQuestion()
{
    return QStringLiteral("The HTML code of the hotspots has not been placed in the clipboard.  "
                          "Do you want to close the window and discard the hotspots?");
}

// The same question when Open, Open Map or a dropped file would replace the hotspots; only Yes
// opens the file.
inline QString discardHotspotsForOpenQuestion()
{
    return QStringLiteral("The HTML code of the hotspots has not been placed in the clipboard.  "
                          "Do you want to open the file and discard the hotspots?");
}

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

#pragma once

#include "imagemap/core/imagemaphtml.h"

namespace imagemap {

// How a page at pagePath refers to the picture at imagePath: the path relative to the page's
// folder, with "/" between folders and "%", "#" and "?" escaped so that a browser reads the
// name as written; a file: URL where no relative path leads there.
QString pictureReference(const QString &imagePath, const QString &pagePath);

// The standalone HTML5 page Save Map As writes: a charset declaration, the map name as title,
// and in the body the IMG, MAP and AREA lines of Create HTML Code with the picture referred to
// relative to the page. Lines end in CR LF. An error, and no text, where Create HTML Code
// would give one.
ImageMapHtml buildMapPage(
    const QString &imagePath, const QString &pagePath, const HotspotTable &table);

// True when `bytes` hold nothing but a page buildMapPage writes: replacing it loses nothing but
// the map.
bool holdsOnlyAMapPage(const QByteArray &bytes);

} // namespace imagemap

#pragma once

#include "imagemap/core/imagemaphtml.h"

#include <QSize>

namespace imagemap {

// The map as an inline SVG that scales with the width its page gives it: the viewBox is the
// picture's size in pixels, the picture fills it, and over it lies one link per hotspot (a
// rect, polygon or circle without visible fill or stroke), with the alternate text as the
// link's title and the target frame kept. Where hotspots overlap the lowest row wins, as in the
// IMG map. The picture is referred to as `source`, or where that is empty by the file name of
// imagePath. Values are trimmed and escaped for XML. An error, and no text, without an image.
ImageMapHtml buildSvgMap(const QString &imagePath, QSize pictureSize, const HotspotTable &table,
    const QString &source = QString());

} // namespace imagemap

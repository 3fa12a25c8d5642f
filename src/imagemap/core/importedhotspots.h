#pragma once

#include "imagemap/core/imagemapstate.h"
#include "imagemap/core/mapimport.h"

namespace imagemap {

// Stores the areas of a page's map as hotspots, rows 1, 2, ... in the order given, as if each
// had been drawn and confirmed: its points go to the vertex store in drawing order (a
// rectangle's four corners, a polygon's vertices, a circle's centre and rim point) followed by
// the closing point, its outline segments are shown and its hit-test region is made. The state
// must have been cleared (ClearHotspots). Returns false, with the state cleared again, when the
// areas do not fit into the table or the store, or a region cannot be made.
bool storeImportedHotspots(ImageMapState &state, const QList<MapArea> &areas);

} // namespace imagemap

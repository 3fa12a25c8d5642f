// Feeds arbitrary bytes to Zonemark's map reader as an HTML page. A map it accepts must store as
// hotspots, and the page Save Map As writes of them must read back to the same shapes and
// points in the same order.

#include "imagemap/core/imagemapstate.h"
#include "imagemap/core/importedhotspots.h"
#include "imagemap/core/mapimport.h"
#include "imagemap/core/mappage.h"
#include "imagemap/core/svgmap.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const imagemap::MapImport read = imagemap::readImageMap(bytes);
    if (!read.succeeded())
        return 0;
    imagemap::ImageMapState state;
    if (!imagemap::storeImportedHotspots(state, read.areas))
        abort();
    const QString picture = QStringLiteral("/fuzz/picture.gif");
    const imagemap::ImageMapHtml page
        = imagemap::buildMapPage(picture, QStringLiteral("/fuzz/page.htm"), state.hotspots());
    if (!page.succeeded())
        abort();
    const imagemap::MapImport again = imagemap::readImageMap(page.text.toUtf8());
    if (!again.succeeded() || again.areas.size() != read.areas.size()
        || again.pictureSource != QLatin1String("picture.gif"))
        abort();
    for (qsizetype i = 0; i < read.areas.size(); ++i) {
        if (again.areas[i].shape != read.areas[i].shape
            || again.areas[i].points != read.areas[i].points)
            abort();
    }
    if (!imagemap::buildSvgMap(picture, QSize(100, 100), state.hotspots()).succeeded())
        abort();
    return 0;
}

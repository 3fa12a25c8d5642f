#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace platform {

// Maps a true-colour image onto a given palette.
//
// Each pixel takes the nearest palette entry (PaletteMapper). With dithering, the rest of the
// difference is passed on to the neighbours not yet mapped (Floyd-Steinberg weights, rows taken
// alternately left to right and right to left so errors do not drift to one side), scaled by the
// dithering level. Pixels of flat areas (FlatAreaMask) neither take nor pass on errors, so each
// flat area of one colour ends on one index.
class Remapper
{
public:
    // `source` is Format_RGB32 or Format_RGBX8888; `palette` has 1 to 256 entries; `dithering`
    // runs from 0 (nearest colour only) to 1 (full error diffusion). Returns a Format_Indexed8
    // image with `palette` as its colour table, or a null image for other input or no memory.
    static QImage remap(const QImage &source, const QList<QRgb> &palette, float dithering);
};

} // namespace platform

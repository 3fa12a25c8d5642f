#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <functional>

namespace platform {

struct RemapOptions
{
    // Worker threads; 0 for one per processor core. The result is the same for any number.
    int threads = 0;
    // Called with the result and its rows [first, end) once they are final, in order from the
    // top, on a thread of its own while later rows are still being mapped.
    std::function<void(const QImage &result, int first, int end)> finishedRows;
    // The source's pixel memory may be handed back to the system as it is used up: the caller
    // drops the source afterwards and nothing else shares it. The source then reads as zeros.
    bool consumeSource = false;
};

// Maps a true-colour image onto a given palette.
//
// Each pixel takes the nearest palette entry (PaletteMapper). With dithering, the rest of the
// difference is passed on to the neighbours not yet mapped (Floyd-Steinberg weights, rows taken
// alternately left to right and right to left so errors do not drift to one side), scaled by the
// dithering level. Pixels of flat areas (FlatAreaMask) neither take nor pass on errors, so each
// flat area of one colour ends on one index.
//
// The image is cut into bands of rows, by its height alone, which threads take in turn; errors
// are not passed across a band's edge, so the result does not depend on the threads.
class Remapper
{
public:
    // `source` is Format_RGB32 or Format_RGBX8888; `palette` has 1 to 256 entries; `dithering`
    // runs from 0 (nearest colour only) to 1 (full error diffusion). Returns a Format_Indexed8
    // image with `palette` as its colour table, or a null image for other input or no memory.
    static QImage remap(const QImage &source, const QList<QRgb> &palette, float dithering,
        const RemapOptions &options = {});
};

} // namespace platform

#pragma once

#include "platform/imaging/gifimagedata.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

namespace platform {

// Brings images to a 256-entry palette.
//
// A palette image keeps its colours and indexes; its palette is padded to 256 entries. A
// true-colour image with 256 colours or fewer is converted exactly, one palette entry per
// colour in the order the colours first appear. Any other image is quantized with
// libimagequant and remapped with error diffusion, except that flat areas are mapped without
// it (see Remapper), so a background of one colour stays on one index.
class ColourReducer
{
public:
    struct Settings
    {
        int speed; // libimagequant's speed, 1 (slowest, best) to 10 (fastest)
        float dithering; // 0 (none) to 1 (full error diffusion)
    };

    // The settings the component uses, chosen by measurement on large photographs (see
    // bench/RESULTS.md): nearly the palette quality of the slow settings in a fraction of the time.
    static Settings defaultSettings();

    // Turns `image` into a Format_Indexed8 image with exactly 256 colour table entries, working in
    // place where it can. Translucent pixels are first laid over white, as a web page would show
    // them. Returns false with a reason when the quantizer fails; `image` then keeps its colours.
    static bool toPalette256(QImage &image, QString *error);
    static bool toPalette256(QImage &image, const Settings &settings, QString *error);

    // What a reduction may do beyond making the palette image.
    struct Extras
    {
        // `image` is the caller's only copy, replaced by the result: its pixel memory may be
        // given back to the system as the remapping uses it up.
        bool consumeImage = false;
        // Receives the GIF image data of the result, encoded alongside a remapping (and
        // cleared when the image is converted otherwise).
        GifImageData *gifImageData = nullptr;
    };
    static bool toPalette256(
        QImage &image, const Settings &settings, QString *error, const Extras &extras);

    // The distinct colours of a true-colour image in order of first appearance (scanning rows
    // top to bottom), alpha ignored, stopping as soon as there are more than `limit`.
    static QList<QRgb> distinctColours(const QImage &image, int limit);

    // The most pixels libimagequant sees when it chooses a palette; a larger picture is
    // sampled on a regular grid, which chooses nearly the same palette in a fraction of the time.
    static constexpr qint64 SamplePixels = 750'000;

    // The grid sample of an opaque RGB32 picture that the palette is chosen from, in R, G, B, X
    // byte order: the picture itself up to SamplePixels.
    static QImage paletteSample(const QImage &image);

private:
    static bool choosePalette(
        const QImage &image, const Settings &settings, QList<QRgb> &colours, QString *error);
    static bool quantize(
        QImage &image, const Settings &settings, QString *error, const Extras &extras);
};

} // namespace platform

#pragma once

#include "platform/imaging/decodedimage.h"

#include <QByteArray>
#include <QImage>

class QIODevice;

namespace platform {

// Our own reader and writer of PCX images.
//
// Reading accepts 1-, 2- and 4-bit palette images (packed or in up to four bit planes, colours
// from the 16-entry header palette), 8-bit palette images (colours from the 256-entry palette
// at the end of the file) and 24-bit images in three planes, RLE-encoded or raw. Every read is
// bounds-checked: a short file, a header whose line length does not fit its width, an RLE run
// that crosses the end of a scan line and data that ends early are reported, never guessed.
class PcxCodec
{
public:
    static constexpr int HeaderSize = 128;
    static constexpr int TrailingPaletteSize = 769; // the 0x0C marker and 256 x (R, G, B)

    // Decodes a whole PCX file. Palette images come back as Format_Indexed8 with 2^bits colour
    // table entries, 24-bit images as Format_RGB32.
    static DecodedImage read(const QByteArray &file);

    // Writes an Format_Indexed8 image as a version 5, 8-bit, single-plane, RLE-encoded PCX
    // with the first 16 colours in the header palette and 256 colours at the end (padded with
    // black). Fails for other formats and for sides above 65536 pixels.
    static bool write(QIODevice &device, const QImage &indexed, QString *error);
};

} // namespace platform

#pragma once

#include <QImage>

class QIODevice;

namespace platform {

// Writes 8-bit BMP files in the layout the GIF tool reads back: a 14-byte file header, the
// 40-byte information header and a 256-entry palette at byte 54, pixel rows bottom-up from
// byte 1078. (Qt's own writer would write a 4-bit file for images of 16 colours or fewer.)
class BmpWriter
{
public:
    static constexpr int FileHeaderSize = 14;
    static constexpr int InfoHeaderSize = 40;
    static constexpr int PaletteOffset = FileHeaderSize + InfoHeaderSize;
    static constexpr int PixelOffset = PaletteOffset + 256 * 4;

    // Writes a Format_Indexed8 image with its colour table padded with black to 256 entries.
    static bool write(QIODevice &device, const QImage &indexed, QString *error);
};

} // namespace platform

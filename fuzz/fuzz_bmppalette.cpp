// Feeds arbitrary bytes to the BMP palette reader and writer the GIF tool uses on its working
// bitmap. A palette written back must read back the same, and nothing else may change.

#include "platform/imaging/bmppalette.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QRgb> palette;
    QString error;
    const bool read = platform::readBmpPalette(bytes, &palette, &error);
    if (read != error.isEmpty() || (read && palette.size() != 256))
        abort();
    QByteArray changed = bytes;
    QList<QRgb> inverted;
    for (const QRgb colour : palette)
        inverted.append(~colour | 0xFF000000u);
    if (platform::writeBmpPalette(changed, inverted) != read || changed.size() != bytes.size())
        abort();
    if (!read) {
        if (changed != bytes)
            abort();
        return 0;
    }
    QList<QRgb> back;
    if (!platform::readBmpPalette(changed, &back) || back != inverted
        || changed.left(54) != bytes.left(54) || changed.mid(54 + 1024) != bytes.mid(54 + 1024))
        abort();
    return 0;
}

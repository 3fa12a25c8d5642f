// Feeds arbitrary bytes, as a file the encoder might have left, to the GIF89a patch of the GIF
// tool. A refused file must come back unchanged; a patched one keeps its length or grows by the
// block and 1 to 8 pad bytes, and one that grew reads "GIF89a".

#include "giftool/core/gifpatch.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 8)
        return 0;
    // The first bytes choose the values a save would pass.
    giftool::GifPatchValues values;
    values.sourcePacked = data[0];
    values.sourceAspect = data[1];
    values.transparentIndex = data[2] == 255 ? 999 : data[2];
    values.backgroundSelected = data[3] & 1;
    values.imageWidth = data[4] | data[5] << 8;
    values.imageHeight = data[6] | data[7] << 8;
    const QByteArray original(reinterpret_cast<const char *>(data + 8), qsizetype(size - 8));
    QByteArray gif = original;
    QString error;
    if (!giftool::patchTransparentGif(gif, values, &error)) {
        if (gif != original || error.isEmpty())
            abort();
        return 0;
    }
    const qsizetype grown = gif.size() - original.size();
    if (!(grown == 0 || (grown >= 9 && grown <= 16)) || (grown > 0 && !gif.startsWith("GIF89a")))
        abort();
    return 0;
}

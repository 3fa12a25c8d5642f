#pragma once

#include <QByteArray>
#include <QString>
#include <gif_lib.h>
#include <memory>
#include <vector>

class QIODevice;

// What the GIF reader and the animation reader and writer share of giflib: reading from memory,
// writing to a device, closing and freeing, and saying what went wrong.
namespace platform::giflib {

struct MemoryInput
{
    const QByteArray *bytes;
    qsizetype pos = 0;

    bool atEnd() const { return pos >= bytes->size(); }
};

// giflib's input function over a MemoryInput held in the decoder's UserData.
int readFromMemory(GifFileType *gif, GifByteType *buffer, int length);

// giflib's output function over a QIODevice held in the encoder's UserData.
int writeToDevice(GifFileType *gif, const GifByteType *buffer, int length);

struct DecoderCloser
{
    void operator()(GifFileType *gif) const;
};
using Decoder = std::unique_ptr<GifFileType, DecoderCloser>;

struct MapFreer
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapFreer>;

// The user's words for a giflib decoder error code.
QString decodeError(int code);

// The user's words for a failed write: the device's own error when it has one, else giflib's.
QString encodeError(const QIODevice &device, int code);

// The rows of an image in the order the file stores them.
std::vector<int> rowOrder(int height, bool interlaced);

// Skips the data sub-blocks of the extension whose first block DGifGetExtension returned.
bool skipExtensionBlocks(GifFileType *gif, GifByteType *block);

} // namespace platform::giflib

#pragma once

#include "platform/imaging/decodedimage.h"
#include "platform/imaging/gifimagedata.h"

#include <QByteArray>
#include <QImage>

class QIODevice;

namespace platform {

// GIF reading through giflib and writing with our own LZW encoder (which makes giflib's bytes),
// keeping palettes and indexes exactly.
class GifCodec
{
public:
    // Byte offsets of the layout write() produces: the 6-byte signature, the 7-byte logical
    // screen descriptor, the 768-byte global colour table, then the image descriptor.
    static constexpr int PackedFieldsOffset = 10;
    static constexpr int AspectRatioOffset = 12;
    static constexpr int ColourTableOffset = 13;
    static constexpr int ImageDescriptorOffset = 781;

    // Decodes the first image of a GIF file as Format_Indexed8 with the file's colour table
    // (the image's local table when it has one, else the global one). The image has the size of
    // the logical screen (grown to hold the first frame if that reaches beyond it); pixels the
    // frame does not cover take the screen's background index. Transparency is not applied.
    static DecodedImage read(const QByteArray &file);

    // Writes a Format_Indexed8 image as "GIF87a" with a 256-entry global colour table (the
    // image's colours padded with black), no extensions and one non-interlaced image, so the
    // image descriptor starts at byte 781. Fails for other formats and sides above 65535.
    // The pixels are taken as `ready` holds them when it stands for this very image.
    static bool write(QIODevice &device, const QImage &indexed, QString *error,
        const GifImageData *ready = nullptr);

    // The packed-fields byte (offset 10) and pixel aspect byte (offset 12) of a GIF file's
    // logical screen descriptor, from the file's first 13 bytes or more. False, leaving both
    // untouched, when the bytes do not start with a GIF signature and a full descriptor.
    static bool screenBytes(const QByteArray &head, quint8 *packedFields, quint8 *aspectRatio);
};

} // namespace platform

#pragma once

#include "platform/imaging/lzwencoder.h"

#include <QByteArray>
#include <QImage>

namespace platform {

// The LZW image data a GIF file holds for a picture's pixels (from the minimum code size byte to
// the empty block that ends them), made while the pixels are still being produced, so that
// writing the file later need not encode them again. It stands for the picture as long as the
// picture is unchanged: any change to an image gives it a new cacheKey().
class GifImageData
{
public:
    // The codes are those of a 256-entry colour table.
    static constexpr int BitsPerPixel = 8;

    GifImageData() = default;

    // Starts over for a new picture.
    void begin();
    // Encodes the picture's rows [first, end), which follow the rows encoded before.
    void addRows(const QImage &picture, int first, int end);
    // Ends the data, which then stands for the finished picture.
    void finish(const QImage &picture);
    // Forgets the data.
    void clear();

    // The data stands for exactly this picture's pixels.
    bool matches(const QImage &picture) const;
    const QByteArray &bytes() const { return m_bytes; }

private:
    LzwEncoder m_encoder{BitsPerPixel};
    QByteArray m_bytes;
    qint64 m_pictureKey = 0;
    bool m_finished = false;
};

} // namespace platform

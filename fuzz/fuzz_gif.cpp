// Feeds arbitrary bytes to the GIF reader (giflib underneath). Whatever it accepts must survive
// a write and a second read with the same indexes.

#include "platform/imaging/gifcodec.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    quint8 packed = 0, aspect = 0;
    platform::GifCodec::screenBytes(bytes, &packed, &aspect);
    const platform::DecodedImage decoded = platform::GifCodec::read(bytes);
    if (decoded.ok() != decoded.error.isEmpty())
        abort();
    if (!decoded.ok())
        return 0;
    if (decoded.image.format() != QImage::Format_Indexed8 || decoded.image.colorCount() > 256)
        abort();
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!platform::GifCodec::write(buffer, decoded.image, &error))
        abort();
    const platform::DecodedImage again = platform::GifCodec::read(written);
    if (!again.ok() || again.image.size() != decoded.image.size())
        abort();
    for (int y = 0; y < again.image.height(); ++y)
        if (memcmp(again.image.constScanLine(y), decoded.image.constScanLine(y),
                size_t(again.image.width()))
            != 0)
            abort();
    return 0;
}

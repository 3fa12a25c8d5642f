// Feeds arbitrary bytes to the PCX reader. Whatever it accepts must survive a write and a
// second read unchanged.

#include "platform/imaging/pcxcodec.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const platform::DecodedImage decoded = platform::PcxCodec::read(bytes);
    if (decoded.ok() != decoded.error.isEmpty())
        abort();
    if (!decoded.ok() || decoded.image.format() != QImage::Format_Indexed8)
        return 0;
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!platform::PcxCodec::write(buffer, decoded.image, &error))
        abort();
    const platform::DecodedImage again = platform::PcxCodec::read(written);
    if (!again.ok() || again.image.size() != decoded.image.size())
        abort();
    for (int y = 0; y < again.image.height(); ++y)
        if (memcmp(again.image.constScanLine(y), decoded.image.constScanLine(y),
                size_t(again.image.width()))
            != 0)
            abort();
    return 0;
}

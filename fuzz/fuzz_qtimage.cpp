// Feeds arbitrary bytes to the checks the component adds in front of Qt's BMP, JPEG, TIFF and
// PNG readers (header sizes, completeness), and then to the readers themselves.

#include "platform/imaging/qtimagecodec.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The image plugins are found through the application object; their warnings about
    // damaged data are expected here and would drown the fuzzer's own output.
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    platform::QtImageCodec::jpegIsComplete(bytes);
    platform::QtImageCodec::jpegFrameSize(bytes);
    platform::QtImageCodec::bmpIsComplete(bytes);
    platform::QtImageCodec::bmpHeader(bytes);
    const platform::ImageFileFormat format = platform::detectImageFormat(bytes);
    if (format == platform::ImageFileFormat::Gif || format == platform::ImageFileFormat::Pcx
        || format == platform::ImageFileFormat::Unknown)
        return 0;
    const platform::DecodedImage decoded = platform::QtImageCodec::read(bytes, format);
    if (decoded.ok() != decoded.error.isEmpty())
        abort();
    return 0;
}

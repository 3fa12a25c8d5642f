#include "platform/imaging/giflibio.h"

#include <QIODevice>
#include <cstring>

namespace platform::giflib {

int readFromMemory(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *input = static_cast<MemoryInput *>(gif->UserData);
    const qsizetype available = input->bytes->size() - input->pos;
    const int count = int(std::min<qsizetype>(std::max(length, 0), available));
    memcpy(buffer, input->bytes->constData() + input->pos, size_t(count));
    input->pos += count;
    return count;
}

int writeToDevice(GifFileType *gif, const GifByteType *buffer, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    return int(device->write(reinterpret_cast<const char *>(buffer), length));
}

void DecoderCloser::operator()(GifFileType *gif) const
{
    int error = 0;
    DGifCloseFile(gif, &error);
}

QString decodeError(int code)
{
    switch (code) {
    case D_GIF_ERR_READ_FAILED:
        return QStringLiteral("The GIF file ends early.");
    case D_GIF_ERR_NOT_GIF_FILE:
        return QStringLiteral("The file is not a GIF image.");
    case D_GIF_ERR_NO_SCRN_DSCR:
    case D_GIF_ERR_NO_IMAG_DSCR:
    case D_GIF_ERR_WRONG_RECORD:
        return QStringLiteral("The GIF file's structure is damaged.");
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        return QStringLiteral("There is not enough memory to read the GIF image.");
    case D_GIF_ERR_DATA_TOO_BIG:
    case D_GIF_ERR_IMAGE_DEFECT:
    case D_GIF_ERR_EOF_TOO_SOON:
        return QStringLiteral("The GIF image data is damaged or incomplete.");
    default: {
        const char *text = GifErrorString(code);
        return text ? QStringLiteral("The GIF image cannot be read: %1.").arg(QLatin1String(text))
                    : QStringLiteral("The GIF image cannot be read.");
    }
    }
}

QString encodeError(const QIODevice &device, int code)
{
    const QString deviceError = device.errorString();
    if (!deviceError.isEmpty() && deviceError != QLatin1String("Unknown error"))
        return deviceError;
    const char *text = GifErrorString(code);
    return QStringLiteral("The GIF image cannot be written: %1.")
        .arg(text ? QLatin1String(text) : QLatin1String("unknown error"));
}

std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    static constexpr int starts[] = {0, 4, 2, 1};
    static constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

bool skipExtensionBlocks(GifFileType *gif, GifByteType *block)
{
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace platform::giflib

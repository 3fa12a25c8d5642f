#include "platform/imaging/imagefileformat.h"

#include <QFileInfo>

namespace platform {

ImageFileFormat detectImageFormat(const QByteArray &head)
{
    const auto startsWith = [&head](const char *signature, qsizetype length) {
        return head.size() >= length && memcmp(head.constData(), signature, length) == 0;
    };
    if (startsWith("GIF87a", 6) || startsWith("GIF89a", 6))
        return ImageFileFormat::Gif;
    if (startsWith("\x89PNG\r\n\x1a\n", 8))
        return ImageFileFormat::Png;
    if (startsWith("\xff\xd8\xff", 3))
        return ImageFileFormat::Jpeg;
    if (startsWith("II*\0", 4) || startsWith("MM\0*", 4))
        return ImageFileFormat::Tiff;
    if (startsWith("BM", 2))
        return ImageFileFormat::Bmp;
    // PCX has no signature: the maker byte 10, a known version, an encoding of 0 or 1 and a
    // plausible bit depth together rule out the other formats and most stray files.
    if (head.size() >= 4) {
        const auto byte = [&head](int i) { return static_cast<quint8>(head.at(i)); };
        const quint8 version = byte(1);
        const quint8 bits = byte(3);
        if (byte(0) == 0x0A && (version <= 5 && version != 1) && byte(2) <= 1
            && (bits == 1 || bits == 2 || bits == 4 || bits == 8))
            return ImageFileFormat::Pcx;
    }
    return ImageFileFormat::Unknown;
}

ImageFileFormat formatForFileName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"gif")
        return ImageFileFormat::Gif;
    if (suffix == u"bmp")
        return ImageFileFormat::Bmp;
    if (suffix == u"jpg" || suffix == u"jpeg")
        return ImageFileFormat::Jpeg;
    if (suffix == u"tif" || suffix == u"tiff")
        return ImageFileFormat::Tiff;
    if (suffix == u"pcx")
        return ImageFileFormat::Pcx;
    if (suffix == u"png")
        return ImageFileFormat::Png;
    return ImageFileFormat::Unknown;
}

QString formatName(ImageFileFormat format)
{
    switch (format) {
    case ImageFileFormat::Gif:
        return QStringLiteral("GIF");
    case ImageFileFormat::Pcx:
        return QStringLiteral("PCX");
    case ImageFileFormat::Bmp:
        return QStringLiteral("BMP");
    case ImageFileFormat::Jpeg:
        return QStringLiteral("JPEG");
    case ImageFileFormat::Tiff:
        return QStringLiteral("TIFF");
    case ImageFileFormat::Png:
        return QStringLiteral("PNG");
    case ImageFileFormat::Unknown:
        break;
    }
    return QString();
}

quint32 littleEndian(const QByteArray &bytes, qsizetype offset, int count)
{
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

} // namespace platform

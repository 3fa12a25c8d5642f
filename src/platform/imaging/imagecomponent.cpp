#include "platform/imaging/imagecomponent.h"

#include "platform/filecontent.h"
#include "platform/imaging/bmpwriter.h"
#include "platform/imaging/colourreducer.h"
#include "platform/imaging/gifcodec.h"
#include "platform/imaging/imagefileformat.h"
#include "platform/imaging/imagelimits.h"
#include "platform/imaging/palettes.h"
#include "platform/imaging/pcxcodec.h"
#include "platform/imaging/qtimagecodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

// Files larger than this cannot hold an image within the pixel limit in any supported format
// (uncompressed at 16 bits for each of four channels, with room to spare), so they are refused
// before being read into memory.
constexpr qint64 MaxFileSize = MaxImagePixels * 8 + 64 * 1024 * 1024;

QString displayName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

bool ImageComponent::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool ImageComponent::load(const QString &path)
{
    QString error;
    const std::optional<QByteArray> bytes = readImageFile(path, &error);
    return bytes ? decode(*bytes, path) : fail(error);
}

std::optional<QByteArray> ImageComponent::readImageFile(const QString &path, QString *error)
{
    const auto refuse = [error](const QString &reason) {
        *error = reason;
        return std::nullopt;
    };
    if (QFileInfo(path).isDir())
        return refuse(QStringLiteral("\"%1\" is a folder, not an image file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size == 0)
        return refuse(QStringLiteral("\"%1\" is empty.").arg(displayName(path)));
    if (size > MaxFileSize)
        return refuse(QStringLiteral("\"%1\" is too large (%2 MB) to be an image this program "
                                     "can open.")
                          .arg(displayName(path))
                          .arg(size / (1024 * 1024)));
    QByteArray bytes = file.readAll();
    if (bytes.size() != size)
        return refuse(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}

bool ImageComponent::decode(const QByteArray &bytes, const QString &path)
{
    const ImageFileFormat format = detectImageFormat(bytes.left(ImageSignatureLength));
    DecodedImage decoded;
    switch (format) {
    case ImageFileFormat::Gif:
        decoded = GifCodec::read(bytes);
        break;
    case ImageFileFormat::Pcx:
        decoded = PcxCodec::read(bytes);
        break;
    case ImageFileFormat::Bmp:
    case ImageFileFormat::Jpeg:
    case ImageFileFormat::Tiff:
    case ImageFileFormat::Png:
        decoded = QtImageCodec::read(bytes, format);
        break;
    case ImageFileFormat::Unknown:
        return fail(QStringLiteral("\"%1\" is not a GIF, PCX, BMP, JPEG, TIFF or PNG image.")
                        .arg(displayName(path)));
    }
    if (!decoded.ok())
        return fail(QStringLiteral("%1: %2").arg(displayName(path), decoded.error));
    QImage image = normalisedImage(decoded.image);
    if (image.isNull())
        return fail(
            QStringLiteral("%1: there is not enough memory for the image.").arg(displayName(path)));
    m_image = image;
    m_gifImageData.clear();
    m_error.clear();
    return true;
}

QString ImageComponent::errorString() const
{
    return m_error;
}

bool ImageComponent::isNull() const
{
    return m_image.isNull();
}

int ImageComponent::colourCount() const
{
    if (m_image.isNull())
        return 0;
    if (m_image.format() == QImage::Format_Indexed8)
        return m_image.colorCount();
    return TrueColourCount;
}

void ImageComponent::setColours256(bool gifAlongside)
{
    if (m_image.isNull()) {
        fail(QStringLiteral("There is no image to convert."));
        return;
    }
    QImage image = m_image;
    m_image = QImage(); // the reducer may then work in the pixel memory itself
    QString error;
    ColourReducer::Extras extras;
    extras.consumeImage = true;
    extras.gifImageData = gifAlongside ? &m_gifImageData : nullptr;
    m_gifImageData.clear();
    const bool reduced
        = ColourReducer::toPalette256(image, ColourReducer::defaultSettings(), &error, extras);
    m_image = normalisedImage(image);
    if (reduced)
        m_error.clear();
    else
        fail(error);
}

bool ImageComponent::encode(QIODevice &device, const QString &path, QString *error) const
{
    const ImageFileFormat format = formatForFileName(path);
    const bool paletteFormat = format == ImageFileFormat::Gif || format == ImageFileFormat::Bmp
        || format == ImageFileFormat::Pcx;
    QImage image = m_image;
    if (paletteFormat && image.format() != QImage::Format_Indexed8
        && !ColourReducer::toPalette256(image, error))
        return false;
    switch (format) {
    case ImageFileFormat::Gif:
        return GifCodec::write(device, image, error, &m_gifImageData);
    case ImageFileFormat::Bmp:
        return BmpWriter::write(device, image, error);
    case ImageFileFormat::Pcx:
        return PcxCodec::write(device, image, error);
    case ImageFileFormat::Jpeg:
    case ImageFileFormat::Tiff:
    case ImageFileFormat::Png:
        return QtImageCodec::write(device, image, format, error);
    case ImageFileFormat::Unknown:
        break;
    }
    return false;
}

bool ImageComponent::save(const QString &path)
{
    if (m_image.isNull())
        return fail(QStringLiteral("There is no image to save."));
    if (formatForFileName(path) == ImageFileFormat::Unknown)
        return fail(QStringLiteral("\"%1\" does not name a file type that can be saved; use .gif, "
                                   ".bmp, .jpg, .tif, .pcx or .png.")
                        .arg(displayName(path)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(cannotWriteText(path, file.errorString()));
    QString error;
    if (!encode(file, path, &error)) {
        file.cancelWriting();
        return fail(cannotWriteText(path, error));
    }
    if (!file.commit())
        return fail(cannotWriteText(path, file.errorString()));
    m_error.clear();
    return true;
}

std::optional<QByteArray> ImageComponent::saveToMemory(const QString &path)
{
    if (m_image.isNull()) {
        fail(QStringLiteral("There is no image to save."));
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!encode(buffer, path, &error)) {
        fail(cannotWriteText(path, error));
        return std::nullopt;
    }
    m_error.clear();
    return bytes;
}

int ImageComponent::width() const
{
    return m_image.width();
}

int ImageComponent::height() const
{
    return m_image.height();
}

void ImageComponent::invert()
{
    if (m_image.format() == QImage::Format_Indexed8) {
        QList<QRgb> palette = m_image.colorTable();
        for (QRgb &colour : palette)
            colour = qRgba(
                255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour), qAlpha(colour));
        m_image.setColorTable(palette);
    } else if (!m_image.isNull()) {
        m_image.invertPixels(QImage::InvertRgb);
    }
}

QImage ImageComponent::picture() const
{
    if (m_image.format() != QImage::Format_Indexed8)
        return m_image;
    return m_image.convertToFormat(
        m_image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

const QImage &ImageComponent::image() const
{
    return m_image;
}

void ImageComponent::setPicture(const QImage &image)
{
    m_image = normalisedImage(image);
    if (!m_gifImageData.matches(m_image))
        m_gifImageData.clear();
    m_error.clear();
}

bool ImageComponent::readGifScreenBytes(
    const QString &path, quint8 *packedFields, quint8 *aspectRatio, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    if (!GifCodec::screenBytes(file.read(GifCodec::ColourTableOffset), packedFields, aspectRatio)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a GIF file.").arg(displayName(path));
        return false;
    }
    return true;
}

} // namespace platform

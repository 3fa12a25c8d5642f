#pragma once

#include "platform/imaging/gifimagedata.h"

#include <QImage>
#include <QString>
#include <optional>

namespace platform {

// The image component the tools load, convert and save images with.
//
// It holds one image: Format_Indexed8 for palette images (GIF, PCX and BMP up to 8 bits, palette
// PNG and TIFF, 8-bit grey), Format_RGB32 or Format_ARGB32 for true-colour ones. Failures leave
// the held image as it was and are explained by errorString().
class ImageComponent
{
public:
    // Reads an image, choosing the decoder by the file's content, not its name: GIF (first image,
    // palette and indexes kept exactly), PCX, BMP, JPEG, TIFF or PNG. Images above the pixel
    // limit are refused before their pixels are allocated. False on any failure.
    bool load(const QString &path);

    // The two steps of load(): the file's bytes (refused, with the reason in error, for a
    // folder, an empty file or one too large to hold an image within the pixel limit), and the
    // image decoded from them, path naming the file in messages.
    static std::optional<QByteArray> readImageFile(const QString &path, QString *error);
    bool decode(const QByteArray &bytes, const QString &path);

    // Why the last load, save or colour reduction failed; empty after a success.
    QString errorString() const;

    bool isNull() const;

    // The palette size of a palette image; TrueColourCount (more than 256) for a true-colour
    // image; 0 when there is no image.
    int colourCount() const;
    static constexpr int TrueColourCount = 1 << 24;

    // Brings the image to a 256-entry palette: a palette image keeps its colours and indexes and
    // has its palette padded to 256 entries; a true-colour image with 256 colours or fewer is
    // converted exactly; any other is reduced (a flat background stays on one index). With
    // gifAlongside, a reduction also encodes the result's GIF data on a thread of its own, which a
    // GIF save of the unchanged picture then takes: for a caller that saves it as it is.
    void setColours256(bool gifAlongside = false);

    // Writes the image in the format the name's extension asks for, case-insensitively: .gif
    // (GIF87a, 768-byte colour table, image descriptor at byte 781), .bmp (8 bits, palette at
    // byte 54), .pcx (version 5, 8 bits, RLE, palette at the end), .jpg/.jpeg, .tif/.tiff and
    // .png. The palette formats write a true-colour image through a 256-colour copy; the held
    // image does not change. The file is replaced only when it has been written completely.
    // False, with nothing written, for any other extension.
    bool save(const QString &path);

    int width() const;
    int height() const;

    // Inverts every colour: for a palette image its palette entries, so indexes stay.
    void invert();

    // The image for display, one image pixel per picture pixel (RGB32, or ARGB32 with alpha).
    QImage picture() const;

    // The held image itself.
    const QImage &image() const;

    // Replaces the held image (converted to one of the held forms; a null image clears it).
    void setPicture(const QImage &image);

    // The bytes save(path) would write, without writing a file; nothing, with the reason in
    // errorString(), when the held image cannot be written as the type path names.
    std::optional<QByteArray> saveToMemory(const QString &path);

    // Bytes 10 (packed fields) and 12 (pixel aspect ratio) of a GIF file's logical screen
    // descriptor. False, with the reason in *error, when the file cannot be read or is no GIF.
    static bool readGifScreenBytes(
        const QString &path, quint8 *packedFields, quint8 *aspectRatio, QString *error = nullptr);

private:
    bool fail(const QString &reason);
    bool encode(QIODevice &device, const QString &path, QString *error) const;

    QImage m_image;
    // The GIF image data of m_image, when a reduction made it alongside.
    GifImageData m_gifImageData;
    QString m_error;
};

} // namespace platform

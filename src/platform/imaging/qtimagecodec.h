#pragma once

#include "platform/imaging/decodedimage.h"
#include "platform/imaging/imagefileformat.h"

#include <QByteArray>
#include <QImage>
#include <optional>

class QIODevice;

namespace platform {

// BMP, JPEG, TIFF and PNG through Qt's image I/O, with the checks Qt leaves out.
class QtImageCodec
{
public:
    // Decodes a whole file of the given format. The size in the header is checked against the
    // pixel limit before any pixel memory is allocated. A BMP or JPEG whose data is cut off is
    // refused: Qt's readers would return the damaged picture as if it were whole.
    static DecodedImage read(const QByteArray &file, ImageFileFormat format);

    // Encodes in one of those formats (JPEG at quality 90; a palette image as a palette PNG).
    static bool write(
        QIODevice &device, const QImage &image, ImageFileFormat format, QString *error);

    // The size in a JPEG's start-of-frame header; invalid when there is none before the data ends.
    static QSize jpegFrameSize(const QByteArray &file);

    // Whether a JPEG stream reaches its end-of-image marker after its first scan.
    static bool jpegIsComplete(const QByteArray &file);

    // Whether an uncompressed BMP holds all the pixel rows its header announces. Files this
    // check cannot judge (compressed or with an unknown header) count as complete.
    static bool bmpIsComplete(const QByteArray &file);

    // The fields of a BMP header (12-byte core or 40-byte and longer information header) the
    // checks need; none for a file too short or with another header.
    struct BmpHeader
    {
        qint64 pixelOffset = 0;
        qint64 width = 0;
        qint64 height = 0; // rows, whichever way they are stored
        qint64 bits = 0;
        qint64 compression = 0;
    };
    static std::optional<BmpHeader> bmpHeader(const QByteArray &file);
};

} // namespace platform

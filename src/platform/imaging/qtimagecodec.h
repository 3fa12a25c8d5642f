#pragma once

#include "platform/imaging/decodedimage.h"
#include "platform/imaging/imagefileformat.h"

#include <QByteArray>
#include <QImage>

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

    // Whether a JPEG stream reaches its end-of-image marker after its first scan.
    static bool jpegIsComplete(const QByteArray &file);

    // Whether an uncompressed BMP holds all the pixel rows its header announces. Files this
    // check cannot judge (compressed or with an unknown header) count as complete.
    static bool bmpIsComplete(const QByteArray &file);
};

} // namespace platform

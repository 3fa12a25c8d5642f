#pragma once

#include <QImage>
#include <QString>

namespace platform {

// What a decoder hands back: an image, or a null image and the reason it could not be read.
struct DecodedImage
{
    QImage image;
    QString error;

    bool ok() const { return !image.isNull(); }

    static DecodedImage failure(const QString &reason) { return {QImage(), reason}; }
};

} // namespace platform

#pragma once

#include <QString>
#include <optional>

namespace giftool {

// The two working files of the GIF tool: the working bitmap ("TEMP.BMP") holds the image being
// edited as a 256-color bitmap; the working GIF ("TEMP.GIF") receives the encoder's output
// before a save patches it into the file the user named.
struct WorkingFiles
{
    QString workBitmap;
    QString workGif;

    // The working files in folder.
    static WorkingFiles in(const QString &folder);

    // The working files in the application directory when it is writable, otherwise in the
    // user's cache folder (created when missing). Nothing, with the reason in error, when
    // neither can be written.
    static std::optional<WorkingFiles> locate(QString *error);
};

} // namespace giftool

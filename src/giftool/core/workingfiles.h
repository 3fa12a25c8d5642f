#pragma once

#include <QString>
#include <optional>

namespace giftool {

// The two working files of the GIF tool: the working bitmap ("TEMP.BMP") shows the image being
// edited as a 256-color bitmap; the working GIF ("TEMP.GIF") shows the encoder's output before
// a save patches it into the file the user named. Both are written for whoever looks in the
// working folder and never read back. Without a window nobody looks, and there are none.
struct WorkingFiles
{
    QString workBitmap;
    QString workGif;

    // No working files: the command line's, which leaves every running window's alone.
    static WorkingFiles none() { return {}; }
    bool onDisk() const { return !workBitmap.isEmpty(); }

    // The working files in folder.
    static WorkingFiles in(const QString &folder);

    // The working files in the application directory when it is writable, otherwise in the
    // user's cache folder (created when missing). Nothing, with the reason in error, when
    // neither can be written.
    static std::optional<WorkingFiles> locate(QString *error);
};

} // namespace giftool

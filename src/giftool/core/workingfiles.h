#pragma once

#include <QString>
#include <optional>

namespace giftool {

// The two working files of the GIF tool: the working bitmap ("TEMP.BMP") holds the image being
// edited as a 256-color bitmap; the working GIF ("TEMP.GIF") receives the encoder's output
// before a save patches it into the file the user named. Without a window, where nobody else
// looks at them, both may be held in memory instead.
struct WorkingFiles
{
    QString workBitmap;
    QString workGif;
    bool inMemory = false;

    // Working files held in memory.
    static WorkingFiles heldInMemory() { return {QString(), QString(), true}; }

    // The working files in folder.
    static WorkingFiles in(const QString &folder);

    // The working files in the application directory when it is writable, otherwise in the
    // user's cache folder (created when missing). Nothing, with the reason in error, when
    // neither can be written.
    static std::optional<WorkingFiles> locate(QString *error);
};

} // namespace giftool

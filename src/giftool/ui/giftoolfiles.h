#pragma once

#include "platform/filedialogs.h"

#include <QString>

namespace giftool {

// The files Clearcoat's commands work on: the name the open and save dialogs offer next (the
// last one chosen in either) and the file Cancel Transparency works on (the last one opened or
// saved).
class GifToolFiles
{
public:
    explicit GifToolFiles(platform::FileDialogs &dialogs)
        : m_dialogs(dialogs)
    { }

    // Asks for an image to open, in the folder of the last name chosen; empty when cancelled.
    QString chooseImage();
    // Asks for the name to save under, offering the last name chosen as a GIF; empty when
    // cancelled. The dialog asks before an existing file is replaced.
    QString chooseSaveName();
    // A name was chosen, in a dialog or by a drop: the dialogs offer it next.
    void noteChosen(const QString &path) { m_dialogName = path; }

    // The last file opened or saved; empty before.
    const QString &lastFile() const { return m_lastFile; }
    void setLastFile(const QString &path) { m_lastFile = path; }

private:
    platform::FileDialogs &m_dialogs;
    QString m_dialogName;
    QString m_lastFile;
};

} // namespace giftool

#pragma once

#include <QDir>
#include <QTextStream>

namespace screenshots {

// Makes the pictures of the help pages from the program's own windows, each scene worked
// through the windows' real mouse handling, menus and dialogs, and writes them as small
// 256-colour PNG files into the help folder: panecr95/images/, clrcot95/images/,
// zonemk95/images/ and common/images/ (created when missing). Reports on `err` every scene
// that went wrong and returns whether every picture was written.
bool saveHelpScenes(const QDir &helpFolder, QTextStream &err);

} // namespace screenshots

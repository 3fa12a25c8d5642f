#pragma once

#include <QString>

namespace frameset {

// A path chosen with the properties dialog's Browse, split into the bare file name that becomes
// the frame source and the folder that the next Browse starts in. Only "/" separates: "\" is a
// legal character of a file name on this platform.
struct BrowsedPath
{
    // The file name with its case kept: web servers and this platform tell "Menu.HTM" from
    // "menu.htm".
    QString fileName;
    // The folder without its final separator; the root keeps its separator ("/"). Empty when the
    // path names no folder.
    QString folder;

    static BrowsedPath split(const QString &path);
};

} // namespace frameset

#pragma once

#include <QString>

// The designer's rules for the file names that its save and open dialogs return.
namespace frameset {

// The extension rule of the designer's save commands: `extension` (with its dot) is appended
// to a file name without any "." ("index" becomes "index.htm", also in a folder "my.site"), and
// when the text after the path's first "." is empty ("index." becomes "index..htm"). Any other
// path, such as a name with an extension, is returned unchanged. Both "/" and "\" end a folder.
QString withDefaultExtension(const QString &path, const QString &extension);

// True when the path contains ".htm" in any letter case (".html" too): such a file is not
// opened as a design file.
bool isHtmlPath(const QString &path);

} // namespace frameset

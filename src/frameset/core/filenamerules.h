#pragma once

#include <QString>

// The designer's rules for the file names that its save and open dialogs return.
namespace frameset {

// The extension rule of the designer's save commands: when the text after the path's first "."
// is empty, `extension` (with its dot) is appended, so "index." becomes "index..htm". A path
// with text after its first "." (anywhere, folders included) or without any "." is returned
// unchanged.
QString withDefaultExtension(const QString &path, const QString &extension);

// True when the path contains ".htm" in any letter case (".html" too): such a file is not
// opened as a spec file.
bool isHtmlPath(const QString &path);

} // namespace frameset

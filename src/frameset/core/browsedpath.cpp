#include "frameset/core/browsedpath.h"

namespace frameset {

BrowsedPath BrowsedPath::split(const QString &path)
{
    const qsizetype separator = path.lastIndexOf(u'/');
    if (separator < 0)
        return {path, QString()};
    BrowsedPath result{path.mid(separator + 1), path.left(separator)};
    // An empty folder part is the root, which keeps its separator.
    if (result.folder.isEmpty())
        result.folder = QStringLiteral("/");
    return result;
}

} // namespace frameset

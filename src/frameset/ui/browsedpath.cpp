#include "frameset/ui/browsedpath.h"

namespace frameset {

BrowsedPath BrowsedPath::split(const QString &path)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (separator < 0)
        return {path, QString()};
    BrowsedPath result{path.mid(separator + 1), path.left(separator)};
    // A folder part that is empty or only a drive is a root, which keeps its separator.
    const bool drive = result.folder.size() == 2 && result.folder.at(1) == u':';
    if (result.folder.isEmpty() || drive)
        result.folder += path.at(separator);
    return result;
}

} // namespace frameset

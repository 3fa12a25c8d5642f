#include "frameset/core/filenamerules.h"

#include <algorithm>

namespace frameset {

QString withDefaultExtension(const QString &path, const QString &extension)
{
    const qsizetype dot = path.indexOf(u'.');
    if (dot >= 0 && dot == path.size() - 1)
        return path + extension;
    // Only the file's own name counts: the dot of a folder such as "my.site" is no extension.
    const qsizetype nameStart = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    const QStringView name = QStringView(path).mid(nameStart);
    if (!name.isEmpty() && !name.contains(u'.'))
        return path + extension;
    return path;
}

bool isHtmlPath(const QString &path)
{
    return path.contains(QStringLiteral(".htm"), Qt::CaseInsensitive);
}

} // namespace frameset

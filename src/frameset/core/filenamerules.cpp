#include "frameset/core/filenamerules.h"

namespace frameset {

QString withDefaultExtension(const QString &path, const QString &extension)
{
    const qsizetype dot = path.indexOf(u'.');
    if (dot >= 0 && dot == path.size() - 1)
        return path + extension;
    return path;
}

bool isHtmlPath(const QString &path)
{
    return path.contains(QStringLiteral(".htm"), Qt::CaseInsensitive);
}

} // namespace frameset

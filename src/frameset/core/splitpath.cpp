#include "frameset/core/splitpath.h"

namespace frameset::splitpath {

bool isValid(const QString &path)
{
    if (path == root())
        return true;
    if (path.isEmpty())
        return false;
    for (const QChar c : path) {
        if (c != u'1' && c != u'2')
            return false;
    }
    return true;
}

QString firstChild(const QString &path)
{
    return (path == root() ? QString() : path) + u'1';
}

QString secondChild(const QString &path)
{
    return (path == root() ? QString() : path) + u'2';
}

QString parent(const QString &path)
{
    if (path.size() <= 1)
        return root();
    return path.left(path.size() - 1);
}

QString sibling(const QString &path)
{
    if (path == root() || path.isEmpty())
        return QString();
    const QChar last = path.back();
    if (last == u'1')
        return path.left(path.size() - 1) + u'2';
    if (last == u'2')
        return path.left(path.size() - 1) + u'1';
    return QString();
}

QString secondSideKey(const QString &key)
{
    if (key.isEmpty() || key.back() != u'1')
        return QString();
    return key.left(key.size() - 1) + u'2';
}

QString leadingDigits(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n].isDigit() && text[n].unicode() < 128)
        ++n;
    return text.left(n).toString();
}

} // namespace frameset::splitpath

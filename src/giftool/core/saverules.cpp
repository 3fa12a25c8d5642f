#include "giftool/core/saverules.h"

#include <QFileInfo>
#include <QStringList>

namespace giftool {

bool isGifName(const QString &path)
{
    return path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive);
}

bool isPngName(const QString &path)
{
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

QString saveNameProblem(const QString &path)
{
    static const QStringList extensions = {QStringLiteral("gif"), QStringLiteral("bmp"),
        QStringLiteral("jpg"), QStringLiteral("tif"), QStringLiteral("pcx"), QStringLiteral("png")};
    const QFileInfo info(path);
    if (!info.completeBaseName().isEmpty() && extensions.contains(info.suffix().toLower()))
        return QString();
    return QStringLiteral("Cannot save as ") + path
        + QStringLiteral(".  The file name must end in .gif, .bmp, .jpg, .tif, .pcx or .png.");
}

QString offeredSaveName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    // A dot that starts the name (".gif") or sits in a folder is no extension.
    const bool hasExtension = dot > slash + 1;
    return (hasExtension ? path.left(dot) : path) + QStringLiteral(".gif");
}

} // namespace giftool

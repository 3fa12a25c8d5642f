#include "platform/appdirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString withTrailingSeparator(const QString &folder)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

QString applicationDirectory()
{
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QDir::currentPath();
    return withTrailingSeparator(dir);
}

} // namespace platform

#include "platform/droppedfile.h"

#include <QFileInfo>

namespace platform {

QString droppedFile(const QList<QUrl> &urls, const QStringList &extensions)
{
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QFileInfo file(urls.first().toLocalFile());
    if (!file.isFile() || !extensions.contains(file.suffix().toLower()))
        return QString();
    return file.absoluteFilePath();
}

} // namespace platform

#include "giftool/core/workingfiles.h"

#include "platform/appdirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace giftool {

WorkingFiles WorkingFiles::in(const QString &folder)
{
    const QString dir = platform::withTrailingSeparator(folder);
    return {dir + QStringLiteral("TEMP.BMP"), dir + QStringLiteral("TEMP.GIF")};
}

std::optional<WorkingFiles> WorkingFiles::locate(QString *error)
{
    const QString appDir = platform::applicationDirectory();
    if (QFileInfo(appDir).isWritable())
        return in(appDir);
    // An installed program's folder is read-only; the working files are only scratch.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache) && QFileInfo(cache).isWritable())
        return in(cache);
    if (error) {
        *error
            = QStringLiteral("No folder for the working files can be written: neither %1 nor %2.")
                  .arg(QDir::toNativeSeparators(appDir), QDir::toNativeSeparators(cache));
    }
    return std::nullopt;
}

} // namespace giftool

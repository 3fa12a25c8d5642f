#include "platform/filecontent.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

std::optional<QByteArray> readFileContent(const QString &path, QString *error, qint64 maxBytes)
{
    QFile file(path);
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > maxBytes)
        return fail(QStringLiteral("The file is larger than %1 bytes.").arg(maxBytes));
    // Read one byte more than allowed, for files whose size is not known beforehand.
    QByteArray bytes
        = maxBytes < std::numeric_limits<qint64>::max() ? file.read(maxBytes + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > maxBytes)
        return fail(QStringLiteral("The file is larger than %1 bytes.").arg(maxBytes));
    return bytes;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool saveFileContent(const QString &path, const QByteArray &bytes, QString *message)
{
    QString reason;
    if (writeFileAtomically(path, bytes, &reason))
        return true;
    if (message)
        *message = cannotWriteText(path, reason);
    return false;
}

QString cannotWriteText(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(path, reason);
}

} // namespace platform

#include "platform/filedialogs.h"

namespace platform {

QList<FileFilterEntry> parseFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QList<FileFilterEntry> entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        FileFilterEntry entry;
        entry.description = parts[i];
        for (const QString &glob : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            entry.globs << glob.trimmed();
        entries << entry;
    }
    return entries;
}

QString toQtNameFilters(const QString &filter)
{
    QStringList out;
    for (const FileFilterEntry &entry : parseFileFilter(filter)) {
        const QString globs = entry.globs.join(u' ');
        // Qt reads the globs from the last parenthesised group; a description that already
        // ends in exactly that group is shown unchanged.
        if (entry.description.endsWith(u'(' + globs + u')'))
            out << entry.description;
        else
            out << entry.description + QStringLiteral(" (") + globs + u')';
    }
    return out.join(QStringLiteral(";;"));
}

bool isFileNamePattern(const QString &fileName)
{
    return fileName.contains(u'*') || fileName.contains(u'?');
}

QString qtNameFiltersFor(const FileDialogRequest &request)
{
    const QString filters = toQtNameFilters(request.filter);
    if (!isFileNamePattern(request.fileName))
        return filters;
    // A filter without parentheses is read by Qt as its globs, blank-separated.
    QStringList globs;
    for (const QString &glob : request.fileName.split(u';', Qt::SkipEmptyParts))
        globs << glob.trimmed();
    const QString first = globs.join(u' ');
    return filters.isEmpty() ? first : first + QStringLiteral(";;") + filters;
}

} // namespace platform

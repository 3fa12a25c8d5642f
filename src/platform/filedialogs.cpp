#include "platform/filedialogs.h"

#include <algorithm>

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

namespace {

// One entry as Qt takes it. Qt reads the globs from the last parenthesised group; a description
// that ends in the entry's own group is shown with `shown` in that group.
QString qtNameFilter(const FileFilterEntry &entry, const QStringList &shown)
{
    const QString own = u'(' + entry.globs.join(u' ') + u')';
    const QString globs = shown.join(u' ');
    if (entry.description.endsWith(own))
        return entry.description.chopped(own.size()) + u'(' + globs + u')';
    return entry.description + QStringLiteral(" (") + globs + u')';
}

bool listsAllFiles(const FileFilterEntry &entry)
{
    return entry.globs.contains(QStringLiteral("*")) || entry.globs.contains(QStringLiteral("*.*"));
}

QStringList patternGlobs(const QString &fileName)
{
    QStringList globs;
    for (const QString &glob : fileName.split(u';', Qt::SkipEmptyParts))
        globs << glob.trimmed();
    return globs;
}

} // namespace

QString toQtNameFilters(const QString &filter)
{
    QStringList out;
    for (const FileFilterEntry &entry : parseFileFilter(filter))
        out << qtNameFilter(entry, entry.globs);
    return out.join(QStringLiteral(";;"));
}

QStringList withLongSpellings(const QStringList &globs)
{
    static const QList<std::pair<QString, QString>> longSpellings
        = {{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
            {QStringLiteral("*.tif"), QStringLiteral("*.tiff")}};
    QStringList widened;
    for (const QString &glob : globs) {
        widened << glob;
        for (const auto &[brief, full] : longSpellings) {
            if (glob.compare(brief, Qt::CaseInsensitive) == 0 && !globs.contains(full))
                widened << full;
        }
    }
    return widened;
}

QSize readableDialogSize(QSize available)
{
    const int width = std::max(760, available.width() * 3 / 5);
    const int height = std::max(520, available.height() * 13 / 20);
    return QSize(std::min(width, available.width()), std::min(height, available.height()));
}

bool isFileNamePattern(const QString &fileName)
{
    return fileName.contains(u'*') || fileName.contains(u'?');
}

QString qtNameFiltersFor(const FileDialogRequest &request, FileDialogKind kind)
{
    const bool open = kind == FileDialogKind::Open;
    const auto shown
        = [open](const QStringList &globs) { return open ? withLongSpellings(globs) : globs; };
    QStringList filters;
    // A filter without parentheses is read by Qt as its globs, blank-separated.
    if (isFileNamePattern(request.fileName))
        filters << shown(patternGlobs(request.fileName)).join(u' ');
    const QList<FileFilterEntry> entries = parseFileFilter(request.filter);
    for (const FileFilterEntry &entry : entries)
        filters << qtNameFilter(entry, shown(entry.globs));
    if (open && std::none_of(entries.begin(), entries.end(), listsAllFiles))
        filters << QStringLiteral("All Files (*)");
    return filters.join(QStringLiteral(";;"));
}

} // namespace platform

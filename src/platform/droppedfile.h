#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

// The one local file a drop brings: exactly one URL, a local file that exists and is not a
// folder, whose extension is one of `extensions` (lower case, without the dot; compared in any
// case). Empty for anything else: several files, a folder, a remote URL, another type.
QString droppedFile(const QList<QUrl> &urls, const QStringList &extensions);

} // namespace platform

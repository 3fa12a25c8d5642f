#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace testsupport {

// Drags `urls` over the middle of `window` as a file manager would and, when the window takes
// them, drops them there and lets the open that follows the drop run. Returns whether the
// window took the drag.
inline bool dropFiles(QWidget *window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

// The cases every window refuses: several files, a folder, a remote URL and a file of another
// type (`other` names one that exists).
inline QList<std::pair<const char *, QList<QUrl>>> refusedDrops(
    const QString &file, const QString &folder, const QString &other)
{
    return {{"two files", {QUrl::fromLocalFile(file), QUrl::fromLocalFile(file)}},
        {"a folder", {QUrl::fromLocalFile(folder)}},
        {"a remote URL", {QUrl(QStringLiteral("https://example.org/picture.gif"))}},
        {"another type", {QUrl::fromLocalFile(other)}},
        {"a missing file", {QUrl::fromLocalFile(folder + QStringLiteral("/missing.gif"))}}};
}

} // namespace testsupport

#include "platform/ui/filedroptarget.h"

#include "platform/droppedfile.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace platform {

FileDropTarget::FileDropTarget(
    QWidget *window, QStringList extensions, std::function<void(QString)> open)
    : QObject(window)
    , m_extensions(std::move(extensions))
    , m_open(std::move(open))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = droppedFile(drop->mimeData()->urls(), m_extensions);
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // The drag source waits for the drop to end; the file opens once it has.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path] { m_open(path); }, Qt::QueuedConnection);
    return true;
}

} // namespace platform

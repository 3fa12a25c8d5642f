#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

// Lets a tool window take one local file dropped on it: a file of one of the window's types
// is opened through `open`, the same path as the window's own Open after its dialog; anything
// else (several files, a folder, a remote URL, another type) is refused while it is dragged, so
// the pointer shows it cannot be dropped, and nothing changes.
class FileDropTarget : public QObject
{
    Q_OBJECT
public:
    FileDropTarget(QWidget *window, QStringList extensions, std::function<void(QString)> open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_extensions;
    std::function<void(QString)> m_open;
};

} // namespace platform

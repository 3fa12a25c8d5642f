#pragma once

#include "platform/filedialogs.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// FileDialogs shown as Qt's standard file dialogs over a parent window.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent = nullptr);

    QString openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace platform

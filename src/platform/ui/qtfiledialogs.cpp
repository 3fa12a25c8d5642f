#include "platform/ui/qtfiledialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {

// Where the dialog starts: the remembered name unless it is only a pattern such as "*.*".
QString startPath(const FileDialogRequest &request)
{
    if (request.fileName.isEmpty() || isFileNamePattern(request.fileName))
        return request.directory;
    if (request.directory.isEmpty() || QFileInfo(request.fileName).isAbsolute())
        return request.fileName;
    return request.directory + u'/' + request.fileName;
}

} // namespace

QtFileDialogs::QtFileDialogs(QWidget *parent)
    : m_parent(parent)
{ }

QString QtFileDialogs::openFile(const FileDialogRequest &request)
{
    return QFileDialog::getOpenFileName(
        m_parent, request.title, startPath(request), qtNameFiltersFor(request));
}

QString QtFileDialogs::saveFile(const FileDialogRequest &request)
{
    QFileDialog::Options options;
    if (!request.confirmOverwrite)
        options |= QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(
        m_parent, request.title, startPath(request), qtNameFiltersFor(request), nullptr, options);
}

} // namespace platform

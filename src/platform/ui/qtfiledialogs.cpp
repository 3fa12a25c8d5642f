#include "platform/ui/qtfiledialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeView>

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

// A name typed without any extension gets the one of the type chosen in the dialog
// ("Specs (*.spc)" makes "design" "design.spc"), as desktop save dialogs do. A name with a
// dot in it, even a final one, is kept as typed, and so is any name under "All Files".
QString withTypeExtension(const QString &path, const QString &nameFilter)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    if (name.isEmpty() || name.contains(u'.'))
        return path;
    static const QRegularExpression firstGlob(QStringLiteral("\\*\\.(\\w+)[ )]"));
    const QRegularExpressionMatch match = firstGlob.match(nameFilter + u' ');
    return match.hasMatch() ? path + u'.' + match.captured(1) : path;
}

// Runs the dialog at a size where names, sizes, types and dates are read in full, not cut to
// "41....KiB". A desktop's own dialog, where the platform gives one, keeps its own layout.
QString runDialog(QFileDialog &dialog)
{
    const QScreen *screen
        = dialog.parentWidget() ? dialog.parentWidget()->screen() : dialog.screen();
    if (screen)
        dialog.resize(readableDialogSize(screen->availableSize()));
    if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = details->header();
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString chosen = dialog.selectedFiles().value(0);
    if (dialog.acceptMode() != QFileDialog::AcceptSave)
        return chosen;
    return withTypeExtension(chosen, dialog.selectedNameFilter());
}

} // namespace

QtFileDialogs::QtFileDialogs(QWidget *parent)
    : m_parent(parent)
{ }

QString QtFileDialogs::openFile(const FileDialogRequest &request)
{
    QFileDialog dialog(m_parent, request.title, startPath(request),
        qtNameFiltersFor(request, FileDialogKind::Open));
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runDialog(dialog);
}

QString QtFileDialogs::saveFile(const FileDialogRequest &request)
{
    QFileDialog dialog(m_parent, request.title, startPath(request),
        qtNameFiltersFor(request, FileDialogKind::Save));
    dialog.setObjectName(QStringLiteral("SaveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return runDialog(dialog);
}

} // namespace platform

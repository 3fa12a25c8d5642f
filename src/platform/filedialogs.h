#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace platform {

// One open or save request. The filter is written as the tools give it: pairs of a description
// and a pattern separated by "|" ("Specs (*.spc)|*.spc|All Files (*.*)|*.*"); a pattern may list
// several globs separated by ";".
struct FileDialogRequest
{
    QString filter;
    QString fileName; // the remembered (or preset) name the dialog starts with
    QString directory; // folder to start in; empty = the one the name implies, or the current
    QString title;
    // Save dialogs: whether the dialog itself asks before replacing a file. Off where the tool
    // asks its own overwrite question, so nobody is asked twice.
    bool confirmOverwrite = true;
};

// The standard open and save dialogs. Cancel is reported as an empty path.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(const FileDialogRequest &request) = 0;
    virtual QString saveFile(const FileDialogRequest &request) = 0;
};

// One description and its globs, parsed from a "desc|pattern|..." filter text.
struct FileFilterEntry
{
    QString description;
    QStringList globs;
};

// Parses a "desc|pattern|desc|pattern" filter; a trailing description without pattern is dropped.
QList<FileFilterEntry> parseFileFilter(const QString &filter);

// The same filter in the form Qt's dialogs take ("desc (globs);;..."), keeping each description
// as written.
QString toQtNameFilters(const QString &filter);

// Whether a remembered name is a pattern such as "*.bmp;*.gif" rather than a file name.
bool isFileNamePattern(const QString &fileName);

enum class FileDialogKind { Open, Save };

// The name filters a Qt dialog shows for the request. A pattern given as the file name lists
// those files first, as typing it into the name box of a dialog would. An Open dialog also
// lists the long spellings of the short extensions (*.jpeg beside *.jpg, *.tiff beside *.tif)
// and ends with "All Files" unless the request has such an entry.
QString qtNameFiltersFor(
    const FileDialogRequest &request, FileDialogKind kind = FileDialogKind::Save);

// The globs with the long spelling of each short extension added after it.
QStringList withLongSpellings(const QStringList &globs);

// A size at which an open or save dialog shows its columns in full, for a screen whose
// available area is `available` pixels: at least 760 x 520, more on a large screen, never more
// than the screen.
QSize readableDialogSize(QSize available);

} // namespace platform

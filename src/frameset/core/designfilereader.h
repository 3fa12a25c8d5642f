#pragma once

#include "frameset/core/design.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace frameset {

enum class DesignFileStatus {
    Valid,
    // Not a design file: the designer shows invalidFileMessage.
    Invalid,
    // More than 1000 lines before the property section: the designer gives up on the file
    // without a message.
    TooLong,
};

// The outcome of reading a design file: the design only when the status is Valid, otherwise a
// default design (nothing half-read).
struct DesignFileReadResult
{
    DesignFileStatus status = DesignFileStatus::Invalid;
    Design design;
};

// Reads the design file (".spc") format that DesignFileWriter writes, and the files of earlier
// versions: empty layout lines are skipped (so a layout section that starts with an empty line
// gives the same design), records after the Borders line are taken as records 51 upward when
// present. A file is invalid when a section separator, a property line or the Borders line is
// missing, a number is not a number, a line has fewer ";" than values, a path is not a split
// path, a size is negative, or it holds no cell or more than 100 cells or records.
class DesignFileReader
{
public:
    // Design files are small; anything larger than this is not one.
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    explicit DesignFileReader(const QByteArray &bytes);

    // Reads the whole file; call once.
    DesignFileReadResult read();

    // Reads `bytes` as a design file.
    static DesignFileReadResult read(const QByteArray &bytes);
    // Reads the file at `path`; a file that cannot be read or is larger than MaxBytes is
    // invalid.
    static DesignFileReadResult load(const QString &path);

    // "<path> file is not a valid Panecraft file.", the path exactly as given: file names on
    // this platform tell upper from lower case.
    static QString invalidFileMessage(const QString &path);
    // The message shown when an HTML file is chosen to be opened as a design file.
    static QString htmlFileRefusedMessage();

private:
    // The next line, ended by CR LF, LF or CR; false at the end of the text (a break at the very
    // end does not start another line).
    bool nextLine(QString &line);
    // The layout section up to the first "***", without its empty lines.
    DesignFileStatus readLayout(QStringList &layout);
    // The cell section up to the second "***".
    DesignFileStatus readCells(QList<CellView> &cells, QStringList &paths);
    // The property records, the Borders line and the records after it.
    DesignFileStatus readRecords(Design &design);

    QString m_text;
    qsizetype m_pos = 0;
    // Lines read before the property section, against the line guard.
    int m_counter = 0;
};

} // namespace frameset

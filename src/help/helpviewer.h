#pragma once

#include <QPointer>
#include <QWidget>

class QTextBrowser;

namespace help {

// The help viewer: one window that shows a tool's help file at its contents page. The help
// files are HTML; links between their pages work as in a browser. A missing file is reported
// in the viewer itself.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    // Shows the help file (opening the one viewer window, or reusing it) at its contents page.
    static HelpViewer *showHelpFile(const QString &path);
    static HelpViewer *instance();

    QString currentFile() const { return m_file; }
    bool fileFound() const { return m_found; }
    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HelpViewer(QWidget *parent = nullptr);
    void open(const QString &path);

    QTextBrowser *m_browser = nullptr;
    QString m_file;
    bool m_found = false;
};

// Where a tool's help file is: the application directory, or, for an installed program,
// share/trellis/ beside bin/. When it is in neither, the path in the application directory
// (so the viewer can say what is missing).
QString helpFilePath(const QString &fileName);

} // namespace help

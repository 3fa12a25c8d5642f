#pragma once

#include "frameset/ui/designermessages.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QTemporaryDir;

namespace platform {
class FileDialogs;
class Prompter;
class WebBrowser;
} // namespace platform

namespace frameset {

class DesignerWindow;
class LayoutModel;

// The designer's File commands that read and write files: Open, Save and Save As of design files,
// Import Frameset, Create HTML Document and Create HTML5 Page. Each remembers its own file name
// for the life of the window.
class DesignerFiles
{
public:
    DesignerFiles(DesignerWindow &window, LayoutModel &model, platform::Prompter &prompter,
        platform::FileDialogs &dialogs);
    ~DesignerFiles();

    // Asks before dropping unsaved changes and opens a design file in place of the design. A
    // cancelled dialog, or a file that is refused (an HTML page) or invalid, leaves the design,
    // the file that Save writes to and the caption as they were.
    void openDesignFile();
    // The same with the file at path in place of the dialog's answer: a design dropped on the
    // window, or named on the command line.
    void openDesignFile(const QString &path);
    // Writes the design file to the last file opened or saved, or runs Save As when there is none.
    void save();
    // Asks for a file name (and before replacing a file) and writes the design file there.
    void saveAs();
    // Builds the HTML frameset document, asks for a file name (and before replacing a file)
    // and writes it.
    void createHtmlDocument();
    // Asks before dropping unsaved changes, then for an HTML document with a FRAMESET, and makes
    // its frameset the design: changed, and saved only to a design file the user names. A
    // cancelled dialog or a refused document leaves the design, its modified state, the file
    // that Save writes to and the caption as they were.
    void importFrameset();
    // The same with the document at `path` in place of the dialog's answer.
    void importFrameset(const QString &path);
    // Asks for a file name (the extension rule and overwrite question of the HTML document) and
    // writes the design's HTML5 page there.
    void createHtml5Page();
    // Writes the frameset document into a new temporary folder, with a stand-in page for every
    // frame whose page is missing there, and opens it in `browser`; a browser that does not come
    // up is told with the document's path and the reason. A design imported from a page shows
    // the frame pages that lie beside that page. The folders last as long as the window, so
    // the browser can still reload them.
    void previewInBrowser(platform::WebBrowser &browser);
    // The folders of the previews made so far.
    QStringList previewFolders() const;
    // The design on screen no longer comes from an imported page (New).
    void forgetSiteFolder() { m_siteFolder.clear(); }

    // The file that Save writes to; empty when Save has to ask.
    const QString &designFileName() const { return m_designFileName; }
    // The name the HTML document's save dialog starts with.
    const QString &htmlFileName() const { return m_htmlFileName; }
    // The names the import dialog and the HTML5 page's save dialog start with.
    const QString &importFileName() const { return m_importFileName; }
    const QString &html5FileName() const { return m_html5FileName; }

private:
    // Open with the file `choose` gives (empty: cancelled), after the unsaved-changes question.
    void openDesignFrom(const std::function<QString()> &choose);
    // Import Frameset with the document `choose` gives (empty: cancelled).
    void importFrom(const std::function<QString()> &choose);
    // True when the design is unchanged or the user agreed to drop the changes.
    bool mayReplaceDesign();

    // True when `path` does not exist yet or the user agreed to replace it.
    bool mayOverwrite(const QString &path);
    // Writes the design file; on success the design counts as saved.
    bool writeDesignFile(const QString &path);

    DesignerWindow &m_window;
    LayoutModel &m_model;
    DesignerMessages m_messages;
    platform::FileDialogs &m_dialogs;
    QString m_designFileName;
    QString m_htmlFileName;
    QString m_importFileName;
    QString m_html5FileName;
    // The folder of the page the design on screen was imported from; empty for any other design.
    QString m_siteFolder;
    std::vector<std::unique_ptr<QTemporaryDir>> m_previewFolders;
};

} // namespace frameset

#pragma once

#include <QString>
#include <functional>

namespace platform {
class FileDialogs;
class Prompter;
} // namespace platform

namespace frameset {

class DesignerWindow;
class LayoutModel;

// The designer's File commands that read and write files: Open, Save and Save As of design files
// and Create HTML Document. Each remembers its own file name for the life of the window.
class DesignerFiles
{
public:
    DesignerFiles(DesignerWindow &window, LayoutModel &model, platform::Prompter &prompter,
        platform::FileDialogs &dialogs);

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

    // The file that Save writes to; empty when Save has to ask.
    const QString &designFileName() const { return m_designFileName; }
    // The name the HTML document's save dialog starts with.
    const QString &htmlFileName() const { return m_htmlFileName; }

private:
    // Open with the file `choose` gives (empty: cancelled), after the unsaved-changes question.
    void openDesignFrom(const std::function<QString()> &choose);

    // True when `path` does not exist yet or the user agreed to replace it.
    bool mayOverwrite(const QString &path);
    // Writes the design file; on success the design counts as saved.
    bool writeDesignFile(const QString &path);

    DesignerWindow &m_window;
    LayoutModel &m_model;
    platform::Prompter &m_prompter;
    platform::FileDialogs &m_dialogs;
    QString m_designFileName;
    QString m_htmlFileName;
};

} // namespace frameset

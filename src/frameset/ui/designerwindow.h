#pragma once

#include "frameset/core/splitdirection.h"
#include "frameset/ui/designercontrols.h"
#include "frameset/ui/designermessages.h"
#include "platform/units.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

namespace platform {
class FileDialogs;
class Prompter;
class WebBrowser;
} // namespace platform

namespace frameset {

class CellResizer;
class Design;
struct ImportArea;
class DesignerFiles;
class DesignSurface;
class LayoutModel;
class FramePropertiesDialog;

// The Panecraft designer window: the design surface under the File, Edit, Design and Help menus.
// It wires the buttons, menus and mouse to the layout model, asks before unsaved changes are
// lost (also when the window is closed by any other means), opens the frame properties dialog
// and leaves files to DesignerFiles.
class DesignerWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Message boxes and file dialogs go through `prompter` and `dialogs`, which must outlive the
    // window; without them the window uses Qt's message boxes and file dialogs.
    explicit DesignerWindow(platform::Prompter *prompter = nullptr,
        platform::FileDialogs *dialogs = nullptr, QWidget *parent = nullptr);
    ~DesignerWindow() override;

    // The caption of a window showing a new design.
    static QString toolCaption() { return QStringLiteral("Panecraft "); }
    // Cell 0's text at start-up.
    static QString tutorialText();

    const LayoutModel &model() const { return *m_model; }
    DesignSurface *surface() const { return m_surface; }
    // The properties dialog while it exists (from its first opening until OK discards it).
    FramePropertiesDialog *propertiesDialog() const;

    // Splits the selected cell, as the row and column buttons do.
    void splitCell(SplitDirection direction);
    // Shows the properties dialog for `cell` and waits until it closes.
    void openProperties(int cell);

    // Back to a single empty cell without asking, as New does once it may.
    void resetDesign();
    // Shows `design` as read from a file, unmodified and without undo, under `caption`.
    void showOpenedDesign(const Design &design, const QString &caption);
    // Shows `design` as imported from an HTML document: changed (no design file holds it yet)
    // and without undo, under `caption`.
    void showImportedDesign(const Design &design, const QString &caption);
    // Where an imported frameset is laid out: the design area a new design gets in the window
    // at its present size.
    ImportArea importArea() const;

    const DesignerFiles &files() const { return *m_files; }
    // Design > Preview in Browser opens its pages in `browser` (which must outlive the window)
    // instead of the desktop's browser.
    void setWebBrowser(platform::WebBrowser *browser);
    // Opens the design file at path as Open does once its dialog has given that path, after
    // the unsaved-changes question: a design dropped on the window or named on the command line.
    void openDesignFile(const QString &path);
    // Imports the frameset of the HTML document at `path` as Import Frameset does once its dialog
    // has given that path, after the unsaved-changes question.
    void importFrameset(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QMenu *addMenu(DesignerControl name, const QString &caption);
    QAction *addCommand(QMenu *menu, DesignerControl name, const QString &caption,
        const QKeySequence &shortcut, const std::function<void()> &command);
    void showModel(bool selectionShown);

    // True when nothing unsaved would be lost, or the user answered Yes to losing it.
    void clearDesign();
    void undoLastSplit();
    void removeCell();

    std::unique_ptr<platform::Prompter> m_ownPrompter;
    std::unique_ptr<platform::FileDialogs> m_ownDialogs;
    DesignerMessages m_messages;
    platform::FileDialogs &m_dialogs;
    std::unique_ptr<platform::WebBrowser> m_desktopBrowser;
    platform::WebBrowser *m_browser = nullptr;
    platform::TwipsScale m_scale;
    std::unique_ptr<LayoutModel> m_model;
    std::unique_ptr<CellResizer> m_resizer;
    std::unique_ptr<DesignerFiles> m_files;
    DesignSurface *m_surface = nullptr;
    QAction *m_undoCommand = nullptr;
    QPointer<FramePropertiesDialog> m_propertiesDialog;
    // Where the properties dialog's Browse starts; kept for the life of the window.
    QString m_browseFolder;
};

} // namespace frameset

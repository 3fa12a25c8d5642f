#include "frameset/ui/designerwindow.h"

#include "frameset/core/cellresizer.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/ui/designercontrols.h"
#include "frameset/ui/designerfiles.h"
#include "frameset/ui/designerhelp.h"
#include "frameset/ui/designsurface.h"
#include "frameset/ui/framepropertiesdialog.h"
#include "platform/ui/desktopwebbrowser.h"
#include "platform/ui/filedroptarget.h"
#include "platform/ui/messageboxprompter.h"
#include "platform/ui/qtfiledialogs.h"
#include "platform/ui/twipsgeometry.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStyle>
#include <utility>

namespace frameset {

namespace {

// The design area leaves the window room for its frame, the menu bar and the button row, a
// little differently at start-up and after a reset.
constexpr float StartWidthMargin = 120;
constexpr float StartHeightMargin = 1200;
constexpr float ResetWidthMargin = 75;
constexpr float ResetHeightMargin = 1275;
constexpr int ScreenBottomMargin = 300;

} // namespace

const char *designerControlName(DesignerControl control)
{
    using C = DesignerControl;
    static constexpr std::pair<DesignerControl, const char *> names[] = {
        {C::Window, "Designer"},
        {C::Surface, "DesignSurface"},
        {C::HintLine, "Label1"},
        {C::SizeDisplay, "pixelbox"},
        {C::BordersBox, "Borderbox"},
        {C::ButtonRowLine, "Line1"},
        {C::DesignArea, "DesignArea"},
        {C::DesignCanvas, "DesignCanvas"},
        {C::SplitButton, "splitbutton"},
        {C::Cell, "Thecell"},
        {C::ScrollBarView, "Thescroll"},
        {C::FileMenu, "mnuFile"},
        {C::NewCommand, "mnuNew"},
        {C::OpenCommand, "mnuOpenSpec"},
        {C::SaveCommand, "mnuSave"},
        {C::SaveAsCommand, "mnuSaveSpec"},
        {C::HtmlCommand, "mnuHTML"},
        {C::ImportCommand, "mnuImportFrameset"},
        {C::Html5Command, "mnuHTML5"},
        {C::ExitCommand, "mnuExit"},
        {C::EditMenu, "mnuEdit"},
        {C::UndoCommand, "mnuUndo"},
        {C::DesignMenu, "mnuDesign"},
        {C::RowSplitCommand, "mnuRow"},
        {C::ColumnSplitCommand, "mnuVertical"},
        {C::PropertiesCommand, "mnuProperties"},
        {C::ResizeCommand, "mnuResize"},
        {C::RemoveCommand, "mnuRemove"},
        {C::PreviewCommand, "mnuPreview"},
        {C::ClearCommand, "mnuClear"},
        {C::HelpMenu, "mnuHelp2"},
        {C::HelpCommand, "mnuHelp"},
    };
    for (const auto &[named, name] : names) {
        if (named == control)
            return name;
    }
    return "";
}

QString DesignerWindow::tutorialText()
{
    const QStringList lines = {QString(), QStringLiteral("   A Quick Tutorial....."), QString(),
        QStringLiteral("   Click on the red Column or blue Row button above and split the window "
                       "into two cells."),
        QStringLiteral("   Click on the cell that you want to split further and click on the "
                       "split button again."),
        QStringLiteral("   Resize the cells by dragging the bottom or right border."),
        QStringLiteral("   To set the properties, select the cell and clik on the right mouse "
                       "button."),
        QStringLiteral("   To save the changes, choose the Save As option from the File menu."),
        QStringLiteral("   To create the HTML document, choose Create HTML from the File menu."),
        QStringLiteral("   For more information, please read the Online Help.")};
    return lines.join(QStringLiteral("\r\n"));
}

DesignerWindow::DesignerWindow(
    platform::Prompter *prompter, platform::FileDialogs *dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_ownPrompter(prompter ? nullptr : std::make_unique<platform::MessageBoxPrompter>(this))
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<platform::QtFileDialogs>(this))
    , m_messages(prompter ? *prompter : *m_ownPrompter)
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
    , m_desktopBrowser(std::make_unique<platform::DesktopWebBrowser>())
    , m_browser(m_desktopBrowser.get())
    , m_scale(platform::scaleOf(this))
{
    setObjectName(QLatin1String(designerControlName(DesignerControl::Window)));
    setWindowTitle(toolCaption());

    const QSize screen = platform::screenSizeInTwips(m_scale, this);
    const float width = float(screen.width());
    const float height = float(screen.height() - ScreenBottomMargin);
    move(0, 0);
    resize(m_scale.toPixels(width), m_scale.toPixels(height));

    const int scrollBarPixels = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_model = std::make_unique<LayoutModel>(float(m_scale.toTwips(scrollBarPixels)));
    CellView &root = m_model->design().cell(0);
    root.left = 0;
    root.top = DesignSurface::DesignTop;
    root.width = width - StartWidthMargin;
    root.height = height - StartHeightMargin;
    m_model->setCell0Caption(tutorialText());
    m_resizer = std::make_unique<CellResizer>(
        *m_model, root.right() - CellResizer::EdgeZone, root.bottom() - CellResizer::EdgeZone);

    m_surface = new DesignSurface(*m_model, *m_resizer, m_scale, scrollBarPixels, this);
    setCentralWidget(m_surface);
    connect(m_surface, &DesignSurface::splitRequested, this, &DesignerWindow::splitCell);
    connect(m_surface, &DesignSurface::refused, this, [this] { m_messages.beep(); });
    connect(m_surface, &DesignSurface::clearRequested, this, &DesignerWindow::clearDesign);
    connect(m_surface, &DesignSurface::propertiesRequested, this, &DesignerWindow::openProperties);

    m_files = std::make_unique<DesignerFiles>(*this, *m_model, m_messages.prompter(), m_dialogs);
    // A dropped design opens as if Open's dialog had given it, after the same question.
    new platform::FileDropTarget(
        this, {QStringLiteral("spc")}, [this](const QString &path) { openDesignFile(path); });
    buildMenus();
    showModel(false);
}

DesignerWindow::~DesignerWindow() = default;

void DesignerWindow::openDesignFile(const QString &path)
{
    m_files->openDesignFile(path);
}

void DesignerWindow::setWebBrowser(platform::WebBrowser *browser)
{
    m_browser = browser ? browser : m_desktopBrowser.get();
}

void DesignerWindow::importFrameset(const QString &path)
{
    m_files->importFrameset(path);
}

FramePropertiesDialog *DesignerWindow::propertiesDialog() const
{
    return m_propertiesDialog;
}

QMenu *DesignerWindow::addMenu(DesignerControl name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(designerControlName(name)));
    return menu;
}

QAction *DesignerWindow::addCommand(QMenu *menu, DesignerControl name, const QString &caption,
    const QKeySequence &shortcut, const std::function<void()> &command)
{
    QAction *action = menu->addAction(caption, this, command);
    action->setObjectName(QLatin1String(designerControlName(name)));
    action->setShortcut(shortcut);
    return action;
}

void DesignerWindow::buildMenus()
{
    using C = DesignerControl;
    QMenu *file = addMenu(C::FileMenu, QStringLiteral("&File"));
    addCommand(file, C::NewCommand, QStringLiteral("&New"), {}, [this] { clearDesign(); });
    addCommand(file, C::OpenCommand, QStringLiteral("&Open File (Spec File)"),
        QKeySequence(Qt::CTRL | Qt::Key_O), [this] { m_files->openDesignFile(); });
    addCommand(file, C::ImportCommand, QStringLiteral("&Import Frameset"),
        QKeySequence(Qt::CTRL | Qt::Key_I), [this] { m_files->importFrameset(); });
    addCommand(file, C::SaveCommand, QStringLiteral("&Save (Spec File)"),
        QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_files->save(); });
    addCommand(file, C::SaveAsCommand, QStringLiteral("Save &As (Spec File)"),
        QKeySequence(Qt::CTRL | Qt::Key_A), [this] { m_files->saveAs(); });
    addCommand(file, C::HtmlCommand, QStringLiteral("Create &HTML Document"),
        QKeySequence(Qt::CTRL | Qt::Key_H), [this] { m_files->createHtmlDocument(); });
    addCommand(file, C::Html5Command, QStringLiteral("Create HTML&5 Page"), {},
        [this] { m_files->createHtml5Page(); });
    file->addSeparator();
    addCommand(file, C::ExitCommand, QStringLiteral("E&xit"), {}, [this] { close(); });

    QMenu *edit = addMenu(C::EditMenu, QStringLiteral("&Edit"));
    m_undoCommand = addCommand(edit, C::UndoCommand, QStringLiteral("&Undo Last Split"),
        QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undoLastSplit(); });

    QMenu *design = addMenu(C::DesignMenu, QStringLiteral("&Design"));
    addCommand(design, C::RowSplitCommand, QStringLiteral("Horizontal Split (&Row)"),
        QKeySequence(Qt::CTRL | Qt::Key_R), [this] { splitCell(SplitDirection::Row); });
    addCommand(design, C::ColumnSplitCommand, QStringLiteral("Vertical Split (&Column)"),
        QKeySequence(Qt::CTRL | Qt::Key_C), [this] { splitCell(SplitDirection::Column); });
    addCommand(design, C::PropertiesCommand, QStringLiteral("&Properties"),
        QKeySequence(Qt::CTRL | Qt::Key_P), [this] { m_messages.tellPropertiesHint(); });
    addCommand(design, C::ResizeCommand, QStringLiteral("Re&size Cells"), {},
        [this] { m_messages.tellResizeHint(); });
    addCommand(
        design, C::RemoveCommand, QStringLiteral("&Remove Cell"), {}, [this] { removeCell(); });
    addCommand(design, C::PreviewCommand, QStringLiteral("Preview in &Browser"), {},
        [this] { m_files->previewInBrowser(*m_browser); });
    design->addSeparator();
    addCommand(design, C::ClearCommand, QStringLiteral("&Clear"),
        QKeySequence(Qt::SHIFT | Qt::Key_Delete), [this] { clearDesign(); });

    help::addHelpMenu(this, designerHelpMenu(), m_messages.prompter());
}

void DesignerWindow::showModel(bool selectionShown)
{
    m_surface->showDesign(selectionShown);
    m_undoCommand->setEnabled(m_model->undoEnabled());
}

void DesignerWindow::resetDesign()
{
    const QSize outer = size();
    m_model->resetDesign(float(m_scale.toTwips(outer.width())) - ResetWidthMargin,
        float(m_scale.toTwips(outer.height())) - ResetHeightMargin);
    m_resizer->restoreLimits();
    setWindowTitle(toolCaption());
    showModel(false);
    if (m_files)
        m_files->forgetSiteFolder();
}

void DesignerWindow::showOpenedDesign(const Design &design, const QString &caption)
{
    m_model->openDesign(design);
    m_resizer->limitToDesign();
    setWindowTitle(caption);
    showModel(false);
}

void DesignerWindow::showImportedDesign(const Design &design, const QString &caption)
{
    showOpenedDesign(design, caption);
    m_model->setModified(true);
}

ImportArea DesignerWindow::importArea() const
{
    const QSize outer = size();
    const CellView &root = m_model->design().cell(0);
    ImportArea area;
    area.left = root.left;
    area.top = root.top;
    area.width = float(m_scale.toTwips(outer.width())) - ResetWidthMargin;
    area.height = float(m_scale.toTwips(outer.height())) - ResetHeightMargin;
    area.unitsPerPixel = m_scale.factor();
    area.scrollBarWidth = m_model->scrollBarWidth();
    return area;
}

void DesignerWindow::clearDesign()
{
    if (!m_model->isModified() || m_messages.mayClear())
        resetDesign();
}

void DesignerWindow::closeEvent(QCloseEvent *event)
{
    // Every way of closing (Exit, the window's close button, the launcher's Exit) comes here,
    // so unsaved work is never dropped unasked.
    if (m_model->isModified() && !m_messages.mayExit()) {
        event->ignore();
        return;
    }
    if (m_propertiesDialog)
        m_propertiesDialog->close();
    event->accept();
}

void DesignerWindow::splitCell(SplitDirection direction)
{
    if (m_model->splitCell(direction))
        showModel(true);
    else
        m_messages.beep();
}

void DesignerWindow::undoLastSplit()
{
    if (m_model->undoLastSplit())
        showModel(true);
    m_undoCommand->setEnabled(m_model->undoEnabled());
}

void DesignerWindow::removeCell()
{
    switch (m_model->removeCell()) {
    case RemoveOutcome::Removed:
        showModel(true);
        break;
    case RemoveOutcome::FirstCellStays:
        m_messages.tellFirstCellStays();
        break;
    case RemoveOutcome::Refused:
        m_messages.beep();
        break;
    case RemoveOutcome::Nothing:
        break;
    }
    m_undoCommand->setEnabled(m_model->undoEnabled());
}

void DesignerWindow::openProperties(int cell)
{
    if (!m_model->design().hasCell(cell))
        return;
    m_model->selectCell(cell);
    if (!m_propertiesDialog) {
        m_propertiesDialog
            = new FramePropertiesDialog(*m_model, m_dialogs, m_scale, m_browseFolder, this);
        connect(m_propertiesDialog, &FramePropertiesDialog::scrollBarChanged, this,
            [this] { m_surface->showDesign(m_surface->selectionShown()); });
    }
    m_propertiesDialog->fill();
    // OK discards the dialog, so the next opening builds it afresh; Cancel only hides it.
    if (m_propertiesDialog->exec() == QDialog::Accepted)
        delete m_propertiesDialog;
}

} // namespace frameset

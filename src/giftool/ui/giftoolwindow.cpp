#include "giftool/ui/giftoolwindow.h"

#include "giftool/core/backgroundframeview.h"
#include "giftool/core/saverules.h"
#include "giftool/ui/backgroundframe.h"
#include "giftool/ui/detailpanel.h"
#include "giftool/ui/gifhelp.h"
#include "giftool/ui/giftoolmenus.h"
#include "giftool/ui/giftoolwindowlayout.h"
#include "giftool/ui/hintline.h"
#include "giftool/ui/imagetoolbar.h"
#include "giftool/ui/pictureview.h"
#include "platform/pendingevents.h"
#include "platform/programinfo.h"
#include "platform/ui/filedroptarget.h"
#include "platform/ui/messageboxprompter.h"
#include "platform/ui/qtfiledialogs.h"
#include "platform/ui/twipsgeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace giftool {

namespace {

// Small enough for any screen, large enough for the Background frame and the detail panel.
constexpr int MinimumWidthTwips = 7800;
constexpr int MinimumHeightTwips = 5400;

// "Cannot open file." and the decoder's reason after it.
QString cannotOpenText(const QString &reason)
{
    const QString text = QStringLiteral("Cannot open file.");
    return reason.isEmpty() ? text : text + QStringLiteral("  ") + reason;
}

// The window's client area in twips.
QSize windowTwips(const QWidget *window, platform::TwipsScale scale)
{
    return QSize(scale.toTwips(window->width()), scale.toTwips(window->height()));
}

WorkingFiles chooseWorkingFiles(const std::optional<WorkingFiles> &given, QString *error)
{
    if (given)
        return *given;
    // Without a folder for them the window still opens; opening an image then says why it cannot.
    return WorkingFiles::locate(error).value_or(WorkingFiles());
}

} // namespace

GifToolWindow::GifToolWindow(QWidget *parent)
    : GifToolWindow(nullptr, nullptr, std::nullopt, parent)
{ }

GifToolWindow::GifToolWindow(platform::Prompter &prompter, platform::FileDialogs &dialogs,
    std::optional<WorkingFiles> files, QWidget *parent)
    : GifToolWindow(&prompter, &dialogs, std::move(files), parent)
{ }

GifToolWindow::GifToolWindow(platform::Prompter *prompter, platform::FileDialogs *dialogs,
    std::optional<WorkingFiles> files, QWidget *parent)
    : QMainWindow(parent)
    , m_ownPrompter(prompter ? nullptr : std::make_unique<platform::MessageBoxPrompter>(this))
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<platform::QtFileDialogs>(this))
    , m_prompter(prompter ? *prompter : *m_ownPrompter,
          [this] {
              // No busy pointer over a message: the user is asked to act.
              m_busy.reset();
              showState();
          })
    , m_files(dialogs ? *dialogs : *m_ownDialogs)
    , m_scale(platform::scaleOf(this))
    , m_document(chooseWorkingFiles(files, &m_workingFilesError))
    , m_controls(new QWidget(this), m_scale)
{
    setWindowTitle(gifToolCaption());
    setCentralWidget(m_controls.surface);
    connectControls();
    buildMenus();
    nameGifToolWidgets(this, m_controls, m_menus);
    // A dropped picture opens as if Open Image's dialog had given it.
    new platform::FileDropTarget(
        this, imageExtensions(), [this](const QString &path) { openImageFile(path); });

    const QRect geometry
        = GifToolWindowLayout::windowGeometry(platform::screenSizeInTwips(m_scale, this));
    setMinimumSize(m_scale.toPixels(MinimumWidthTwips), m_scale.toPixels(MinimumHeightTwips));
    platform::placeInTwips(
        this, m_scale, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    layOut();
    showState();
}

GifToolWindow::~GifToolWindow() = default;

void GifToolWindow::connectControls()
{
    m_controls.surface->installEventFilter(this);
    m_controls.instructionLine->installEventFilter(this);
    connect(m_controls.backgroundFrame, &BackgroundFrame::conversionRequested, this,
        &GifToolWindow::convertBackground);
    connect(m_controls.backgroundFrame, &BackgroundFrame::swatchClicked, this,
        &GifToolWindow::clickSwatch);
    connect(m_controls.pictureView, &PictureView::pressed, this, &GifToolWindow::pickBackground);
    // Shown or closed, the panel changes the room the picture has.
    m_controls.detailPanel->installEventFilter(this);
    connect(m_controls.toolbar, &ImageToolbar::clicked, this, &GifToolWindow::toolbarClicked);
}

void GifToolWindow::buildMenus()
{
    m_menus = new GifToolMenus(this);
    connect(m_menus->openAction(), &QAction::triggered, this, &GifToolWindow::openImage);
    connect(m_menus->saveAction(), &QAction::triggered, this, &GifToolWindow::saveTransparentGif);
    connect(m_menus->cancelTransparencyAction(), &QAction::triggered, this,
        &GifToolWindow::cancelTransparency);
    connect(m_menus->detailAction(), &QAction::triggered, this, &GifToolWindow::showDetail);
    connect(m_menus->fullColourPngAction(), &QAction::toggled, this,
        [this](bool keep) { m_document.setKeepFullColourInPng(keep); });
    connect(m_menus->onlyConnectedAction(), &QAction::toggled, this,
        [this](bool only) { m_document.selection().setOnlyConnected(only); });
    help::addHelpMenu(this, gifToolHelpMenu(), m_prompter);
}

QSize GifToolWindow::maxView() const
{
    return m_controls.maxView(windowTwips(this, m_scale));
}

void GifToolWindow::layOut()
{
    m_controls.layOut(windowTwips(this, m_scale), m_imageShown);
}

void GifToolWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOut();
}

void GifToolWindow::showState()
{
    const BackgroundSelection &selection = m_document.selection();
    m_controls.backgroundFrame->showView(deriveFrameView(selection));
    m_controls.detailPanel->showSelection(selection, m_document.picture().merges());
    m_controls.instructionLine->setText(m_presenter.instructions());
    m_menus->saveAction()->setEnabled(m_imageShown && m_presenter.saveAsEnabled());
    // With the picture gone (saved, or another file failed to open) its hint asks for a click
    // on nothing.
    if (!m_imageShown)
        m_controls.hintLine->forget(m_controls.pictureView->picture());
    if (m_imageShown && m_document.picture().hasPicture())
        m_controls.pictureView->showImage(m_document.picture().picture());
    else
        m_controls.pictureView->clearImage();
}

QString openedCaption(const QString &path, int frameCount)
{
    QString caption
        = platform::programTitle() + QStringLiteral("  ") + QDir::toNativeSeparators(path);
    if (frameCount > 1)
        caption += QStringLiteral("  (%1 frames; the background is picked on the first)")
                       .arg(frameCount);
    return caption;
}

void GifToolWindow::openImage()
{
    openImageFrom([this] { return m_files.chooseImage(); });
}

void GifToolWindow::openImageFile(const QString &path)
{
    openImageFrom([path] { return path; });
}

void GifToolWindow::openImageFrom(const std::function<QString()> &choose)
{
    m_document.selection().reset();
    m_presenter.forget();
    // The emptied panel would show nothing true about the next image.
    m_controls.detailPanel->hide();
    m_controls.toolbar->hideTip();
    showState();

    const QString chosen = choose();
    if (chosen.isEmpty()) {
        setWindowTitle(gifToolCaption());
        return;
    }
    m_files.noteChosen(chosen);

    m_imageShown = false;
    showState();
    layOut();
    m_menus->fileMenu()->menuAction()->setEnabled(false);
    if (!openChosenImage(chosen))
        return;

    m_imageShown = true;
    m_files.setLastFile(chosen);
    m_menus->optionsMenu()->menuAction()->setEnabled(true);
    setWindowTitle(openedCaption(chosen, m_document.frameCount()));
    m_controls.pictureView->scrollToOrigin();
    showState();
    layOut();
    platform::letPendingEventsRun();
    m_menus->fileMenu()->menuAction()->setEnabled(true);
}

bool GifToolWindow::openChosenImage(const QString &chosen)
{
    platform::BusyCursor busy;
    if (!m_workingFilesError.isEmpty()) {
        busy.release();
        setWindowTitle(gifToolCaption());
        openFailed(m_workingFilesError);
        return false;
    }
    const OpenResult result = m_document.openImage(chosen);
    m_presenter.opened(result.outcome == OpenOutcome::Opened);
    if (result.outcome == OpenOutcome::Opened)
        return true;
    busy.release();
    if (result.outcome == OpenOutcome::CannotOpen) {
        openFailed(cannotOpenText(result.error));
    } else {
        setWindowTitle(gifToolCaption());
        openFailed(result.error);
    }
    return false;
}

void GifToolWindow::openFailed(const QString &message)
{
    m_menus->optionsMenu()->menuAction()->setEnabled(false);
    showState();
    m_presenter.tellFailure(message);
    m_menus->fileMenu()->menuAction()->setEnabled(true);
}

void GifToolWindow::saveTransparentGif()
{
    m_controls.toolbar->hideTip();
    // Nothing to save: no image opened yet, or the last one was saved and cleared.
    if (!m_imageShown)
        return;
    const BackgroundSelection &selection = m_document.selection();
    if (!m_presenter.confirmSave(selection.backgroundSelected(), selection.multiColourFlag()))
        return;

    const QString chosen = m_files.chooseSaveName();
    if (chosen.isEmpty())
        return;
    m_files.noteChosen(chosen);

    platform::BusyCursor busy;
    const SaveResult result = m_document.saveTransparentGif(chosen);
    busy.release();
    if (!result.saved) {
        // The picture, its selection and its caption stay: the user can save elsewhere.
        m_presenter.tellFailure(result.error);
        return;
    }
    m_files.setLastFile(chosen);
    m_imageShown = false;
    m_presenter.saved(chosen, m_document.frameCount());
    setWindowTitle(platform::programTitle());
    showState();
    layOut();
}

void GifToolWindow::cancelTransparency()
{
    if (m_files.lastFile().isEmpty())
        return;
    GifToolPresenter(m_prompter).cancelTransparency(m_files.lastFile());
}

void GifToolWindow::pickBackground(QPoint pixel)
{
    if (!m_imageShown)
        return;
    const bool saveNow = m_presenter.tellPick(m_document.selection().pickBackground(pixel));
    showState();
    if (saveNow)
        saveTransparentGif();
}

void GifToolWindow::convertBackground(ConversionButton button)
{
    if (!m_imageShown)
        return;
    // The busy pointer shows while the picture and the working bitmap are rewritten.
    m_busy.emplace();
    const RecolourResult result = m_document.selection().recolour(button);
    m_busy.reset();
    m_presenter.tellRecolour(result);
    showState();
}

void GifToolWindow::clickSwatch(int k)
{
    // The selected color's swatch stands for White, the neighbour's for Neighbour.
    convertBackground(k == 0 ? ConversionButton::White : ConversionButton::Neighbour);
}

void GifToolWindow::showDetail()
{
    m_controls.detailPanel->show();
    m_controls.detailPanel->raise();
}

void GifToolWindow::toolbarClicked(ToolbarButton button)
{
    switch (button) {
    case ToolbarButton::Open:
        openImage();
        break;
    case ToolbarButton::Save:
        saveTransparentGif();
        break;
    case ToolbarButton::Help:
        help::showOnlineHelp(gifToolHelpMenu());
        break;
    }
    m_controls.toolbar->hideTip();
}

bool GifToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.detailPanel
        && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        m_controls.layOutViewport(windowTwips(this, m_scale), m_imageShown);
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseMove)
        return QMainWindow::eventFilter(watched, event);

    if (watched == m_controls.surface) {
        // A move a child ignored reaches the window too; only its own surface clears the hint.
        const QPoint at = platform::pixelUnder(static_cast<QMouseEvent *>(event)->position());
        if (!m_controls.surface->childAt(at)) {
            m_controls.hintLine->clear();
            m_controls.toolbar->hideTip();
        }
    } else if (watched == m_controls.instructionLine) {
        m_controls.toolbar->hideTip();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace giftool

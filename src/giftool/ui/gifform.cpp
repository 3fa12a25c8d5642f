#include "giftool/ui/gifform.h"

#include "giftool/core/saverules.h"
#include "giftool/core/transparencycancel.h"
#include "giftool/ui/backgroundframe.h"
#include "giftool/ui/detailpanel.h"
#include "giftool/ui/gifformlayout.h"
#include "giftool/ui/gifhelp.h"
#include "giftool/ui/imagetoolbar.h"
#include "platform/busycursor.h"
#include "platform/pendingevents.h"
#include "platform/programinfo.h"
#include "platform/ui/messageboxprompter.h"
#include "platform/ui/qtfiledialogs.h"
#include "platform/ui/scrolledviewport.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/ui/wheelscroller.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace giftool {

using platform::MessageIcon;

namespace {

// Small enough for any screen, large enough for the Background frame and the detail panel.
constexpr int MinimumWidthTwips = 7800;
constexpr int MinimumHeightTwips = 5400;

const char HintProperty[] = "hint";

// "Cannot open file." and the decoder's reason after it.
QString cannotOpenText(const QString &reason)
{
    const QString text = QStringLiteral("Cannot open file.");
    return reason.isEmpty() ? text : text + QStringLiteral("  ") + reason;
}

WorkingFiles chooseWorkingFiles(const std::optional<WorkingFiles> &given, QString *error)
{
    if (given)
        return *given;
    // Without a folder for them the window still opens; OpenImage then says why it cannot.
    return WorkingFiles::locate(error).value_or(WorkingFiles());
}

} // namespace

GIFForm::GIFForm(QWidget *parent)
    : GIFForm(nullptr, nullptr, std::nullopt, parent)
{ }

GIFForm::GIFForm(platform::Prompter &prompter, platform::FileDialogs &dialogs,
    std::optional<WorkingFiles> files, QWidget *parent)
    : GIFForm(&prompter, &dialogs, std::move(files), parent)
{ }

GIFForm::GIFForm(platform::Prompter *prompter, platform::FileDialogs *dialogs,
    std::optional<WorkingFiles> files, QWidget *parent)
    : QMainWindow(parent)
    , m_ownPrompter(prompter ? nullptr : std::make_unique<platform::MessageBoxPrompter>(this))
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<platform::QtFileDialogs>(this))
    , m_prompter(prompter ? *prompter : *m_ownPrompter, [this] { showState(); })
    , m_fileDialogs(dialogs ? *dialogs : *m_ownDialogs)
    , m_scale(platform::scaleOf(this))
    , m_document(chooseWorkingFiles(files, &m_workingFilesError), m_scale)
{
    setObjectName(QStringLiteral("GIFForm"));
    setWindowTitle(gifFormCaption());
    buildControls();
    buildMenus();

    const QRect geometry
        = GifFormLayout::windowGeometry(platform::screenSizeInTwips(m_scale, this));
    setMinimumSize(m_scale.toPixels(MinimumWidthTwips), m_scale.toPixels(MinimumHeightTwips));
    platform::placeInTwips(
        this, m_scale, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    layOut();
    showState();
}

GIFForm::~GIFForm() = default;

void GIFForm::buildControls()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("GIFFormSurface"));
    setCentralWidget(m_surface);
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);

    m_comments = new QLabel(m_surface);
    m_comments->setObjectName(QStringLiteral("Comments"));

    auto *line = new QFrame(m_surface);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_line = line;

    m_instructions = new QLabel(m_surface);
    m_instructions->setObjectName(QStringLiteral("Instructions"));
    m_instructions->setWordWrap(true);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instructions->setMouseTracking(true);
    m_instructions->installEventFilter(this);

    m_frame = new BackgroundFrame(m_scale, m_surface);
    platform::placeInTwips(m_frame, m_scale, GifFormLayout::Frame1Left, GifFormLayout::Frame1Top,
        BackgroundFrame::Width, BackgroundFrame::Height);
    connect(m_frame, &BackgroundFrame::conversionRequested, this, &GIFForm::ConvertBackground);
    setHint(
        m_frame->backgroundbox(), QStringLiteral("Color index (palette) of selected background "));
    setHint(m_frame->sample(0), QStringLiteral("Selected background"));
    setHint(m_frame->sample(1), QStringLiteral("Convert the background to this color."));
    setHint(m_frame->button(WhiteButton), QStringLiteral("Convert the background color to white."));
    setHint(
        m_frame->button(GreyButton), QStringLiteral("Convert the background color to light grey."));
    setHint(m_frame->button(BlackButton), QStringLiteral("Convert the background color to black."));
    setHint(m_frame->label1(), QString());

    m_viewport = new QWidget(m_surface);
    m_viewport->setObjectName(QStringLiteral("Parent"));
    m_viewport->hide();
    m_picture = new QLabel(m_viewport);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->move(0, 0);
    setHint(
        m_picture, QStringLiteral("Click on the background that you want to render transparent."));

    m_hScroll = new QScrollBar(Qt::Horizontal, m_surface);
    m_hScroll->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll->hide();
    connect(m_hScroll, &QScrollBar::valueChanged, this,
        [this](int value) { m_picture->move(-m_scale.toPixels(value), m_picture->y()); });
    m_vScroll = new QScrollBar(Qt::Vertical, m_surface);
    m_vScroll->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll->hide();
    connect(m_vScroll, &QScrollBar::valueChanged, this,
        [this](int value) { m_picture->move(m_picture->x(), -m_scale.toPixels(value)); });
    new platform::WheelScroller(m_picture, m_hScroll, m_vScroll, m_scale);

    m_detail = new DetailPanel(m_scale, m_surface);
    m_detail->hide();
    // Shown or closed, the panel changes the room the picture has.
    m_detail->installEventFilter(this);
    for (int k = 0; k < 2; ++k) {
        for (int part = 0; part < 3; ++part)
            setHint(m_detail->rgb(k, part), QStringLiteral("RGB codes (Red, Green, Blue)"));
    }

    // Made last, so the tip stands in front of everything it overlaps.
    m_toolbar = new ImageToolbar(m_scale, m_surface);
    connect(m_toolbar, &ImageToolbar::clicked, this, &GIFForm::toolbarClicked);
}

void GIFForm::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    QAction *open = m_fileMenu->addAction(QStringLiteral("&Open Image"), this, &GIFForm::OpenImage);
    open->setObjectName(QStringLiteral("submenuopen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction
        = m_fileMenu->addAction(QStringLiteral("Save &As"), this, &GIFForm::SaveTransparentGif);
    m_saveAction->setObjectName(QStringLiteral("mnuSaveAS"));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    m_saveAction->setEnabled(false);
    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("mnudash"));
    QAction *exit = m_fileMenu->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuExit"));

    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mnuOptions"));
    m_optionsMenu->menuAction()->setEnabled(false);
    QAction *cancel = m_optionsMenu->addAction(
        QStringLiteral("&Cancel Transparency"), this, &GIFForm::CancelTransparency);
    cancel->setObjectName(QStringLiteral("mnuDeleteTrans"));
    m_optionsMenu->addSeparator()->setObjectName(QStringLiteral("dash31"));
    QAction *detail
        = m_optionsMenu->addAction(QStringLiteral("&Detail"), this, &GIFForm::showDetail);
    detail->setObjectName(QStringLiteral("mnuDetail"));

    help::addHelpMenu(this, gifToolHelpMenu(), m_prompter);
}

void GIFForm::setHint(QWidget *widget, const QString &hint)
{
    widget->setProperty(HintProperty, hint);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

QSize GIFForm::windowTwips() const
{
    return QSize(m_scale.toTwips(width()), m_scale.toTwips(height()));
}

QSize GIFForm::maxView() const
{
    return GifFormLayout::maxView(windowTwips(), m_detail->isVisibleTo(this));
}

void GIFForm::layOut()
{
    const QSize window = windowTwips();
    const auto place = [this](QWidget *widget, const QRect &r) {
        platform::placeInTwips(widget, m_scale, r.x(), r.y(), r.width(), r.height());
    };
    place(m_line, GifFormLayout::line1Geometry(window));
    place(m_comments, GifFormLayout::commentsGeometry(window));
    place(m_instructions, GifFormLayout::instructionsGeometry(window));
    place(m_detail,
        GifFormLayout::detailPanelGeometry(window, QSize(DetailPanel::Width, DetailPanel::Height)));
    layOutViewport();
}

void GIFForm::layOutViewport()
{
    if (!m_imageShown) {
        m_viewport->hide();
        m_hScroll->hide();
        m_vScroll->hide();
        return;
    }
    const QSize picture(m_scale.toTwips(m_picture->width()), m_scale.toTwips(m_picture->height()));
    const int bar = m_scale.toTwips(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const platform::ViewportLayout layout = platform::layOutViewport(
        QPoint(GifFormLayout::ParentLeft, GifFormLayout::ParentTop), maxView(), picture, bar);
    platform::applyViewportLayout(layout, m_scale, m_viewport, m_hScroll, m_vScroll, m_picture);
    m_viewport->show();
}

void GIFForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOut();
}

void GIFForm::showState()
{
    const BackgroundSelection &selection = m_document.selection();
    m_frame->showSelection(selection);
    m_detail->showSelection(selection);
    m_instructions->setText(selection.instructions());
    m_saveAction->setEnabled(m_imageShown && selection.saveAsEnabled());
    // With the picture gone (saved, or another file failed to open) its hint asks for a click
    // on nothing.
    if (!m_imageShown && m_comments->text() == m_picture->property(HintProperty).toString())
        m_comments->clear();
    showPicture();
}

void GIFForm::showPicture()
{
    const BackgroundSelection &selection = m_document.selection();
    if (!m_imageShown || !selection.hasPicture()) {
        if (m_shownPicture != 0) {
            m_picture->clear();
            m_shownPicture = 0;
        }
        return;
    }
    // A conversion reloads the picture; otherwise the one shown is still the right one.
    if (selection.picture().cacheKey() == m_shownPicture)
        return;
    m_picture->setPixmap(QPixmap::fromImage(selection.picture()));
    m_picture->resize(selection.picture().size());
    m_shownPicture = selection.picture().cacheKey();
}

void GIFForm::OpenImage()
{
    m_document.selection().reset();
    // The emptied panel would show nothing true about the next image.
    m_detail->hide();
    m_toolbar->hideTip();
    showState();

    platform::FileDialogRequest request;
    request.filter = OpenFilter();
    request.fileName = OpenPattern();
    if (!m_dialogName.isEmpty())
        request.directory = QFileInfo(m_dialogName).absolutePath();
    const QString chosen = m_fileDialogs.openFile(request);
    if (chosen.isEmpty()) {
        setWindowTitle(gifFormCaption());
        return;
    }
    m_dialogName = chosen;

    m_imageShown = false;
    showState();
    layOutViewport();
    m_fileMenu->menuAction()->setEnabled(false);
    platform::BusyCursor busy;
    if (!m_workingFilesError.isEmpty()) {
        busy.release();
        setWindowTitle(gifFormCaption());
        openFailed(m_workingFilesError, MessageIcon::None);
        return;
    }
    const OpenResult result = m_document.OpenImage(chosen);
    if (result.outcome != OpenOutcome::Opened) {
        busy.release();
        if (result.outcome == OpenOutcome::CannotOpen) {
            openFailed(cannotOpenText(result.error), MessageIcon::Exclamation);
        } else {
            setWindowTitle(gifFormCaption());
            openFailed(result.error, MessageIcon::None);
        }
        return;
    }

    m_imageShown = true;
    m_lastFile = chosen;
    m_optionsMenu->menuAction()->setEnabled(true);
    setWindowTitle(
        platform::programTitle() + QStringLiteral("  ") + QDir::toNativeSeparators(chosen));
    m_hScroll->setValue(0);
    m_vScroll->setValue(0);
    showState();
    layOutViewport();
    platform::letPendingEventsRun();
    m_fileMenu->menuAction()->setEnabled(true);
}

void GIFForm::openFailed(const QString &message, MessageIcon icon)
{
    m_optionsMenu->menuAction()->setEnabled(false);
    showState();
    m_prompter.tell(message, icon);
    m_fileMenu->menuAction()->setEnabled(true);
}

void GIFForm::SaveTransparentGif()
{
    m_toolbar->hideTip();
    // Nothing to save: no image opened yet, or the last one was saved and cleared.
    if (!m_imageShown)
        return;
    const BackgroundSelection &selection = m_document.selection();
    if (!confirmSave(m_prompter, selection.backgroundSelected(), selection.MultiColorFlag()))
        return;

    platform::FileDialogRequest request;
    request.filter = OpenFilter();
    request.fileName = offeredSaveName(m_dialogName);
    // The offered name is normally the opened image's own as a GIF: the dialog asks before
    // replacing it.
    request.confirmOverwrite = true;
    const QString chosen = m_fileDialogs.saveFile(request);
    if (chosen.isEmpty())
        return;
    m_dialogName = chosen;

    platform::BusyCursor busy;
    const SaveResult result = m_document.SaveTransparentGif(chosen);
    busy.release();
    if (!result.saved) {
        m_prompter.tell(result.error);
        return;
    }
    m_lastFile = chosen;
    m_imageShown = false;
    setWindowTitle(platform::programTitle());
    showState();
    layOutViewport();
}

void GIFForm::CancelTransparency()
{
    if (m_lastFile.isEmpty())
        return;
    giftool::CancelTransparency(m_lastFile, &m_prompter);
}

void GIFForm::SelectBackground(int x, int y)
{
    if (!m_imageShown)
        return;
    const SelectOutcome outcome = m_document.selection().SelectBackground(x, y, m_prompter);
    showState();
    if (outcome == SelectOutcome::SaveRequested)
        SaveTransparentGif();
}

void GIFForm::ConvertBackground(int index)
{
    if (!m_imageShown)
        return;
    m_document.selection().ConvertBackground(index, m_prompter);
    showState();
}

void GIFForm::showDetail()
{
    m_detail->show();
    m_detail->raise();
}

void GIFForm::toolbarClicked(int button)
{
    switch (button) {
    case 1:
        OpenImage();
        break;
    case 2:
        SaveTransparentGif();
        break;
    default:
        help::showOnlineHelp(gifToolHelpMenu());
        break;
    }
    m_toolbar->hideTip();
}

bool GIFForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_detail && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        layOutViewport();
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress && watched == m_picture) {
        const QPoint at = platform::pixelUnder(static_cast<QMouseEvent *>(event)->position());
        SelectBackground(m_scale.toTwips(at.x()), m_scale.toTwips(at.y()));
        return true;
    }
    if (event->type() != QEvent::MouseMove)
        return QMainWindow::eventFilter(watched, event);

    if (watched == m_surface) {
        // A move a child ignored reaches the window too; only its own surface clears the hint.
        const QPoint at = platform::pixelUnder(static_cast<QMouseEvent *>(event)->position());
        if (!m_surface->childAt(at)) {
            m_comments->clear();
            m_toolbar->hideTip();
        }
    } else if (watched == m_instructions) {
        m_toolbar->hideTip();
    } else if (watched == m_frame->backgroundbox()) {
        if (!m_frame->backgroundbox()->text().isEmpty())
            m_comments->setText(watched->property(HintProperty).toString());
    } else {
        const QVariant hint = watched->property(HintProperty);
        if (hint.isValid())
            m_comments->setText(hint.toString());
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace giftool

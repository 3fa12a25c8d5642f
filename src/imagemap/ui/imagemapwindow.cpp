#include "imagemap/ui/imagemapwindow.h"

#include "imagemap/core/imagemaphtml.h"
#include "imagemap/core/importedhotspots.h"
#include "imagemap/ui/hotspotdialog.h"
#include "imagemap/ui/imagemaphelp.h"
#include "imagemap/ui/imagemaplayout.h"
#include "imagemap/ui/imagemapmessages.h"
#include "imagemap/ui/picturecanvas.h"
#include "platform/busycursor.h"
#include "platform/pendingevents.h"
#include "platform/ui/filedroptarget.h"
#include "platform/ui/messageboxprompter.h"
#include "platform/ui/qtfiledialogs.h"
#include "platform/ui/scrolledviewport.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/ui/wheelscroller.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <array>
#include <utility>

namespace imagemap {

namespace {

// Small enough for any screen, large enough that the viewport never vanishes.
constexpr int MinimumWindowTwips = 4500;

} // namespace

ImageMapWindow::ImageMapWindow(QWidget *parent)
    : ImageMapWindow(nullptr, nullptr, parent)
{ }

ImageMapWindow::ImageMapWindow(
    platform::Prompter &prompter, platform::FileDialogs &dialogs, QWidget *parent)
    : ImageMapWindow(&prompter, &dialogs, parent)
{ }

ImageMapWindow::ImageMapWindow(
    platform::Prompter *prompter, platform::FileDialogs *dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_ownPrompter(prompter ? nullptr : std::make_unique<platform::MessageBoxPrompter>(this))
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<platform::QtFileDialogs>(this))
    , m_prompter(prompter ? *prompter : *m_ownPrompter)
    , m_fileDialogs(dialogs ? *dialogs : *m_ownDialogs)
    , m_scale(platform::scaleOf(this))
    , m_drawing(m_state)
    , m_mapFiles(m_prompter, m_fileDialogs)
{
    setWindowTitle(imageMapCaption());
    buildControls();
    buildMenus();
    setObjectNames();
    // A dropped picture opens as if Open's dialog had given it, a dropped page as if Open Map's
    // had; the command line's file opens the same way.
    new platform::FileDropTarget(this,
        {QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
            QStringLiteral("bmp"), QStringLiteral("tif"), QStringLiteral("tiff"),
            QStringLiteral("pcx"), QStringLiteral("png"), QStringLiteral("htm"),
            QStringLiteral("html")},
        [this](const QString &path) { openFile(path); });

    const QSize screen = platform::screenSizeInTwips(m_scale, this);
    const QRect geometry = ImageMapLayout::windowGeometry(screen);
    const int minimum = m_scale.toPixels(MinimumWindowTwips);
    setMinimumSize(minimum, minimum);
    platform::placeInTwips(
        this, m_scale, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    layOut();
}

ImageMapWindow::~ImageMapWindow()
{
    // The dialog works on this window's state, which goes before the window's children do.
    delete m_hotspotDialog.data();
}

void ImageMapWindow::buildControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_instructions = new QLabel(instructionsText(), central);
    m_instructions->setWordWrap(true);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instructions->installEventFilter(this);

    m_viewport = new QWidget(central);
    m_canvas = new PictureCanvas(m_drawing, m_state, m_viewport);
    connect(m_canvas, &PictureCanvas::actionRequested, this, &ImageMapWindow::handle);
    connect(m_canvas, &PictureCanvas::pointerMoved, this, &ImageMapWindow::updatePointerDisplay);

    m_horizontalBar = new QScrollBar(Qt::Horizontal, central);
    m_horizontalBar->hide();
    connect(m_horizontalBar, &QScrollBar::valueChanged, this,
        [this](int value) { m_canvas->move(-m_scale.toPixels(value), m_canvas->y()); });
    m_verticalBar = new QScrollBar(Qt::Vertical, central);
    m_verticalBar->hide();
    connect(m_verticalBar, &QScrollBar::valueChanged, this,
        [this](int value) { m_canvas->move(m_canvas->x(), -m_scale.toPixels(value)); });
    new platform::WheelScroller(m_canvas, m_horizontalBar, m_verticalBar, m_scale);

    m_pointerDisplay = new QLabel(central);
    m_pointerDisplay->installEventFilter(this);

    m_htmlButton = new QPushButton(QStringLiteral("&OK"), central);
    m_htmlButton->setEnabled(false);
    connect(m_htmlButton, &QPushButton::clicked, this, &ImageMapWindow::createHtml);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), central);
    connect(m_cancelButton, &QPushButton::clicked, this, &ImageMapWindow::cancelShape);
}

void ImageMapWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_openAction = m_fileMenu->addAction(QStringLiteral("&Open"), this, &ImageMapWindow::openImage);
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_openMapAction
        = m_fileMenu->addAction(QStringLiteral("Open &Map"), this, &ImageMapWindow::openMap);
    m_openMapAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_saveMapAction
        = m_fileMenu->addAction(QStringLiteral("Save Map &As"), this, &ImageMapWindow::saveMapAs);
    m_saveMapAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_saveMapAction->setEnabled(false);
    m_htmlAction = m_fileMenu->addAction(
        QStringLiteral("Create &HTML Code"), this, &ImageMapWindow::createHtml);
    m_htmlAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_htmlAction->setEnabled(false);
    m_exitSeparator = m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_invertAction = m_optionsMenu->addAction(
        QStringLiteral("&Invert Image"), this, &ImageMapWindow::invertImage);
    m_invertAction->setEnabled(false);
    // Off at start, so a plain drag outlines a rectangle as it always has.
    m_circlesAction = m_optionsMenu->addAction(QStringLiteral("Draw &Circles"));
    m_circlesAction->setCheckable(true);
    m_circlesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_circlesAction, &QAction::toggled, this,
        [this](bool on) { m_drawing.setDrawCircles(on); });
    m_svgAction = m_optionsMenu->addAction(
        QStringLiteral("Copy &SVG Map"), this, &ImageMapWindow::copySvgMap);
    m_svgAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_svgAction->setEnabled(false);

    help::addHelpMenu(this, imageMapHelpMenu(), m_prompter);
}

void ImageMapWindow::setObjectNames()
{
    setObjectName(QStringLiteral("ImageMapWindow"));
    centralWidget()->setObjectName(QStringLiteral("ImageMapSurface"));
    m_instructions->setObjectName(QStringLiteral("Label1"));
    m_viewport->setObjectName(QStringLiteral("Parent"));
    m_canvas->setObjectName(QStringLiteral("Picture1"));
    m_horizontalBar->setObjectName(QStringLiteral("HScroll1"));
    m_verticalBar->setObjectName(QStringLiteral("VScroll1"));
    m_pointerDisplay->setObjectName(QStringLiteral("XYBox"));
    const std::array<QPushButton *, 2> buttons{m_htmlButton, m_cancelButton};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setObjectName(QStringLiteral("OKbutton"));
        buttons[i]->setProperty("index", int(i));
    }
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_openAction->setObjectName(QStringLiteral("mnuOpen"));
    m_openMapAction->setObjectName(QStringLiteral("mnuOpenMap"));
    m_saveMapAction->setObjectName(QStringLiteral("mnuSaveMap"));
    m_svgAction->setObjectName(QStringLiteral("mnuSvgMap"));
    m_htmlAction->setObjectName(QStringLiteral("mnuHTML"));
    m_exitSeparator->setObjectName(QStringLiteral("dash1"));
    m_exitAction->setObjectName(QStringLiteral("mnuExit"));
    m_optionsMenu->setObjectName(QStringLiteral("mnuOptions"));
    m_invertAction->setObjectName(QStringLiteral("mnuInvert"));
    m_circlesAction->setObjectName(QStringLiteral("mnuCircles"));
}

QSize ImageMapWindow::windowTwips() const
{
    return QSize(m_scale.toTwips(width()), m_scale.toTwips(height()));
}

QSize ImageMapWindow::maxView() const
{
    return ImageMapLayout::maxView(windowTwips());
}

void ImageMapWindow::layOut()
{
    const QSize window = windowTwips();
    const auto place = [this](QWidget *widget, const QRect &r) {
        platform::placeInTwips(widget, m_scale, r.x(), r.y(), r.width(), r.height());
    };
    place(m_instructions, ImageMapLayout::labelGeometry(window));
    place(m_htmlButton, ImageMapLayout::buttonGeometry(window, 0));
    place(m_cancelButton, ImageMapLayout::buttonGeometry(window, 1));
    place(m_pointerDisplay, ImageMapLayout::xyBoxGeometry(window));
    layOutViewport();
}

void ImageMapWindow::layOutViewport()
{
    const QSize largest = maxView();
    // Before an image is open the empty picture fills the largest viewport, so drawing works
    // on all of it; afterwards the picture keeps the image's size whatever the window's.
    if (!hasImage())
        m_canvas->resize(m_scale.toPixels(largest.width()), m_scale.toPixels(largest.height()));
    const QSize picture(m_scale.toTwips(m_canvas->width()), m_scale.toTwips(m_canvas->height()));
    const int bar = m_scale.toTwips(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // A bar that stays keeps its value when only the window changed size.
    const platform::ViewportLayout layout = platform::layOutViewport(
        QPoint(ImageMapLayout::ViewportLeft, ImageMapLayout::ViewportTop), largest, picture, bar);
    platform::applyViewportLayout(
        layout, m_scale, m_viewport, m_horizontalBar, m_verticalBar, m_canvas);
}

void ImageMapWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOut();
}

void ImageMapWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_drawing.windowActivated();
        m_canvas->update();
    }
}

void ImageMapWindow::closeEvent(QCloseEvent *event)
{
    // Every way of closing (Exit, the window's close button, the launcher's Exit) comes here,
    // so hotspots are never dropped unasked; once their HTML is on the clipboard they are kept.
    const bool delivered = std::exchange(m_htmlDelivered, false);
    if (!delivered && !mayDiscardHotspots(discardHotspotsQuestion())) {
        event->ignore();
        return;
    }
    // A dialog shown without blocking the window must not outlive the picture it belongs to.
    closeHotspotDialog();
    QMainWindow::closeEvent(event);
}

bool ImageMapWindow::mayDiscardHotspots(const QString &question)
{
    const bool kept = !m_keptMap.isEmpty() && m_keptMap == mapText();
    return kept || m_state.hotspots().usedCount() == 0
        || m_prompter.ask(
               question, platform::MessageIcon::Question, platform::MessageButtons::YesNo)
        == platform::MessageAnswer::Yes;
}

bool ImageMapWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_instructions || watched == m_pointerDisplay)
        && event->type() == QEvent::MouseButtonPress) {
        m_drawing.pointerLeft();
        updatePointerDisplay();
    }
    return QMainWindow::eventFilter(watched, event);
}

void ImageMapWindow::updatePointerDisplay()
{
    m_pointerDisplay->setText(m_drawing.xyText());
}

void ImageMapWindow::openImage()
{
    platform::FileDialogRequest request;
    request.filter = openFilter();
    request.fileName = QStringLiteral("*.gif;*.jpg");
    if (hasImage())
        request.directory = QFileInfo(m_imagePath).absolutePath();
    const QString chosen = m_fileDialogs.openFile(request);
    if (!chosen.isEmpty())
        openImageFile(chosen);
}

void ImageMapWindow::openFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        openMapFile(path);
    else
        openImageFile(path);
}

void ImageMapWindow::openImageFile(const QString &chosen)
{
    // Opening drops the hotspots as closing does, so it asks as closing does.
    if (!m_htmlDelivered && !mayDiscardHotspots(discardHotspotsForOpenQuestion()))
        return;
    if (showImage(chosen)) {
        // What was put on the clipboard belonged to the picture before.
        m_htmlDelivered = false;
        m_keptMap.clear();
        m_mapFiles.setPageName(QString());
    }
}

bool ImageMapWindow::showImage(const QString &chosen)
{
    platform::BusyCursor busy;
    // The component keeps its current image when the new one cannot be read, so a failed Open
    // leaves the picture and every hotspot as they were.
    if (!m_image.load(chosen)) {
        busy.release();
        m_prompter.tell(m_image.errorString(), platform::MessageIcon::Exclamation);
        return false;
    }
    closeHotspotDialog();
    m_drawing.clearHotspots();
    m_image.setColours256();
    m_imagePath = QFileInfo(chosen).absoluteFilePath();
    setWindowTitle(QDir::toNativeSeparators(m_imagePath));

    m_canvas->setPicture(m_image.picture());
    m_canvas->setFocus(Qt::OtherFocusReason);
    platform::letPendingEventsRun();
    m_drawing.windowActivated();
    enableImageCommands();
    m_horizontalBar->setValue(0);
    m_verticalBar->setValue(0);
    layOutViewport();
    return true;
}

void ImageMapWindow::enableImageCommands()
{
    m_htmlButton->setEnabled(true);
    m_invertAction->setEnabled(true);
    m_htmlAction->setEnabled(true);
    m_saveMapAction->setEnabled(true);
    m_svgAction->setEnabled(true);
}

void ImageMapWindow::openMap()
{
    const QString folder = hasImage() ? QFileInfo(m_imagePath).absolutePath() : QString();
    const QString chosen = m_mapFiles.choosePage(folder);
    if (!chosen.isEmpty())
        openMapFile(chosen);
}

void ImageMapWindow::openMapFile(const QString &path)
{
    if (!m_htmlDelivered && !mayDiscardHotspots(discardHotspotsForOpenQuestion()))
        return;
    const std::optional<OpenedMap> map = m_mapFiles.readMap(path);
    if (!map || !showImage(map->picturePath))
        return;
    // The reader has checked the areas against the table and the store, which showImage() has
    // just emptied, so they fit.
    if (!storeImportedHotspots(m_state, map->areas))
        m_prompter.tell(capacityMessage(), platform::MessageIcon::Exclamation);
    m_keptMap = mapText();
    m_htmlDelivered = false;
    m_mapFiles.setPageName(map->pagePath, map->pictureSource);
    m_canvas->update();
}

void ImageMapWindow::saveMapAs()
{
    if (hasImage() && m_mapFiles.saveMapAs(m_imagePath, m_state.hotspots()))
        m_keptMap = mapText();
}

QString ImageMapWindow::mapText() const
{
    return buildImageMap(m_imagePath, m_state.hotspots()).text;
}

void ImageMapWindow::copySvgMap()
{
    m_mapFiles.copySvgMap(
        m_imagePath, QSize(m_image.width(), m_image.height()), m_state.hotspots());
}

void ImageMapWindow::invertImage()
{
    platform::BusyCursor busy;
    m_image.invert();
    platform::letPendingEventsRun();
    m_canvas->setPicture(m_image.picture());
}

void ImageMapWindow::createHtml()
{
    if (m_prompter.ask(
            htmlQuestion(), platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel)
        != platform::MessageAnswer::Yes)
        return;
    const ImageMapHtml html = buildImageMap(m_imagePath, m_state.hotspots());
    if (!html.succeeded()) {
        m_prompter.tell(html.error);
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(html.text);
    // Some platforms refuse the clipboard silently; saying "Done" and closing the window would
    // then throw the hotspots away.
    if (clipboard->text() != html.text) {
        m_prompter.tell(QStringLiteral("The image-map HTML could not be placed on the clipboard."),
            platform::MessageIcon::Exclamation);
        return;
    }
    m_prompter.tell(htmlDoneMessage(), platform::MessageIcon::Exclamation);
    m_htmlDelivered = true;
    close();
}

void ImageMapWindow::cancelShape()
{
    handle(m_drawing.cancel());
}

void ImageMapWindow::selectionNotified(int left, int top, int right, int bottom)
{
    handle(m_drawing.selectionNotified(left, top, right, bottom));
}

void ImageMapWindow::handle(const DrawingResult &result)
{
    tellDrawingNotices(m_prompter, result.notices);
    switch (result.action) {
    case DrawingAction::None:
        break;
    case DrawingAction::ShowDialog:
        showHotspotDialog(true);
        break;
    case DrawingAction::ShowDialogModeless:
        showHotspotDialog(false);
        break;
    case DrawingAction::CloseDialog:
        closeHotspotDialog();
        break;
    case DrawingAction::CloseWindow:
        close();
        return;
    }
    m_canvas->update();
}

void ImageMapWindow::showHotspotDialog(bool modal)
{
    auto *dialog = new HotspotDialog(m_state, m_prompter, frameGeometry().top(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_hotspotDialog = dialog;
    connect(dialog, &QDialog::finished, this, &ImageMapWindow::hotspotDialogClosed);
    if (modal) {
        dialog->exec();
        return;
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->entry(HotspotDialog::Field::Url)->setFocus(Qt::OtherFocusReason);
}

void ImageMapWindow::hotspotDialogClosed()
{
    m_canvas->update();
    // Drawing goes on where it stopped: the next polygon's Ctrl release must reach the picture.
    if (isVisible()) {
        activateWindow();
        m_canvas->setFocus(Qt::OtherFocusReason);
    }
}

HotspotDialog *ImageMapWindow::hotspotDialog() const
{
    return m_hotspotDialog && m_hotspotDialog->isVisible() ? m_hotspotDialog.data() : nullptr;
}

void ImageMapWindow::closeHotspotDialog()
{
    if (HotspotDialog *dialog = hotspotDialog())
        dialog->reject();
}

} // namespace imagemap

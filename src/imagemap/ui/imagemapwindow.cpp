#include "imagemap/ui/imagemapwindow.h"

#include "imagemap/ui/hotspotdialog.h"
#include "imagemap/ui/imagemaphelp.h"
#include "imagemap/ui/imagemaplayout.h"
#include "imagemap/ui/picturecanvas.h"
#include "platform/pendingevents.h"
#include "platform/ui/filedroptarget.h"
#include "platform/ui/messageboxprompter.h"
#include "platform/ui/qtfiledialogs.h"
#include "platform/ui/twipsgeometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <array>

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
    , m_commands(m_state, m_prompter, m_fileDialogs)
{
    setWindowTitle(imageMapCaption());
    buildControls();
    m_menus.build(menuBar());
    connectMenus();
    help::addHelpMenu(this, imageMapHelpMenu(), m_prompter);
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

ImageMapWindow::~ImageMapWindow() = default;

void ImageMapWindow::buildControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_instructions = new QLabel(instructionsText(), central);
    m_instructions->setWordWrap(true);
    m_instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instructions->installEventFilter(this);

    m_view = std::make_unique<PictureViewport>(m_drawing, m_state, m_scale, central);
    PictureCanvas *canvas = m_view->canvas();
    m_requests = std::make_unique<DrawingRequests>(m_state, m_prompter, this, canvas);
    connect(canvas, &PictureCanvas::actionRequested, this,
        [this](const DrawingResult &result) { m_requests->carryOut(result); });
    connect(canvas, &PictureCanvas::pointerMoved, this, &ImageMapWindow::updatePointerDisplay);

    m_pointerDisplay = new QLabel(central);
    m_pointerDisplay->installEventFilter(this);

    m_htmlButton = new QPushButton(QStringLiteral("&OK"), central);
    m_htmlButton->setEnabled(false);
    connect(m_htmlButton, &QPushButton::clicked, &m_commands, &MapCommands::createHtml);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), central);
    connect(m_cancelButton, &QPushButton::clicked, this,
        [this] { m_requests->carryOut(m_drawing.cancel()); });
}

void ImageMapWindow::connectMenus()
{
    MapCommands *commands = &m_commands;
    connect(m_menus.open, &QAction::triggered, commands, &MapCommands::openImage);
    connect(m_menus.openMap, &QAction::triggered, commands, &MapCommands::openMap);
    connect(m_menus.saveMap, &QAction::triggered, commands, &MapCommands::saveMapAs);
    connect(m_menus.html, &QAction::triggered, commands, &MapCommands::createHtml);
    connect(m_menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.invert, &QAction::triggered, commands, &MapCommands::invertImage);
    connect(m_menus.circles, &QAction::toggled, this,
        [this](bool on) { m_drawing.setDrawCircles(on); });
    connect(m_menus.svg, &QAction::triggered, commands, &MapCommands::copySvgMap);

    connect(commands, &MapCommands::imageOpened, this, &ImageMapWindow::showOpenedImage);
    connect(commands, &MapCommands::pictureChanged, m_view->canvas(), &PictureCanvas::setPicture);
    connect(commands, &MapCommands::mapOpened, m_view->canvas(), [this] { picture()->update(); });
    connect(commands, &MapCommands::htmlDelivered, this, &QWidget::close);
}

void ImageMapWindow::setObjectNames()
{
    setObjectName(QStringLiteral("ImageMapWindow"));
    centralWidget()->setObjectName(QStringLiteral("ImageMapSurface"));
    m_instructions->setObjectName(QStringLiteral("Label1"));
    m_view->setObjectNames();
    m_pointerDisplay->setObjectName(QStringLiteral("XYBox"));
    const std::array<QPushButton *, 2> buttons{m_htmlButton, m_cancelButton};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setObjectName(QStringLiteral("OKbutton"));
        buttons[i]->setProperty("index", int(i));
    }
    m_menus.setObjectNames();
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
    // Before an image is open the empty picture fills the largest viewport, so drawing works
    // on all of it; afterwards the picture keeps the image's size whatever the window's.
    m_view->layOut(QPoint(ImageMapLayout::ViewportLeft, ImageMapLayout::ViewportTop), maxView(),
        !m_commands.hasImage());
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
        picture()->update();
    }
}

void ImageMapWindow::closeEvent(QCloseEvent *event)
{
    // Every way of closing (Exit, the window's close button, the launcher's Exit) comes here,
    // so hotspots are never dropped unasked.
    if (!m_commands.mayClose()) {
        event->ignore();
        return;
    }
    // A dialog shown without blocking the window must not outlive the picture it belongs to.
    m_requests->closeDialog();
    QMainWindow::closeEvent(event);
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

void ImageMapWindow::showOpenedImage(const QString &path, const QImage &image)
{
    m_requests->closeDialog();
    m_drawing.clearHotspots();
    setWindowTitle(QDir::toNativeSeparators(path));
    PictureCanvas *canvas = picture();
    canvas->setPicture(image);
    canvas->setFocus(Qt::OtherFocusReason);
    platform::letPendingEventsRun();
    m_drawing.windowActivated();
    m_htmlButton->setEnabled(true);
    m_menus.enableImageCommands();
    m_view->scrollHome();
    layOut();
}

void ImageMapWindow::selectionNotified(int left, int top, int right, int bottom)
{
    m_requests->carryOut(m_drawing.selectionNotified(left, top, right, bottom));
}

} // namespace imagemap

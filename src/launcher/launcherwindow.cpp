#include "launcher/launcherwindow.h"

#include "help/helpviewer.h"
#include "help/supportdialog.h"
#include "launcher/toolicons.h"
#include "platform/busycursor.h"
#include "platform/pendingevents.h"
#include "platform/programinfo.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/units.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>

namespace launcher {

namespace {

constexpr int CaptionWidth = 1500;
constexpr int CaptionHeight = 315;
constexpr int IconSize = 600;
constexpr int BottomMargin = 360;

} // namespace

LauncherWindow::LauncherWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_scale(platform::scaleOf(this))
    , m_followUpClicks(new FollowUpClicks(this))
{
    setWindowTitle(platform::programTitle());
    setWindowIcon(toolIcon(Tool::Panecraft, 64));

    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_instructions = new QLabel(QStringLiteral("Click on your selection"), central);
    platform::placeInTwips(m_instructions, m_scale, EntryMargin, 60, 4000, 270);

    buildEntries();
    buildMenu();
    setObjectNames();
    layOut();
}

void LauncherWindow::buildEntries()
{
    const int iconPixels = m_scale.toPixels(IconSize);
    for (Tool tool : AllTools) {
        auto *icon = new QLabel(centralWidget());
        icon->setPixmap(toolIcon(tool, iconPixels));
        icon->setAlignment(Qt::AlignCenter);
        icon->setCursor(Qt::PointingHandCursor);
        icon->installEventFilter(this);
        m_icons[entryIndex(tool)] = icon;

        auto *caption = new QLabel(toolName(tool), centralWidget());
        caption->setAlignment(Qt::AlignCenter);
        caption->setAutoFillBackground(true);
        caption->setCursor(Qt::PointingHandCursor);
        caption->installEventFilter(this);
        m_captions[entryIndex(tool)] = caption;
        paintCaption(tool, false);
    }
}

void LauncherWindow::buildMenu()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    for (Tool tool : AllTools) {
        m_openActions[entryIndex(tool)]
            = m_fileMenu->addAction(u'&' + toolName(tool), this, [this, tool] { showTool(tool); });
    }
    m_exitSeparator = m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(QStringLiteral("E&xit"), this, [this] { exitProgram(); });
}

void LauncherWindow::setObjectNames()
{
    setObjectName(QStringLiteral("Bundle"));
    centralWidget()->setObjectName(QStringLiteral("BundleSurface"));
    m_instructions->setObjectName(QStringLiteral("Label1"));
    const std::array<const char *, 3> openNames = {"mnuOpenFrame", "mnuOpenGif", "mnuOpenHot"};
    for (Tool tool : AllTools) {
        const std::size_t i = entryIndex(tool);
        m_icons[i]->setObjectName(QStringLiteral("Iconbox"));
        m_icons[i]->setProperty("index", int(i));
        m_captions[i]->setObjectName(QStringLiteral("Thelabel"));
        m_captions[i]->setProperty("index", int(i));
        m_openActions[i]->setObjectName(QLatin1String(openNames[i]));
    }
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_exitSeparator->setObjectName(QStringLiteral("dash1"));
    m_exitAction->setObjectName(QStringLiteral("mnuExit"));
}

void LauncherWindow::layOut()
{
    const std::array<QSize, 3> captionSizes = {QSize(CaptionWidth, CaptionHeight),
        QSize(CaptionWidth, CaptionHeight), QSize(CaptionWidth, CaptionHeight)};
    const int clientHeight = IconTop + CaptionBelowIcon + CaptionHeight + BottomMargin;
    const int menuHeight = m_scale.toTwips(menuBar()->sizeHint().height());
    m_layout = computeLauncherLayout(captionSizes, QSize(IconSize, IconSize),
        clientHeight + menuHeight, platform::screenSizeInTwips(m_scale, this));
    for (std::size_t i = 0; i < 3; ++i) {
        const QRect c = m_layout.captions[i];
        const QRect ic = m_layout.icons[i];
        platform::placeInTwips(m_captions[i], m_scale, c.x(), c.y(), c.width(), c.height());
        platform::placeInTwips(m_icons[i], m_scale, ic.x(), ic.y(), ic.width(), ic.height());
    }
    const QSize size(
        m_scale.toPixels(m_layout.windowWidth), m_scale.toPixels(clientHeight + menuHeight));
    setFixedSize(size);
    move(m_scale.toPixels(m_layout.windowLeft), m_scale.toPixels(m_layout.windowTop));
}

void LauncherWindow::setToolFactory(Tool tool, ToolFactory factory)
{
    m_factories[entryIndex(tool)] = std::move(factory);
}

QWidget *LauncherWindow::toolWindow(Tool tool) const
{
    return m_tools[entryIndex(tool)].data();
}

void LauncherWindow::showTool(Tool tool)
{
    QPointer<QWidget> &window = m_tools[entryIndex(tool)];
    if (!window) {
        const ToolFactory &factory = m_factories[entryIndex(tool)];
        if (!factory)
            return;
        window = factory();
        if (!window)
            return;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void LauncherWindow::openTool(Tool tool)
{
    platform::BusyCursor busy;
    showTool(tool);
    platform::letPendingEventsRun();
}

bool LauncherWindow::exitProgram()
{
    for (QPointer<QWidget> &window : m_tools) {
        if (window && window->isVisible() && !window->close())
            return false;
    }
    for (QPointer<QWidget> &window : m_tools) {
        if (window && !window->isVisible())
            delete window.data();
    }
    // The help viewer and the support window belong to no tool; left open they would keep the
    // program running after its last window of work has gone.
    if (help::HelpViewer *viewer = help::HelpViewer::instance())
        viewer->close();
    if (help::SupportDialog *support = help::SupportDialog::instance())
        support->close();
    m_exiting = true;
    close();
    return true;
}

void LauncherWindow::closeEvent(QCloseEvent *event)
{
    // The window's close button is File > Exit: the tools get their say first.
    if (!m_exiting && !exitProgram()) {
        event->ignore();
        return;
    }
    event->accept();
}

void LauncherWindow::paintCaption(Tool tool, bool highlighted)
{
    QLabel *label = caption(tool);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, highlighted ? Qt::black : Qt::white);
    palette.setColor(QPalette::WindowText, highlighted ? Qt::white : Qt::black);
    label->setPalette(palette);
}

void LauncherWindow::resetHighlight()
{
    for (Tool tool : AllTools)
        paintCaption(tool, false);
    m_highlighted.reset();
}

void LauncherWindow::highlight(Tool tool)
{
    paintCaption(tool, true);
    m_highlighted = tool;
}

std::optional<Tool> LauncherWindow::toolOf(QObject *object) const
{
    for (Tool tool : AllTools) {
        if (object == icon(tool) || object == caption(tool))
            return tool;
    }
    return std::nullopt;
}

bool LauncherWindow::eventFilter(QObject *watched, QEvent *event)
{
    const std::optional<Tool> tool = toolOf(watched);
    if (!tool)
        return QMainWindow::eventFilter(watched, event);
    // Only the left button highlights and opens an entry.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QRect entry = static_cast<QWidget *>(watched)->rect();
        if (mouse->button() == Qt::LeftButton
            && entry.contains(platform::pixelUnder(mouse->position()))) {
            resetHighlight();
            highlight(*tool);
            openTool(*tool);
            m_followUpClicks->guard(toolWindow(*tool), mouse->globalPosition().toPoint());
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            openTool(*tool);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void LauncherWindow::mousePressEvent(QMouseEvent *event)
{
    resetHighlight();
    QMainWindow::mousePressEvent(event);
}

} // namespace launcher

#include "launcher/bundle.h"

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

const std::array<QString, 3> EntryCaptions
    = {QStringLiteral("Panecraft"), QStringLiteral("Clearcoat"), QStringLiteral("Zonemark")};
constexpr int CaptionWidth = 1500;
constexpr int CaptionHeight = 315;
constexpr int IconSize = 600;
constexpr int BottomMargin = 360;

} // namespace

Bundle::Bundle(QWidget *parent)
    : QMainWindow(parent)
    , m_scale(platform::scaleOf(this))
    , m_followUpClicks(new FollowUpClicks(this))
{
    setObjectName(QStringLiteral("Bundle"));
    setWindowTitle(platform::programTitle());
    setWindowIcon(toolIcon(Tool::Panecraft, 64));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("BundleSurface"));
    setCentralWidget(central);

    auto *label = new QLabel(QStringLiteral("Click on your selection"), central);
    label->setObjectName(QStringLiteral("Label1"));
    platform::placeInTwips(label, m_scale, EntryMargin, 60, 4000, 270);

    const int iconPixels = m_scale.toPixels(IconSize);
    for (int i = 0; i < 3; ++i) {
        auto *icon = new QLabel(central);
        icon->setObjectName(QStringLiteral("Iconbox"));
        icon->setProperty("index", i);
        icon->setPixmap(toolIcon(Tool(i), iconPixels));
        icon->setAlignment(Qt::AlignCenter);
        icon->setCursor(Qt::PointingHandCursor);
        icon->installEventFilter(this);
        m_icons[std::size_t(i)] = icon;

        auto *caption = new QLabel(EntryCaptions[std::size_t(i)], central);
        caption->setObjectName(QStringLiteral("Thelabel"));
        caption->setProperty("index", i);
        caption->setAlignment(Qt::AlignCenter);
        caption->setAutoFillBackground(true);
        caption->setCursor(Qt::PointingHandCursor);
        caption->installEventFilter(this);
        m_captions[std::size_t(i)] = caption;
        paintCaption(i, false);
    }
    buildMenu();
    layOut();
}

void Bundle::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const std::array<const char *, 3> names = {"mnuOpenFrame", "mnuOpenGif", "mnuOpenHot"};
    const std::array<QString, 3> captions
        = {QStringLiteral("&Panecraft"), QStringLiteral("&Clearcoat"), QStringLiteral("&Zonemark")};
    for (int i = 0; i < 3; ++i) {
        QAction *open = file->addAction(captions[std::size_t(i)], this, [this, i] { showTool(i); });
        open->setObjectName(QLatin1String(names[std::size_t(i)]));
    }
    file->addSeparator()->setObjectName(QStringLiteral("dash1"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"), this, [this] { exitProgram(); });
    exit->setObjectName(QStringLiteral("mnuExit"));
}

void Bundle::layOut()
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

void Bundle::setToolFactory(int index, ToolFactory factory)
{
    if (index >= 0 && index < 3)
        m_factories[std::size_t(index)] = std::move(factory);
}

QWidget *Bundle::toolWindow(int index) const
{
    return index >= 0 && index < 3 ? m_tools[std::size_t(index)].data() : nullptr;
}

void Bundle::showTool(int index)
{
    if (index < 0 || index > 2)
        return;
    QPointer<QWidget> &tool = m_tools[std::size_t(index)];
    if (!tool) {
        const ToolFactory &factory = m_factories[std::size_t(index)];
        if (!factory)
            return;
        tool = factory();
        if (!tool)
            return;
        tool->setAttribute(Qt::WA_DeleteOnClose);
    }
    tool->show();
    if (tool->isMinimized())
        tool->showNormal();
    tool->raise();
    tool->activateWindow();
}

void Bundle::openTool(int index)
{
    platform::BusyCursor busy;
    showTool(index);
    platform::letPendingEventsRun();
}

bool Bundle::exitProgram()
{
    for (QPointer<QWidget> &tool : m_tools) {
        if (tool && tool->isVisible() && !tool->close())
            return false;
    }
    for (QPointer<QWidget> &tool : m_tools) {
        if (tool && !tool->isVisible())
            delete tool.data();
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

void Bundle::closeEvent(QCloseEvent *event)
{
    // The window's close button is File > Exit: the tools get their say first.
    if (!m_exiting && !exitProgram()) {
        event->ignore();
        return;
    }
    event->accept();
}

int Bundle::highlightedEntry() const
{
    return m_highlighted;
}

void Bundle::paintCaption(int index, bool highlighted)
{
    QLabel *caption = m_captions[std::size_t(index)];
    QPalette palette = caption->palette();
    palette.setColor(QPalette::Window, highlighted ? Qt::black : Qt::white);
    palette.setColor(QPalette::WindowText, highlighted ? Qt::white : Qt::black);
    caption->setPalette(palette);
}

void Bundle::resetHighlight()
{
    for (int i = 0; i < 3; ++i)
        paintCaption(i, false);
    m_highlighted = -1;
}

void Bundle::highlight(int index)
{
    paintCaption(index, true);
    m_highlighted = index;
}

int Bundle::entryOf(QObject *object) const
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (object == m_icons[i] || object == m_captions[i])
            return int(i);
    }
    return -1;
}

bool Bundle::eventFilter(QObject *watched, QEvent *event)
{
    const int index = entryOf(watched);
    if (index < 0)
        return QMainWindow::eventFilter(watched, event);
    // Only the left button highlights and opens an entry.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QRect entry = static_cast<QWidget *>(watched)->rect();
        if (mouse->button() == Qt::LeftButton
            && entry.contains(platform::pixelUnder(mouse->position()))) {
            resetHighlight();
            highlight(index);
            openTool(index);
            m_followUpClicks->guard(toolWindow(index), mouse->globalPosition().toPoint());
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            openTool(index);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Bundle::mousePressEvent(QMouseEvent *event)
{
    resetHighlight();
    QMainWindow::mousePressEvent(event);
}

} // namespace launcher

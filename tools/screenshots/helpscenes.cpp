#include "helpscenes.h"

#include "frameset/core/layoutmodel.h"
#include "frameset/ui/cellwidget.h"
#include "frameset/ui/designerwindow.h"
#include "frameset/ui/designsurface.h"
#include "frameset/ui/filteredlineedit.h"
#include "frameset/ui/framepropertiesdialog.h"
#include "frameset/ui/splitbutton.h"
#include "giftool/ui/backgroundframe.h"
#include "giftool/ui/detailpanel.h"
#include "giftool/ui/giftoolwindow.h"
#include "giftool/ui/imagetoolbar.h"
#include "giftool/ui/pictureview.h"
#include "help/supportdialog.h"
#include "imagemap/ui/hotspotdialog.h"
#include "imagemap/ui/imagemapwindow.h"
#include "imagemap/ui/picturecanvas.h"
#include "launcher/launcherwindow.h"
#include "modaldialogdriver.h"
#include "platform/imaging/colourreducer.h"
#include "sceneanswers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace screenshots {

namespace {

// The help viewer is 720 pixels wide; pictures leave room for its margins and scroll bar.
constexpr int MaxPictureWidth = 640;
// The picture beside the list of a contents page.
constexpr int ThumbnailWidth = 280;

// The pictures of one help folder.
class PictureFolder
{
public:
    PictureFolder(const QDir &help, const QString &tool, QTextStream &err)
        : m_dir(help.filePath(tool + QStringLiteral("/images")))
        , m_err(err)
    {
        m_ok = QDir().mkpath(m_dir.path());
        if (!m_ok)
            m_err << "cannot create " << m_dir.path() << "\n";
    }

    // Scales the picture down to `maxWidth` and stores it with a 256-colour palette, which
    // keeps even a photograph's screenshot small.
    void store(const QString &name, const QPixmap &pixmap, int maxWidth = MaxPictureWidth)
    {
        QImage image = pixmap.toImage();
        if (image.width() > maxWidth)
            image = image.scaledToWidth(maxWidth, Qt::SmoothTransformation);
        QString error;
        const QString path = m_dir.filePath(name);
        if (!platform::ColourReducer::toPalette256(image, &error) || !image.save(path)) {
            m_err << "cannot write " << path << (error.isEmpty() ? "" : ": ") << error << "\n";
            m_ok = false;
        }
    }
    void fail(const QString &scene, const QString &why)
    {
        m_err << "the help scene '" << scene << "' went wrong: " << why << "\n";
        m_ok = false;
    }
    bool ok() const { return m_ok; }

private:
    QDir m_dir;
    QTextStream &m_err;
    bool m_ok = false;
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

void click(QWidget *widget, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, modifiers);
}

// A left-button drag from `from` to `to` in small steps, as a hand would make it.
void drag(QWidget *widget, QPoint from, QPoint to, bool release = true)
{
    sendMouse(widget, QEvent::MouseMove, from, Qt::NoButton);
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    constexpr int Steps = 12;
    for (int i = 1; i <= Steps; ++i)
        sendMouse(widget, QEvent::MouseMove, from + (to - from) * i / Steps, Qt::LeftButton);
    if (release)
        sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton);
}

// Runs `work` on the modal dialog of type T that the command about to run opens and waits in.
template <typename T> void whenModal(const std::function<void(T *)> &work, int attempts = 300)
{
    QTimer::singleShot(10, [work, attempts] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            settle();
            work(dialog);
        } else if (attempts > 0) {
            whenModal<T>(work, attempts - 1);
        }
    });
}

QPixmap shown(QWidget *widget)
{
    widget->show();
    settle();
    return widget->grab();
}

// The window with `menu` dropped down from its title in the menu bar, cut to what matters.
QPixmap withMenuOpen(QMainWindow *window, QMenu *menu)
{
    settle();
    QMenuBar *bar = window->menuBar();
    const QPoint at = bar->mapTo(window, bar->actionGeometry(menu->menuAction()).bottomLeft());
    QPixmap picture = window->grab();
    menu->popup(window->mapToGlobal(at));
    settle();
    const QPixmap dropped = menu->grab();
    menu->hide();
    QPainter painter(&picture);
    painter.drawPixmap(at, dropped);
    painter.end();
    constexpr int Margin = 24;
    return picture.copy(
        0, 0, std::max(at.x() + dropped.width() + Margin, 260), at.y() + dropped.height() + Margin);
}

QMenu *menuNamed(QMainWindow *window, const char *name)
{
    return window->menuBar()->findChild<QMenu *>(QLatin1String(name));
}

// A web graphic as Clearcoat is meant for: a badge on a background that is either one flat
// colour or, as a scanned or dithered picture has it, two colours in alternating columns.
QString badgeImage(const QTemporaryDir &scratch, const QString &name, bool twoTone)
{
    QImage image(240, 150, QImage::Format_RGB32);
    const QColor flat(150, 200, 235);
    const QColor other(112, 172, 218);
    for (int x = 0; x < image.width(); ++x) {
        const QRgb colour = (twoTone && x % 2) ? other.rgb() : flat.rgb();
        for (int y = 0; y < image.height(); ++y)
            image.setPixel(x, y, colour);
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 70, 130), 3));
    painter.setBrush(QColor(250, 190, 60));
    painter.drawRoundedRect(QRectF(28, 28, 184, 94), 22, 22);
    QFont font = painter.font();
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(28, 28, 184, 94), Qt::AlignCenter, QStringLiteral("NEW!"));
    painter.end();
    const QString path = scratch.filePath(name);
    return image.save(path) ? path : QString();
}

// Panecraft: a banner, a menu column and a main frame, made with the buttons and by dragging
// two borders; the toolbar, two menus and the properties dialog of the menu frame.
void designerScenes(PictureFolder &out)
{
    SceneAnswers answers;
    {
        frameset::DesignerWindow fresh(&answers, &answers);
        out.store(QStringLiteral("designer-start.png"), shown(&fresh).copy(0, 0, 640, 250));
    }
    frameset::DesignerWindow window(&answers, &answers);
    window.show();
    frameset::DesignSurface *surface = window.surface();
    window.splitCell(frameset::SplitDirection::Row);
    click(surface->cell(1), QPoint(40, 40));
    window.splitCell(frameset::SplitDirection::Column);

    frameset::CellWidget *banner = surface->cell(0);
    const int bannerX = banner->width() / 2;
    drag(banner, QPoint(bannerX, banner->height() - 2), QPoint(bannerX, 80));
    frameset::CellWidget *menu = surface->cell(1);
    drag(menu, QPoint(menu->width() - 2, 60), QPoint(150, 60));
    click(surface->cell(2), QPoint(60, 60));
    sendMouse(surface->button(1), QEvent::MouseMove, QPoint(8, 8), Qt::NoButton);
    settle();
    if (window.model().lastCellIndex() != 2 || !answers.unexpected().isEmpty()) {
        out.fail(QStringLiteral("designer"), answers.unexpected());
        return;
    }
    out.store(QStringLiteral("toolbar.png"), shown(&window).copy(0, 0, 640, 52));
    out.store(QStringLiteral("designer-design.png"), window.grab(), 520);
    out.store(QStringLiteral("contents.png"), window.grab(), ThumbnailWidth);

    testsupport::ModalDialogDriver<frameset::FramePropertiesDialog> properties(
        [&out](
            const QString &failure) { out.fail(QStringLiteral("designer properties"), failure); });
    properties.then([&out](frameset::FramePropertiesDialog &form) {
        settle();
        form.textBox(frameset::FrameTextBox::SourceUrl)->setText(QStringLiteral("menu.htm"));
        form.textBox(frameset::FrameTextBox::FrameName)->setText(QStringLiteral("menu"));
        form.textBox(frameset::FrameTextBox::MarginWidth)->setText(QStringLiteral("10"));
        form.findChild<QCheckBox *>(QStringLiteral("FixedWidth"))->click();
        form.findChild<QCheckBox *>(QStringLiteral("Noresizecheck"))->click();
        form.findChild<QComboBox *>(QStringLiteral("Combo2"))->setCurrentIndex(1);
        settle();
        out.store(QStringLiteral("properties.png"), form.grab());
        form.findChild<QPushButton *>(QStringLiteral("OKbutton"))->click();
    });
    window.openProperties(1);

    out.store(
        QStringLiteral("menu-file.png"), withMenuOpen(&window, menuNamed(&window, "mnuFile")));
    out.store(
        QStringLiteral("menu-design.png"), withMenuOpen(&window, menuNamed(&window, "mnuDesign")));
    const QString menuName = window.model().design().properties().record(1).frameName.text();
    if (menuName != QLatin1String("menu") || !answers.unexpected().isEmpty())
        out.fail(QStringLiteral("designer properties"), answers.unexpected());
}

// Zonemark: the rubber band of a rectangle, its dialog, a polygon before Ctrl is let go, and
// the window with both hotspots stored.
void imageMapScenes(PictureFolder &out, const QString &photo)
{
    SceneAnswers answers;
    answers.setOpenPath(photo);
    imagemap::ImageMapWindow window(answers, answers);
    window.show();
    window.findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    QWidget *picture = window.picture();
    const auto *viewport = window.findChild<QWidget *>(QStringLiteral("Parent"));
    const auto *xyBox = window.findChild<QWidget *>(QStringLiteral("XYBox"));
    if (!viewport || !xyBox) {
        out.fail(QStringLiteral("image map"), QStringLiteral("the window has no Parent or XYBox"));
        return;
    }
    const QRect pictureArea(viewport->mapTo(&window, QPoint(0, 0)), viewport->size());
    constexpr int DrawingWidth = 480;

    drag(picture, QPoint(205, 92), QPoint(372, 196), false);
    settle();
    out.store(QStringLiteral("rectangle-drag.png"), window.grab(pictureArea), DrawingWidth);
    whenModal<imagemap::HotspotDialog>([&out](imagemap::HotspotDialog *form) {
        form->entry(imagemap::HotspotDialog::Field::Url)->setText(QStringLiteral("espresso.htm"));
        form->entry(imagemap::HotspotDialog::Field::AltText)
            ->setText(QStringLiteral("Our espresso"));
        form->entry(imagemap::HotspotDialog::Field::Target)->setText(QStringLiteral("main"));
        settle();
        out.store(QStringLiteral("hotspot-dialog.png"), form->grab());
        form->button(imagemap::HotspotDialog::Button::Ok)->click();
    });
    sendMouse(picture, QEvent::MouseButtonRelease, QPoint(372, 196), Qt::LeftButton);

    const QPoint spoon[] = {QPoint(328, 292), QPoint(338, 250), QPoint(370, 236), QPoint(402, 256),
        QPoint(400, 300), QPoint(364, 326)};
    for (const QPoint &vertex : spoon)
        click(picture, vertex, Qt::ControlModifier);
    settle();
    out.store(QStringLiteral("polygon-open.png"), window.grab(pictureArea), DrawingWidth);
    whenModal<imagemap::HotspotDialog>([](imagemap::HotspotDialog *form) {
        form->entry(imagemap::HotspotDialog::Field::Url)->setText(QStringLiteral("spoons.htm"));
        form->entry(imagemap::HotspotDialog::Field::AltText)->setText(QStringLiteral("Spoons"));
        form->button(imagemap::HotspotDialog::Button::Ok)->click();
    });
    QKeyEvent ctrlUp(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QApplication::sendEvent(picture, &ctrlUp);
    sendMouse(picture, QEvent::MouseMove, QPoint(120, 45), Qt::NoButton);
    settle();

    if (window.state().hotspots().usedCount() != 2 || !answers.unexpected().isEmpty()) {
        out.fail(QStringLiteral("image map"), answers.unexpected());
        return;
    }
    const QRect content(
        0, 0, window.width(), xyBox->mapTo(&window, QPoint(0, xyBox->height())).y());
    out.store(QStringLiteral("zonemark-window.png"), window.grab(content), 540);
    out.store(QStringLiteral("contents.png"), window.grab(content), ThumbnailWidth);
    out.store(
        QStringLiteral("menu-file.png"), withMenuOpen(&window, menuNamed(&window, "mnuFile")));
}

// Clearcoat: a badge on a flat background picked in one click, its detail panel, and the same
// badge on a two-tone background that must be made one colour first.
void gifToolScenes(PictureFolder &out, const QTemporaryDir &scratch)
{
    SceneAnswers answers;
    giftool::GifToolWindow window(answers, answers, giftool::WorkingFiles::in(scratch.path()));
    window.show();
    // Cut, not scaled, so that the one-pixel stripes of the two-tone background stay sharp.
    const QRect work(0, 0, std::min(window.width(), MaxPictureWidth), 330);

    answers.setOpenPath(badgeImage(scratch, QStringLiteral("twotone.bmp"), true));
    window.openImage();
    settle();
    click(window.controls().pictureView->picture(), QPoint(10, 10));
    settle();
    const bool mustConvert
        = window.document().selection().state() == giftool::SelectionState::MustConvert;
    out.store(QStringLiteral("must-convert.png"), window.grab(work));
    window.showDetail();
    settle();
    const QRect panel(window.controls().detailPanel->mapTo(&window, QPoint(0, 0)) - QPoint(8, 8),
        window.controls().detailPanel->size() + QSize(16, 16));
    out.store(QStringLiteral("detail-panel.png"), window.grab(panel));
    window.controls().detailPanel->hide();
    window.convertBackground(giftool::ConversionButton::Neighbour);
    settle();
    const bool converted
        = window.document().selection().state() == giftool::SelectionState::Converted;
    out.store(QStringLiteral("converted.png"), window.grab(work));

    answers.setOpenPath(badgeImage(scratch, QStringLiteral("badge.bmp"), false));
    window.openImage();
    settle();
    out.store(QStringLiteral("clearcoat-open.png"), window.grab(work));
    click(window.controls().pictureView->picture(), QPoint(10, 10));
    settle();
    const bool picked
        = window.document().selection().state() == giftool::SelectionState::UniformPick;
    out.store(QStringLiteral("background-selected.png"), window.grab(work));
    out.store(QStringLiteral("contents.png"), window.grab(QRect(0, 0, 380, 330)), ThumbnailWidth);
    out.store(
        QStringLiteral("menu-file.png"), withMenuOpen(&window, menuNamed(&window, "mnuFile")));
    out.store(QStringLiteral("menu-options.png"),
        withMenuOpen(&window, menuNamed(&window, "mnuOptions")));

    sendMouse(window.controls().toolbar->button(giftool::ToolbarButton::Open), QEvent::MouseMove,
        QPoint(6, 6), Qt::NoButton);
    settle();
    out.store(QStringLiteral("toolbar.png"), window.grab(QRect(0, 0, 220, 62)));
    if (!mustConvert || !converted || !picked || !answers.unexpected().isEmpty())
        out.fail(QStringLiteral("gif tool"), answers.unexpected());
}

// The launcher, a tool's Help menu and the support window.
void sharedScenes(PictureFolder &out)
{
    launcher::LauncherWindow launcherWindow;
    out.store(QStringLiteral("launcher.png"), shown(&launcherWindow));
    SceneAnswers answers;
    frameset::DesignerWindow window(&answers, &answers);
    window.show();
    out.store(
        QStringLiteral("help-menu.png"), withMenuOpen(&window, menuNamed(&window, "mnuHelp2")));
    help::SupportDialog *support = help::SupportDialog::showSupport();
    out.store(QStringLiteral("support.png"), shown(support));
    support->close();
}

} // namespace

bool saveHelpScenes(const QDir &helpFolder, QTextStream &err)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        err << "cannot make a scratch folder for the help scenes\n";
        return false;
    }
    const QString photo = QStringLiteral(TRELLIS_SOURCE_DIR "/tests/data/coffee.jpg");

    PictureFolder designer(helpFolder, QStringLiteral("panecr95"), err);
    designerScenes(designer);
    PictureFolder imageMap(helpFolder, QStringLiteral("zonemk95"), err);
    if (QFile::exists(photo))
        imageMapScenes(imageMap, photo);
    else
        imageMap.fail(QStringLiteral("image map"), photo + QStringLiteral(" is missing"));
    PictureFolder gifTool(helpFolder, QStringLiteral("clrcot95"), err);
    gifToolScenes(gifTool, scratch);
    PictureFolder shared(helpFolder, QStringLiteral("common"), err);
    sharedScenes(shared);
    return designer.ok() && imageMap.ok() && gifTool.ok() && shared.ok();
}

} // namespace screenshots

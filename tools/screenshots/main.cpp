// Makes the pictures of the README and the help pages from the program's own windows:
// trellis_screenshots OUTPUT_FOLDER [HELP_FOLDER]. Runs on the offscreen platform, so it needs
// no display.

#include "frameset/core/layoutmodel.h"
#include "frameset/ui/cellwidget.h"
#include "frameset/ui/designerwindow.h"
#include "frameset/ui/designsurface.h"
#include "giftool/ui/giftoolwindow.h"
#include "giftool/ui/pictureview.h"
#include "helpscenes.h"
#include "imagemap/ui/hotspotdialog.h"
#include "imagemap/ui/imagemapwindow.h"
#include "imagemap/ui/picturecanvas.h"
#include "launcher/launcherwindow.h"
#include "sceneanswers.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

using screenshots::SceneAnswers;

namespace {

bool save(QWidget *window, const QString &path)
{
    window->show();
    QApplication::processEvents();
    return window->grab().save(path);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

// Types the URL into the properties dialog as soon as it is shown modally, then presses OK.
void answerNextDialog(const QString &url, int attempts = 100)
{
    QTimer::singleShot(10, [url, attempts] {
        auto *form = qobject_cast<imagemap::HotspotDialog *>(QApplication::activeModalWidget());
        if (!form) {
            if (attempts > 0)
                answerNextDialog(url, attempts - 1);
            return;
        }
        form->entry(imagemap::HotspotDialog::Field::Url)->setText(url);
        form->button(imagemap::HotspotDialog::Button::Ok)->click();
    });
}

// The photograph of the test data, or a drawn stand-in when the checkout has none.
QString sceneImage(const QTemporaryDir &scratch)
{
    const QString photo = QStringLiteral(TRELLIS_SOURCE_DIR "/tests/data/coffee.jpg");
    if (QFile::exists(photo))
        return photo;
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(110, 160, 220));
    sky.setColorAt(1, QColor(230, 200, 150));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(150, 60, 40));
    painter.drawEllipse(QRect(180, 80, 220, 140));
    painter.setBrush(QColor(200, 200, 210));
    painter.drawEllipse(QRect(320, 230, 90, 100));
    painter.end();
    const QString path = scratch.filePath(QStringLiteral("scene.jpg"));
    return image.save(path) ? path : QString();
}

// Zonemark with a photograph, a stored rectangle, a stored polygon and a stored circle, drawn by
// mouse events.
bool saveImageMapScene(const QString &path, QTextStream &err)
{
    QTemporaryDir scratch;
    SceneAnswers answers(sceneImage(scratch));
    imagemap::ImageMapWindow window(answers, answers);
    window.show();
    window.findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    QWidget *picture = window.picture();

    answerNextDialog(QStringLiteral("espresso.htm"));
    sendMouse(picture, QEvent::MouseButtonPress, QPoint(205, 92), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseMove, QPoint(290, 150), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseMove, QPoint(372, 196), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseButtonRelease, QPoint(372, 196), Qt::LeftButton);

    const QPoint spoon[] = {QPoint(328, 292), QPoint(338, 250), QPoint(370, 236), QPoint(402, 256),
        QPoint(400, 300), QPoint(364, 326)};
    for (const QPoint &vertex : spoon) {
        sendMouse(picture, QEvent::MouseButtonPress, vertex, Qt::LeftButton, Qt::ControlModifier);
        sendMouse(picture, QEvent::MouseButtonRelease, vertex, Qt::LeftButton, Qt::ControlModifier);
    }
    answerNextDialog(QStringLiteral("spoon.htm"));
    QKeyEvent ctrlUp(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QApplication::sendEvent(picture, &ctrlUp);

    // A circle round the cup's handle, dragged from its centre with Draw Circles on.
    window.findChild<QAction *>(QStringLiteral("mnuCircles"))->setChecked(true);
    answerNextDialog(QStringLiteral("handle.htm"));
    sendMouse(picture, QEvent::MouseButtonPress, QPoint(228, 266), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseMove, QPoint(250, 266), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseMove, QPoint(264, 266), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseButtonRelease, QPoint(264, 266), Qt::LeftButton);
    sendMouse(picture, QEvent::MouseMove, QPoint(300, 150), Qt::NoButton);

    if (window.state().hotspots().usedCount() != 3 || !answers.unexpected().isEmpty()) {
        err << "the image-map scene could not be drawn: " << answers.unexpected() << "\n";
        return false;
    }
    return save(&window, path);
}

// Panecraft with a design of five cells, one border dragged and one cell selected, all by the
// window's own buttons and mouse handling.
bool saveDesignerScene(const QString &path, QTextStream &err)
{
    SceneAnswers answers;
    frameset::DesignerWindow window(&answers, &answers);
    window.show();
    frameset::DesignSurface *surface = window.surface();
    auto click = [surface](int cell) {
        const QPoint middle = surface->cell(cell)->rect().center();
        sendMouse(surface->cell(cell), QEvent::MouseButtonPress, middle, Qt::LeftButton);
        sendMouse(surface->cell(cell), QEvent::MouseButtonRelease, middle, Qt::LeftButton);
    };
    window.splitCell(frameset::SplitDirection::Column);
    window.splitCell(frameset::SplitDirection::Row);
    click(0);
    window.splitCell(frameset::SplitDirection::Row);
    click(2);
    window.splitCell(frameset::SplitDirection::Column);

    // The first column narrower: grab its right edge and drag it to the left.
    QWidget *menu = surface->cell(0);
    const int edge = menu->width() - 2;
    sendMouse(menu, QEvent::MouseMove, QPoint(edge, 60), Qt::NoButton);
    sendMouse(menu, QEvent::MouseButtonPress, QPoint(edge, 60), Qt::LeftButton);
    for (int x = edge - 2; x >= 220; x -= 2)
        sendMouse(menu, QEvent::MouseMove, QPoint(x, 60), Qt::LeftButton);
    sendMouse(menu, QEvent::MouseButtonRelease, QPoint(220, 60), Qt::LeftButton);
    click(1);

    if (window.model().lastCellIndex() != 4 || !answers.unexpected().isEmpty()) {
        err << "the designer scene could not be drawn: " << answers.unexpected() << "\n";
        return false;
    }
    return save(&window, path);
}

// Clearcoat with the rocket photograph, its evening sky made one color and selected as the
// background, all through the window's own clicks.
bool saveGifToolScene(const QString &path, QTextStream &err)
{
    QTemporaryDir scratch;
    const QString photo = QStringLiteral(TRELLIS_SOURCE_DIR "/tests/data/rocket.jpg");
    SceneAnswers answers(QFile::exists(photo) ? photo : sceneImage(scratch));
    giftool::GifToolWindow window(answers, answers, giftool::WorkingFiles::in(scratch.path()));
    window.show();
    window.openImage();
    QWidget *picture = window.controls().pictureView->picture();
    const QPoint sky(250, 60);
    auto click = [picture, sky] {
        sendMouse(picture, QEvent::MouseButtonPress, sky, Qt::LeftButton);
        sendMouse(picture, QEvent::MouseButtonRelease, sky, Qt::LeftButton);
    };
    click();
    // A sky of two colors at the click is first made the neighbour's color, then clicked again.
    if (window.document().selection().state() == giftool::SelectionState::MustConvert) {
        window.convertBackground(giftool::ConversionButton::Neighbour);
        click();
    }
    sendMouse(picture, QEvent::MouseMove, sky + QPoint(40, 20), Qt::NoButton);

    if (window.document().selection().state() != giftool::SelectionState::UniformPick
        || !answers.unexpected().isEmpty()) {
        err << "the Clearcoat scene could not be drawn: " << answers.unexpected() << "\n";
        return false;
    }
    return save(&window, path);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2 && argc != 3) {
        err << "usage: trellis_screenshots OUTPUT_FOLDER [HELP_FOLDER]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    bool ok = true;

    launcher::LauncherWindow launcherWindow;
    ok &= save(&launcherWindow, out.filePath(QStringLiteral("launcher.png")));
    ok &= saveImageMapScene(out.filePath(QStringLiteral("zonemark.png")), err);
    ok &= saveDesignerScene(out.filePath(QStringLiteral("designer.png")), err);
    ok &= saveGifToolScene(out.filePath(QStringLiteral("clearcoat.png")), err);
    if (argc == 3)
        ok &= screenshots::saveHelpScenes(QDir(QString::fromLocal8Bit(argv[2])), err);

    if (!ok)
        err << "some pictures could not be written\n";
    return ok ? 0 : 1;
}

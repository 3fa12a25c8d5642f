#pragma once

#include "imagemap/ui/hotspotdialog.h"
#include "imagemap/ui/imagemapwindow.h"
#include "imagemap/ui/picturecanvas.h"
#include "modaldialogdriver.h"
#include "platform/imaging/imagecomponent.h"
#include "scriptedfiledialogs.h"
#include "scriptedprompter.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <utility>

namespace testsupport {

// A picture whose every pixel tells where it is: red = x, green = y (both mod 256), blue 40.
inline QImage patternImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 40));
    return image;
}

// Writes a picture as GIF (through the image component) or JPEG, by the name's extension.
inline bool writeImage(const QString &path, const QImage &image)
{
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        platform::ImageComponent component;
        component.setPicture(image);
        return component.save(path);
    }
    return image.save(path, "JPEG", 95);
}

// The pattern picture of `size` as `name` in `dir`, written unless it is there already; an empty
// path when it cannot be written.
inline QString picture(const QTemporaryDir &dir, const QString &name, QSize size = QSize(240, 180))
{
    const QString path = dir.filePath(name);
    return QFile::exists(path) || writeImage(path, patternImage(size)) ? path : QString();
}

// Acts on the properties dialog once it is shown modally; a dialog that never comes or stays
// open fails the test.
class DialogScript : public ModalDialogDriver<imagemap::HotspotDialog>
{
public:
    DialogScript()
        : ModalDialogDriver([](const QString &failure) {
            QTest::qFail(
                qPrintable(QStringLiteral("properties dialog: ") + failure), __FILE__, __LINE__);
        })
    { }
};

// Types the three texts into the dialog's boxes (replacing what they hold) and clicks OK.
inline DialogScript::Step fillAndOk(
    const QString &url, const QString &alt = QString(), const QString &target = QString())
{
    return [=](imagemap::HotspotDialog &form) {
        using Field = imagemap::HotspotDialog::Field;
        const std::array<std::pair<Field, QString>, 3> texts{std::pair(Field::Url, url),
            std::pair(Field::AltText, alt), std::pair(Field::Target, target)};
        for (const auto &[field, text] : texts) {
            form.entry(field)->clear();
            QTest::keyClicks(form.entry(field), text);
        }
        QTest::mouseClick(form.button(imagemap::HotspotDialog::Button::Ok), Qt::LeftButton);
    };
}

inline DialogScript::Step clickButton(imagemap::HotspotDialog::Button button)
{
    return [=](imagemap::HotspotDialog &form) {
        QTest::mouseClick(form.button(button), Qt::LeftButton);
    };
}

// An image-map window answered by a scripted prompter and file dialogs, shown and active.
// Positions are given in picture pixels.
struct ImageMapWindowFixture
{
    ImageMapWindowFixture()
        : window(std::make_unique<imagemap::ImageMapWindow>(prompter, dialogs))
    {
        script.guardAgainstUnexpectedDialogs();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    imagemap::PictureCanvas *canvas() const { return window->picture(); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    QPushButton *button(int index) const
    {
        for (QPushButton *b : window->findChildren<QPushButton *>(QStringLiteral("OKbutton")))
            if (b->property("index").toInt() == index)
                return b;
        return nullptr;
    }
    const imagemap::HotspotRecord &row(int i) const { return window->state().hotspots().row(i); }

    // Opens the file through mnuOpen; returns whether the window now shows it.
    bool open(const QString &path)
    {
        dialogs.answer(path);
        action("mnuOpen")->trigger();
        return window->imagePath() == path;
    }

    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(canvas(), (from + to) / 2);
        QTest::mouseMove(canvas(), to);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, to);
    }

    // Ctrl-clicks every vertex, then releases Ctrl on the picture.
    void polygon(const QList<QPoint> &points)
    {
        for (const QPoint &p : points)
            QTest::mouseClick(canvas(), Qt::LeftButton, Qt::ControlModifier, p);
        QTest::keyRelease(canvas(), Qt::Key_Control);
    }

    // Drags a rectangle (or, with circles on, a circle) and fills in the dialog it opens.
    void store(QPoint from, QPoint to, const QString &url, const QString &alt = {},
        const QString &target = {})
    {
        script.then(fillAndOk(url, alt, target));
        drag(from, to);
        QCOMPARE(script.pending(), 0);
    }

    // Every scripted answer was used.
    void verifyDone() const
    {
        QCOMPARE(script.pending(), 0);
        QCOMPARE(prompter.pendingAnswers(), 0);
        QCOMPARE(dialogs.pendingAnswers(), 0);
    }

    QString xyText() const
    {
        return window->findChild<QWidget *>("XYBox")->property("text").toString();
    }

    void rightClick(QPoint at) { QTest::mouseClick(canvas(), Qt::RightButton, Qt::NoModifier, at); }

    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    DialogScript script;
    std::unique_ptr<imagemap::ImageMapWindow> window;
};

// The window suites' common part: a scratch folder for the whole suite and, for every test
// function, a fresh window whose scripted answers must all be used by its end.
class ImageMapWindowSuite : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<ImageMapWindowFixture> f;
    QTemporaryDir dir;

    QString picture(const QString &name, QSize size = QSize(240, 180))
    {
        return testsupport::picture(dir, name, size);
    }

protected slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void init() { f = std::make_unique<ImageMapWindowFixture>(); }
    void cleanup()
    {
        f->verifyDone();
        f->window->hide(); // no close question
        f.reset();
    }
};

} // namespace testsupport

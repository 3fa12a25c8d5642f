#pragma once

#include "imagemap/ui/imagemapwindow.h"
#include "imagemap/ui/picturecanvas.h"
#include "imagemap/ui/specform.h"
#include "platform/imaging/imagecomponent.h"
#include "scriptedfiledialogs.h"
#include "scriptedprompter.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

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

// Acts on the properties dialog once it is shown modally, from inside its event loop. Every
// queued step runs on the dialog in turn; a dialog still open after the last step is
// cancelled and the test fails, so a refused OK can never leave a test hanging.
class DialogScript
{
public:
    using Step = std::function<void(imagemap::Specform &)>;

    void then(Step step)
    {
        m_steps.append(std::move(step));
        if (m_steps.size() == 1)
            arm();
    }
    int pending() const { return int(m_steps.size()); }

    // While the script has no step queued, a properties dialog that opens modally anyway is
    // cancelled and fails the test instead of waiting for input that never comes.
    void guardAgainstUnexpectedDialogs()
    {
        m_guard.setInterval(20);
        QObject::connect(&m_guard, &QTimer::timeout, [this] {
            auto *form = qobject_cast<imagemap::Specform *>(QApplication::activeModalWidget());
            if (!form || !m_steps.isEmpty())
                return;
            form->reject();
            QTest::qFail("an unexpected properties dialog was shown", __FILE__, __LINE__);
        });
        m_guard.start();
    }

private:
    void arm()
    {
        QTimer::singleShot(0, [this] { runNext(); });
    }
    void runNext()
    {
        auto *form = qobject_cast<imagemap::Specform *>(QApplication::activeModalWidget());
        if (!form) {
            if (++m_waits > 500) {
                m_steps.clear();
                QTest::qFail("the properties dialog was never shown", __FILE__, __LINE__);
                return;
            }
            QTimer::singleShot(10, [this] { runNext(); });
            return;
        }
        m_waits = 0;
        const Step step = m_steps.takeFirst();
        step(*form);
        if (!form->isVisible())
            return;
        if (m_steps.isEmpty()) {
            form->reject();
            QTest::qFail("the properties dialog stayed open", __FILE__, __LINE__);
            return;
        }
        arm();
    }

    QList<Step> m_steps;
    int m_waits = 0;
    QTimer m_guard;
};

// Types the three texts into the dialog's boxes (replacing what they hold) and clicks OK.
inline DialogScript::Step fillAndOk(
    const QString &url, const QString &alt = QString(), const QString &target = QString())
{
    return [=](imagemap::Specform &form) {
        const QStringList texts{url, alt, target};
        for (int i = 0; i < 3; ++i) {
            form.entry(i)->clear();
            QTest::keyClicks(form.entry(i), texts[i]);
        }
        QTest::mouseClick(form.button(imagemap::Specform::OkButton), Qt::LeftButton);
    };
}

inline DialogScript::Step clickButton(int index)
{
    return [=](imagemap::Specform &form) { QTest::mouseClick(form.button(index), Qt::LeftButton); };
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

    void rightClick(QPoint at) { QTest::mouseClick(canvas(), Qt::RightButton, Qt::NoModifier, at); }

    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    DialogScript script;
    std::unique_ptr<imagemap::ImageMapWindow> window;
};

} // namespace testsupport

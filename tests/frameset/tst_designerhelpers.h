#pragma once

#include "designbuilder.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/ui/cellwidget.h"
#include "frameset/ui/designerwindow.h"
#include "frameset/ui/designsurface.h"
#include "frameset/ui/filteredlineedit.h"
#include "frameset/ui/framepropertiesdialog.h"
#include "frameset/ui/splitbutton.h"
#include "modaldialogdriver.h"
#include "scriptedfiledialogs.h"
#include "scriptedprompter.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// Drives the designer window's real widgets in tests: mouse gestures on cells and buttons,
// menu commands, and the modal frame properties dialog.
namespace designertest {

using platform::MessageAnswer;

// The offscreen screen: 15 twips per pixel.
constexpr int Twips = 15;

// Where `widget` lies on the design surface, as the window shows it. The cells lie in the
// design area, which scrolls, so their own geometry is relative to that area.
inline QRect onSurface(const frameset::DesignSurface *surface, const QWidget *widget)
{
    return QRect(widget->mapTo(surface, QPoint(0, 0)), widget->size());
}

// Acts on the frame properties dialog once it is shown modally; a dialog that never comes, or
// that stays open after the last step, fails the test.
class PropertiesDialogScript
    : public testsupport::ModalDialogDriver<frameset::FramePropertiesDialog>
{
public:
    PropertiesDialogScript()
        : ModalDialogDriver([](const QString &failure) {
            QTest::qFail(
                qPrintable(QStringLiteral("properties dialog: ") + failure), __FILE__, __LINE__);
        })
    { }
};

struct Designer
{
    testsupport::ScriptedPrompter prompter;
    testsupport::ScriptedFileDialogs dialogs;
    frameset::DesignerWindow window{&prompter, &dialogs};
    PropertiesDialogScript propertiesScript;
    bool exposed = false;

    Designer()
    {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }

    const frameset::LayoutModel &model() const { return window.model(); }
    const frameset::CellView &cellView(int i) const { return model().design().cell(i); }
    frameset::CellWidget *cell(int i) const { return window.surface()->cell(i); }
    QRect cellRect(int i) const { return onSurface(window.surface(), cell(i)); }
    frameset::SplitButton *button(int i) const { return window.surface()->button(i); }
    QAction *action(const char *name) const
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }

    // Makes the window active, so that its shortcut keys reach it.
    bool activate()
    {
        window.activateWindow();
        window.windowHandle()->requestActivate();
        return QTest::qWaitForWindowActive(&window);
    }

    // Clicks split button i: press, release.
    void clickButton(int i) { QTest::mouseClick(button(i), Qt::LeftButton); }

    // Selects cell i with a left click in its middle.
    void clickCell(int i)
    {
        QTest::mouseClick(cell(i), Qt::LeftButton, {}, cell(i)->rect().center());
    }

    // Gives a command as a user does: "mnu..." from its menu item, "Button N" with split button
    // N, anything else as a shortcut key.
    void give(const QString &command)
    {
        if (command.startsWith(QLatin1String("mnu"))) {
            action(qPrintable(command))->trigger();
        } else if (command.startsWith(QLatin1String("Button "))) {
            clickButton(command.mid(7).toInt());
        } else {
            QVERIFY(activate());
            QTest::keySequence(&window, QKeySequence(command));
        }
    }

    // The one message box shown so far.
    void expectAsked(const QString &text, const QString &title, platform::MessageIcon icon,
        platform::MessageButtons buttons)
    {
        QCOMPARE(prompter.shown().size(), 1);
        const auto &asked = prompter.shown().first();
        QCOMPARE(asked.text, text);
        QCOMPARE(asked.title, title);
        QCOMPARE(asked.icon, icon);
        QCOMPARE(asked.buttons, buttons);
    }

    // Selects cell `i` and splits it with a button.
    void split(int i, frameset::SplitDirection direction)
    {
        if (model().lastCellIndex() > 0)
            clickCell(i);
        clickButton(int(direction));
    }
};

// Moves the mouse over `widget` to `at` with no button held. Sent to the widget itself: the
// offscreen platform's cursor does not produce mouse moves.
inline void hover(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Hovers over `widget` at `from`, presses the left button there, moves in steps of at most
// two pixels to `to` and releases there, as a hand does.
inline void drag(QWidget *widget, QPoint from, QPoint to)
{
    hover(widget, from);
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    const QPoint delta = to - from;
    const int steps = std::max(1, std::max(std::abs(delta.x()), std::abs(delta.y())) / 2);
    for (int s = 1; s <= steps; ++s)
        QTest::mouseMove(widget, from + delta * s / steps);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

// A double-click as the window system delivers it: press, release, double-click, release.
inline void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// A copy of the design file tests/frameset/data/`name` in `dir`, where a test may save over it.
inline QString copyOfDesignFile(const QTemporaryDir &dir, const QString &name)
{
    const QString copy = dir.filePath(name);
    return QFile::copy(framesettest::dataFile(name), copy) ? copy : QString();
}

template <typename T> T *child(const QWidget *parent, const char *name, int index = -1)
{
    const QList<T *> found = parent->findChildren<T *>(QLatin1String(name));
    for (T *widget : found) {
        if (index < 0 || widget->property("index").toInt() == index)
            return widget;
    }
    return nullptr;
}

inline void clickOk(frameset::FramePropertiesDialog &dialog)
{
    QTest::mouseClick(child<QWidget>(&dialog, "OKbutton"), Qt::LeftButton);
}

inline void clickCancel(frameset::FramePropertiesDialog &dialog)
{
    QTest::mouseClick(child<QWidget>(&dialog, "Cancelbutton"), Qt::LeftButton);
}

} // namespace designertest

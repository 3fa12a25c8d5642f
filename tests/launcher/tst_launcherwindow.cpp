#include "help/helpviewer.h"
#include "help/supportdialog.h"
#include "launcher/followupclicks.h"
#include "launcher/launcherwindow.h"
#include "platform/programinfo.h"
#include "testmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QWindow>
#include <optional>

namespace {

// A tool window that can refuse to close, as one with unsaved changes does, and counts the mouse
// buttons it receives.
class StubbornWindow : public QWidget
{
public:
    bool allowClose = true;
    int closeRequests = 0;
    int presses = 0;
    int doubleClicks = 0;
    int releases = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->setAccepted(allowClose);
    }
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++doubleClicks; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

// The three captions' looks, in tool order: n for black on white, h for white on black
// (highlighted), ? for anything else.
QString looks(const launcher::LauncherWindow *launcher)
{
    QString looks;
    for (launcher::Tool tool : launcher::AllTools) {
        const QPalette p = launcher->caption(tool)->palette();
        const QString colours
            = p.color(QPalette::Window).name() + p.color(QPalette::WindowText).name();
        looks += colours == "#ffffff#000000" ? u'n' : colours == "#000000#ffffff" ? u'h' : u'?';
    }
    return looks;
}

} // namespace

using launcher::Tool;

class TestLauncherWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_launcher = new launcher::LauncherWindow;
        m_created = {0, 0, 0};
        for (Tool tool : launcher::AllTools) {
            m_launcher->setToolFactory(tool, [this, tool] {
                ++m_created[launcher::entryIndex(tool)];
                auto *w = new StubbornWindow;
                w->setWindowTitle(launcher::toolName(tool));
                return w;
            });
        }
        m_launcher->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_launcher));
    }
    void cleanup()
    {
        for (Tool tool : launcher::AllTools)
            delete m_launcher->toolWindow(tool);
        delete m_launcher;
    }

    // The window as it opens: its captions and icons placed in twips (15 a pixel offscreen) and
    // centred on the screen, and its one menu.
    void asItOpens()
    {
        QCOMPARE(m_launcher->windowTitle(), "Quillon Trellis Collection v4.4");
        QCOMPARE(m_launcher->objectName(), "Bundle");
        auto *label = m_launcher->findChild<QLabel *>("Label1");
        QVERIFY(label);
        QCOMPARE(label->text(), "Click on your selection");
        QStringList captions;
        for (Tool tool : launcher::AllTools) {
            captions << m_launcher->caption(tool)->text();
            QVERIFY(!m_launcher->icon(tool)->pixmap().isNull());
        }
        QCOMPARE(captions, QStringList({"Panecraft", "Clearcoat", "Zonemark"}));
        QCOMPARE(looks(m_launcher), "nnn");
        const QList<QAction *> actions = m_launcher->menuBar()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->text(), "&File");
        QStringList texts;
        for (QAction *a : actions[0]->menu()->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, (QStringList{"&Panecraft", "&Clearcoat", "&Zonemark", "-", "E&xit"}));
        QCOMPARE(m_launcher->caption(Tool::Zonemark)->geometry(), QRect(276, 64, 100, 21));
        QCOMPARE(m_launcher->icon(Tool::Panecraft)->geometry(), QRect(90, 24, 40, 40));
        QCOMPARE(m_launcher->width(), 436);
        const QRect screen = m_launcher->screen()->geometry();
        QCOMPARE(m_launcher->x(), (screen.width() * 15 - 6540) / 2 / 15);
    }

    void clickHighlightsOnlyTheClickedEntry()
    {
        QTest::mouseClick(m_launcher->caption(Tool::Clearcoat), Qt::LeftButton);
        QCOMPARE(looks(m_launcher), "nhn");
        QTest::mouseClick(m_launcher->icon(Tool::Zonemark), Qt::LeftButton);
        QCOMPARE(looks(m_launcher), "nnh");
        QCOMPARE(m_launcher->highlightedTool(), std::optional(Tool::Zonemark));
        QVERIFY(m_launcher->toolWindow(Tool::Clearcoat));
        QVERIFY(m_launcher->toolWindow(Tool::Zonemark));
        // A click outside the entries takes the highlight away.
        QTest::mouseClick(m_launcher->centralWidget(), Qt::LeftButton, {}, QPoint(5, 100));
        QCOMPARE(looks(m_launcher), "nnn");
        QVERIFY(!m_launcher->highlightedTool());
    }

    void onlyTheLeftButtonActs_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void onlyTheLeftButtonActs()
    {
        QFETCH(Qt::MouseButton, button);
        QTest::mouseClick(m_launcher->caption(Tool::Clearcoat), button);
        QTest::mouseClick(m_launcher->icon(Tool::Zonemark), button);
        QTest::mouseDClick(m_launcher->icon(Tool::Panecraft), button);
        QVERIFY(!m_launcher->highlightedTool());
        QCOMPARE(looks(m_launcher), "nnn");
        for (Tool tool : launcher::AllTools)
            QVERIFY(!m_launcher->toolWindow(tool));
    }

    // The tool opens under the pointer at the first click of a double-click; the second click
    // must not act in it. Later clicks reach it as usual.
    void aDoubleClickDoesNotReachTheOpenedTool()
    {
        StubbornWindow *tool = nullptr;
        qint64 now = 1000;
        auto *guard = m_launcher->findChild<launcher::FollowUpClicks *>();
        QVERIFY(guard);
        guard->setClock([&now] { return now; });
        m_launcher->setToolFactory(Tool::Panecraft, [&tool, this] {
            tool = new StubbornWindow;
            tool->setGeometry(m_launcher->geometry());
            return tool;
        });
        QWindow *launcherWindow = m_launcher->windowHandle();
        const QPoint at = m_launcher->caption(Tool::Panecraft)->mapTo(m_launcher, QPoint(20, 10));
        QTest::mousePress(launcherWindow, Qt::LeftButton, {}, at);
        QTest::mouseRelease(launcherWindow, Qt::LeftButton, {}, at);
        QVERIFY(tool && tool->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(tool));
        // The second click of the double-click, where the pointer is: on the new window.
        const QPoint there = tool->mapFromGlobal(m_launcher->mapToGlobal(at));
        QTest::mousePress(tool->windowHandle(), Qt::LeftButton, {}, there);
        QTest::mouseRelease(tool->windowHandle(), Qt::LeftButton, {}, there);
        QCOMPARE(tool->presses + tool->doubleClicks + tool->releases, 0);
        // A click elsewhere, however soon, is the user's own.
        QTest::mouseClick(tool->windowHandle(), Qt::LeftButton, {}, there + QPoint(40, 40));
        QCOMPARE(tool->presses, 1);
        QCOMPARE(tool->releases, 1);

        now += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
        QTest::mouseClick(tool->windowHandle(), Qt::LeftButton, {}, there);
        QCOMPARE(tool->presses, 2);
        QCOMPARE(tool->releases, 2);
    }

    // A double-click, the entry's menu command or a second opening shows the one window.
    void toolWindowExistsOnce()
    {
        QTest::mouseDClick(m_launcher->icon(Tool::Panecraft), Qt::LeftButton);
        QWidget *first = m_launcher->toolWindow(Tool::Panecraft);
        QVERIFY(first && first->isVisible());
        m_launcher->openTool(Tool::Panecraft);
        m_launcher->findChild<QAction *>("mnuOpenFrame")->trigger();
        QCOMPARE(m_launcher->toolWindow(Tool::Panecraft), first);
        QCOMPARE(m_created[launcher::entryIndex(Tool::Panecraft)], 1);

        // Once closed, the next opening starts a fresh window.
        first->close();
        QTRY_VERIFY(!m_launcher->toolWindow(Tool::Panecraft));
        m_launcher->openTool(Tool::Panecraft);
        QCOMPARE(m_created[launcher::entryIndex(Tool::Panecraft)], 2);
    }

    // File > Exit and the close button close every tool and help window, unless a tool refuses.
    void exitClosesEveryToolUnlessOneRefuses()
    {
        m_launcher->openTool(Tool::Panecraft);
        m_launcher->openTool(Tool::Clearcoat);
        help::HelpViewer::showHelpFile("/nonexistent/panecr95.hlp");
        help::SupportDialog::showSupport();
        auto *stubborn = static_cast<StubbornWindow *>(m_launcher->toolWindow(Tool::Clearcoat));
        stubborn->allowClose = false;
        m_launcher->findChild<QAction *>("mnuExit")->trigger();
        QVERIFY(m_launcher->isVisible());
        QVERIFY(stubborn->isVisible());
        QCOMPARE(stubborn->closeRequests, 1);

        // The launcher's close button is File > Exit too.
        QVERIFY(!m_launcher->close());
        QVERIFY(m_launcher->isVisible());
        QCOMPARE(stubborn->closeRequests, 2);

        stubborn->allowClose = true;
        QVERIFY(m_launcher->close());
        QVERIFY(!m_launcher->isVisible());
        // Nothing is left open to keep the program running.
        QTRY_VERIFY(!help::HelpViewer::instance() && !help::SupportDialog::instance());
        QTRY_VERIFY(
            !m_launcher->toolWindow(Tool::Panecraft) && !m_launcher->toolWindow(Tool::Clearcoat));
    }

private:
    launcher::LauncherWindow *m_launcher = nullptr;
    std::array<int, 3> m_created{};
};

TRELLIS_TEST(TestLauncherWindow)
#include "tst_launcherwindow.moc"

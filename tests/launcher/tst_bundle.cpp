#include "help/helpviewer.h"
#include "help/supportdialog.h"
#include "launcher/bundle.h"
#include "platform/programinfo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QWindow>

namespace {

// A tool window that can refuse to close, as one with unsaved changes does.
class StubbornWindow : public QWidget
{
public:
    bool allowClose = true;
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->setAccepted(allowClose);
    }
};

// A tool window that counts the mouse buttons it receives.
class ClickCounter : public QWidget
{
public:
    int presses = 0;
    int doubleClicks = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++doubleClicks; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

bool isHighlighted(const QLabel *caption)
{
    return caption->palette().color(QPalette::Window) == Qt::black
        && caption->palette().color(QPalette::WindowText) == Qt::white;
}

bool isNormal(const QLabel *caption)
{
    return caption->palette().color(QPalette::Window) == Qt::white
        && caption->palette().color(QPalette::WindowText) == Qt::black;
}

} // namespace

class TestBundle : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_bundle = new launcher::Bundle;
        m_created = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            m_bundle->setToolFactory(i, [this, i] {
                ++m_created[std::size_t(i)];
                auto *w = new StubbornWindow;
                w->setWindowTitle(QString::number(i));
                return w;
            });
        }
        m_bundle->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_bundle));
    }
    void cleanup()
    {
        for (int i = 0; i < 3; ++i) {
            if (auto *w = qobject_cast<QWidget *>(m_bundle->toolWindow(i)))
                delete w;
        }
        delete m_bundle;
    }

    void captionAndControls()
    {
        QCOMPARE(m_bundle->windowTitle(), QStringLiteral("Quillon Trellis Collection v4.4"));
        QCOMPARE(m_bundle->objectName(), QStringLiteral("Bundle"));
        auto *label = m_bundle->findChild<QLabel *>("Label1");
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Click on your selection"));
        QCOMPARE(m_bundle->caption(0)->text(), QStringLiteral("Panecraft"));
        QCOMPARE(m_bundle->caption(1)->text(), QStringLiteral("Clearcoat"));
        QCOMPARE(m_bundle->caption(2)->text(), QStringLiteral("Zonemark"));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(isNormal(m_bundle->caption(i)));
            QVERIFY(!m_bundle->icon(i)->pixmap().isNull());
        }
    }

    void fileMenu()
    {
        const QList<QAction *> actions = m_bundle->menuBar()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->text(), QStringLiteral("&File"));
        QStringList texts;
        for (QAction *a : actions[0]->menu()->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, (QStringList{"&Panecraft", "&Clearcoat", "&Zonemark", "-", "E&xit"}));
    }

    void placedInTwipsAndCentred()
    {
        // 96 dpi offscreen: 15 twips per pixel.
        QCOMPARE(m_bundle->caption(0)->geometry(), QRect(60, 64, 100, 21));
        QCOMPARE(m_bundle->caption(1)->geometry().left(), 168);
        QCOMPARE(m_bundle->caption(2)->geometry().left(), 276);
        QCOMPARE(m_bundle->icon(0)->geometry(), QRect(90, 24, 40, 40));
        QCOMPARE(m_bundle->width(), 436);
        const QRect screen = m_bundle->screen()->geometry();
        QCOMPARE(m_bundle->x(), (screen.width() * 15 - 6540) / 2 / 15);
    }

    void clickHighlightsOnlyTheClickedEntry()
    {
        QTest::mouseClick(m_bundle->caption(1), Qt::LeftButton);
        QVERIFY(isHighlighted(m_bundle->caption(1)));
        QTest::mouseClick(m_bundle->icon(2), Qt::LeftButton);
        QVERIFY(isNormal(m_bundle->caption(0)));
        QVERIFY(isNormal(m_bundle->caption(1)));
        QVERIFY(isHighlighted(m_bundle->caption(2)));
        QCOMPARE(m_bundle->highlightedEntry(), 2);
        QVERIFY(m_bundle->toolWindow(1));
        QVERIFY(m_bundle->toolWindow(2));
    }

    void clickOutsideResetsHighlight()
    {
        QTest::mouseClick(m_bundle->caption(0), Qt::LeftButton);
        QVERIFY(isHighlighted(m_bundle->caption(0)));
        QTest::mouseClick(m_bundle->centralWidget(), Qt::LeftButton, {}, QPoint(5, 100));
        QVERIFY(isNormal(m_bundle->caption(0)));
        QCOMPARE(m_bundle->highlightedEntry(), -1);
    }

    void doubleClickOpensWithoutHighlight()
    {
        QTest::mouseDClick(m_bundle->icon(1), Qt::LeftButton);
        QVERIFY(m_bundle->toolWindow(1));
        QVERIFY(m_bundle->toolWindow(1)->isVisible());
        QCOMPARE(m_created[1], 1);
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
        QTest::mouseClick(m_bundle->caption(1), button);
        QTest::mouseClick(m_bundle->icon(2), button);
        QTest::mouseDClick(m_bundle->icon(0), button);
        QCOMPARE(m_bundle->highlightedEntry(), -1);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(isNormal(m_bundle->caption(i)));
            QVERIFY(!m_bundle->toolWindow(i));
        }
    }

    // The tool opens under the pointer at the first click of a double-click; the second click
    // must not act in it. Later clicks reach it as usual.
    void aDoubleClickDoesNotReachTheOpenedTool()
    {
        ClickCounter *tool = nullptr;
        m_bundle->setToolFactory(0, [&tool, this] {
            tool = new ClickCounter;
            tool->setGeometry(m_bundle->geometry());
            return tool;
        });
        QWindow *launcherWindow = m_bundle->windowHandle();
        const QPoint at = m_bundle->caption(0)->mapTo(m_bundle, QPoint(20, 10));
        QTest::mousePress(launcherWindow, Qt::LeftButton, {}, at);
        QTest::mouseRelease(launcherWindow, Qt::LeftButton, {}, at);
        QVERIFY(tool && tool->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(tool));
        // The second click of the double-click, where the pointer is: on the new window.
        const QPoint there = tool->mapFromGlobal(m_bundle->mapToGlobal(at));
        QTest::mousePress(tool->windowHandle(), Qt::LeftButton, {}, there);
        QTest::mouseRelease(tool->windowHandle(), Qt::LeftButton, {}, there);
        QCOMPARE(tool->presses, 0);
        QCOMPARE(tool->doubleClicks, 0);
        QCOMPARE(tool->releases, 0);
        // A click elsewhere, however soon, is the user's own.
        QTest::mouseClick(tool->windowHandle(), Qt::LeftButton, {}, there + QPoint(40, 40));
        QCOMPARE(tool->presses, 1);
        QCOMPARE(tool->releases, 1);

        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        QTest::mouseClick(tool->windowHandle(), Qt::LeftButton, {}, there);
        QCOMPARE(tool->presses, 2);
        QCOMPARE(tool->releases, 2);
    }

    void toolWindowExistsOnce()
    {
        m_bundle->openTool(0);
        QWidget *first = m_bundle->toolWindow(0);
        QVERIFY(first && first->isVisible());
        m_bundle->openTool(0);
        m_bundle->findChild<QAction *>("mnuOpenFrame")->trigger();
        QCOMPARE(m_bundle->toolWindow(0), first);
        QCOMPARE(m_created[0], 1);

        // Once closed, the next opening starts a fresh window.
        first->close();
        QTRY_VERIFY(!m_bundle->toolWindow(0));
        m_bundle->openTool(0);
        QCOMPARE(m_created[0], 2);
    }

    void exitClosesEveryTool()
    {
        m_bundle->openTool(0);
        m_bundle->openTool(2);
        help::HelpViewer::showHelpFile("/nonexistent/panecr95.hlp");
        help::SupportDialog::showSupport();
        QVERIFY(m_bundle->exitProgram());
        // Nothing is left open to keep the program running.
        QTRY_VERIFY(!help::HelpViewer::instance() && !help::SupportDialog::instance());
        QVERIFY(!m_bundle->isVisible());
        QTRY_VERIFY(!m_bundle->toolWindow(0) && !m_bundle->toolWindow(2));
    }

    void toolCanStopExit()
    {
        m_bundle->openTool(0);
        m_bundle->openTool(1);
        auto *stubborn = static_cast<StubbornWindow *>(m_bundle->toolWindow(1));
        stubborn->allowClose = false;
        m_bundle->findChild<QAction *>("mnuExit")->trigger();
        QVERIFY(m_bundle->isVisible());
        QVERIFY(stubborn->isVisible());
        QCOMPARE(stubborn->closeRequests, 1);

        // The launcher's close button is File > Exit too.
        QVERIFY(!m_bundle->close());
        QVERIFY(m_bundle->isVisible());
        QCOMPARE(stubborn->closeRequests, 2);

        stubborn->allowClose = true;
        QVERIFY(m_bundle->close());
        QVERIFY(!m_bundle->isVisible());
    }

private:
    launcher::Bundle *m_bundle = nullptr;
    std::array<int, 3> m_created{};
};

QTEST_MAIN(TestBundle)
#include "tst_bundle.moc"

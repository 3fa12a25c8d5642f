#include "launcher/launcherwindow.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

using namespace designertest;

// A new user's first frameset, from the launcher, with the mouse alone.
class TestDesignerLauncher : public QObject
{
    Q_OBJECT
private slots:
    void threeFramesWithTheMouse()
    {
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedFileDialogs dialogs;
        PropertiesDialogScript script;
        launcher::LauncherWindow launcherWindow;
        launcherWindow.setToolFactory(launcher::Tool::Panecraft,
            [&] { return new frameset::DesignerWindow(&prompter, &dialogs); });
        launcherWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcherWindow));

        QTest::mouseClick(launcherWindow.caption(launcher::Tool::Panecraft), Qt::LeftButton);
        auto *window = qobject_cast<frameset::DesignerWindow *>(
            launcherWindow.toolWindow(launcher::Tool::Panecraft));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        frameset::DesignSurface *surface = window->surface();
        const frameset::Design &design = window->model().design();

        // Red button: two columns. Then the right column into two rows with the blue button.
        QTest::mouseClick(surface->button(1), Qt::LeftButton);
        QTest::mouseClick(surface->cell(1), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(surface->sizeDisplay()->text(), QStringLiteral("396w  700h (pixels)"));
        QTest::mouseClick(surface->button(0), Qt::LeftButton);
        QCOMPARE(surface->cellCount(), 3);
        QCOMPARE(window->model().layoutText(),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n!!0\r\n<FRAMESET ROWS= ##21>\r\n!!1\r\n!!2\r\n"
                           "</FRAMESET>\r\n</FRAMESET>"));

        // The column border 50 pixels to the left: both right-hand cells follow.
        drag(surface->cell(0), QPoint(393, 300), QPoint(346, 300));
        QCOMPARE(surface->sizeDisplay()->text(), QStringLiteral("346w  700h (pixels)"));
        QCOMPARE(onSurface(surface, surface->cell(0)), QRect(0, 30, 346, 700));
        QCOMPARE(onSurface(surface, surface->cell(1)), QRect(346, 30, 446, 350));
        QCOMPARE(onSurface(surface, surface->cell(2)), QRect(346, 380, 446, 350));
        // The row border 100 pixels up.
        drag(surface->cell(1), QPoint(100, 347), QPoint(100, 250));
        QCOMPARE(onSurface(surface, surface->cell(1)), QRect(346, 30, 446, 250));
        QCOMPARE(onSurface(surface, surface->cell(2)), QRect(346, 280, 446, 450));
        for (int i = 0; i < 3; ++i) {
            const QScrollBar *scroll = surface->scrollView(i);
            QVERIFY(scroll->isVisible());
            QCOMPARE(scroll->geometry().right(), surface->cell(i)->geometry().right());
        }

        // Properties: the menu frame on the left, fixed width, no resizing.
        script.then([](frameset::FramePropertiesDialog &dialog) {
            QTest::keyClicks(
                dialog.textBox(frameset::FrameTextBox::SourceUrl), QStringLiteral("menu.htm"));
            dialog.textBox(frameset::FrameTextBox::FrameName)->selectAll();
            QTest::keyClicks(
                dialog.textBox(frameset::FrameTextBox::FrameName), QStringLiteral("menu"));
            tick(child<QCheckBox>(&dialog, "FixedWidth"));
            tick(child<QCheckBox>(&dialog, "Noresizecheck"));
            clickOk(dialog);
        });
        doubleClick(surface->cell(0), QPoint(100, 100));
        QCOMPARE(script.pending(), 0);
        // The main frame with the right button.
        script.then([](frameset::FramePropertiesDialog &dialog) {
            QTest::keyClicks(
                dialog.textBox(frameset::FrameTextBox::SourceUrl), QStringLiteral("main.htm"));
            QTest::keyClicks(
                dialog.textBox(frameset::FrameTextBox::MarginWidth), QStringLiteral("1o"));
            clickOk(dialog);
        });
        QTest::mouseClick(surface->cell(2), Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(script.pending(), 0);

        const frameset::FramePropertyTable &records = design.properties();
        const frameset::FrameProperties &menu = records.record(0), &page = records.record(2);
        QCOMPARE(QStringList({menu.sourceUrl.text(), menu.frameName.text(), page.sourceUrl.text(),
                     page.frameName.text(), page.marginWidth.text()}),
            QStringList({"menu.htm", "menu", "main.htm", "Frame3", "1"}));
        QCOMPARE(menu.fixedWidthPixels.wholeValue(), 346);
        QCOMPARE(menu.noResize.wholeValue(), 1);
        QVERIFY(records.record(1).sourceUrl.isEmpty());
        QCOMPARE(window->model().selectedCell(), 2);
        QVERIFY(surface->cell(2)->isHighlighted());
        QCOMPARE(prompter.beeps(), 0);
        QVERIFY(prompter.shown().isEmpty());

        // The launcher's Exit asks for the unsaved design; No keeps everything open.
        prompter.answer(MessageAnswer::No);
        QVERIFY(!launcherWindow.exitProgram());
        QVERIFY(window->isVisible());
        QVERIFY(launcherWindow.isVisible());
        QCOMPARE(prompter.lastText(),
            QStringLiteral("Are you sure you want exit without saving the changes?"));
        QPointer<frameset::DesignerWindow> watched(window);
        prompter.answer(MessageAnswer::Yes);
        QVERIFY(launcherWindow.exitProgram());
        QVERIFY(!launcherWindow.isVisible());
        QTRY_VERIFY(!watched);
    }
};

TRELLIS_TEST(TestDesignerLauncher)
#include "tst_designerlauncher.moc"

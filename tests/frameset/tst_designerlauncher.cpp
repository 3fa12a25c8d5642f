#include "launcher/launcherwindow.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

using namespace designertest;

// The designer as the launcher opens and closes it: from the tool's caption, and through the
// launcher's Exit, which asks before an unsaved design is lost.
class TestDesignerLauncher : public QObject
{
    Q_OBJECT
private slots:
    void openedAndClosedByTheLauncher()
    {
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedFileDialogs dialogs;
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
        QTest::mouseClick(window->surface()->button(1), Qt::LeftButton);
        QCOMPARE(window->surface()->cellCount(), 2);
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

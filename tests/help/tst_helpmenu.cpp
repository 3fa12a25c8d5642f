#include "filecontents.h"
#include "frameset/ui/designerhelp.h"
#include "giftool/ui/gifhelp.h"
#include "help/helpmenu.h"
#include "help/helpviewer.h"
#include "help/supportdialog.h"
#include "imagemap/ui/imagemaphelp.h"
#include "platform/supportcontacts.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

using help::HelpMenuSpec;
Q_DECLARE_METATYPE(HelpMenuSpec)

class TestHelpMenu : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        delete help::HelpViewer::instance();
        delete help::SupportDialog::instance();
    }

    void menus_data()
    {
        QTest::addColumn<HelpMenuSpec>("spec");
        QTest::addColumn<QString>("menuName");
        QTest::addColumn<QString>("helpName");
        QTest::addColumn<QString>("helpCaption");
        QTest::addColumn<QString>("techInfo");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title"); // of the help file's contents page
        const QString info = "Application: Quillon Trellis Collection v4.4 (08-Sept-97)";
        const int information = int(platform::MessageIcon::Information);
        QTest::newRow("designer") << frameset::designerHelpMenu() << "mnuHelp2"
                                  << QString("mnuHelp") << "&Help" << info << information
                                  << "Panecraft Help";
        QTest::newRow("gif tool") << giftool::gifToolHelpMenu() << "mnuHelp"
                                  << QString("mnuOnlineHelp") << "Online &Help" << info
                                  << information << "Clearcoat Help";
        // Zonemark's text lacks the blank before the date, and its box has another icon.
        QTest::newRow("image map")
            << imagemap::imageMapHelpMenu() << "mnuHelp" << QString("mnuOnlineHelp") << "&Help"
            << "Application: Quillon Trellis Collection v4.4(08-Sept-97)"
            << int(platform::MessageIcon::Exclamation) << "Zonemark Help";
    }
    void menus()
    {
        QFETCH(HelpMenuSpec, spec);
        QFETCH(QString, menuName);
        QFETCH(QString, helpName);
        QFETCH(QString, helpCaption);
        QFETCH(QString, techInfo);
        QFETCH(int, icon);
        QFETCH(QString, title);

        QMainWindow window;
        testsupport::ScriptedPrompter prompter;
        QMenu *menu = help::addHelpMenu(&window, spec, prompter);
        QCOMPARE(menu->title(), "&Help");
        QCOMPARE(menu->objectName(), menuName);
        QStringList captions;
        for (QAction *a : menu->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{helpCaption, "&TechInfo", "Technical &Support"}));
        QCOMPARE(menu->actions()[0]->objectName(), helpName);

        prompter.answer(platform::MessageAnswer::Ok);
        window.findChild<QAction *>("mnuTechInfo")->trigger();
        QCOMPARE(prompter.shown().size(), 1);
        const auto &box = prompter.shown()[0];
        QCOMPARE(QStringList({box.title, box.text}), QStringList({"TechInfo", techInfo}));
        QCOMPARE(int(box.icon), icon);
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);

        // The help command opens the tool's file, found beside the program, at its contents.
        menu->actions()[0]->trigger();
        auto *viewer = help::HelpViewer::instance();
        QVERIFY(viewer && viewer->isVisible() && viewer->fileFound());
        QCOMPARE(viewer->browser()->documentTitle(), title);
    }

    void onlineHelpAgainAndByKey()
    {
        QMainWindow window;
        testsupport::ScriptedPrompter prompter;
        help::addHelpMenu(&window, giftool::gifToolHelpMenu(), prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QAction *>("mnuOnlineHelp")->trigger();
        auto *viewer = help::HelpViewer::instance();
        QVERIFY(viewer);
        // Asked again from another page, the one viewer shows the file at its contents page.
        QTextBrowser *browser = viewer->browser();
        browser->setSource(browser->source().resolved(QUrl("clrcot95/quicktour.html")));
        QVERIFY(browser->documentTitle() != "Clearcoat Help");
        window.findChild<QAction *>("mnuOnlineHelp")->trigger();
        QCOMPARE(help::HelpViewer::instance(), viewer);
        QCOMPARE(browser->documentTitle(), "Clearcoat Help");

        // F1 reaches the window and opens the help too.
        delete viewer;
        QVERIFY(!help::HelpViewer::instance());
        window.windowHandle()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(help::HelpViewer::instance());
    }

    // Without the file beside the program, the help is looked up where it is installed:
    // share/trellis/ beside bin/.
    void installedHelpFileIsFound()
    {
        const QString appDir = QCoreApplication::applicationDirPath();
        QVERIFY(QDir().mkpath(appDir + QStringLiteral("/../share/trellis")));
        const QString installed = appDir + QStringLiteral("/../share/trellis/installed.hlp");
        QVERIFY(testsupport::writeAll(installed, "<html></html>"));
        const QString found = help::helpFilePath(QStringLiteral("installed.hlp"));
        QFile::remove(installed);
        QDir(appDir + QStringLiteral("/..")).rmpath(QStringLiteral("share/trellis"));
        QCOMPARE(found, QFileInfo(installed).absoluteFilePath());
    }

    void missingFileIsReportedByTheViewer()
    {
        auto *viewer = help::HelpViewer::showHelpFile("/nonexistent/zonemk95.hlp");
        QVERIFY(!viewer->fileFound());
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->browser()->toPlainText().contains("/nonexistent/zonemk95.hlp"));
    }

    void oneSupportWindowForAllTools()
    {
        QMainWindow designer, imageMap;
        testsupport::ScriptedPrompter prompter;
        help::addHelpMenu(&designer, frameset::designerHelpMenu(), prompter);
        help::addHelpMenu(&imageMap, imagemap::imageMapHelpMenu(), prompter);
        designer.findChild<QAction *>("mnuSupport")->trigger();
        auto *support = help::SupportDialog::instance();
        QVERIFY(support && support->isVisible());
        QVERIFY(!support->isModal());
        imageMap.findChild<QAction *>("mnuSupport")->trigger();
        QCOMPARE(help::SupportDialog::instance(), support);
        QCOMPARE(support->windowTitle(), "Technical Support");
        // It shows, as lines, the notice of the contacts the program was built with.
        QString lines = help::SupportDialog::notice(platform::builtSupportContacts());
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(support->findChild<QLabel *>("Label1")->text(), lines.trimmed());
        QCOMPARE(support->findChild<QPushButton *>("Closebutton")->text(), "&Close");
        QTest::mouseClick(support->findChild<QPushButton *>("Closebutton"), Qt::LeftButton);
        QTRY_VERIFY(!help::SupportDialog::instance());
    }
};

TRELLIS_TEST(TestHelpMenu)
#include "tst_helpmenu.moc"

#include "cli/commandline.h"
#include "testmain.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errStart");
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "Quillon Trellis Collection v4.4 (08-Sept-97)\n"
                                 << "";
        QTest::newRow("unknown") << QStringList{"--frobnicate"} << 2 << ""
                                 << "trellis: unknown command '--frobnicate'";
        QTest::newRow("nothing") << QStringList{} << 2 << ""
                                 << "trellis: no command given";
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, errStart);
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(cli::runCommandLine(arguments, outStream, errStream), exitCode);
        outStream.flush();
        errStream.flush();
        QCOMPARE(outText, out);
        QVERIFY2(errStart.isEmpty() ? errText.isEmpty() : errText.startsWith(errStart),
            qPrintable(errText));
        // Errors are one line.
        QVERIFY(errText.count(u'\n') <= 1);
    }

    // A sub-command reports the first problem in the order the arguments were typed, and takes
    // an option only as it is spelled in its usage text.
    void firstProblemTyped_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");
        const QString frameset = QStringLiteral("trellis frameset: ");
        const QString transparent = QStringLiteral("trellis transparent: ");
        QTest::newRow("frameset: no design")
            << QStringList{"frameset"} << "usage: trellis frameset DESIGN.spc [-o OUT.htm]";
        QTest::newRow("frameset: end of options")
            << QStringList{"frameset", "a.spc", "--"} << frameset + "unknown option '--'";
        QTest::newRow("frameset: value after =") << QStringList{"frameset", "-o=x.htm", "a.spc"}
                                                 << frameset + "unknown option '-o=x.htm'";
        QTest::newRow("frameset: two dashes before o") << QStringList{
            "frameset", "--o", "x.htm", "a.spc"} << frameset + "unknown option '--o'";
        QTest::newRow("frameset: help after the design")
            << QStringList{"frameset", "a.spc", "--help"} << frameset + "unknown option '--help'";
        QTest::newRow("frameset: unknown before two designs") << QStringList{
            "frameset", "--fast", "a.spc", "b.spc"} << frameset + "unknown option '--fast'";
        QTest::newRow("frameset: two designs before unknown") << QStringList{"frameset", "a.spc",
            "b.spc", "--fast"} << frameset + "only one design file can be given";
        QTest::newRow("frameset: two outputs") << QStringList{"frameset", "a.spc", "-o", "x.htm",
            "-o", "y.htm"} << frameset + "-o needs one output file";
        QTest::newRow("transparent: value after =") << QStringList{
            "transparent", "a.gif", "--index=2"} << transparent + "unknown option --index=2";
        QTest::newRow("transparent: one dash before index") << QStringList{
            "transparent", "a.gif", "-index", "2"} << transparent + "unknown option -index";
        QTest::newRow("transparent: lone dash") << QStringList{"transparent", "-", "-o", "o.gif",
            "--index", "2"} << transparent + "unknown option -";
        QTest::newRow("transparent: bad point before unknown")
            << QStringList{"transparent", "a.gif", "--at", "a,b", "--fast"}
            << transparent + "--at takes X,Y, two whole numbers from 0";
        QTest::newRow("transparent: unknown before bad point") << QStringList{"transparent",
            "a.gif", "--fast", "--at", "a,b"} << transparent + "unknown option --fast";
        // Several images are a batch for -d, so only the unknown option is a problem here.
        QTest::newRow("transparent: two images before unknown") << QStringList{
            "transparent", "a.gif", "b.gif", "--fast"} << transparent + "unknown option --fast";
        QTest::newRow("transparent: two images to one file") << QStringList{"transparent", "a.gif",
            "b.gif", "-o", "c.gif", "--corner"} << transparent + "more than one image given";
        QTest::newRow("transparent: value missing")
            << QStringList{"transparent", "a.gif", "-o"} << transparent + "-o needs a value";
        QTest::newRow("opaque: end of options") << QStringList{"opaque", "--", "a.gif"}
                                                << "trellis opaque: expected exactly one file name";
        QTest::newRow("opaque: lone dash")
            << QStringList{"opaque", "-"} << "trellis opaque: expected exactly one file name";
    }
    void firstProblemTyped()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(cli::runCommandLine(arguments, outStream, errStream), 2);
        outStream.flush();
        errStream.flush();
        QCOMPARE(outText, QString());
        QCOMPARE(errText.section(u'\n', 0, 0), firstLine);
    }

    void helpListsCommands()
    {
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(cli::runCommandLine({"--help"}, outStream, errStream), 0);
        outStream.flush();
        QVERIFY(outText.contains("--version"));
        QVERIFY(outText.contains("Exit codes"));
        for (const char *tool : {"panecraft [DESIGN.spc]", "clearcoat [IMAGE]", "zonemark [IMAGE]"})
            QVERIFY(outText.contains(QLatin1String(tool)));
    }
};

TRELLIS_TEST(TestCommandLine)
#include "tst_commandline.moc"

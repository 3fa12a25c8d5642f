#include "cli/commandline.h"

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

    void helpListsCommands()
    {
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(cli::runCommandLine({"--help"}, outStream, errStream), 0);
        outStream.flush();
        QVERIFY(outText.contains("--version"));
        QVERIFY(outText.contains("Exit codes"));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

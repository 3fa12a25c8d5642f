#include "platform/ui/desktopwebbrowser.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The desktop's opener, played by a script on PATH: one that gives up is reported with its own
// words, one that succeeds is not reported at all.
class TestDesktopWebBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_bin.isValid());
        m_path = qgetenv("PATH");
        qputenv("PATH", m_bin.path().toLocal8Bit() + ':' + m_path);
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void openerOutcome_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no browser")
            << QByteArray("echo \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n")
            << "xdg-open gave up (status 3): no method available for "
               "opening 'file:///tmp/page%20one.htm'";
        QTest::newRow("browser failed, nothing said") << QByteArray(
            "exit 4\n") << "xdg-open gave up (status 4): the program it started failed";
        QTest::newRow("browser came up") << QByteArray("exit 0\n") << QString();
    }
    void openerOutcome()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, reason);
        QFile opener(m_bin.filePath("xdg-open"));
        QVERIFY(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write("#!/bin/sh\n" + script);
        opener.close();
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        platform::DesktopWebBrowser browser;
        QStringList failures;
        browser.open(QUrl::fromLocalFile("/tmp/page one.htm"),
            [&](const QString &failure) { failures << failure; });
        QTRY_VERIFY_WITH_TIMEOUT(!browser.watching(), 10000);
        QCOMPARE(failures, reason.isEmpty() ? QStringList() : QStringList{reason});
    }

private:
    QTemporaryDir m_bin;
    QByteArray m_path;
};

TRELLIS_TEST(TestDesktopWebBrowser)
#include "tst_desktopwebbrowser.moc"

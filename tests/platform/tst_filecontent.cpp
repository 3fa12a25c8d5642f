#include "platform/filecontent.h"
#include "platform/textdecoding.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileContent : public QObject
{
    Q_OBJECT
private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("menu.htm;") << "menu.htm;";
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac") << "caf\u00e9 \u20ac";
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << "\U0001F600";
        QTest::newRow("windows-1252")
            << QByteArray("caf\xe9 \x80 \x93x\x94") << "caf\u00e9 \u20ac \u201cx\u201d";
        QTest::newRow("unassigned byte") << QByteArray("\x81") << "\u0081";
        QTest::newRow("mixed") << QByteArray("\xc3\xa9\xe9") << "\u00e9\u00e9";
        QTest::newRow("truncated sequence") << QByteArray("a\xe2\x82") << "a\u00e2\u201a";
        QTest::newRow("overlong") << QByteArray("\xc0\x80") << "\u00c0\u20ac";
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << "\u00ed\u00a0\u20ac";
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbfx") << "x";
        QTest::newRow("nul") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\0b", 3);
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(platform::decodeText(bytes), text);
    }

    void writesAndReplaces()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QString error;
        QVERIFY(platform::writeFileAtomically(path, "old\r\n", &error));
        QVERIFY(platform::writeFileAtomically(path, "new\r\n", &error));
        QCOMPARE(platform::readFileContent(path, &error, 100), QByteArray("new\r\n"));
        QCOMPARE(platform::readFileContent(path, &error), QByteArray("new\r\n"));
        // Larger than allowed: refused with a reason.
        QVERIFY(!platform::readFileContent(path, &error, 3));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!platform::readFileContent(dir.filePath("none"), &error, 100));
        QVERIFY(!error.isEmpty());
    }

    void failedWriteKeepsWhatWasThere()
    {
        QTemporaryDir dir;
        // A folder where the file should go cannot be replaced by a file.
        const QString path = dir.filePath(QStringLiteral("taken"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
        QString error;
        QVERIFY(!platform::writeFileAtomically(path, "x", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
    }
};

TRELLIS_TEST(TestFileContent)
#include "tst_filecontent.moc"

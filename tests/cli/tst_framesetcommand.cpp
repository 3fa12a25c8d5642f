#include "cli/commandline.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The frameset command's outputs are cases under tests/cases/frameset and tests/cases/import.
// A refused import names the page by its full path, so it is checked here.
class TestFramesetCommand : public QObject
{
    Q_OBJECT
private slots:
    void refusedImportWritesNothing()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath("plain.htm");
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body>No frames here</body></html>");
        file.close();
        const QString design = dir.filePath("plain.spc");
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(
            cli::runCommandLine({"frameset", "--import", page, "-o", design}, outStream, errStream),
            1);
        errStream.flush();
        QCOMPARE(err,
            page
                + " cannot be imported as a Panecraft design.  It holds no FRAMESET, so there "
                  "is nothing to import.\n");
        QVERIFY(!QFile::exists(design));
        QCOMPARE(
            cli::runCommandLine({"frameset", "--import", dir.filePath("gone.htm"), "-o", design},
                outStream, errStream),
            1);
        QVERIFY(!QFile::exists(design));
    }
};

TRELLIS_TEST(TestFramesetCommand)
#include "tst_framesetcommand.moc"

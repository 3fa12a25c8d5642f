#include "cli/commandline.h"
#include "filecontents.h"
#include "lockedfile.h"
#include "testmain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// `trellis opaque` on a file that cannot be replaced, which no case folder can hold: the
// message names the file and the system's reason, and the file stays as it was.
class TestLockedOutput : public QObject
{
    Q_OBJECT
private slots:
    void opaqueNamesAFileItCannotReplace()
    {
        QTemporaryDir dir;
        const QString source = qEnvironmentVariable("TRELLIS_SOURCE_DIR")
            + QStringLiteral("/tests/cases/transparent/opaque-clears-the-flag/out.gif");
        const QByteArray bytes = testsupport::readAll(source);
        QVERIFY(!bytes.isEmpty());
        const QString path = dir.filePath(QStringLiteral("out.gif"));
        QVERIFY(testsupport::writeAll(path, bytes));
        const testsupport::LockedFile lock(path);
        if (!lock.locked())
            QSKIP("This file system or user cannot mark a file immutable.");
        QString out;
        QString err;
        int exitCode = 0;
        {
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            exitCode = cli::runCommandLine({QStringLiteral("opaque"), path}, outStream, errStream);
        }
        QCOMPARE(exitCode, 1);
        QCOMPARE(out, QString());
        QCOMPARE(err,
            QStringLiteral(
                "trellis opaque: Cannot write \"%1\": Existing file %1 is not writable\n")
                .arg(path));
        QCOMPARE(testsupport::readAll(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.gif")});
    }
};

TRELLIS_TEST(TestLockedOutput)
#include "tst_lockedoutput.moc"

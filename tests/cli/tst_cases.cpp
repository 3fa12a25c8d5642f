#include "cli/commandline.h"
#include "testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Every folder under tests/cases/ that holds an `args` file is one case of the trellis command
// line: the program's imports, exports and conversions, checked as files. See
// tests/cases/README.md for the layout.
namespace {

QString casesRoot()
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/cases");
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Copies the case's inputs (everything but `args` and `expected/`) into the working folder.
bool copyInputs(const QString &from, const QString &to)
{
    QDirIterator inputs(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (inputs.hasNext()) {
        const QString source = inputs.next();
        const QString relative = QDir(from).relativeFilePath(source);
        if (relative == QLatin1String("args") || relative.startsWith(QLatin1String("expected/")))
            continue;
        const QString target = to + u'/' + relative;
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

// Where two byte strings first differ, for a failure's message.
QString firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return QStringLiteral("they differ from byte %1: got \"%2\", expected \"%3\"")
        .arg(at)
        .arg(QString::fromLatin1(actual.mid(at, 60).toPercentEncoding(" /<>=\"'.,;:#")),
            QString::fromLatin1(expected.mid(at, 60).toPercentEncoding(" /<>=\"'.,;:#")));
}

} // namespace

class TestCases : public QObject
{
    Q_OBJECT
private slots:
    void commandGivesTheExpectedFiles_data()
    {
        QTest::addColumn<QString>("folder");
        QDirIterator cases(
            casesRoot(), {QStringLiteral("args")}, QDir::Files, QDirIterator::Subdirectories);
        QStringList folders;
        while (cases.hasNext())
            folders << QFileInfo(cases.next()).path();
        folders.sort();
        QVERIFY2(!folders.isEmpty(), qPrintable(QStringLiteral("no cases in ") + casesRoot()));
        for (const QString &folder : folders) {
            const QByteArray name = QDir(casesRoot()).relativeFilePath(folder).toUtf8();
            QTest::newRow(name.constData()) << folder;
        }
    }

    void commandGivesTheExpectedFiles()
    {
        QFETCH(QString, folder);
        QTemporaryDir work;
        QVERIFY(work.isValid());
        QVERIFY(copyInputs(folder, work.path()));
        QStringList arguments
            = QString::fromUtf8(contentOf(folder + QStringLiteral("/args"))).split(u'\n');
        while (!arguments.isEmpty() && arguments.last().isEmpty())
            arguments.removeLast();

        QString out;
        QString err;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        int exitCode = 0;
        {
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            exitCode = cli::runCommandLine(arguments, outStream, errStream);
        }
        QDir::setCurrent(before);
        // Messages that name a file by its full path show the scratch folder as <scratch>.
        out.replace(work.path(), QStringLiteral("<scratch>"));
        err.replace(work.path(), QStringLiteral("<scratch>"));

        const QString expected = folder + QStringLiteral("/expected/");
        const QByteArray exit = contentOf(expected + QStringLiteral("exit")).trimmed();
        QCOMPARE(exitCode, exit.isEmpty() ? 0 : exit.toInt());
        QCOMPARE(out, QString::fromUtf8(contentOf(expected + QStringLiteral("stdout"))));
        QCOMPARE(err, QString::fromUtf8(contentOf(expected + QStringLiteral("stderr"))));
        QDirIterator outputs(expected, QDir::Files, QDirIterator::Subdirectories);
        while (outputs.hasNext()) {
            const QString file = outputs.next();
            const QString relative = QDir(expected).relativeFilePath(file);
            if (relative == QLatin1String("exit") || relative == QLatin1String("stdout")
                || relative == QLatin1String("stderr"))
                continue;
            const QString written = work.filePath(relative);
            QVERIFY2(QFile::exists(written), qPrintable(relative + QStringLiteral(" not written")));
            const QByteArray actual = contentOf(written);
            const QByteArray wanted = contentOf(file);
            QVERIFY2(actual == wanted,
                qPrintable(relative + QStringLiteral(": ") + firstDifference(actual, wanted)));
        }
        // A refused command writes nothing that the case does not expect.
        QDirIterator files(work.path(), QDir::Files, QDirIterator::Subdirectories);
        while (exitCode != 0 && files.hasNext()) {
            const QString relative = QDir(work.path()).relativeFilePath(files.next());
            QVERIFY2(QFile::exists(folder + u'/' + relative) || QFile::exists(expected + relative),
                qPrintable(relative + QStringLiteral(" written, but not expected")));
        }
    }
};

TRELLIS_TEST(TestCases)
#include "tst_cases.moc"

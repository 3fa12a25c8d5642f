#include "cli/commandline.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/layoutmodel.h"
#include "scriptedprompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run run(const QStringList &arguments)
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.exitCode = cli::runCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return r;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The worked example: a column split, then the right cell split into rows.
const QByteArray WorkedExampleHtml = "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
                                     "<FRAMESET COLS= 50%,* BORDER=5>\r\n"
                                     "<FRAME SRC=xxxxx.htm NAME=Frame1 SCROLLING=AUTO  "
                                     "FRAMEBORDER=YES>\r\n"
                                     "<FRAMESET ROWS= 50%,* BORDER=5>\r\n"
                                     "<FRAME SRC=xxxxx.htm NAME=Frame2 SCROLLING=AUTO  "
                                     "FRAMEBORDER=YES>\r\n"
                                     "<FRAME SRC=xxxxx.htm NAME=Frame3 SCROLLING=AUTO  "
                                     "FRAMEBORDER=YES>\r\n"
                                     "</FRAMESET>\r\n</FRAMESET>\r\n</HTML>\r\n";

const QByteArray WorkedExampleSpec = "<FRAMESET COLS= ##1>\r\n!!0\r\n<FRAMESET ROWS= ##21>\r\n"
                                     "!!1\r\n!!2\r\n</FRAMESET>\r\n</FRAMESET>\r\n***\r\n"
                                     "0;450;4500;3000;1;0;450;3000;0;\r\n"
                                     "4500;450;4500;1500;21;0;450;1500;0;\r\n"
                                     "4500;1950;4500;1500;22;0;450;1500;0;\r\n\r\n***\r\n";

QByteArray workedExampleSpecFile()
{
    QByteArray bytes = WorkedExampleSpec;
    bytes += ";;;;;;1A;;;;;\r\n;;;;;;1B;21A;;;;\r\n;;;;;;;21B;;;;\r\n";
    for (int i = 3; i < 51; ++i)
        bytes += ";;;;;;;;;;;\r\n";
    bytes += "1\r\n";
    return bytes;
}

} // namespace

class TestFramesetCommand : public QObject
{
    Q_OBJECT
private slots:
    void writesTheDocumentToStandardOutput()
    {
        QTemporaryDir dir;
        const QString spec = dir.filePath("design.spc");
        QVERIFY(writeFile(spec, workedExampleSpecFile()));
        const Run r = run({"frameset", spec});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out.toUtf8(), WorkedExampleHtml);
    }

    void writesTheSameBytesAsTheDesigner()
    {
        // A design made with the model, saved as the designer saves it.
        testsupport::ScriptedPrompter prompter;
        frameset::LayoutModel model(prompter, 240);
        model.resetDesign(9000, 6000);
        QVERIFY(model.splitCell(frameset::SplitDirection::Column));
        model.selectCell(1);
        QVERIFY(model.splitCell(frameset::SplitDirection::Row));
        // Values a user typed, including one that must be quoted.
        auto &table = model.design().properties();
        table.record(0).sourceUrl = frameset::PropertyValue::fromText("menu.htm");
        table.record(2).frameName = frameset::PropertyValue::fromText("main frame");
        table.record(2).scrolling = frameset::PropertyValue::fromNumber(2);
        QTemporaryDir dir;
        const QString spec = dir.filePath("model.spc");
        QVERIFY(writeFile(spec, frameset::DesignFileWriter::write(model.design())));
        const QString out = dir.filePath("out.htm");
        QVERIFY(writeFile(out, "old contents"));
        const Run r = run({"frameset", spec, "-o", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readFile(out),
            frameset::framesetDocumentFileContent(frameset::buildFramesetDocument(model.design())));
    }

    void invalidDesign()
    {
        QTemporaryDir dir;
        const QString spec = dir.filePath("notes.spc");
        QVERIFY(writeFile(spec, "just some text\r\nwithout sections\r\n"));
        const Run r = run({"frameset", spec});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, spec + " file is not a valid Panecraft file.\n");
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString spec = dir.filePath("design.spc");
        QVERIFY(writeFile(spec, workedExampleSpecFile()));
        const Run r = run({"frameset", spec, "-o", dir.filePath("missing/folder/out.htm")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.startsWith("trellis frameset: "));
    }

    void help()
    {
        const Run r = run({"frameset", "--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("usage: trellis frameset DESIGN.spc"));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no design") << QStringList{"frameset"};
        QTest::newRow("-o without file") << QStringList{"frameset", "a.spc", "-o"};
        QTest::newRow("two designs") << QStringList{"frameset", "a.spc", "b.spc"};
        QTest::newRow("unknown option") << QStringList{"frameset", "--fast", "a.spc"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFramesetCommand)
#include "tst_framesetcommand.moc"

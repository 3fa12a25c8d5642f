#include "cli/commandline.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/html5page.h"
#include "frameset/core/layoutmodel.h"
#include "scriptedprompter.h"
#include "testmain.h"

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

    void writesTheHtml5Page_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::newRow("standard output") << false;
        QTest::newRow("-o") << true;
    }
    void writesTheHtml5Page()
    {
        QFETCH(bool, toFile);
        QTemporaryDir dir;
        const QString design = dir.filePath("example.spc");
        QVERIFY(writeFile(design, workedExampleSpecFile()));
        const QString output = dir.filePath("twin.html");
        const Run r = toFile ? run({"frameset", design, "--html5", "-o", output})
                             : run({"frameset", "--html5", design});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::load(design);
        const QString page = frameset::buildHtml5Page(read.design, toFile ? "twin" : "example");
        QVERIFY(page.startsWith("<!DOCTYPE html>"));
        QCOMPARE(toFile ? QString::fromUtf8(readFile(output)) : r.out, page);
        QCOMPARE(r.out.isEmpty(), toFile);
    }

    void importsAFrameset()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath("site.html");
        const QByteArray html = "<html><frameset cols=\"180,*\"><frame src=menu.htm name=menu>"
                                "<frameset rows=\"25%,*,2*\"><frame src=a.htm><frame src=b.htm>"
                                "<frame src=c.htm></frameset></frameset></html>";
        QVERIFY(writeFile(page, html));
        const QString design = dir.filePath("site.spc");
        const Run r = run({"frameset", "--import", page, "-o", design});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(readFile(page), html);
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::load(design);
        QCOMPARE(read.status, frameset::DesignFileStatus::Valid);
        QCOMPARE(read.design.lastCellIndex(), 3);
        // The design writes a document that divides the window as the page does.
        const Run again = run({"frameset", design});
        QCOMPARE(again.exitCode, 0);
        const QStringList lines = again.out.split("\r\n");
        QCOMPARE(lines.mid(4, 3),
            QStringList({"<FRAMESET COLS=180,*>",
                "<FRAME SRC=menu.htm NAME=menu SCROLLING=AUTO  FRAMEBORDER=YES>",
                "<FRAMESET ROWS= 25%,* BORDER=5>"}));
        QCOMPARE(lines.at(8), QStringLiteral("<FRAMESET ROWS= 33%,* BORDER=5>"));
    }

    void refusedImportWritesNothing()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath("plain.htm");
        QVERIFY(writeFile(page, "<html><body>No frames here</body></html>"));
        const QString design = dir.filePath("plain.spc");
        const Run r = run({"frameset", "--import", page, "-o", design});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
            page
                + " cannot be imported as a Panecraft design.  It holds no FRAMESET, so there "
                  "is nothing to import.\n");
        QVERIFY(!QFile::exists(design));
        const Run missing = run({"frameset", "--import", dir.filePath("gone.htm"), "-o", design});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(!QFile::exists(design));
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
        QTest::newRow("import without output") << QStringList{"frameset", "--import", "a.htm"};
        QTest::newRow("import without page") << QStringList{"frameset", "-o", "a.spc", "--import"};
        QTest::newRow("import and a design")
            << QStringList{"frameset", "--import", "a.htm", "b.spc", "-o", "c.spc"};
        QTest::newRow("import and html5")
            << QStringList{"frameset", "--import", "a.htm", "--html5", "-o", "c.spc"};
        QTest::newRow("two pages")
            << QStringList{"frameset", "--import", "a.htm", "--import", "b.htm", "-o", "c.spc"};
        QTest::newRow("html5 without design") << QStringList{"frameset", "--html5"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
    }
};

TRELLIS_TEST(TestFramesetCommand)
#include "tst_framesetcommand.moc"

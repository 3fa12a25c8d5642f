#include "designbuilder.h"
#include "filecontents.h"
#include "frameset/core/filenamerules.h"
#include "frameset/core/framesetdocument.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::PropertyValue;

namespace {

// The worked example: cell 0 on the left, cells 1 over 2 on the right, all halves equal.
void buildTwoSplits(ModelFixture &f)
{
    QVERIFY(f.split(0, Column));
    QVERIFY(f.split(1, Row));
}

QStringList documentLines(const frameset::Design &design)
{
    return frameset::buildFramesetDocument(design).split(QStringLiteral("\r\n"));
}

} // namespace

// The frameset document of a design, line by line. Whole documents, the worked example among
// them, are the cases under tests/cases/frameset/.
class TestFramesetDocument : public QObject
{
    Q_OBJECT
private slots:
    void frameTag_data()
    {
        QTest::addColumn<RecordField>("field");
        QTest::addColumn<PropertyValue>("value");
        QTest::addColumn<QString>("tag");
        const QString tail = QStringLiteral(" SCROLLING=AUTO  FRAMEBORDER=YES>");
        const QString head = QStringLiteral("<FRAME SRC=xxxxx.htm NAME=Frame3");
        using P = frameset::FrameProperties;
        QTest::newRow("never set") << RecordField() << PropertyValue() << head + tail;
        QTest::newRow("auto chosen")
            << &P::scrolling << number(0) << head + " SCROLLING=AUTO FRAMEBORDER=YES>";
        QTest::newRow("yes") << &P::scrolling << number(1)
                             << head + " SCROLLING=YES  FRAMEBORDER=YES>";
        QTest::newRow("no, read from a file")
            << &P::scrolling << text("2") << head + " SCROLLING=NO  FRAMEBORDER=YES>";
        QTest::newRow("other scrolling")
            << &P::scrolling << number(3) << head + " FRAMEBORDER=YES>";
        QTest::newRow("margin 0") << &P::marginWidth << text("0") << head + tail;
        QTest::newRow("margin 12") << &P::marginWidth << text("12")
                                   << head + " SCROLLING=AUTO  MARGINWIDTH= 12 FRAMEBORDER=YES>";
        QTest::newRow("margin 007") << &P::marginWidth << text("007")
                                    << head + " SCROLLING=AUTO  MARGINWIDTH= 7 FRAMEBORDER=YES>";
        QTest::newRow("margin height")
            << &P::marginHeight << text("4")
            << head + " SCROLLING=AUTO  MARGINHEIGHT= 4 FRAMEBORDER=YES>";
        QTest::newRow("no-resize") << &P::noResize << number(1) << head + " NORESIZE " + tail;
        QTest::newRow("plain border")
            << &P::frameBorder << text("1") << head + " SCROLLING=AUTO  FRAMEBORDER=NO>";
        QTest::newRow("url") << &P::sourceUrl << text("http://a.b/c.htm")
                             << "<FRAME SRC=http://a.b/c.htm NAME=Frame3" + tail;
        QTest::newRow("empty url") << &P::sourceUrl << text("") << head + tail;
        QTest::newRow("url with blank") << &P::sourceUrl << text("my page.htm")
                                        << "<FRAME SRC=\"my page.htm\" NAME=Frame3" + tail;
        QTest::newRow("url with query") << &P::sourceUrl << text("p.cgi?a=1&b=2")
                                        << "<FRAME SRC=\"p.cgi?a=1&b=2\" NAME=Frame3" + tail;
        QTest::newRow("name with quote")
            << &P::frameName << text("a\"b") << "<FRAME SRC=xxxxx.htm NAME=\"a&quot;b\"" + tail;
        QTest::newRow("name with apostrophe")
            << &P::frameName << text("it's") << "<FRAME SRC=xxxxx.htm NAME=\"it's\"" + tail;
        QTest::newRow("name with backtick")
            << &P::frameName << text("a`b") << "<FRAME SRC=xxxxx.htm NAME=\"a`b\"" + tail;
        QTest::newRow("name with angle")
            << &P::frameName << text("x>y") << "<FRAME SRC=xxxxx.htm NAME=\"x>y\"" + tail;
        QTest::newRow("accented url") << &P::sourceUrl << text(QStringLiteral("caf\u00e9.htm"))
                                      << "<FRAME SRC=caf&#233;.htm NAME=Frame3" + tail;
        QTest::newRow("name beyond the BMP, with blank")
            << &P::frameName << text(QStringLiteral("\u20ac \U0001F600"))
            << "<FRAME SRC=xxxxx.htm NAME=\"&#8364; &#128512;\"" + tail;
        QTest::newRow("markers as typed")
            << &P::frameName << text("!!0##1") << "<FRAME SRC=xxxxx.htm NAME=!!0##1" + tail;
    }
    void frameTag()
    {
        QFETCH(RecordField, field);
        QFETCH(PropertyValue, value);
        QFETCH(QString, tag);
        ModelFixture f;
        buildTwoSplits(f);
        if (field)
            f.model.design().properties().record(2).*field = value;
        QCOMPARE(frameset::frameTag(f.model.design(), 2), tag);
        QCOMPARE(documentLines(f.model.design())[8], tag);
    }

    void markersInValuesAreWrittenAsTyped()
    {
        ModelFixture f;
        buildTwoSplits(f);
        auto &records = f.model.design().properties();
        records.record(0).sourceUrl = text("!!1");
        records.record(1).frameName = text("##21");
        records.record(2).sourceUrl = text("a!!2##1.htm");
        const QStringList lines = documentLines(f.model.design());
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[5],
            QStringLiteral("<FRAME SRC=!!1 NAME=Frame1") + " SCROLLING=AUTO  FRAMEBORDER=YES>");
        QCOMPARE(lines[7],
            QStringLiteral("<FRAME SRC=xxxxx.htm NAME=##21") + " SCROLLING=AUTO  FRAMEBORDER=YES>");
        QCOMPARE(lines[8],
            QStringLiteral("<FRAME SRC=a!!2##1.htm NAME=Frame3")
                + " SCROLLING=AUTO  FRAMEBORDER=YES>");
    }

    void bordersOffAndFixedSizes()
    {
        ModelFixture f;
        buildTwoSplits(f);
        f.model.design().setBordersOn(false);
        f.model.design().properties().record(2).fixedHeightPixels = number(80);
        const QStringList lines = documentLines(f.model.design());
        QCOMPARE(lines[4], QStringLiteral("<FRAMESET COLS= 50%,* BORDER=0>"));
        QCOMPARE(lines[6], QStringLiteral("<FRAMESET ROWS=*,80>"));
    }

    void unevenSplitsGetTheirShare()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column)); // 4500 | 4500
        QVERIFY(f.split(1, Column)); // 2249 | 2251 inside the right half
        const QStringList lines = documentLines(f.model.design());
        QCOMPARE(lines[4], QStringLiteral("<FRAMESET COLS= 50%,* BORDER=5>"));
        QCOMPARE(lines[6], QStringLiteral("<FRAMESET COLS= 50%,* BORDER=5>"));
        f.model.design().cell(0).width = 3000;
        f.model.design().cell(1).left = 3000;
        f.model.design().cell(1).width = 2000;
        f.model.design().cell(2).left = 5000;
        f.model.design().cell(2).width = 4000;
        const QStringList resized = documentLines(f.model.design());
        QCOMPARE(resized[4], QStringLiteral("<FRAMESET COLS= 33%,* BORDER=5>"));
        QCOMPARE(resized[6], QStringLiteral("<FRAMESET COLS= 33%,* BORDER=5>"));
    }

    void deepDesign()
    {
        ModelFixture f(1.0e6f, 1.0e6f);
        int cell = 0;
        for (int level = 1; level <= 8; ++level) {
            QVERIFY(f.split(cell, level % 2 ? Column : Row));
            cell = f.model.lastCellIndex();
        }
        const QStringList lines = documentLines(f.model.design());
        const QRegularExpression frameset(
            QStringLiteral("^<FRAMESET (COLS|ROWS)= (49|50|51)%,\\* BORDER=5>$"));
        QCOMPARE(lines.filter(frameset).size(), 8);
        QCOMPARE(lines.filter(QStringLiteral("<FRAME SRC=")).size(), 9);
        QVERIFY(!lines.join(QString()).contains(QStringLiteral("##")));
        QVERIFY(!lines.join(QString()).contains(QStringLiteral("!!")));
    }

    void brokenPlaceholderEnds()
    {
        frameset::Design design;
        frameset::CellView second;
        second.path = QStringLiteral("2");
        design.cell(0).path = QStringLiteral("1");
        design.appendCell(second);
        design.setLayoutText(QStringLiteral("<FRAMESET COLS= ##1\r\n!!0\r\n!!1\r\n</FRAMESET>##"));
        const QStringList lines = documentLines(design);
        QCOMPARE(lines[4], QStringLiteral("<FRAMESET COLS= 50%,* BORDER=5"));
        QCOMPARE(lines[7], QStringLiteral("</FRAMESET>50%,* BORDER=5"));
    }

    void writesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("index.htm"));
        QVERIFY(
            frameset::writeFramesetDocument(path, QStringLiteral("<HTML>\r\n</HTML>")).isEmpty());
        QCOMPARE(testsupport::readAll(path), QByteArray("<HTML>\r\n</HTML>\r\n"));
        QVERIFY(!frameset::writeFramesetDocument(dir.filePath(QStringLiteral("no/such/x.htm")), "x")
                     .isEmpty());
    }

    void extensionRule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        const char *const rows[][3] = {{"ends in a dot", "C:\\web\\index.", "C:\\web\\index..htm"},
            {"no dot anywhere", "C:\\web\\index", "C:\\web\\index.htm"},
            {"dot in a folder", "C:\\my.site\\index", "C:\\my.site\\index.htm"},
            {"unix dot in a folder", "/home/ann/my.site/index", "/home/ann/my.site/index.htm"},
            {"extension", "/home/web/index.htm", "/home/web/index.htm"},
            {"other extension", "/home/web/notes.txt", "/home/web/notes.txt"},
            {"extension in a dotted folder", "/home/my.site/page.html", "/home/my.site/page.html"},
            {"hidden file", "/home/web/.frames", "/home/web/.frames"},
            {"unix dot", "/home/web/index.", "/home/web/index..htm"},
            {"hidden folder", "/home/.web/index.", "/home/.web/index."},
            {"hidden folder, no extension", "/home/.web/index", "/home/.web/index.htm"},
            {"bare name", "index", "index.htm"}, {"folder only", "/home/web/", "/home/web/"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }
    void extensionRule()
    {
        QFETCH(QString, path);
        QFETCH(QString, written);
        QCOMPARE(frameset::withDefaultExtension(path, QStringLiteral(".htm")), written);
    }

    void htmlPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("html");
        QTest::newRow("html") << "C:\\Sites\\index.HTML" << true;
        QTest::newRow("htm inside") << "C:\\page.htm.spc" << true;
        QTest::newRow("spec") << "/home/me/site.spc" << false;
        QTest::newRow("htm without dot") << "/home/htm/site.spc" << false;
    }
    void htmlPaths()
    {
        QFETCH(QString, path);
        QFETCH(bool, html);
        QCOMPARE(frameset::isHtmlPath(path), html);
    }
};

TRELLIS_TEST(TestFramesetDocument)
#include "tst_framesetdocument.moc"

#include "designbuilder.h"
#include "frameset/core/html5page.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::PropertyValue;

namespace {

QString crlfLines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList head(const QString &title)
{
    return {"<!DOCTYPE html>", "<html>", "<head>", "<meta charset=\"utf-8\">",
        "<title>" + title + "</title>", "<style>",
        "html,body{height:100%;margin:0;overflow:hidden}",
        ".split{display:grid;width:100%;height:100%;min-width:0;min-height:0;background:#eee}",
        "iframe{display:block;width:100%;height:100%;min-width:0;min-height:0;border:0;"
        "background:#fff}",
        "</style>", "</head>", "<body>"};
}

const QStringList Tail{"</body>", "</html>"};

// The body lines of the page, between "<body>" and "</body>".
QStringList bodyOf(const QString &page)
{
    QStringList lines = page.split(QStringLiteral("\r\n"));
    const qsizetype from = lines.indexOf(QStringLiteral("<body>")) + 1;
    const qsizetype to = lines.indexOf(QStringLiteral("</body>"));
    return lines.mid(from, to - from);
}

} // namespace

// The HTML5 page of a design: the grids and inline frames that stand for its frameset document.
class TestHtml5Page : public QObject
{
    Q_OBJECT
private slots:
    void workedExample()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column) && f.split(1, Row));
        const QString page = frameset::buildHtml5Page(f.model.design(), QStringLiteral("site"));
        QCOMPARE(page,
            crlfLines(head("site")
                + QStringList{"<div class=\"split\" style=\"grid-template-columns:minmax(0,50fr) "
                              "minmax(0,50fr);column-gap:5px\">",
                    "<iframe src=\"xxxxx.htm\" name=\"Frame1\" title=\"Frame1\"></iframe>",
                    "<div class=\"split\" style=\"grid-template-rows:minmax(0,50fr) "
                    "minmax(0,50fr);row-gap:5px\">",
                    "<iframe src=\"xxxxx.htm\" name=\"Frame2\" title=\"Frame2\"></iframe>",
                    "<iframe src=\"xxxxx.htm\" name=\"Frame3\" title=\"Frame3\"></iframe>",
                    "</div>", "</div>"}
                + Tail));
    }

    void designWithoutSplitsHasNoFrames()
    {
        ModelFixture f;
        QCOMPARE(frameset::buildHtml5Page(f.model.design(), QStringLiteral("empty")),
            crlfLines(head("empty") + Tail));
    }

    void sizesBordersAndFrames_data()
    {
        QTest::addColumn<bool>("borders");
        QTest::addColumn<QStringList>("body");
        // Cell 0 on the left with a fixed width of 120, a third of the right column on top.
        QTest::newRow("borders")
            << true
            << QStringList{"<div class=\"split\" style=\"grid-template-columns:minmax(0,120px) "
                           "minmax(0,1fr);column-gap:6px\">",
                   "<iframe src=\"menu &amp; &quot;more&quot;.htm\" name=\"menu\" title=\"menu\" "
                   "scrolling=\"no\"></iframe>",
                   "<div class=\"split\" style=\"grid-template-rows:minmax(0,33fr) "
                   "minmax(0,67fr);row-gap:5px\">",
                   "<iframe src=\"caf\u00e9.htm\" name=\"a&lt;b\" title=\"a&lt;b\" "
                   "scrolling=\"yes\"></iframe>",
                   "<iframe src=\"xxxxx.htm\" name=\"Frame3\" title=\"Frame3\"></iframe>", "</div>",
                   "</div>"};
        QTest::newRow("no borders")
            << false
            << QStringList{"<div class=\"split\" style=\"grid-template-columns:minmax(0,120px) "
                           "minmax(0,1fr);column-gap:6px\">",
                   "<iframe src=\"menu &amp; &quot;more&quot;.htm\" name=\"menu\" title=\"menu\" "
                   "scrolling=\"no\"></iframe>",
                   "<div class=\"split\" style=\"grid-template-rows:minmax(0,33fr) "
                   "minmax(0,67fr);row-gap:0px\">",
                   "<iframe src=\"caf\u00e9.htm\" name=\"a&lt;b\" title=\"a&lt;b\" "
                   "scrolling=\"yes\"></iframe>",
                   "<iframe src=\"xxxxx.htm\" name=\"Frame3\" title=\"Frame3\"></iframe>", "</div>",
                   "</div>"};
    }
    void sizesBordersAndFrames()
    {
        QFETCH(bool, borders);
        QFETCH(QStringList, body);
        ModelFixture f;
        QVERIFY(f.split(0, Column) && f.split(1, Row));
        frameset::Design &design = f.model.design();
        design.cell(1).height = 2000;
        design.cell(2).top = 2450;
        design.cell(2).height = 4000;
        design.setBordersOn(borders);
        auto &records = design.properties();
        records.record(0).fixedWidthPixels = PropertyValue::fromNumber(120);
        records.record(0).sourceUrl = PropertyValue::fromText("menu & \"more\".htm");
        records.record(0).frameName = PropertyValue::fromText("menu");
        records.record(0).scrolling = PropertyValue::fromNumber(2);
        // Margins and no-resize have nothing to stand for in an inline frame.
        records.record(0).marginWidth = PropertyValue::fromNumber(10);
        records.record(0).noResize = PropertyValue::fromNumber(1);
        records.record(1).sourceUrl = PropertyValue::fromText(QStringLiteral("caf\u00e9.htm"));
        records.record(1).frameName = PropertyValue::fromText("a<b");
        records.record(1).scrolling = PropertyValue::fromText("1");
        records.record(2).scrolling = PropertyValue::fromNumber(0);
        QCOMPARE(bodyOf(frameset::buildHtml5Page(design, QStringLiteral("t"))), body);
    }

    void fixedSizeOnTheSecondSideAndBelowAFixedSplit()
    {
        // A bottom row of 150 pixels, and in the top row a left column of 90 pixels: the inner
        // fixed split keeps the outer one's border.
        ModelFixture f;
        QVERIFY(f.split(0, Row) && f.split(0, Column));
        frameset::Design &design = f.model.design();
        design.properties().record(1).fixedHeightPixels = PropertyValue::fromNumber(150);
        design.properties().record(0).fixedWidthPixels = PropertyValue::fromNumber(90);
        const QStringList body = bodyOf(frameset::buildHtml5Page(design, QStringLiteral("t")));
        QCOMPARE(body.value(0),
            QStringLiteral("<div class=\"split\" style=\"grid-template-rows:minmax(0,1fr) "
                           "minmax(0,150px);row-gap:6px\">"));
        QCOMPARE(body.value(1),
            QStringLiteral("<div class=\"split\" style=\"grid-template-columns:minmax(0,90px) "
                           "minmax(0,1fr);column-gap:6px\">"));
    }

    void writesUtf8AndReportsFailures()
    {
        QTemporaryDir dir;
        const QString page = QStringLiteral("<p>caf\u00e9</p>");
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        QVERIFY(frameset::writeHtml5Page(path, page).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("<p>caf\xc3\xa9</p>"));
        QVERIFY(
            !frameset::writeHtml5Page(dir.filePath(QStringLiteral("no/page.htm")), page).isEmpty());
    }
};

TRELLIS_TEST(TestHtml5Page)
#include "tst_html5page.moc"

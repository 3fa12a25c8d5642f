#include "frameset/core/designfilereader.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/html5page.h"
#include "testmain.h"

#include <QMap>
#include <QTest>

namespace {

using RecordLines = QMap<int, QString>;

// A design file with `layout` as its layout lines, one cell line per entry of `cells` ("left;
// top;width;height;path" with a visible scroll bar) and the record lines of `records` (empty
// elsewhere).
QByteArray designFile(
    const QStringList &layout, const QStringList &cells, const RecordLines &records)
{
    const QString empty = QStringLiteral(";;;;;;;;;;;");
    QStringList lines = layout;
    lines.append(QStringLiteral("***"));
    for (const QString &cell : cells)
        lines.append(cell + QStringLiteral(";0;0;0;-1;"));
    lines.append(QString());
    lines.append(QStringLiteral("***"));
    for (int i = 0; i < 51; ++i)
        lines.append(records.value(i, empty));
    lines.append(QStringLiteral("1"));
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// The lines of `text` between the line `after` and the line `before`.
QStringList linesBetween(const QString &text, const QString &after, const QString &before)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const qsizetype from = lines.indexOf(after) + 1;
    return lines.mid(from, lines.lastIndexOf(before) - from);
}

} // namespace

// The frameset document and the HTML5 page of designs whose layout lines a design file holds
// out of the usual shape. The documents follow the lines as the file holds them: a line that is
// no part of a split can take a split's fixed size, and the page reads every line that is no
// frame as a split of two blocks. A frame line names a record by its number, whether or not the
// design has that cell, and a cell that no frame line names still counts in its split's sizes.
class TestOddLayoutDocuments : public QObject
{
    Q_OBJECT
private slots:
    void documentsFollowTheLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("document");
        QTest::addColumn<QStringList>("page");
        const QString cols = QStringLiteral("<FRAMESET COLS= ##1>");
        const QString end = QStringLiteral("</FRAMESET>");
        const QString left = QStringLiteral("0;450;3000;6000;1");
        const QString frame1 = QStringLiteral("<FRAME SRC=xxxxx.htm NAME=Frame1 SCROLLING=AUTO  "
                                              "FRAMEBORDER=YES>");
        const QString frame2 = QStringLiteral("<FRAME SRC=xxxxx.htm NAME=Frame2 SCROLLING=AUTO  "
                                              "FRAMEBORDER=YES>");
        const QString iframe1 = QStringLiteral(
            "<iframe src=\"xxxxx.htm\" name=\"Frame1\" title=\"Frame1\"></iframe>");
        const QString iframe2 = QStringLiteral(
            "<iframe src=\"xxxxx.htm\" name=\"Frame2\" title=\"Frame2\"></iframe>");
        const QString thirdColumns = QStringLiteral(
            "<div class=\"split\" style=\"grid-template-columns:minmax(0,33fr) minmax(0,67fr);"
            "column-gap:5px\">");
        const QString evenRows = QStringLiteral("<div class=\"split\" style=\"grid-template-rows:"
                                                "minmax(0,1fr) minmax(0,1fr);row-gap:5px\">");
        const QString divEnd = QStringLiteral("</div>");

        QTest::newRow("a stray line takes the fixed width")
            << designFile({QStringLiteral("junk ##1> x"), cols, "!!0", "!!1", end},
                   {left, QStringLiteral("3000;450;6000;6000;2")},
                   {{0, QStringLiteral(";;;;120;;1A;;;;;")}, {1, QStringLiteral(";;;;;;1B;;;;;")}})
            << QStringList({QStringLiteral("junk120,*> x"),
                   QStringLiteral("<FRAMESET COLS= 120,* BORDER=5>"), frame1, frame2, end})
            << QStringList({QStringLiteral("<div class=\"split\" style=\"grid-template-rows:"
                                           "minmax(0,0px) minmax(0,0px);row-gap:6px\">"),
                   QStringLiteral("<div class=\"split\" style=\"grid-template-columns:"
                                  "minmax(0,120px) minmax(0,1fr);column-gap:5px\">"),
                   iframe1, iframe2, divEnd, divEnd});
        QTest::newRow("the page takes two parts of three")
            << designFile({cols, "!!0", "!!1", "!!2", end},
                   {left, QStringLiteral("3000;450;3000;6000;2"),
                       QStringLiteral("6000;450;3000;6000;2")},
                   {})
            << QStringList({QStringLiteral("<FRAMESET COLS= 33%,* BORDER=5>"), frame1, frame2,
                   QStringLiteral("<FRAME SRC=xxxxx.htm NAME=Frame3 SCROLLING=AUTO  "
                                  "FRAMEBORDER=YES>"),
                   end})
            << QStringList({thirdColumns, iframe1, iframe2, divEnd});
        QTest::newRow("the page reads a stray line as a split")
            << designFile({QStringLiteral("<FRAMESET ROWS= ##1>"), "!!0", "junk", "!!1", end},
                   {QStringLiteral("0;450;9000;3000;1"), QStringLiteral("0;3450;9000;3000;2")}, {})
            << QStringList({QStringLiteral("<FRAMESET ROWS= 50%,* BORDER=5>"), frame1,
                   QStringLiteral("junk"), frame2, end})
            << QStringList({QStringLiteral("<div class=\"split\" style=\"grid-template-rows:"
                                           "minmax(0,50fr) minmax(0,50fr);row-gap:5px\">"),
                   iframe1, evenRows, iframe2, evenRows, divEnd, divEnd, divEnd});
        QTest::newRow("frame lines name records, not cells")
            << designFile({cols, "!!1", "!!7", "!!1", end},
                   {left, QStringLiteral("3000;450;3000;6000;2"),
                       QStringLiteral("6000;450;3000;6000;2")},
                   {{1, QStringLiteral(";One;;;;;;;;;;")}, {7, QStringLiteral(";Seven;;;;;;;;;;")}})
            << QStringList({QStringLiteral("<FRAMESET COLS= 33%,* BORDER=5>"),
                   QStringLiteral("<FRAME SRC=xxxxx.htm NAME=One SCROLLING=AUTO  FRAMEBORDER=YES>"),
                   QStringLiteral(
                       "<FRAME SRC=xxxxx.htm NAME=Seven SCROLLING=AUTO  FRAMEBORDER=YES>"),
                   QStringLiteral("<FRAME SRC=xxxxx.htm NAME=One SCROLLING=AUTO  FRAMEBORDER=YES>"),
                   end})
            << QStringList({thirdColumns,
                   QStringLiteral("<iframe src=\"xxxxx.htm\" name=\"One\" title=\"One\"></iframe>"),
                   QStringLiteral(
                       "<iframe src=\"xxxxx.htm\" name=\"Seven\" title=\"Seven\"></iframe>"),
                   divEnd});
        QTest::newRow("a cell no frame line names sizes its split")
            << designFile({cols, "!!0", "!!1", end},
                   {left, QStringLiteral("3000;450;3000;6000;2"),
                       QStringLiteral("6000;450;3000;6000;2")},
                   {})
            << QStringList({QStringLiteral("<FRAMESET COLS= 33%,* BORDER=5>"), frame1, frame2, end})
            << QStringList({thirdColumns, iframe1, iframe2, divEnd});
    }
    void documentsFollowTheLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, document);
        QFETCH(QStringList, page);
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(file);
        QCOMPARE(read.status, frameset::DesignFileStatus::Valid);
        QCOMPARE(linesBetween(frameset::buildFramesetDocument(read.design),
                     QStringLiteral("</HEAD>"), QStringLiteral("</HTML>")),
            document);
        QCOMPARE(linesBetween(frameset::buildHtml5Page(read.design, QStringLiteral("t")),
                     QStringLiteral("<body>"), QStringLiteral("</body>")),
            page);
    }
};

TRELLIS_TEST(TestOddLayoutDocuments)

#include "tst_oddlayoutdocuments.moc"

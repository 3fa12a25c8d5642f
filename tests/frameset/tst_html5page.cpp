#include "designbuilder.h"
#include "filecontents.h"
#include "frameset/core/html5page.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::PropertyValue;

namespace {

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
    void fixedSizeOnTheSecondSideAndBelowAFixedSplit()
    {
        // A bottom row of 150 pixels, and in the top row a left column of 90 pixels: the inner
        // fixed split keeps the outer one's border.
        ModelFixture f;
        QVERIFY(f.split(0, Row) && f.split(0, Column));
        frameset::Design &design = f.model.design();
        design.properties().record(1).fixedHeightPixels = number(150);
        design.properties().record(0).fixedWidthPixels = number(90);
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
        QCOMPARE(testsupport::readAll(path), QByteArray("<p>caf\xc3\xa9</p>"));
        QVERIFY(
            !frameset::writeHtml5Page(dir.filePath(QStringLiteral("no/page.htm")), page).isEmpty());
    }
};

TRELLIS_TEST(TestHtml5Page)
#include "tst_html5page.moc"

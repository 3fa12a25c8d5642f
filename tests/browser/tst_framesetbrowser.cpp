#include "expectedframelayout.h"
#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "headlesschromium.h"
#include "testmain.h"

#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using testsupport::ExpectedFrameLayout;

namespace {

constexpr QSize WindowSize(960, 640);

// Page names with accents show that the browser finds files whose names go beyond ASCII.
QString pageName(int cell, bool accented = false)
{
    return (accented ? QStringLiteral("cell\u00e9%1.htm") : QStringLiteral("cell%1.htm")).arg(cell);
}

QRgb colourOf(const QString &source)
{
    static const QRegularExpression page(QStringLiteral("^cell(&#233;)?(\\d+)\\.htm$"));
    const QRegularExpressionMatch m = page.match(source);
    return m.hasMatch() ? testsupport::pageColours().value(m.captured(2).toInt()).rgb() : QRgb(0);
}

// The first pixel that is not `color` in `rect`, as "x,y is #rrggbb"; empty when there is none.
QString firstStrayPixel(const QImage &shot, const QRect &rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!testsupport::nearColour(shot.pixel(x, y), colour))
                return QStringLiteral("%1,%2 is %3")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(shot.pixel(x, y)).name());
        }
    }
    return QString();
}

// The number of pixels between the two frames on either side of `division`, measured across
// the longest stretch where both touch it; -1 when no such pair of frames is found.
int measuredBorder(const QImage &shot, const ExpectedFrameLayout::Division &division,
    const QList<ExpectedFrameLayout::Frame> &frames)
{
    const ExpectedFrameLayout::Frame *before = nullptr;
    const ExpectedFrameLayout::Frame *after = nullptr;
    int across = 0;
    int best = 0;
    for (const ExpectedFrameLayout::Frame &a : frames) {
        for (const ExpectedFrameLayout::Frame &b : frames) {
            const QRect ra = a.rect.intersected(division.frameset);
            const QRect rb = b.rect.intersected(division.frameset);
            const bool touching = division.columns
                ? ra.x() + ra.width() == division.at && rb.x() == division.at
                : ra.y() + ra.height() == division.at && rb.y() == division.at;
            const int from
                = division.columns ? std::max(ra.top(), rb.top()) : std::max(ra.left(), rb.left());
            const int to = division.columns ? std::min(ra.bottom(), rb.bottom())
                                            : std::min(ra.right(), rb.right());
            if (touching && to - from > best) {
                best = to - from;
                across = (from + to) / 2;
                before = &a;
                after = &b;
            }
        }
    }
    if (!before)
        return -1;
    auto pixel = [&](int along) {
        return division.columns ? shot.pixel(along, across) : shot.pixel(across, along);
    };
    const QRgb first = colourOf(before->source);
    const QRgb second = colourOf(after->source);
    const int end = division.at + after->tolerance;
    int along = division.at - before->tolerance;
    while (along <= end && testsupport::nearColour(pixel(along), first))
        ++along;
    const int gapStart = along;
    while (along <= end && !testsupport::nearColour(pixel(along), second))
        ++along;
    return along <= end ? along - gapStart : -1;
}

} // namespace

// The HTML frameset document of a design, opened in a real browser: every frame shows its own
// page where the document's size lists put it, with the borders the document asks for.
class TestFramesetBrowser : public QObject
{
    Q_OBJECT
private slots:
    void framesLieWhereTheSizeListsPutThem_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<QStringList>("sizeLists");
        QTest::addColumn<bool>("accented");
        // Designs with dragged borders, from tests/browser/designs/. In three-levels cell 0 takes
        // 40% of the width and 60% of its column, cell 1 30% of the right column's height, and
        // cell 2 70% of what is left below it.
        const QList<std::pair<const char *, QStringList>> designs
            = {{"third", {"33%,*"}}, {"worked-example", {"50%,*", "50%,*"}},
                {"fixed-left", {"120,*", "50%,*"}}, {"fixed-bottom", {"*,150", "25%,*"}},
                {"three-levels", {"40%,*", "60%,*", "30%,*", "70%,*"}}};
        for (const bool borders : {true, false}) {
            for (const auto &[made, sizeLists] : designs)
                QTest::addRow("%s%s", made, borders ? ", borders" : ", no borders")
                    << QString::fromLatin1(made) << borders << sizeLists << false;
        }
        QTest::addRow("worked-example, accented page names")
            << "worked-example" << true << designs[1].second << true;
    }

    void framesLieWhereTheSizeListsPutThem()
    {
        QFETCH(QString, made);
        QFETCH(bool, borders);
        QFETCH(QStringList, sizeLists);
        QFETCH(bool, accented);
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);

        frameset::Design design = testsupport::browserDesign(made);
        QVERIFY(design.lastCellIndex() > 0);
        design.setBordersOn(borders);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (int cell = 0; cell <= design.lastCellIndex(); ++cell) {
            design.properties().record(cell).sourceUrl
                = frameset::PropertyValue::fromText(pageName(cell, accented));
            QVERIFY(testsupport::writeColourPage(
                dir.filePath(pageName(cell, accented)), testsupport::pageColours().at(cell)));
        }
        const QString document = dir.filePath(QStringLiteral("frameset.htm"));
        const QString error
            = frameset::writeFramesetDocument(document, frameset::buildFramesetDocument(design));
        QVERIFY2(error.isEmpty(), qPrintable(error));

        // What the browser should do, worked out from the saved file alone.
        const QByteArray bytes = testsupport::readAll(document);
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }));
        const ExpectedFrameLayout expected(QString::fromLatin1(bytes), WindowSize);
        QVERIFY2(expected.error().isEmpty(), qPrintable(expected.error()));
        QCOMPARE(expected.sizeLists(), sizeLists);
        QVERIFY(!expected.divisions().isEmpty());
        QStringList sources;
        for (const ExpectedFrameLayout::Frame &frame : expected.frames())
            sources << frame.source;
        sources.sort();
        QStringList pages;
        for (int cell = 0; cell <= design.lastCellIndex(); ++cell)
            pages << pageName(cell, accented).replace(QChar(0xe9), QStringLiteral("&#233;"));
        pages.sort();
        QCOMPARE(sources, pages);

        const QImage shot = testsupport::screenshot(document, WindowSize);
        QCOMPARE(shot.size(), WindowSize);

        for (const ExpectedFrameLayout::Frame &frame : expected.frames()) {
            const QRect inside = frame.rect.adjusted(
                frame.tolerance, frame.tolerance, -frame.tolerance, -frame.tolerance);
            QVERIFY(inside.width() > 0 && inside.height() > 0);
            const QString stray = firstStrayPixel(shot, inside, colourOf(frame.source));
            QVERIFY2(stray.isEmpty(),
                qPrintable(frame.source + u' ' + QDebug::toString(frame.rect) + u' ' + stray));
        }
        for (const ExpectedFrameLayout::Division &division : expected.divisions())
            QCOMPARE(measuredBorder(shot, division, expected.frames()), division.border);
    }
};

TRELLIS_TEST(TestFramesetBrowser)
#include "tst_framesetbrowser.moc"

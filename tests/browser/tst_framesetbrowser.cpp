#include "designbuilder.h"
#include "expectedframelayout.h"
#include "filecontents.h"
#include "frameset/core/cellresizer.h"
#include "frameset/core/framesetdocument.h"
#include "headlesschromium.h"
#include "testmain.h"

#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using frameset::SplitDirection;
using testsupport::ExpectedFrameLayout;

namespace {

constexpr QSize WindowSize(960, 640);

enum class Layout { Third, WorkedExample, FixedLeft, FixedBottom, ThreeLevels };

// Page names with accents show that the browser finds files whose names go beyond ASCII.
QString pageName(int cell, bool accented = false)
{
    return (accented ? QStringLiteral("cell\u00e9%1.htm") : QStringLiteral("cell%1.htm")).arg(cell);
}

// A design made as a user makes it: splits of the selected cell, and borders dragged on the
// design surface with the left button.
struct DraggedDesign : framesettest::ModelFixture
{
    // The outer edges of the area, 9000 x 6000 twips from (0, 450).
    frameset::CellResizer resizer{model, prompter, 9000 - frameset::CellResizer::EdgeZone,
        6450 - frameset::CellResizer::EdgeZone};

    // Drags the right (bottom) edge of `cell` until the cell is `size` twips wide (high).
    bool drag(int cell, SplitDirection edge, float size)
    {
        const bool widths = edge == SplitDirection::Column;
        if (!resizer.mouseDown(cell, true))
            return false;
        const frameset::CellView &c = model.design().cell(cell);
        // Grab the edge inside its zone first, then pull it.
        resizer.mouseMove(cell, widths ? c.width - 1 : 1, widths ? 1 : c.height - 1, true, true);
        resizer.mouseMove(cell, widths ? size : 1, widths ? 1 : size, true, true);
        return resizer.mouseUp(cell);
    }

    void fix(int cell, framesettest::RecordField field, int pixels)
    {
        model.design().properties().record(cell).*field
            = frameset::PropertyValue::fromNumber(pixels);
    }
};

bool build(Layout layout, DraggedDesign &b)
{
    const SplitDirection columns = SplitDirection::Column;
    const SplitDirection rows = SplitDirection::Row;
    switch (layout) {
    case Layout::Third:
        return b.split(0, columns) && b.drag(0, columns, 3000);
    case Layout::WorkedExample:
        return b.split(0, columns) && b.split(1, rows);
    case Layout::FixedLeft:
        if (!b.split(0, columns) || !b.split(1, rows))
            return false;
        b.fix(0, &frameset::FrameProperties::fixedWidthPixels, 120);
        return true;
    case Layout::FixedBottom:
        if (!b.split(0, rows))
            return false;
        b.fix(1, &frameset::FrameProperties::fixedHeightPixels, 150);
        return b.split(0, columns) && b.drag(0, columns, 2250);
    case Layout::ThreeLevels:
        // Cell 0 takes 40% of the width and 60% of its column, cell 1 30% of the right column's
        // height, and cell 2 70% of what is left below it.
        return b.split(0, columns) && b.drag(0, columns, 3600) && b.split(1, rows)
            && b.drag(1, rows, 1800) && b.split(2, columns) && b.drag(2, columns, 3780)
            && b.split(0, rows) && b.drag(0, rows, 3600);
    }
    return false;
}

QRgb colorOf(const QString &source)
{
    static const QRegularExpression page(QStringLiteral("^cell(&#233;)?(\\d+)\\.htm$"));
    const QRegularExpressionMatch m = page.match(source);
    return m.hasMatch() ? testsupport::pageColours().value(m.captured(2).toInt()).rgb() : QRgb(0);
}

// The first pixel that is not `color` in `rect`, as "x,y is #rrggbb"; empty when there is none.
QString firstStrayPixel(const QImage &shot, const QRect &rect, QRgb color)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!testsupport::nearColour(shot.pixel(x, y), color))
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
    const QRgb first = colorOf(before->source);
    const QRgb second = colorOf(after->source);
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

Q_DECLARE_METATYPE(Layout)

// The HTML frameset document of a design, opened in a real browser: every frame shows its own
// page where the document's size lists put it, with the borders the document asks for.
class TestFramesetBrowser : public QObject
{
    Q_OBJECT
private slots:
    void framesLieWhereTheSizeListsPutThem_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<QStringList>("sizeLists");
        QTest::addColumn<bool>("accented");

        const QStringList third{QStringLiteral("33%,*")};
        const QStringList halves{QStringLiteral("50%,*"), QStringLiteral("50%,*")};
        const QStringList fixedLeft{QStringLiteral("120,*"), QStringLiteral("50%,*")};
        const QStringList fixedBottom{QStringLiteral("*,150"), QStringLiteral("25%,*")};
        const QStringList nested{QStringLiteral("40%,*"), QStringLiteral("60%,*"),
            QStringLiteral("30%,*"), QStringLiteral("70%,*")};
        for (const bool borders : {true, false}) {
            const char *suffix = borders ? ", borders" : ", no borders";
            QTest::addRow("dragged to a third%s", suffix)
                << Layout::Third << borders << third << false;
            QTest::addRow("worked example%s", suffix)
                << Layout::WorkedExample << borders << halves << false;
            QTest::addRow("fixed width 120 on the left%s", suffix)
                << Layout::FixedLeft << borders << fixedLeft << false;
            QTest::addRow("fixed height 150 at the bottom%s", suffix)
                << Layout::FixedBottom << borders << fixedBottom << false;
            QTest::addRow("three levels deep%s", suffix)
                << Layout::ThreeLevels << borders << nested << false;
        }
        QTest::addRow("worked example, accented page names")
            << Layout::WorkedExample << true << halves << true;
    }

    void framesLieWhereTheSizeListsPutThem()
    {
        QFETCH(Layout, layout);
        QFETCH(bool, borders);
        QFETCH(QStringList, sizeLists);
        QFETCH(bool, accented);
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);

        DraggedDesign builder;
        QVERIFY(build(layout, builder));
        QCOMPARE(builder.prompter.beeps(), 0);
        frameset::Design &design = builder.model.design();
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
            const QString stray = firstStrayPixel(shot, inside, colorOf(frame.source));
            QVERIFY2(stray.isEmpty(),
                qPrintable(frame.source + u' ' + QDebug::toString(frame.rect) + u' ' + stray));
        }
        for (const ExpectedFrameLayout::Division &division : expected.divisions())
            QCOMPARE(measuredBorder(shot, division, expected.frames()), division.border);
    }
};

TRELLIS_TEST(TestFramesetBrowser)
#include "tst_framesetbrowser.moc"

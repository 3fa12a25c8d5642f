#include "designbuilder.h"
#include "frameset/core/framepropertieseditor.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "scriptedfiledialogs.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using namespace framesettest;
using frameset::FrameBorderChoice;
using frameset::FramePropertiesEntries;
using frameset::ScrollingChoice;

namespace {

// Pages and names as users type them: blank, with "&" (alone, before a word, as a reference),
// blanks, quotes, "=", characters beyond ASCII, and a made-up "FrameN" name.
const QStringList TypedPages = {QString(), QStringLiteral("index.htm"),
    QStringLiteral("menu.htm?a=1&b=2"), QStringLiteral("a&b.htm"), QStringLiteral("&amp;.htm"),
    QStringLiteral("my page.htm"), QStringLiteral("\"quoted\".htm"), QStringLiteral("it's.htm"),
    QStringLiteral("caf\u00e9.htm"), QStringLiteral("  padded.htm "),
    QStringLiteral("http://example.com/x.htm#top"), QStringLiteral("about:blank"),
    QStringLiteral("xxxxx.htm")};
const QStringList TypedNames = {QString(), QStringLiteral("main"), QStringLiteral("nav bar"),
    QStringLiteral("a&b"), QStringLiteral("_top"), QStringLiteral("na\u00efve"),
    QStringLiteral("Frame7"), QStringLiteral("x=\"1\"")};
const QStringList TypedMargins
    = {QString(), QString(), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("007")};

// Design areas of designer windows in twips; the import always fills the command line's 960 x
// 640 pixels, so a design made in a smaller or larger window comes back in another area.
const QList<QSizeF> DesignAreas = {QSizeF(14400, 9600), QSizeF(9000, 6000), QSizeF(21000, 11250)};

// A frame that the dialog stored with nothing of its own in its FRAME tag (the made-up name, no
// page or xxxxx.htm or about:blank, Auto, 3D, no margins, resizable; a fixed size alone is in the
// FRAMESET, not the tag) differs from a frame never set only by a blank no HTML reader sees, and
// comes back as one never set; so every frame the generator stores says something of its own.
bool saysSomethingOfItsOwn(const FramePropertiesEntries &e)
{
    const QString page = e.sourceUrl.trimmed();
    const bool ownPage = !page.isEmpty() && page != QLatin1String("xxxxx.htm")
        && page != QLatin1String("about:blank");
    const QString name = e.frameName.trimmed();
    const bool ownName = !name.isEmpty()
        && !(name.startsWith(QLatin1String("Frame")) && name.size() > 5
            && std::all_of(name.begin() + 5, name.end(), [](QChar c) { return c.isDigit(); }));
    return ownPage || ownName || e.noResize || !e.marginWidth.trimmed().isEmpty()
        || !e.marginHeight.trimmed().isEmpty() || e.scrolling != ScrollingChoice::Auto
        || e.frameBorder != FrameBorderChoice::ThreeD;
}

// A design made as a user makes one: random splits of random cells until it has `cells`
// cells, with the properties dialog's OK on random cells between them.
class RandomDesigner
{
public:
    RandomDesigner(quint32 seed, QSizeF area)
        : m_random(seed)
        , m_f(float(area.width()), float(area.height()))
    { }

    const frameset::Design &make(int cells, bool borders)
    {
        for (int attempt = 0; attempt < 2000 && m_f.model.lastCellIndex() + 1 < cells; ++attempt) {
            m_f.split(pick(m_f.model.lastCellIndex() + 1), m_random.bounded(2) ? Column : Row);
            if (m_random.bounded(3) == 0)
                editProperties(pick(m_f.model.lastCellIndex() + 1));
        }
        for (int cell = 0; cell <= m_f.model.lastCellIndex(); ++cell) {
            if (m_random.bounded(2))
                editProperties(cell);
        }
        m_f.model.design().setBordersOn(borders);
        return m_f.model.design();
    }

private:
    int pick(int bound) { return int(m_random.bounded(bound)); }
    const QString &any(const QStringList &list) { return list[pick(int(list.size()))]; }

    void editProperties(int cell)
    {
        m_f.model.selectCell(cell);
        FramePropertiesEntries entries = m_editor.open();
        if (pick(3))
            entries.sourceUrl = any(TypedPages);
        if (pick(3) == 0)
            entries.frameName = any(TypedNames);
        entries.marginWidth = any(TypedMargins);
        entries.marginHeight = any(TypedMargins);
        // Ticking a fixed size takes the cell's size at that moment; unticking drops it.
        if (entries.fixedWidth.available && pick(4) == 0) {
            entries.fixedWidth.ticked = !entries.fixedWidth.ticked;
            entries.fixedWidth.pixels = *m_editor.fixedWidthWhenTicked();
        }
        if (entries.fixedHeight.available && pick(4) == 0) {
            entries.fixedHeight.ticked = !entries.fixedHeight.ticked;
            entries.fixedHeight.pixels = *m_editor.fixedHeightWhenTicked();
        }
        entries.noResize = pick(4) == 0;
        entries.scrolling = ScrollingChoice(pick(3));
        entries.frameBorder = FrameBorderChoice(pick(2));
        if (!saysSomethingOfItsOwn(entries))
            entries.noResize = true;
        m_editor.chooseScrolling(entries.scrolling);
        m_editor.store(entries);
    }

    QRandomGenerator m_random;
    ModelFixture m_f;
    testsupport::ScriptedFileDialogs m_dialogs;
    QString m_folder;
    frameset::FramePropertiesEditor m_editor{
        m_f.model, m_dialogs, frameset::PixelScale(15), m_folder};
};

} // namespace

// Every design the designer can make, written as a frameset document and imported again,
// writes the same document byte for byte.
class TestFramesetRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    // Found by the random designs: a cell ticked fixed and then split the same way gives a
    // frameset its fixed size fills ("COLS=480,*" in 480 pixels), which import refused.
    void aFixedSizeThatFillsItsFramesetComesBack()
    {
        ModelFixture f(14400, 9600);
        testsupport::ScriptedFileDialogs dialogs;
        QString folder;
        frameset::FramePropertiesEditor editor{f.model, dialogs, frameset::PixelScale(15), folder};
        QVERIFY(f.split(0, Column));
        f.model.selectCell(0);
        FramePropertiesEntries entries = editor.open();
        entries.frameName = QStringLiteral("menu");
        entries.fixedWidth.ticked = true;
        entries.fixedWidth.pixels = *editor.fixedWidthWhenTicked();
        editor.store(entries);
        QVERIFY(f.split(0, Column));
        const QString document = frameset::buildFramesetDocument(f.model.design());
        QVERIFY(document.contains(QStringLiteral("\r\n<FRAMESET COLS=480,*>\r\n")));
        const frameset::FramesetImport imported
            = frameset::FramesetImporter::read(document.toUtf8(), frameset::ImportArea());
        QVERIFY2(imported.imported(), qPrintable(imported.refusal));
        QCOMPARE(frameset::buildFramesetDocument(imported.design), document);
    }

    void randomDesignsComeBackByteForByte_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("cells");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<QSizeF>("area");
        for (quint32 seed = 1; seed <= 60; ++seed) {
            const int cells = seed % 10 == 0 ? 100 : int(2 + (seed * 7919) % 40);
            const QSizeF area = DesignAreas[seed % DesignAreas.size()];
            QTest::addRow(
                "seed %u, %d cells, %gx%g twips", seed, cells, area.width(), area.height())
                << seed << cells << (seed % 4 != 1) << area;
        }
    }
    void randomDesignsComeBackByteForByte()
    {
        QFETCH(quint32, seed);
        QFETCH(int, cells);
        QFETCH(bool, borders);
        QFETCH(QSizeF, area);
        RandomDesigner designer(seed, area);
        const QString document = frameset::buildFramesetDocument(designer.make(cells, borders));
        const frameset::FramesetImport imported
            = frameset::FramesetImporter::read(document.toUtf8(), frameset::ImportArea());
        QVERIFY2(imported.imported(),
            qPrintable(
                QStringLiteral("seed %1: %2\n%3").arg(seed).arg(imported.refusal, document)));
        const QString again = frameset::buildFramesetDocument(imported.design);
        if (again != document) {
            const QStringList want = document.split(QStringLiteral("\r\n"));
            const QStringList got = again.split(QStringLiteral("\r\n"));
            qsizetype line = 0;
            while (line < want.size() && line < got.size() && want[line] == got[line])
                ++line;
            QFAIL(qPrintable(QStringLiteral("seed %1: line %2 was \"%3\", came back \"%4\"\n%5")
                                 .arg(seed)
                                 .arg(line + 1)
                                 .arg(want.value(line), got.value(line), document)));
        }
    }
};

TRELLIS_TEST(TestFramesetRoundTrip)
#include "tst_framesetroundtrip.moc"

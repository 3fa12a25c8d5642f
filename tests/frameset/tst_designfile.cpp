#include "designbuilder.h"
#include "filecontents.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::DesignFileStatus;
using frameset::PropertyValue;

Q_DECLARE_METATYPE(frameset::DesignFileStatus)

namespace {

QByteArray crlf(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QStringList neverEdited(int count)
{
    return QStringList(count, QStringLiteral(";;;;;;;;;;;"));
}

// Cell 0 on the left, cells 1 over 2 on the right, with cell 0 edited in the properties dialog
// (fixed width 120, menu.htm, name menu, margin 10, no-resize, scrolling No, plain border).
void buildEditedDesign(ModelFixture &f)
{
    QVERIFY(f.split(0, Column));
    QVERIFY(f.split(1, Row));
    auto &records = f.model.design().properties();
    records.record(0).sourceUrl = text("menu.htm");
    records.record(0).frameName = text("menu");
    records.record(0).marginWidth = text("10");
    records.record(0).marginHeight = text("");
    records.record(0).fixedWidthPixels = number(120);
    records.record(0).fixedHeightPixels = number(0);
    records.record(0).noResize = number(1);
    records.record(0).scrolling = number(2);
    records.record(0).frameBorder = number(1);
}

// A valid file to damage in the invalid-file rows.
QStringList validLines()
{
    return QStringList{"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>", "***",
               "0;450;4500;6000;1;4245;450;6000;-1;", "4500;450;4500;6000;2;8745;450;6000;-1;", "",
               "***"}
    + neverEdited(51) + QStringList{"1"};
}

} // namespace

class TestDesignFile : public QObject
{
    Q_OBJECT
private slots:
    // The edited example and the empty design, byte for byte as tests/frameset/data/ holds them.
    void writesTheExamples_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("file");
        QTest::newRow("edited example") << true << "edited-example.spc";
        QTest::newRow("empty design, borders off") << false << "empty-design-borders-off.spc";
    }
    void writesTheExamples()
    {
        QFETCH(bool, edited);
        QFETCH(QString, file);
        ModelFixture f;
        if (edited)
            buildEditedDesign(f);
        else
            f.model.design().setBordersOn(false);
        QCOMPARE(frameset::DesignFileWriter::write(f.model.design()),
            testsupport::readAll(dataFile(file)));
    }

    void readsTheExampleBack()
    {
        ModelFixture f;
        buildEditedDesign(f);
        // A frame that never scrolls has its scroll-bar view hidden.
        f.model.design().cell(2).scroll.visible = false;
        const QByteArray bytes = frameset::DesignFileWriter::write(f.model.design());
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(bytes);
        QCOMPARE(read.status, DesignFileStatus::Valid);
        const frameset::Design &d = read.design;
        QCOMPARE(layoutText(d), layoutText(f.model.design()));
        QCOMPARE(d.cells(), f.model.design().cells());
        QVERIFY(d.bordersOn());
        // Read back as text; what was never set stays never set.
        QCOMPARE(d.properties().record(0).fixedWidthPixels, text("120"));
        QCOMPARE(d.properties().record(0).scrolling, text("2"));
        QVERIFY(d.properties().record(0).marginHeight.isEmpty());
        QVERIFY(d.properties().record(1).scrolling.isEmpty());
        QCOMPARE(frameset::DesignFileWriter::write(d), bytes);
    }

    // The path column of a cell line and columns 6 and 7 of a record line are the cell's labels,
    // kept as the file spells them (a path that another cell has too, keys that name no split,
    // a quoted key), a record past the last cell included; the other columns are its frame
    // properties.
    void labelsAreTheFilesPathsAndKeys()
    {
        QStringList lines = validLines();
        lines[6] = QStringLiteral("4500;450;4500;6000;1;8745;450;6000;-1;");
        lines[9] = QStringLiteral("a.htm;A;;;120;;x1A;\"1;B\";;;;");
        lines[10] = QStringLiteral(";;;;;;2;21B;1;;;");
        lines[16] = QStringLiteral(";Seven;;;;;1A;;;;;");
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(crlf(lines));
        QCOMPARE(read.status, DesignFileStatus::Valid);
        const frameset::Design &d = read.design;
        QCOMPARE(cellPaths(d), QStringList({"1", "1"}));
        QCOMPARE(d.labels(0).columnSplitKey, text("x1A"));
        QCOMPARE(d.labels(0).rowSplitKey, text("1;B"));
        QCOMPARE(d.properties().record(0).sourceUrl, text("a.htm"));
        QCOMPARE(d.properties().record(0).frameName, text("A"));
        QCOMPARE(d.properties().record(0).fixedWidthPixels, text("120"));
        QVERIFY(d.properties().record(0).noResize.isEmpty());
        QCOMPARE(d.labels(1).columnSplitKey, text("2"));
        QCOMPARE(d.labels(1).rowSplitKey, text("21B"));
        QVERIFY(d.properties().record(1).fixedHeightPixels.isEmpty());
        QCOMPARE(d.properties().record(1).noResize, text("1"));
        QCOMPARE(d.properties().record(7).frameName, text("Seven"));
        QCOMPARE(d.labels(7).columnSplitKey, text("1A"));
        QCOMPARE(frameset::DesignFileWriter::write(d), crlf(lines));
    }

    void roundTripsRandomDesigns_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("splits");
        QTest::newRow("small") << 7u << 5;
        QTest::newRow("more than 51 cells") << 11u << 70;
        QTest::newRow("full table") << 13u << 99;
    }
    void roundTripsRandomDesigns()
    {
        QFETCH(quint32, seed);
        QFETCH(int, splits);
        QRandomGenerator random(seed);
        ModelFixture f(1.0e6f, 1.0e6f);
        for (int i = 0; i < splits; ++i)
            QVERIFY(f.split(int(random.bounded(f.model.lastCellIndex() + 1)),
                random.bounded(2) ? Column : Row));
        auto &records = f.model.design().properties();
        for (int i = 0; i <= f.model.lastCellIndex(); i += 3) {
            records.record(i).frameName = text(QString::number(i));
            records.record(i).scrolling = number(i % 3);
        }
        f.model.design().cell(1 % (splits + 1)).width += 0.5f;

        const QByteArray first = frameset::DesignFileWriter::write(f.model.design());
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(first);
        QCOMPARE(read.status, DesignFileStatus::Valid);
        QCOMPARE(read.design.lastCellIndex(), splits);
        QCOMPARE(read.design.cells(), f.model.design().cells());
        QCOMPARE(layoutText(read.design), layoutText(f.model.design()));
        for (int i = 0; i <= splits; ++i) {
            QCOMPARE(read.design.properties().record(i).frameName.text(),
                records.record(i).frameName.text());
            QCOMPARE(read.design.labels(i).rowSplitKey.text(),
                f.model.design().labels(i).rowSplitKey.text());
        }
        QCOMPARE(frameset::DesignFileWriter::write(read.design), first);
    }

    // What the command line does not show of a file it refuses (the cases under
    // tests/cases/frameset/invalid-*): whether the file was too long, and that no part of the
    // design is kept.
    void invalidFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<frameset::DesignFileStatus>("status");
        QStringList lines = validLines();
        lines[60] = QStringLiteral("yes");
        QTest::newRow("bad borders after the cells") << crlf(lines) << DesignFileStatus::Invalid;
        QTest::newRow("1001 lines without separator")
            << crlf(QStringList(1001, QStringLiteral("text"))) << DesignFileStatus::TooLong;
    }
    void invalidFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(frameset::DesignFileStatus, status);
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(bytes);
        QCOMPARE(read.status, status);
        QVERIFY(read.design == frameset::Design());
    }

    // A file that cannot be read is invalid, not too long: the designer tells of the one and
    // passes over the other in silence.
    void unreadableFileIsInvalid()
    {
        QTemporaryDir dir;
        QCOMPARE(
            frameset::DesignFileReader::load(dir.filePath(QStringLiteral("missing.spc"))).status,
            DesignFileStatus::Invalid);
        QCOMPARE(frameset::DesignFileReader::load(dir.path()).status, DesignFileStatus::Invalid);
    }

    void bordersLine()
    {
        QStringList lines = validLines();
        lines.last() = QStringLiteral("0");
        QVERIFY(!frameset::DesignFileReader::read(crlf(lines)).design.bordersOn());
        lines.last() = QStringLiteral(" 1 ");
        QVERIFY(frameset::DesignFileReader::read(crlf(lines)).design.bordersOn());
    }

    void numbers_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 4500.0f << "4500";
        QTest::newRow("half") << 2249.5f << "2249.5";
        QTest::newRow("negative") << -15.0f << "-15";
        QTest::newRow("negative zero") << -0.0f << "0";
        QTest::newRow("fraction") << 0.1f << "0.1";
    }
    void numbers()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(frameset::DesignFileWriter::number(value), text);
    }
};

TRELLIS_TEST(TestDesignFile)
#include "tst_designfile.moc"

#include "designbuilder.h"
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
    void writesTheExample()
    {
        ModelFixture f;
        buildEditedDesign(f);
        const QStringList expected
            = QStringList{"<FRAMESET COLS= ##1>", "!!0", "<FRAMESET ROWS= ##21>", "!!1", "!!2",
                  "</FRAMESET>", "</FRAMESET>", "***", "0;450;4500;6000;1;4245;450;6000;-1;",
                  "4500;450;4500;3000;21;8745;450;3000;-1;",
                  "4500;3450;4500;3000;22;8745;3450;3000;-1;", "", "***",
                  "menu.htm;menu;10;;120;0;1A;;1;2;1;", ";;;;;;1B;21A;;;;", ";;;;;;;21B;;;;"}
            + neverEdited(48) + QStringList{"1"};
        QCOMPARE(frameset::DesignFileWriter::write(f.model.design()), crlf(expected));
    }

    void writesTheEmptyDesign()
    {
        ModelFixture f;
        f.model.design().setBordersOn(false);
        const QStringList expected = QStringList{"", "***", "0;450;9000;6000;0;0;0;0;0;", "", "***"}
            + neverEdited(51) + QStringList{"0"};
        QCOMPARE(frameset::DesignFileWriter::write(f.model.design()), crlf(expected));
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
        QCOMPARE(d.layoutText(), f.model.layoutText());
        QCOMPARE(d.cells(), f.model.design().cells());
        QVERIFY(d.bordersOn());
        // Read back as text; what was never set stays never set.
        QCOMPARE(d.properties().record(0).fixedWidthPixels, text("120"));
        QCOMPARE(d.properties().record(0).scrolling, text("2"));
        QVERIFY(d.properties().record(0).marginHeight.isEmpty());
        QVERIFY(d.properties().record(1).scrolling.isEmpty());
        QCOMPARE(frameset::DesignFileWriter::write(d), bytes);
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
        QCOMPARE(read.design.layoutText(), f.model.layoutText());
        for (int i = 0; i <= splits; ++i) {
            QCOMPARE(read.design.properties().record(i).frameName.text(),
                records.record(i).frameName.text());
            QCOMPARE(read.design.properties().record(i).rowSplitKey.text(),
                records.record(i).rowSplitKey.text());
        }
        QCOMPARE(frameset::DesignFileWriter::write(read.design), first);
    }

    void opensOldFilesWithALeadingBreak_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("a blank line") << QByteArray("\r\n");
        // A mark after the break once made a layout that wrote back with a mark of its own.
        QTest::newRow("a blank line and a byte-order mark") << QByteArray("\r\r\n\xEF\xBB\xBF");
    }

    void opensOldFilesWithALeadingBreak()
    {
        QFETCH(QByteArray, before);
        const auto withBreak = frameset::DesignFileReader::read(before + crlf(validLines()));
        const auto plain = frameset::DesignFileReader::read(crlf(validLines()));
        QCOMPARE(withBreak.status, DesignFileStatus::Valid);
        QVERIFY(withBreak.design == plain.design);
        QCOMPARE(withBreak.design.layoutText(),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n!!0\r\n!!1\r\n</FRAMESET>"));
        QCOMPARE(frameset::DesignFileWriter::write(withBreak.design), crlf(validLines()));
    }

    void keepsValuesWithSemicolonsAndQuotes()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        auto &records = f.model.design().properties();
        records.record(0).sourceUrl = text("page.htm;jsessionid=1");
        records.record(0).frameName = text("\"main\"");
        records.record(1).sourceUrl = text("say \"hi\".htm");
        const QByteArray bytes = frameset::DesignFileWriter::write(f.model.design());
        QVERIFY(bytes.contains("\"page.htm;jsessionid=1\";\"\"\"main\"\"\";;;;;1A;;;;;\r\n"));
        QVERIFY(bytes.contains("\r\nsay \"hi\".htm;;;;;;1B;;;;;\r\n"));
        const auto read = frameset::DesignFileReader::read(bytes);
        QCOMPARE(read.status, DesignFileStatus::Valid);
        QCOMPARE(read.design.properties().record(0).sourceUrl.text(),
            QStringLiteral("page.htm;jsessionid=1"));
        QCOMPARE(read.design.properties().record(0).frameName.text(), QStringLiteral("\"main\""));
        QCOMPARE(
            read.design.properties().record(1).sourceUrl.text(), QStringLiteral("say \"hi\".htm"));
        QCOMPARE(frameset::DesignFileWriter::write(read.design), bytes);
    }

    void readsOlderCharacterSets()
    {
        QStringList lines = validLines();
        lines[9] = QStringLiteral("caf\u00e9.htm;Men\u00fc;;;;;1A;;;;;");
        QByteArray bytes = crlf(lines);
        const QByteArray utf8 = bytes;
        bytes.replace("caf\xc3\xa9", "caf\xe9").replace("Men\xc3\xbc", "Men\x80");
        const auto read = frameset::DesignFileReader::read(bytes);
        QCOMPARE(read.status, DesignFileStatus::Valid);
        QCOMPARE(
            read.design.properties().record(0).sourceUrl.text(), QStringLiteral("caf\u00e9.htm"));
        QCOMPARE(read.design.properties().record(0).frameName.text(), QStringLiteral("Men\u20ac"));
        QCOMPARE(
            frameset::DesignFileReader::read(utf8).design.properties().record(0).frameName.text(),
            QStringLiteral("Men\u00fc"));
    }

    void invalidFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<frameset::DesignFileStatus>("status");
        const QStringList valid = validLines();
        auto changed = [&](int line, const QString &text) {
            QStringList lines = valid;
            lines[line] = text;
            return crlf(lines);
        };
        auto without = [&](int line) {
            QStringList lines = valid;
            lines.removeAt(line);
            return crlf(lines);
        };
        QTest::newRow("valid") << crlf(valid) << DesignFileStatus::Valid;
        QTest::newRow("valid without final break")
            << crlf(valid).chopped(2) << DesignFileStatus::Valid;
        QTest::newRow("LF line ends")
            << crlf(valid).replace("\r\n", "\n") << DesignFileStatus::Valid;
        QTest::newRow("no first separator") << without(4) << DesignFileStatus::Invalid;
        QTest::newRow("no second separator") << without(8) << DesignFileStatus::Invalid;
        QTest::newRow("bad number")
            << changed(5, "0;450;4500x;6000;1;4245;450;6000;-1;") << DesignFileStatus::Invalid;
        QTest::newRow("empty number")
            << changed(5, "0;;4500;6000;1;4245;450;6000;-1;") << DesignFileStatus::Invalid;
        QTest::newRow("huge number")
            << changed(5, "0;450;1e30;6000;1;4245;450;6000;-1;") << DesignFileStatus::Invalid;
        QTest::newRow("short cell line")
            << changed(5, "0;450;4500;6000;1;4245;450;6000;-1") << DesignFileStatus::Invalid;
        QTest::newRow("bad path") << changed(5, "0;450;4500;6000;1x;4245;450;6000;-1;")
                                  << DesignFileStatus::Invalid;
        QTest::newRow("negative width")
            << changed(5, "0;450;-4500;6000;1;4245;450;6000;-1;") << DesignFileStatus::Invalid;
        QTest::newRow("short property line")
            << changed(9, ";;;;;;;;;;") << DesignFileStatus::Invalid;
        QTest::newRow("bad borders") << changed(60, "yes") << DesignFileStatus::Invalid;
        QTest::newRow("no borders line") << without(60) << DesignFileStatus::Invalid;
        QTest::newRow("truncated") << crlf(valid.mid(0, 30)) << DesignFileStatus::Invalid;
        QTest::newRow("no cells") << crlf(valid.mid(0, 5) + valid.mid(7))
                                  << DesignFileStatus::Invalid;
        QTest::newRow("empty file") << QByteArray() << DesignFileStatus::Invalid;
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(5);
        for (char &byte : garbage)
            byte = char(random.bounded(256));
        QTest::newRow("binary garbage") << garbage << DesignFileStatus::Invalid;
        QStringList many = valid.mid(0, 5);
        for (int i = 0; i < 101; ++i)
            many.append(QStringLiteral("0;450;90;60;1;0;0;0;0;"));
        QTest::newRow("101 cells") << crlf(many + valid.mid(7)) << DesignFileStatus::Invalid;
        QStringList extra = valid;
        for (int i = 0; i < 50; ++i)
            extra.append(neverEdited(1));
        QTest::newRow("records beyond 99") << crlf(extra) << DesignFileStatus::Invalid;
        QTest::newRow("999 lines without separator")
            << crlf(QStringList(999, QStringLiteral("text"))) << DesignFileStatus::Invalid;
        QTest::newRow("1001 lines without separator")
            << crlf(QStringList(1001, QStringLiteral("text"))) << DesignFileStatus::TooLong;
    }
    void invalidFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(frameset::DesignFileStatus, status);
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(bytes);
        QCOMPARE(read.status, status);
        if (status != DesignFileStatus::Valid)
            QVERIFY(read.design == frameset::Design());
    }

    void bordersLine()
    {
        QStringList lines = validLines();
        lines.last() = QStringLiteral("0");
        QVERIFY(!frameset::DesignFileReader::read(crlf(lines)).design.bordersOn());
        lines.last() = QStringLiteral(" 1 ");
        QVERIFY(frameset::DesignFileReader::read(crlf(lines)).design.bordersOn());
    }

    void savesAndLoadsFiles()
    {
        QTemporaryDir dir;
        ModelFixture f;
        buildEditedDesign(f);
        const QString path = dir.filePath(QStringLiteral("site.spc"));
        QVERIFY(frameset::DesignFileWriter::save(path, f.model.design()).isEmpty());
        const auto read = frameset::DesignFileReader::load(path);
        QCOMPARE(read.status, DesignFileStatus::Valid);
        QCOMPARE(read.design.cells(), f.model.design().cells());
        QCOMPARE(
            frameset::DesignFileReader::load(dir.filePath(QStringLiteral("missing.spc"))).status,
            DesignFileStatus::Invalid);
        QCOMPARE(frameset::DesignFileReader::load(dir.path()).status, DesignFileStatus::Invalid);
        QVERIFY(!frameset::DesignFileWriter::save(
            dir.filePath(QStringLiteral("no/such/site.spc")), f.model.design())
                     .isEmpty());
    }

    void messages()
    {
        QCOMPARE(
            frameset::DesignFileReader::invalidFileMessage(QStringLiteral("/home/Web/site.spc")),
            QStringLiteral("/home/Web/site.spc file is not a valid Panecraft file."));
        QCOMPARE(frameset::DesignFileReader::htmlFileRefusedMessage(),
            QStringLiteral("Only files created with Panecraft and saved as spec files (*.spc) "
                           "can be opened."));
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

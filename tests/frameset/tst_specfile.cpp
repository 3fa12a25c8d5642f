#include "designbuilder.h"
#include "frameset/core/specfilereader.h"
#include "frameset/core/specfilewriter.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::PropertyValue;
using frameset::SpecFileStatus;

Q_DECLARE_METATYPE(frameset::SpecFileStatus)

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
    records.setField(0, frameset::SourceUrl, PropertyValue::fromText("menu.htm"));
    records.setField(0, frameset::FrameName, PropertyValue::fromText("menu"));
    records.setField(0, frameset::MarginWidth, PropertyValue::fromText("10"));
    records.setField(0, frameset::MarginHeight, PropertyValue::fromText(""));
    records.setField(0, frameset::FixedWidthPx, PropertyValue::fromNumber(120));
    records.setField(0, frameset::FixedHeightPx, PropertyValue::fromNumber(0));
    records.setField(0, frameset::NoResize, PropertyValue::fromNumber(1));
    records.setField(0, frameset::Scrolling, PropertyValue::fromNumber(2));
    records.setField(0, frameset::FrameBorder, PropertyValue::fromNumber(1));
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

class TestSpecFile : public QObject
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
        QCOMPARE(frameset::writeSpecFile(f.model.design()), crlf(expected));
    }

    void writesTheEmptyDesign()
    {
        ModelFixture f;
        f.model.design().setBordersOn(false);
        const QStringList expected = QStringList{"", "***", "0;450;9000;6000;0;0;0;0;0;", "", "***"}
            + neverEdited(51) + QStringList{"0"};
        QCOMPARE(frameset::writeSpecFile(f.model.design()), crlf(expected));
    }

    void readsTheExampleBack()
    {
        ModelFixture f;
        buildEditedDesign(f);
        const QByteArray bytes = frameset::writeSpecFile(f.model.design());
        const frameset::SpecFileReadResult read = frameset::readSpecFile(bytes);
        QCOMPARE(read.status, SpecFileStatus::Valid);
        const frameset::Design &d = read.design;
        QCOMPARE(d.LayoutText(), f.model.LayoutText());
        QCOMPARE(d.cells(), f.model.design().cells());
        QVERIFY(d.bordersOn());
        // Read back as text; what was never set stays never set.
        QCOMPARE(d.properties().field(0, frameset::FixedWidthPx), PropertyValue::fromText("120"));
        QCOMPARE(d.properties().field(0, frameset::Scrolling), PropertyValue::fromText("2"));
        QVERIFY(d.properties().field(0, frameset::MarginHeight).isEmpty());
        QVERIFY(d.properties().field(1, frameset::Scrolling).isEmpty());
        QCOMPARE(frameset::writeSpecFile(d), bytes);
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
            QVERIFY(f.split(int(random.bounded(f.model.LastCellIndex() + 1)),
                random.bounded(2) ? Column : Row));
        auto &records = f.model.design().properties();
        for (int i = 0; i <= f.model.LastCellIndex(); i += 3) {
            records.setField(i, frameset::FrameName, PropertyValue::fromText(QString::number(i)));
            records.setField(i, frameset::Scrolling, PropertyValue::fromNumber(i % 3));
        }
        f.model.design().cell(1 % (splits + 1)).width += 0.5f;

        const QByteArray first = frameset::writeSpecFile(f.model.design());
        const frameset::SpecFileReadResult read = frameset::readSpecFile(first);
        QCOMPARE(read.status, SpecFileStatus::Valid);
        QCOMPARE(read.design.LastCellIndex(), splits);
        QCOMPARE(read.design.cells(), f.model.design().cells());
        QCOMPARE(read.design.LayoutText(), f.model.LayoutText());
        for (int i = 0; i <= splits; ++i) {
            QCOMPARE(read.design.properties().field(i, frameset::FrameName).text(),
                records.field(i, frameset::FrameName).text());
            QCOMPARE(read.design.properties().field(i, frameset::RowSplitKey).text(),
                records.field(i, frameset::RowSplitKey).text());
        }
        QCOMPARE(frameset::writeSpecFile(read.design), first);
    }

    void opensOldFilesWithALeadingBreak()
    {
        QStringList old = validLines();
        old.prepend(QString());
        const auto withBreak = frameset::readSpecFile(crlf(old));
        const auto plain = frameset::readSpecFile(crlf(validLines()));
        QCOMPARE(withBreak.status, SpecFileStatus::Valid);
        QVERIFY(withBreak.design == plain.design);
        QCOMPARE(withBreak.design.LayoutText(),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n!!0\r\n!!1\r\n</FRAMESET>"));
        QCOMPARE(frameset::writeSpecFile(withBreak.design), crlf(validLines()));
    }

    void keepsValuesWithSemicolonsAndQuotes()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        auto &records = f.model.design().properties();
        records.setField(0, frameset::SourceUrl, PropertyValue::fromText("page.htm;jsessionid=1"));
        records.setField(0, frameset::FrameName, PropertyValue::fromText("\"main\""));
        records.setField(1, frameset::SourceUrl, PropertyValue::fromText("say \"hi\".htm"));
        const QByteArray bytes = frameset::writeSpecFile(f.model.design());
        QVERIFY(bytes.contains("\"page.htm;jsessionid=1\";\"\"\"main\"\"\";;;;;1A;;;;;\r\n"));
        QVERIFY(bytes.contains("\r\nsay \"hi\".htm;;;;;;1B;;;;;\r\n"));
        const auto read = frameset::readSpecFile(bytes);
        QCOMPARE(read.status, SpecFileStatus::Valid);
        QCOMPARE(read.design.properties().field(0, frameset::SourceUrl).text(),
            QStringLiteral("page.htm;jsessionid=1"));
        QCOMPARE(read.design.properties().field(0, frameset::FrameName).text(),
            QStringLiteral("\"main\""));
        QCOMPARE(read.design.properties().field(1, frameset::SourceUrl).text(),
            QStringLiteral("say \"hi\".htm"));
        QCOMPARE(frameset::writeSpecFile(read.design), bytes);
    }

    void readsOlderCharacterSets()
    {
        QStringList lines = validLines();
        lines[9] = QStringLiteral("caf\u00e9.htm;Men\u00fc;;;;;1A;;;;;");
        QByteArray bytes = crlf(lines);
        const QByteArray utf8 = bytes;
        bytes.replace("caf\xc3\xa9", "caf\xe9").replace("Men\xc3\xbc", "Men\x80");
        const auto read = frameset::readSpecFile(bytes);
        QCOMPARE(read.status, SpecFileStatus::Valid);
        QCOMPARE(read.design.properties().field(0, frameset::SourceUrl).text(),
            QStringLiteral("caf\u00e9.htm"));
        QCOMPARE(read.design.properties().field(0, frameset::FrameName).text(),
            QStringLiteral("Men\u20ac"));
        QCOMPARE(
            frameset::readSpecFile(utf8).design.properties().field(0, frameset::FrameName).text(),
            QStringLiteral("Men\u00fc"));
    }

    void invalidFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<frameset::SpecFileStatus>("status");
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
        QTest::newRow("valid") << crlf(valid) << SpecFileStatus::Valid;
        QTest::newRow("valid without final break")
            << crlf(valid).chopped(2) << SpecFileStatus::Valid;
        QTest::newRow("LF line ends") << crlf(valid).replace("\r\n", "\n") << SpecFileStatus::Valid;
        QTest::newRow("no first separator") << without(4) << SpecFileStatus::Invalid;
        QTest::newRow("no second separator") << without(8) << SpecFileStatus::Invalid;
        QTest::newRow("bad number")
            << changed(5, "0;450;4500x;6000;1;4245;450;6000;-1;") << SpecFileStatus::Invalid;
        QTest::newRow("empty number")
            << changed(5, "0;;4500;6000;1;4245;450;6000;-1;") << SpecFileStatus::Invalid;
        QTest::newRow("huge number")
            << changed(5, "0;450;1e30;6000;1;4245;450;6000;-1;") << SpecFileStatus::Invalid;
        QTest::newRow("short cell line")
            << changed(5, "0;450;4500;6000;1;4245;450;6000;-1") << SpecFileStatus::Invalid;
        QTest::newRow("bad path") << changed(5, "0;450;4500;6000;1x;4245;450;6000;-1;")
                                  << SpecFileStatus::Invalid;
        QTest::newRow("negative width")
            << changed(5, "0;450;-4500;6000;1;4245;450;6000;-1;") << SpecFileStatus::Invalid;
        QTest::newRow("short property line") << changed(9, ";;;;;;;;;;") << SpecFileStatus::Invalid;
        QTest::newRow("bad borders") << changed(60, "yes") << SpecFileStatus::Invalid;
        QTest::newRow("no borders line") << without(60) << SpecFileStatus::Invalid;
        QTest::newRow("truncated") << crlf(valid.mid(0, 30)) << SpecFileStatus::Invalid;
        QTest::newRow("no cells") << crlf(valid.mid(0, 5) + valid.mid(7))
                                  << SpecFileStatus::Invalid;
        QTest::newRow("empty file") << QByteArray() << SpecFileStatus::Invalid;
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(5);
        for (char &byte : garbage)
            byte = char(random.bounded(256));
        QTest::newRow("binary garbage") << garbage << SpecFileStatus::Invalid;
        QStringList many = valid.mid(0, 5);
        for (int i = 0; i < 101; ++i)
            many.append(QStringLiteral("0;450;90;60;1;0;0;0;0;"));
        QTest::newRow("101 cells") << crlf(many + valid.mid(7)) << SpecFileStatus::Invalid;
        QStringList extra = valid;
        for (int i = 0; i < 50; ++i)
            extra.append(neverEdited(1));
        QTest::newRow("records beyond 99") << crlf(extra) << SpecFileStatus::Invalid;
        QTest::newRow("999 lines without separator")
            << crlf(QStringList(999, QStringLiteral("text"))) << SpecFileStatus::Invalid;
        QTest::newRow("1001 lines without separator")
            << crlf(QStringList(1001, QStringLiteral("text"))) << SpecFileStatus::TooLong;
    }
    void invalidFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(frameset::SpecFileStatus, status);
        const frameset::SpecFileReadResult read = frameset::readSpecFile(bytes);
        QCOMPARE(read.status, status);
        if (status != SpecFileStatus::Valid)
            QVERIFY(read.design == frameset::Design());
    }

    void bordersLine()
    {
        QStringList lines = validLines();
        lines.last() = QStringLiteral("0");
        QVERIFY(!frameset::readSpecFile(crlf(lines)).design.bordersOn());
        lines.last() = QStringLiteral(" 1 ");
        QVERIFY(frameset::readSpecFile(crlf(lines)).design.bordersOn());
    }

    void savesAndLoadsFiles()
    {
        QTemporaryDir dir;
        ModelFixture f;
        buildEditedDesign(f);
        const QString path = dir.filePath(QStringLiteral("site.spc"));
        QVERIFY(frameset::saveSpecFile(path, f.model.design()).isEmpty());
        const auto read = frameset::loadSpecFile(path);
        QCOMPARE(read.status, SpecFileStatus::Valid);
        QCOMPARE(read.design.cells(), f.model.design().cells());
        QCOMPARE(frameset::loadSpecFile(dir.filePath(QStringLiteral("missing.spc"))).status,
            SpecFileStatus::Invalid);
        QCOMPARE(frameset::loadSpecFile(dir.path()).status, SpecFileStatus::Invalid);
        QVERIFY(!frameset::saveSpecFile(
            dir.filePath(QStringLiteral("no/such/site.spc")), f.model.design())
                     .isEmpty());
    }

    void messages()
    {
        QCOMPARE(frameset::invalidFileMessage(QStringLiteral("/home/Web/site.spc")),
            QStringLiteral("/home/Web/site.spc file is not a valid Panecraft file."));
        QCOMPARE(frameset::htmlFileRefusedMessage(),
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
        QCOMPARE(frameset::specNumber(value), text);
    }
};

QTEST_APPLESS_MAIN(TestSpecFile)
#include "tst_specfile.moc"

#include "cli/commandline.h"
#include "filecontents.h"
#include "giftestdata.h"
#include "platform/imaging/imagecomponent.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readAll;

// Single runs of `trellis transparent` and `trellis opaque` are cases under
// tests/cases/transparent/. Here: a batch of many pictures against single runs, and PNG output,
// whose resolution chunk follows the screen the process runs on, so it has no fixed bytes.
namespace {

// A 10 x 6 picture of 4 colors: background index 0 (or a checkerboard of 1 and 2) with a
// 2 x 2 box of index 3.
QImage fourColours(bool dithered)
{
    return giftesting::boxPicture(QSize(10, 6),
        {qRgb(0, 128, 255), qRgb(200, 10, 10), qRgb(190, 20, 20), qRgb(250, 250, 0)},
        dithered ? 1 : 0, dithered ? 2 : 0, QRect(4, 2, 2, 2), 3);
}

struct Run
{
    int code;
    QString out;
    QString err;
};

// Runs `trellis transparent ARGS...`.
Run transparent(const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = cli::runCommandLine(
        QStringList{QStringLiteral("transparent")} + args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

} // namespace

class TestGifToolCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    // Fifty pictures, every tenth one unreadable: the good ones come out exactly as single runs
    // make them, each bad one is named, and the run fails.
    void aBatchWritesWhatSingleRunsWrite_data()
    {
        QTest::addColumn<bool>("png");
        QTest::newRow("gif") << false;
        QTest::newRow("png") << true;
    }

    void aBatchWritesWhatSingleRunsWrite()
    {
        QFETCH(bool, png);
        const QString in = path(QStringLiteral("batch-in"));
        const QString outFolder
            = path(png ? QStringLiteral("batch-png") : QStringLiteral("batch-gif"));
        const QString single = path(QStringLiteral("single"));
        QVERIFY(QDir().mkpath(in) && QDir().mkpath(single));
        QStringList images;
        QStringList bad;
        for (int i = 0; i < 50; ++i) {
            const QString name = QStringLiteral("%1/picture%2.%3")
                                     .arg(in)
                                     .arg(i, 2, 10, QLatin1Char('0'))
                                     .arg(i % 3 == 0 ? "gif" : "bmp");
            if (i % 10 == 7) {
                QVERIFY(testsupport::writeAll(name, "not a picture at all"));
                bad << name;
            } else {
                QImage picture = fourColours(i % 2 == 1);
                picture.setColor(3, qRgb(250, 250 - i, i * 5));
                platform::ImageComponent component;
                component.setPicture(picture);
                QVERIFY(component.save(name));
            }
            images << name;
        }
        QStringList args = images;
        args << QStringLiteral("-d") << outFolder << QStringLiteral("--corner")
             << QStringLiteral("--recolor") << QStringLiteral("white");
        if (png)
            args << QStringLiteral("--png");
        const Run result = transparent(args);
        QCOMPARE(result.code, 1);
        QVERIFY(!result.err.contains(u'\r')); // no progress line where no terminal is
        for (const QString &name : bad)
            QVERIFY2(result.err.contains(QStringLiteral("trellis transparent: ") + name + ": "),
                qPrintable(result.err));
        QVERIFY(result.err.contains(QStringLiteral("5 of 50 pictures failed")));

        for (const QString &image : images) {
            const QString base = QFileInfo(image).completeBaseName();
            const QString written = outFolder + u'/' + base + (png ? ".png" : ".gif");
            if (bad.contains(image)) {
                QVERIFY(!QFile::exists(written));
                continue;
            }
            const QString alone = single + u'/' + base + (png ? ".png" : ".gif");
            QCOMPARE(transparent({image, QStringLiteral("-o"), alone, QStringLiteral("--corner"),
                                     QStringLiteral("--recolor"), QStringLiteral("white")})
                         .code,
                0);
            QVERIFY2(readAll(written) == readAll(alone), qPrintable(written));
            QVERIFY(result.out.contains(written + QStringLiteral(": palette index")));
        }
    }

    void pngOutput_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("colourType");
        QTest::newRow("palette") << QStringList() << 3;
        QTest::newRow("full colour") << QStringList{"--full-colour"} << 6;
    }

    void pngOutput()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, colourType);
        const QString in = giftesting::dataFile(QStringLiteral("plain.gif"));
        const QString out = path(QStringLiteral("plain.png"));
        const Run result = transparent(QStringList{in, QStringLiteral("-o"), out,
                                           QStringLiteral("--at"), QStringLiteral("0,0")}
            + extra);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, out + QStringLiteral(": palette index 0 is transparent.\n"));
        QCOMPARE(int(uchar(readAll(out).at(25))), colourType);
        const QImage read(out);
        QVERIFY(qAlpha(read.pixel(0, 0)) == 0 && read.pixel(4, 2) == qRgb(250, 250, 0));
    }
};

TRELLIS_TEST(TestGifToolCommands)
#include "tst_giftoolcommands.moc"

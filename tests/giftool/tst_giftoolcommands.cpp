#include "animationfiles.h"
#include "animationfixtures.h"
#include "cli/commandline.h"
#include "enclosedscene.h"
#include "filecontents.h"
#include "gifdecoders.h"
#include "giftestdata.h"
#include "giftool/core/gifdocument.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readAll;

using platform::MessageAnswer;

namespace {

// A 10 x 6 picture of 4 colors: background index 0 (or a checkerboard of 1 and 2) with a
// 2 x 2 box of index 3.
QImage fourColors(bool dithered)
{
    QImage picture(10, 6, QImage::Format_Indexed8);
    picture.setColorTable(
        {qRgb(0, 128, 255), qRgb(200, 10, 10), qRgb(190, 20, 20), qRgb(250, 250, 0)});
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool box = x >= 4 && x <= 5 && y >= 2 && y <= 3;
            picture.setPixel(x, y, box ? 3 : dithered ? 1 + (x + y) % 2 : 0);
        }
    }
    return picture;
}

struct Run
{
    int code;
    QString out;
    QString err;
};

// Runs `trellis COMMAND ARGS...`.
Run run(const char *command, const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code
        = cli::runCommandLine(QStringList{QLatin1String(command)} + args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

} // namespace

class TestGifToolCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_plain;
    QString m_dithered;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        m_plain = path(QStringLiteral("plain.gif"));
        m_dithered = path(QStringLiteral("dithered.gif"));
        QVERIFY(giftesting::writeGif(m_plain, fourColors(false), 8, 0));
        QVERIFY(giftesting::writeGif(m_dithered, fourColors(true), 8, 0));
    }

    void sameBytesAsTheWindow_data()
    {
        QTest::addColumn<bool>("dithered");
        QTest::addColumn<QString>("recolor");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("transparent");
        QTest::newRow("uniform") << false << QString() << -1 << 0;
        QTest::newRow("uniform, black")
            << false << "black" << int(giftool::ConversionButton::Black) << 0;
        // A uniform background has no other neighbour color: nothing to recolor.
        QTest::newRow("uniform, neighbour") << false << "neighbour" << -1 << 0;
        QTest::newRow("two-tone, neighbour")
            << true << "neighbour" << int(giftool::ConversionButton::Neighbour) << 2;
        QTest::newRow("two-tone, white")
            << true << "white" << int(giftool::ConversionButton::White) << 1;
        QTest::newRow("two-tone, grey")
            << true << "grey" << int(giftool::ConversionButton::Grey) << 1;
    }
    void sameBytesAsTheWindow()
    {
        QFETCH(bool, dithered);
        QFETCH(QString, recolor);
        QFETCH(int, button);
        QFETCH(int, transparent);
        const QString image = dithered ? m_dithered : m_plain;

        // The window: a click at pixel 2,0, the conversion, the second click, Save As.
        QTemporaryDir work;
        giftool::GifDocument window(giftool::WorkingFiles::in(work.path()));
        QCOMPARE(window.openImage(image).outcome, giftool::OpenOutcome::Opened);
        testsupport::ScriptedPrompter prompter;
        prompter.answer(dithered ? MessageAnswer::Ok : MessageAnswer::No);
        window.selection().selectBackground(30, 0, prompter);
        if (button >= 0) {
            prompter.answer(MessageAnswer::Ok);
            QVERIFY(
                window.selection().convertBackground(giftool::ConversionButton(button), prompter));
            prompter.answer(MessageAnswer::No);
            QCOMPARE(window.selection().selectBackground(30, 0, prompter),
                giftool::SelectOutcome::Selected);
        }
        const QImage picture = window.selection().picture();
        const QString fromWindow = path(QStringLiteral("window.gif"));
        QVERIFY(window.saveTransparentGif(fromWindow).saved);

        const QString out = path(QStringLiteral("cli.gif"));
        QStringList args{
            image, QStringLiteral("-o"), out, QStringLiteral("--at"), QStringLiteral("2,0")};
        if (!recolor.isEmpty())
            args << QStringLiteral("--recolor") << recolor;
        const Run result = run("transparent", args);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out,
            out + QStringLiteral(": palette index %1 is transparent.\n").arg(transparent));
        QCOMPARE(readAll(out), readAll(fromWindow));
        giftesting::verifyDecoders(out, picture, transparent);
    }

    void twoColorsNeedRecolor()
    {
        const QString out = path(QStringLiteral("refused.gif"));
        const Run result = run("transparent",
            {m_dithered, QStringLiteral("-o"), out, QStringLiteral("--at"), QStringLiteral("0,0")});
        QCOMPARE(result.code, 1);
        QCOMPARE(result.err,
            QStringLiteral("trellis transparent: the background at 0,0 has two colors (palette "
                           "indexes 1 and 2); add --recolor white, grey, black or neighbour to "
                           "make it one\n"));
        QVERIFY(!QFile::exists(out));
    }

    void pointsWithoutANeighbour_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("message");
        QTest::newRow("last column") << "9,1"
                                     << "9,1 is in the last column";
        QTest::newRow("outside") << "10,1"
                                 << "10,1 lies outside the 10 x 6 image";
        QTest::newRow("below") << "0,6"
                               << "0,6 lies outside the 10 x 6 image";
    }
    void pointsWithoutANeighbour()
    {
        QFETCH(QString, at);
        QFETCH(QString, message);
        const QString out = path(QStringLiteral("edge.gif"));
        const Run result = run("transparent",
            {m_plain, QStringLiteral("-o"), out, QStringLiteral("--at"), at, "--recolor", "white"});
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(out));
    }

    void byIndex_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QRgb>("color");
        QTest::newRow("as it is") << QStringList() << qRgb(250, 250, 0);
        QTest::newRow("recolored white") << QStringList{QStringLiteral("--recolor"),
            QStringLiteral("white")} << qRgb(255, 255, 255);
    }
    void byIndex()
    {
        QFETCH(QStringList, extra);
        QFETCH(QRgb, color);
        const QString out = path(QStringLiteral("index.gif"));
        const Run result = run("transparent",
            QStringList{
                m_plain, QStringLiteral("-o"), out, QStringLiteral("--index"), QStringLiteral("3")}
                + extra);
        QCOMPARE(result.code, 0);
        const QByteArray gif = readAll(out);
        QCOMPARE(gif[11], char(3));
        QCOMPARE(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x03\x00", 8));
        QCOMPARE(gif.mid(13 + 9, 3),
            QByteArray() + char(qRed(color)) + char(qGreen(color)) + char(qBlue(color)));
    }

    void unreadableInput()
    {
        const QString out = path(QStringLiteral("x.gif"));
        const Run result = run("transparent",
            {path(QStringLiteral("missing.bmp")), QStringLiteral("-o"), out,
                QStringLiteral("--index"), QStringLiteral("0")});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.startsWith(QStringLiteral("trellis transparent: ")));
        QVERIFY(result.err.contains(QStringLiteral("missing.bmp")));
        QVERIFY(!QFile::exists(out));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        const QString img = QStringLiteral("in.gif");
        const QString o = QStringLiteral("-o");
        const QString out = QStringLiteral("out.gif");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("no output") << QStringList{img, "--at", "1,1"};
        QTest::newRow("no point") << QStringList{img, o, out};
        QTest::newRow("both") << QStringList{img, o, out, "--at", "1,1", "--index", "2"};
        QTest::newRow("one number") << QStringList{img, o, out, "--at", "3"};
        QTest::newRow("letters") << QStringList{img, o, out, "--at", "a,b"};
        QTest::newRow("negative") << QStringList{img, o, out, "--at", "-1,2"};
        QTest::newRow("index 256") << QStringList{img, o, out, "--index", "256"};
        QTest::newRow("pink") << QStringList{img, o, out, "--index", "2", "--recolor", "pink"};
        QTest::newRow("neighbour of an index")
            << QStringList{img, o, out, "--index", "2", "--recolor", "neighbour"};
        QTest::newRow("not a gif output") << QStringList{img, o, "out.bmp", "--index", "2"};
        QTest::newRow("unknown option") << QStringList{img, o, out, "--index", "2", "--fast"};
        QTest::newRow("two images") << QStringList{img, img, o, out, "--index", "2"};
        QTest::newRow("value missing") << QStringList{img, o, out, "--index"};
        QTest::newRow("full colour to a gif")
            << QStringList{img, o, out, "--index", "2", "--full-colour"};
        QTest::newRow("connected by index")
            << QStringList{img, o, out, "--index", "2", "--connected"};
        QTest::newRow("corner and point") << QStringList{img, o, out, "--corner", "--at", "1,1"};
        QTest::newRow("png with -o") << QStringList{img, o, out, "--corner", "--png"};
        QTest::newRow("-o and -d") << QStringList{img, o, out, "-d", "dir", "--corner"};
        QTest::newRow("batch full colour without png")
            << QStringList{img, img, "-d", "dir", "--corner", "--full-colour"};
        QTest::newRow("batch without images") << QStringList{"-d", "dir", "--corner"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run result = run("transparent", args);
        QCOMPARE(result.code, 2);
        QVERIFY(result.err.startsWith(QStringLiteral("trellis transparent: ")));
        QVERIFY(result.err.contains(QStringLiteral("Usage: trellis transparent")));
        QCOMPARE(result.out, QString());
    }

    void animationsKeepEveryFrame()
    {
        const QString anim = path(QStringLiteral("anim.gif"));
        QVERIFY(giftesting::writeAnimationWithGiflib(anim, giftesting::fourFrames()));
        const QString out = path(QStringLiteral("anim-out.gif"));
        const Run result = run("transparent",
            {anim, QStringLiteral("-o"), out, QStringLiteral("--at"), QStringLiteral("1,1")});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out,
            out
                + QStringLiteral(": palette index 0 is transparent; its color is clear in 3 of 4 "
                                 "frames.\n"));
        QCOMPARE(giftesting::readAnimationWithGiflib(out).frames.size(), 4);

        // Opaque switches every frame off again.
        QCOMPARE(run("opaque", {out}).code, 0);
        for (const platform::GifFrame &frame : giftesting::readAnimationWithGiflib(out).frames)
            QCOMPARE(frame.transparentIndex, -1);
    }

    void aDamagedAnimationWritesNothing()
    {
        const QString anim = path(QStringLiteral("cut.gif"));
        QVERIFY(giftesting::writeAnimationWithGiflib(anim, giftesting::fourFrames()));
        QFile file(anim);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() - 20)); // into the last frame's pixels
        file.close();
        const QString out = path(QStringLiteral("cut-out.gif"));
        const Run result = run("transparent",
            {anim, QStringLiteral("-o"), out, QStringLiteral("--index"), QStringLiteral("0")});
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains(QStringLiteral("cut.gif: Frame 4: ")), qPrintable(result.err));
        QVERIFY(!QFile::exists(out));
    }

    void connectedKeepsTheEnclosedPartsOpaque()
    {
        const QString scene = path(QStringLiteral("eye.bmp"));
        QVERIFY(giftesting::enclosedScene().save(scene));
        const QString out = path(QStringLiteral("eye.gif"));
        const Run result = run("transparent",
            {scene, QStringLiteral("-o"), out, QStringLiteral("--corner"),
                QStringLiteral("--connected")});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.code, 0);
        const QImage read = QImage(out).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(read.pixel(0, 0)), 0);
        QCOMPARE(read.pixel(12, 19), giftesting::SceneCream); // the highlight in the pupil
        QCOMPARE(read.pixel(33, 20), giftesting::SceneCream); // the hole of the O
    }

    void aFullPaletteReportsTheMerge()
    {
        const QString scene = path(QStringLiteral("full.bmp"));
        QVERIFY(giftesting::enclosedScene(true).save(scene));
        const QString out = path(QStringLiteral("full.gif"));
        const Run result = run("transparent",
            {scene, QStringLiteral("-o"), out, QStringLiteral("--corner"),
                QStringLiteral("--connected")});
        QCOMPARE(result.code, 0);
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1],
            out
                + QStringLiteral(": the palette was full: merged entries 200 into 201 to keep the "
                                 "enclosed parts apart; largest color change 1.0"));
    }

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
                QFile broken(name);
                QVERIFY(broken.open(QIODevice::WriteOnly));
                broken.write("not a picture at all");
                bad << name;
            } else {
                QImage picture = fourColors(i % 2 == 1);
                picture.setColor(3, qRgb(250, 250 - i, i * 5));
                QVERIFY(
                    i % 3 == 0 ? giftesting::writeGif(name, picture, 8, 0) : picture.save(name));
            }
            images << name;
        }
        QStringList args = images;
        args << QStringLiteral("-d") << outFolder << QStringLiteral("--corner")
             << QStringLiteral("--recolor") << QStringLiteral("white");
        if (png)
            args << QStringLiteral("--png");
        const Run result = run("transparent", args);
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
            QCOMPARE(run("transparent",
                         {image, QStringLiteral("-o"), alone, QStringLiteral("--corner"),
                             QStringLiteral("--recolor"), QStringLiteral("white")})
                         .code,
                0);
            QVERIFY2(readAll(written) == readAll(alone), qPrintable(written));
            QVERIFY(result.out.contains(written + QStringLiteral(": palette index")));
        }
    }

    void aBatchRefusesTwoPicturesOfOneName()
    {
        const QString bmp = path(QStringLiteral("twin.bmp"));
        const QString gif = path(QStringLiteral("twin.gif"));
        QVERIFY(fourColors(false).save(bmp));
        QVERIFY(giftesting::writeGif(gif, fourColors(false), 8, 0));
        const QString outFolder = path(QStringLiteral("twins"));
        const Run result = run("transparent",
            {bmp, gif, QStringLiteral("-d"), outFolder, QStringLiteral("--index"), "0"});
        QCOMPARE(result.code, 1);
        QVERIFY(
            result.err.contains(gif + QStringLiteral(": an earlier picture is also saved as ")));
        QVERIFY(QFile::exists(outFolder + QStringLiteral("/twin.gif")));
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
        const QString out = path(QStringLiteral("plain.png"));
        const Run result = run("transparent",
            QStringList{
                m_plain, QStringLiteral("-o"), out, QStringLiteral("--at"), QStringLiteral("0,0")}
                + extra);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, out + QStringLiteral(": palette index 0 is transparent.\n"));
        const QByteArray png = readAll(out);
        QCOMPARE(int(uchar(png.at(25))), colourType);
        const QImage read(out);
        QCOMPARE(qAlpha(read.pixel(0, 0)), 0);
        QCOMPARE(read.pixel(4, 2), qRgb(250, 250, 0));
    }

    void anAnimationSavedAsPngSaysItKeptOneFrame()
    {
        const QString anim = path(QStringLiteral("anim2.gif"));
        QVERIFY(giftesting::writeAnimationWithGiflib(anim, giftesting::fourFrames()));
        const QString out = path(QStringLiteral("anim2.png"));
        const Run result = run("transparent",
            {anim, QStringLiteral("-o"), out, QStringLiteral("--index"), QStringLiteral("0")});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out,
            out
                + QStringLiteral(": palette index 0 is transparent; only the first of 4 frames "
                                 "was saved.\n"));
    }

    void opaque_data()
    {
        QTest::addColumn<int>("packed");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("after");
        QTest::newRow("transparent") << 1 << 0 << 0;
        QTest::newRow("not transparent") << 0 << 0 << 0;
        QTest::newRow("other flags") << 5 << 0 << 5;
    }
    void opaque()
    {
        QFETCH(int, packed);
        QFETCH(int, code);
        QFETCH(int, after);
        const QString out = path(QStringLiteral("opaque.gif"));
        QFile::remove(out);
        QCOMPARE(
            run("transparent", {m_plain, QStringLiteral("-o"), out, QStringLiteral("--index"), "0"})
                .code,
            0);
        QByteArray gif = readAll(out);
        gif[784] = char(packed);
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(gif);
        file.close();

        const Run result = run("opaque", {out});
        QCOMPARE(result.code, code);
        QCOMPARE(result.err, QString());
        QVERIFY(result.out.startsWith(out + QStringLiteral(": ")));
        QByteArray expected = gif;
        expected[784] = char(after);
        QCOMPARE(readAll(out), expected);
    }

    void opaqueRefusesOtherFiles()
    {
        const QByteArray plain = readAll(m_plain);
        Run result = run("opaque", {m_plain});
        QCOMPARE(result.code, 1);
        QCOMPARE(result.err, QStringLiteral("The image is not a version 89a or it is corrupt.\n"));
        QCOMPARE(readAll(m_plain), plain);

        result = run("opaque", {path(QStringLiteral("missing.gif"))});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.startsWith(QStringLiteral("trellis opaque: ")));

        QCOMPARE(run("opaque", {}).code, 2);
        QCOMPARE(run("opaque", {m_plain, m_plain}).code, 2);
        QCOMPARE(run("opaque", {QStringLiteral("--now")}).code, 2);
        QCOMPARE(run("opaque", {QStringLiteral("--help")}).code, 0);
    }
};

TRELLIS_TEST(TestGifToolCommands)
#include "tst_giftoolcommands.moc"

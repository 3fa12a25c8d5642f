#include "cli/commandline.h"
#include "testmain.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray HandWritten
    = "<html><body><!-- <map name=old></map> -->\n"
      "<img src='pics/photo.png' usemap=\"#nav\" width=200>\n"
      "<map name=nav><area shape=rect coords=\"10, 20, 110 70\" href=a.htm alt=\"A &amp; B\">\n"
      "<area shape=poly coords=50,10,90,60,10,60 href=b.htm target=main>\n"
      "<area shape=circ coords=150,100,25 href=c.htm><area shape=default nohref></map>";

const QString ClassicLines
    = "<IMG SRC=\"pics/photo.png\" BORDER=1 USEMAP=\"#photo\">\r\n<MAP NAME=\"photo\">\r\n"
      "<AREA SHAPE=\"RECT\" ALT=\"A & B\" COORDS=\"10,20,110,70\" HREF=\"a.htm\" TARGET=\"\">\r\n"
      "<AREA SHAPE=\"POLYGON\" ALT=\"\" COORDS=\"50,10,90,60,10,60,50,10\" HREF=\"b.htm\" "
      "TARGET=\"main\">\r\n"
      "<AREA SHAPE=\"CIRCLE\" ALT=\"\" COORDS=\"150,100,25\" HREF=\"c.htm\" TARGET=\"\">\r\n"
      "<AREA SHAPE=\"DEFAULT\" NOHREF>\r\n</MAP>\r\n";

const QString SvgLines
    = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 200 150\" width=\"100%\">\r\n"
      "<image href=\"pics/photo.png\" width=\"200\" height=\"150\"/>\r\n"
      "<a href=\"c.htm\"><circle cx=\"150\" cy=\"100\" r=\"25\" fill=\"#fff\" fill-opacity=\"0\" "
      "stroke=\"none\"/></a>\r\n"
      "<a href=\"b.htm\" target=\"main\"><polygon points=\"50,10 90,60 10,60\" fill=\"#fff\" "
      "fill-opacity=\"0\" stroke=\"none\"/></a>\r\n"
      "<a href=\"a.htm\"><title>A &amp; B</title><rect x=\"10\" y=\"20\" width=\"100\" "
      "height=\"50\" fill=\"#fff\" fill-opacity=\"0\" stroke=\"none\"/></a>\r\n</svg>\r\n";

} // namespace

// `trellis imagemap`: converting a page's map to the IMG/MAP lines or to the SVG form.
class TestImageMapCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("pics"));
        QImage picture(200, 150, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        QVERIFY(picture.save(dir.filePath("pics/photo.png")));
        QVERIFY(!write("page.htm", HandWritten).isEmpty());
        QVERIFY(!write("lost.htm", QByteArray(HandWritten).replace("pics/", "gone/")).isEmpty());
        QVERIFY(!write("bad.htm", "<map><area shape=oval href=x.htm></map>").isEmpty());
        QVERIFY(!write("nopicture.htm", "<map><area coords=1,2,3,4 href=x.htm></map>").isEmpty());
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString page = dir.filePath("page.htm");
        QTest::newRow("classic") << QStringList{"imagemap", page} << 0 << ClassicLines << "";
        QTest::newRow("svg") << QStringList{"imagemap", "--svg", page} << 0 << SvgLines << "";
        QTest::newRow("refused") << QStringList{"imagemap", dir.filePath("bad.htm")} << 1 << ""
                                 << "trellis imagemap: " + dir.filePath("bad.htm")
                + ": Cannot open the map: area 1 (HREF \"x.htm\"): the unknown shape \"oval\".\n";
        QTest::newRow("no picture")
            << QStringList{"imagemap", dir.filePath("nopicture.htm")} << 1 << ""
            << "trellis imagemap: " + dir.filePath("nopicture.htm")
                + ": Cannot open the map: no IMG on the page uses it, so its picture is "
                  "unknown.\n";
        // The IMG lines name the picture as the page does, found or not; the SVG needs its size.
        QTest::newRow("classic, picture missing")
            << QStringList{"imagemap", dir.filePath("lost.htm")} << 0
            << QString(ClassicLines).replace("pics/", "gone/") << "";
        QTest::newRow("svg, picture missing")
            << QStringList{"imagemap", dir.filePath("lost.htm"), "--svg"} << 1 << ""
            << "trellis imagemap: " + dir.filePath("lost.htm")
                + ": the picture \"gone/photo.png\" cannot be read (";
        QTest::newRow("no such page")
            << QStringList{"imagemap", dir.filePath("none.htm")} << 1 << ""
            << "trellis imagemap: " + dir.filePath("none.htm") + ": Cannot open the map: \"";
        QTest::newRow("no page") << QStringList{"imagemap", "--svg"} << 2 << ""
                                 << "usage: trellis imagemap PAGE.htm [--svg] [-o OUT]\n";
        QTest::newRow("two pages") << QStringList{"imagemap", page, page} << 2 << ""
                                   << "trellis imagemap: only one page can be given\n";
        QTest::newRow("unknown option") << QStringList{"imagemap", page, "--png"} << 2 << ""
                                        << "trellis imagemap: unknown option '--png'\n";
        QTest::newRow("-o without file") << QStringList{"imagemap", page, "-o"} << 2 << ""
                                         << "trellis imagemap: -o needs one output file\n";
    }
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(cli::runCommandLine(arguments, outStream, errStream), exitCode);
        outStream.flush();
        errStream.flush();
        QCOMPARE(outText, out);
        QVERIFY2(err.isEmpty() ? errText.isEmpty() : errText.startsWith(err), qPrintable(errText));
    }

    void outputFile()
    {
        const QString target = dir.filePath("out.svg");
        QVERIFY(!write("out.svg", "old").isEmpty());
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(cli::runCommandLine({"imagemap", dir.filePath("page.htm"), "--svg", "-o", target},
                     outStream, errStream),
            0);
        QVERIFY(outText.isEmpty() && errText.isEmpty());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), SvgLines);
        // A failed write leaves no file behind and says why.
        QCOMPARE(cli::runCommandLine({"imagemap", dir.filePath("page.htm"), "-o",
                                         dir.filePath("no folder/out.htm")},
                     outStream, errStream),
            1);
        errStream.flush();
        QVERIFY(errText.startsWith("trellis imagemap: " + dir.filePath("no folder/out.htm")));
    }
};

TRELLIS_TEST(TestImageMapCommand)
#include "tst_imagemapcommand.moc"

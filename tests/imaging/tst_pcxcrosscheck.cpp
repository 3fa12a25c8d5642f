// Checks our PCX files against two independent implementations, netpbm and ImageMagick, in
// both directions. Skipped where those programs are not installed.

#include "filecontents.h"
#include "imagefixtures.h"
#include "platform/imaging/imagecomponent.h"
#include "testmain.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using platform::ImageComponent;

namespace {

const QString PcxToPpm = QStringLiteral("/usr/bin/pcxtoppm");
const QString PpmToPcx = QStringLiteral("/usr/bin/ppmtopcx");
const QString ImageMagick = QStringLiteral("/usr/bin/convert");

// Runs a program and returns what it printed; nothing when it failed.
std::optional<QByteArray> run(
    const QString &program, const QStringList &arguments, const QString &input = {})
{
    QProcess process;
    if (!input.isEmpty())
        process.setStandardInputFile(input);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

QImage fromPpm(const std::optional<QByteArray> &ppm)
{
    return ppm ? QImage::fromData(*ppm, "PPM").convertToFormat(QImage::Format_RGB32) : QImage();
}

void requireTools(const QStringList &tools)
{
    for (const QString &tool : tools)
        if (!QFile::exists(tool))
            QSKIP(qPrintable(tool
                + QStringLiteral(" is not installed (Debian packages netpbm "
                                 "and imagemagick); cross-check skipped.")));
}

QImage photoIn256Colours()
{
    ImageComponent component;
    component.load(fixtures::dataFile(QStringLiteral("chelsea.png")));
    component.setColours256();
    return component.image();
}

} // namespace

class TestPcxCrossCheck : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void othersReadOurFiles_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("16 colours, odd width") << fixtures::indexedPattern(37, 21, 16);
        QTest::newRow("256 colours") << fixtures::indexedPattern(300, 40, 256);
        QTest::newRow("photograph in 256 colours") << photoIn256Colours();
    }
    void othersReadOurFiles()
    {
        requireTools({PcxToPpm, ImageMagick});
        QFETCH(QImage, image);
        QVERIFY(!image.isNull());
        ImageComponent component;
        component.setPicture(image);
        const QString pcx = path(QStringLiteral("ours.pcx"));
        QVERIFY(component.save(pcx));
        const QImage expected = component.picture();
        QCOMPARE(fromPpm(run(PcxToPpm, {pcx})), expected);
        QCOMPARE(fromPpm(run(ImageMagick, {pcx, QStringLiteral("ppm:-")})), expected);
    }

    void weReadImageMagicksFiles_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("colours");
        QTest::newRow("true colour") << QStringList{} << ImageComponent::TrueColourCount;
        QTest::newRow("palette") << QStringList{QStringLiteral("-colors"), QStringLiteral("200")}
                                 << 256;
        QTest::newRow("16 colours, no dithering") << QStringList{QStringLiteral("+dither"),
            QStringLiteral("-colors"), QStringLiteral("16")}
                                                  << 256;
    }
    void weReadImageMagicksFiles()
    {
        requireTools({ImageMagick});
        QFETCH(QStringList, options);
        QFETCH(int, colours);
        const QString source = path(QStringLiteral("source.ppm"));
        QVERIFY(fixtures::gradient(45, 31).save(source, "PPM"));
        const QString pcx = path(QStringLiteral("magick.pcx"));
        QVERIFY(run(ImageMagick, QStringList{source} + options + QStringList{pcx}));
        ImageComponent component;
        QVERIFY2(component.load(pcx), qPrintable(component.errorString()));
        QCOMPARE(component.colourCount(), colours);
        QCOMPARE(component.picture(), fromPpm(run(ImageMagick, {pcx, QStringLiteral("ppm:-")})));
    }

    void weReadNetpbmsFiles_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("expectedCount");
        QTest::newRow("2 colours") << 2 << QStringList{} << 2;
        QTest::newRow("4 colours") << 4 << QStringList{} << 4;
        QTest::newRow("16 colours") << 16 << QStringList{} << 16;
        QTest::newRow("16 colours, packed") << 16 << QStringList{QStringLiteral("-packed")} << 16;
        QTest::newRow("200 colours") << 200 << QStringList{} << 256;
        QTest::newRow("24 bits") << 200 << QStringList{QStringLiteral("-24bit")}
                                 << ImageComponent::TrueColourCount;
    }
    void weReadNetpbmsFiles()
    {
        requireTools({PpmToPcx});
        QFETCH(int, colours);
        QFETCH(QStringList, options);
        QFETCH(int, expectedCount);
        const QImage image
            = fixtures::indexedPattern(29, 13, colours).convertToFormat(QImage::Format_RGB32);
        const QString source = path(QStringLiteral("source.ppm"));
        QVERIFY(image.save(source, "PPM"));
        const QString pcx = path(QStringLiteral("netpbm.pcx"));
        const std::optional<QByteArray> written = run(PpmToPcx, options, source);
        QVERIFY(written);
        QVERIFY(testsupport::writeAll(pcx, *written));
        ImageComponent component;
        QVERIFY2(component.load(pcx), qPrintable(component.errorString()));
        QCOMPARE(component.colourCount(), expectedCount);
        QCOMPARE(component.picture(), image);
    }
};

TRELLIS_TEST(TestPcxCrossCheck)
#include "tst_pcxcrosscheck.moc"

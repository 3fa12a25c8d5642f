#include "filecontents.h"
#include "giftool/core/gifdocument.h"
#include "testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readAll;

using namespace giftool;

namespace {

// A photograph-like picture: a flat cream background, a red disc and a bar in 60 shades of
// blue, more colours than the palette would keep if the picture were larger.
QImage discAndBar()
{
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(QColor(236, 228, 200));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QRect(10, 10, 50, 50));
    for (int x = 60; x < 120; ++x)
        painter.fillRect(x, 30, 1, 40, QColor(20, 40 + x, 100 + x));
    return image;
}

// The PNG's pixels as ImageMagick decodes them, as ARGB32; null when it is not installed. (Called
// by its full path: an earlier `convert` on PATH may be something else.)
QImage decodeWithImageMagick(const QString &path, QSize size)
{
    const QString imageMagick = QStringLiteral("/usr/bin/convert");
    if (!QFileInfo(imageMagick).isExecutable())
        return QImage();
    QProcess convert;
    convert.start(imageMagick,
        {QStringLiteral("png:") + path, QStringLiteral("-depth"), QStringLiteral("8"),
            QStringLiteral("rgba:-")});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return QImage();
    const QByteArray rgba = convert.readAllStandardOutput();
    if (rgba.size() != qsizetype(size.width()) * size.height() * 4)
        return QImage();
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const auto *p = reinterpret_cast<const uchar *>(rgba.constData())
                + (qsizetype(y) * size.width() + x) * 4;
            image.setPixel(x, y, qRgba(p[0], p[1], p[2], p[3]));
        }
    }
    return image;
}

// The colour type byte of a PNG's header: 3 for a palette, 6 for RGBA.
int colourType(const QByteArray &png)
{
    return png.size() > 25 ? uchar(png.at(25)) : -1;
}

} // namespace

// A ".png" save makes the background transparent, as a palette PNG by default or as a 32-bit
// PNG of the picture's own colours; Qt's reader and ImageMagick's both check what was written.
class TestTransparentPng : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Opens the scene and picks its background; returns the document and the 256-colour
    // picture as it was before the save.
    std::unique_ptr<GifDocument> openScene(QImage *picture)
    {
        const QString source = path(QStringLiteral("scene.bmp"));
        if (!discAndBar().save(source))
            return nullptr;
        auto document = std::make_unique<GifDocument>(WorkingFiles::in(m_dir.path()));
        if (document->openImage(source).outcome != OpenOutcome::Opened)
            return nullptr;
        *picture = document->selection().picture();
        return document;
    }

    void verifyBothDecoders(const QString &png, const QImage &expected)
    {
        const QImage withQt = QImage(png).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(withQt.size(), expected.size());
        const QImage withMagick = decodeWithImageMagick(png, expected.size());
        QVERIFY2(!withMagick.isNull() || !QFileInfo(QStringLiteral("/usr/bin/convert")).exists(),
            "ImageMagick could not read the PNG");
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb want = expected.pixel(x, y);
                const auto same = [want](QRgb got) {
                    return qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want;
                };
                QVERIFY2(
                    same(withQt.pixel(x, y)), qPrintable(QStringLiteral("Qt %1,%2").arg(x).arg(y)));
                if (!withMagick.isNull())
                    QVERIFY2(same(withMagick.pixel(x, y)),
                        qPrintable(QStringLiteral("ImageMagick %1,%2").arg(x).arg(y)));
            }
        }
    }

private slots:
    void theBackgroundIsClear_data()
    {
        QTest::addColumn<bool>("fullColour");
        QTest::addColumn<int>("type");
        QTest::newRow("palette") << false << 3;
        QTest::newRow("full colour") << true << 6;
    }

    // Every pixel of the background index is clear; every other one keeps its color: the
    // palette's, or the opened picture's own in a full-colour PNG.
    void theBackgroundIsClear()
    {
        QFETCH(bool, fullColour);
        QFETCH(int, type);
        QImage picture;
        auto document = openScene(&picture);
        QVERIFY(document);
        const int background = picture.pixelIndex(0, 0);
        QVERIFY(document->selection().selectIndex(background));
        document->setKeepFullColourInPng(fullColour);
        const QString png = path(QStringLiteral("scene.png"));
        const SaveResult saved = document->saveTransparentGif(png);
        QVERIFY2(saved.saved, qPrintable(saved.error));
        const QByteArray bytes = readAll(png);
        QCOMPARE(colourType(bytes), type);
        QCOMPARE(bytes.contains("tRNS"), !fullColour);

        const QImage original = fullColour ? discAndBar() : picture;
        QImage expected(picture.size(), QImage::Format_ARGB32);
        int clear = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool isBackground = picture.pixelIndex(x, y) == background;
                clear += isBackground;
                expected.setPixel(x, y, isBackground ? 0u : original.pixel(x, y) | ~RGB_MASK);
            }
        }
        QVERIFY(clear > 0);
        verifyBothDecoders(png, expected);
        QCOMPARE(document->selection().instructions(),
            QStringLiteral("The image has been saved as %1. ").arg(png));
    }

    void withoutABackgroundNothingIsClear_data()
    {
        QTest::addColumn<bool>("fullColour");
        QTest::newRow("palette") << false;
        QTest::newRow("full colour") << true;
    }

    void withoutABackgroundNothingIsClear()
    {
        QFETCH(bool, fullColour);
        QImage picture;
        auto document = openScene(&picture);
        QVERIFY(document);
        document->setKeepFullColourInPng(fullColour);
        const QString png = path(QStringLiteral("opaque.png"));
        QVERIFY(document->saveTransparentGif(png).saved);
        QVERIFY(!readAll(png).contains("tRNS"));
        const QImage read = QImage(png).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < read.height(); ++y)
            for (int x = 0; x < read.width(); ++x)
                QCOMPARE(qAlpha(read.pixel(x, y)), 255);
    }
};

TRELLIS_TEST(TestTransparentPng)
#include "tst_transparentpng.moc"

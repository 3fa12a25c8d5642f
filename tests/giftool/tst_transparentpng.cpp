#include "filecontents.h"
#include "giftool/core/gifdocument.h"
#include "testmain.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readAll;

using namespace giftool;

// A ".png" saved before any background is picked keeps every pixel opaque, as a palette PNG or
// as a 32-bit PNG of the picture's own colours. (What a picked background does to a PNG is
// checked on the window, down to what a browser shows.)
class TestTransparentPng : public QObject
{
    Q_OBJECT

private slots:
    void withoutABackgroundNothingIsClear_data()
    {
        QTest::addColumn<bool>("fullColour");
        QTest::newRow("palette") << false;
        QTest::newRow("full colour") << true;
    }

    void withoutABackgroundNothingIsClear()
    {
        QFETCH(bool, fullColour);
        // A flat cream background, a red disc and a bar in 60 shades of blue.
        QImage image(120, 90, QImage::Format_RGB32);
        image.fill(QColor(236, 228, 200));
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 30, 30));
        painter.drawEllipse(QRect(10, 10, 50, 50));
        for (int x = 60; x < 120; ++x)
            painter.fillRect(x, 30, 1, 40, QColor(20, 40 + x, 100 + x));
        painter.end();
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("scene.bmp"));
        QVERIFY(image.save(source));
        GifDocument document(WorkingFiles::in(dir.path()));
        QCOMPARE(document.openImage(source).outcome, OpenOutcome::Opened);
        document.setKeepFullColourInPng(fullColour);
        const QString png = dir.filePath(QStringLiteral("opaque.png"));
        QVERIFY(document.saveTransparentGif(png).saved);
        QVERIFY(!readAll(png).contains("tRNS"));
        const QImage read = QImage(png).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < read.height(); ++y)
            for (int x = 0; x < read.width(); ++x)
                QCOMPARE(qAlpha(read.pixel(x, y)), 255);
    }
};

TRELLIS_TEST(TestTransparentPng)
#include "tst_transparentpng.moc"

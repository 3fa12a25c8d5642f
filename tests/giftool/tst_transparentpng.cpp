#include "filecontents.h"
#include "giftestdata.h"
#include "giftool/core/gifdocument.h"
#include "testmain.h"

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
        // A flat cream background, a red disc and a bar of 2500 colours.
        QTemporaryDir dir;
        GifDocument document(WorkingFiles::in(dir.path()));
        const QString source = giftesting::dataFile(QStringLiteral("scene.png"));
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

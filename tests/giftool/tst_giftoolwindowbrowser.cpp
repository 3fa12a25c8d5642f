#include "animationfiles.h"
#include "filecontents.h"
#include "giftestdata.h"
#include "headlesschromium.h"
#include "testmain.h"
#include "tst_giftoolwindowfixture.h"

using giftesting::GifToolWindowFixture;

namespace {

const QColor PageColour(0, 192, 96);
constexpr QSize ShotSize(240, 180);
// The saved file, shown by a real browser on a page of PageColour at the top left, as a
// screenshot; a null image, with the failure recorded, when the browser cannot show it.
QImage screenshotOf(const GifToolWindowFixture &f, const QString &fileName)
{
    const QString page = f.path(QStringLiteral("page.html"));
    if (!testsupport::writeAll(page,
            QStringLiteral("<!DOCTYPE html>\r\n<html><body style=\"margin:0;background:%1\">"
                           "<img src=\"%2\" style=\"display:block\"></body></html>\r\n")
                .arg(PageColour.name(), fileName)
                .toUtf8()))
        return QImage();
    const testsupport::ChromiumPage shown = testsupport::HeadlessChromium::shared().open(
        page, ShotSize, testsupport::HeadlessChromium::Capture::Screenshot);
    if (!shown.failure.isEmpty())
        qWarning("%s; chromium said: %s", qPrintable(shown.failure), qPrintable(shown.errors));
    return shown.screenshot;
}

} // namespace

// Files saved by the window, shown by a real browser over a colored page: the page shows
// through exactly where the background was, and, with only the connected background, not
// through the white of the eye, the hole of the O or the inside of the frame.
class TestGifToolWindowBrowser : public QObject
{
    Q_OBJECT
private slots:
    void theBackgroundShowsThePage_data()
    {
        // From data/: a true-color scene (a flat cream background, a red disc and a bar of 2500
        // colours, which a palette cannot hold), the four-frame animation with its first frame
        // shown long enough to be the one the screenshot takes, and the enclosed scene.
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("name");
        QTest::newRow("gif") << "scene.png" << QString() << "scene.gif";
        QTest::newRow("palette png") << "scene.png" << QString() << "scene.png";
        QTest::newRow("full-colour png") << "scene.png"
                                         << "mnuFullColourPng"
                                         << "scene.png";
        QTest::newRow("animation") << "fourframes-slow.gif" << QString() << "anim.gif";
        QTest::newRow("connected gif") << "eye.bmp"
                                       << "mnuOnlyConnected"
                                       << "eye.gif";
        QTest::newRow("connected png") << "eye.bmp"
                                       << "mnuOnlyConnected"
                                       << "eye.png";
    }

    void theBackgroundShowsThePage()
    {
        QFETCH(QString, source);
        QFETCH(QString, option);
        QFETCH(QString, name);
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);

        GifToolWindowFixture f;
        QVERIFY(f.open(giftesting::dataFile(source)));
        if (!option.isEmpty())
            f.action(qPrintable(option))->trigger();
        const QImage picture = f.window->document().picture().picture();
        f.clickAndSave(name);
        const int transparent = f.window->document().selection().transparentIndex();
        QCOMPARE(transparent, picture.pixelIndex(1, 1));

        const QImage screenshot = screenshotOf(f, name);
        QVERIFY(!screenshot.isNull());
        QCOMPARE(screenshot.size(), ShotSize);

        // Every pixel of the background index shows the page; every other one its own color:
        // the palette's, or the opened picture's own in a full-color PNG.
        const bool connected = option == QLatin1String("mnuOnlyConnected");
        const bool fullColour = option == QLatin1String("mnuFullColourPng");
        const QImage original(giftesting::dataFile(QStringLiteral("scene.png")));
        QImage expected(picture.size(), QImage::Format_RGB32);
        int background = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int index = picture.pixelIndex(x, y);
                const bool clear
                    = index == transparent && !(connected && giftesting::isEnclosedCream(x, y));
                background += clear;
                expected.setPixel(x, y,
                    clear            ? PageColour.rgb()
                        : fullColour ? original.pixel(x, y)
                                     : picture.color(index));
            }
        }
        QCOMPARE(giftesting::firstBadPixel(expected.size(),
                     [&](int x, int y) {
                         return testsupport::nearColour(
                             screenshot.pixel(x, y), expected.pixel(x, y));
                     }),
            QString());
        QVERIFY(testsupport::nearColour(screenshot.pixel(200, 150), PageColour.rgb()));
        if (source == QLatin1String("scene.png")) {
            // The flat background is most of the picture, and the disc is not part of it.
            QVERIFY(background > picture.width() * picture.height() / 2);
            QVERIFY(testsupport::nearColour(screenshot.pixel(50, 50), qRgb(200, 30, 30)));
        }
    }
};

TRELLIS_TEST(TestGifToolWindowBrowser)
#include "tst_giftoolwindowbrowser.moc"

#include "animationfiles.h"
#include "animationfixtures.h"
#include "enclosedscene.h"
#include "headlesschromium.h"
#include "testmain.h"
#include "tst_giftoolwindowfixture.h"

#include <QPainter>

using giftesting::GifToolWindowFixture;
using platform::MessageAnswer;

namespace {

const QColor PageColor(0, 192, 96);
constexpr QSize ShotSize(240, 180);
// A true-color picture: a flat cream background with a red disc and a shaded blue bar.
QImage scene()
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(QColor(236, 228, 200));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QRect(20, 20, 60, 60));
    for (int x = 90; x < 140; ++x)
        painter.fillRect(x, 40, 1, 50, QColor(20, 40, 100 + x));
    return image;
}

// The saved file, shown by a real browser on a page of PageColor at the top left, as a
// screenshot; a null image, with the failure recorded, when the browser cannot show it.
QImage screenshotOf(const GifToolWindowFixture &f, const QString &fileName)
{
    const QString page = f.path(QStringLiteral("page.html"));
    QFile html(page);
    if (!html.open(QIODevice::WriteOnly))
        return QImage();
    html.write(QStringLiteral("<!DOCTYPE html>\r\n<html><body style=\"margin:0;background:%1\">"
                              "<img src=\"%2\" style=\"display:block\"></body></html>\r\n")
                   .arg(PageColor.name(), fileName)
                   .toUtf8());
    html.close();
    const testsupport::ChromiumPage shown = testsupport::HeadlessChromium::shared().open(
        page, ShotSize, testsupport::HeadlessChromium::Capture::Screenshot);
    if (!shown.failure.isEmpty())
        qWarning("%s; chromium said: %s", qPrintable(shown.failure), qPrintable(shown.errors));
    return shown.screenshot;
}

// Compares the screenshot's top left with what each pixel should show.
void verifyShown(const QImage &screenshot, const QImage &expected)
{
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            QVERIFY2(testsupport::nearColour(screenshot.pixel(x, y), want),
                qPrintable(QStringLiteral("pixel %1,%2 is %3, not %4")
                               .arg(x)
                               .arg(y)
                               .arg(QColor(screenshot.pixel(x, y)).name(), QColor(want).name())));
        }
    }
}

} // namespace

// Files saved by the window, shown by a real browser over a colored page: the page shows
// through exactly where the background was.
class TestGifToolWindowBrowser : public QObject
{
    Q_OBJECT
private slots:
    void theBackgroundShowsThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fullColour");
        QTest::newRow("gif") << QStringLiteral("scene.gif") << false;
        QTest::newRow("palette png") << QStringLiteral("scene.png") << false;
        QTest::newRow("full-colour png") << QStringLiteral("scene.png") << true;
    }

    void theBackgroundShowsThePage()
    {
        QFETCH(QString, name);
        QFETCH(bool, fullColour);
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);

        GifToolWindowFixture f;
        const QString source = f.path(QStringLiteral("scene.bmp"));
        QVERIFY(scene().save(source));
        QVERIFY(f.open(source));
        if (fullColour)
            f.action("mnuFullColourPng")->trigger();
        const QImage picture = f.window->document().selection().picture();
        const QString saved = f.path(name);
        f.prompter.answer(MessageAnswer::Yes);
        f.dialogs.answer(saved);
        f.clickPicture(QPoint(4, 4));
        QVERIFY(QFile::exists(saved));
        const int transparent = f.window->document().selection().transparentIndex();
        QCOMPARE(transparent, picture.pixelIndex(4, 4));

        const QImage screenshot = screenshotOf(f, name);
        QVERIFY(!screenshot.isNull());
        QCOMPARE(screenshot.size(), ShotSize);

        // Every pixel of the background index shows the page; every other one its own color:
        // the palette's, or the opened picture's own in a full-color PNG.
        const QImage original = scene();
        QImage expected(picture.size(), QImage::Format_RGB32);
        int background = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int index = picture.pixelIndex(x, y);
                background += index == transparent;
                expected.setPixel(x, y,
                    index == transparent ? PageColor.rgb()
                        : fullColour     ? original.pixel(x, y)
                                         : picture.color(index));
            }
        }
        verifyShown(screenshot, expected);
        // The flat background is most of the picture, and the disc is not part of it.
        QVERIFY(background > picture.width() * picture.height() / 2);
        QVERIFY(testsupport::nearColour(screenshot.pixel(50, 50), qRgb(200, 30, 30)));
        QVERIFY(testsupport::nearColour(screenshot.pixel(200, 150), PageColor.rgb()));
    }

    void anAnimationShowsThePageThroughItsBackground()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);
        GifToolWindowFixture f;
        platform::GifAnimation animation = giftesting::fourFrames();
        // Long enough that the browser's screenshot is still of the first frame.
        animation.frames.first().delay = 3000;
        const QString source = f.path(QStringLiteral("anim.gif"));
        QVERIFY(giftesting::writeAnimationWithGiflib(source, animation));
        QVERIFY(f.open(source));
        QVERIFY(f.window->windowTitle().endsWith(
            QStringLiteral("anim.gif  (4 frames; the background is picked on the first)")));

        const QImage picture = f.window->document().selection().picture();
        const QString saved = f.path(QStringLiteral("anim-clear.gif"));
        f.prompter.answer(MessageAnswer::Yes);
        f.dialogs.answer(saved);
        f.clickPicture(QPoint(1, 1));
        QCOMPARE(giftesting::readAnimationWithGiflib(saved).frames.size(), 4);

        const QImage screenshot = screenshotOf(f, QStringLiteral("anim-clear.gif"));
        QVERIFY(!screenshot.isNull());
        QImage expected(picture.size(), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                expected.setPixel(x, y,
                    picture.pixel(x, y) == giftesting::Cream ? PageColor.rgb()
                                                             : picture.pixel(x, y));
        verifyShown(screenshot, expected);
        QVERIFY(testsupport::nearColour(screenshot.pixel(15, 12), giftesting::Red));
    }

    // Only the connected background: the page shows around the subject, and not through the
    // white of the eye, the hole of the O or the inside of the frame.
    void onlyTheConnectedBackgroundShowsThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("gif") << QStringLiteral("eye.gif");
        QTest::newRow("png") << QStringLiteral("eye.png");
    }

    void onlyTheConnectedBackgroundShowsThePage()
    {
        QFETCH(QString, name);
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);
        GifToolWindowFixture f;
        const QImage scene = giftesting::enclosedScene();
        const QString source = f.path(QStringLiteral("eye.bmp"));
        QVERIFY(scene.save(source));
        QVERIFY(f.open(source));
        f.action("mnuOnlyConnected")->trigger();
        f.prompter.answer(MessageAnswer::Yes);
        f.dialogs.answer(f.path(name));
        f.clickPicture(QPoint(1, 1));

        const QImage screenshot = screenshotOf(f, name);
        QVERIFY(!screenshot.isNull());
        QImage expected(scene.size(), QImage::Format_RGB32);
        for (int y = 0; y < scene.height(); ++y)
            for (int x = 0; x < scene.width(); ++x)
                expected.setPixel(x, y,
                    scene.pixelIndex(x, y) == 0 && !giftesting::isEnclosedCream(x, y)
                        ? PageColor.rgb()
                        : scene.pixel(x, y));
        verifyShown(screenshot, expected);
    }
};

TRELLIS_TEST(TestGifToolWindowBrowser)
#include "tst_giftoolwindowbrowser.moc"

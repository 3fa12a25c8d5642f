#include "headlesschromium.h"
#include "tst_giftoolwindowfixture.h"

#include <QPainter>
#include <QUrl>

using giftesting::GifToolWindowFixture;
using platform::MessageAnswer;

namespace {

const QColor PageColor(0, 192, 96);
constexpr QSize ShotSize(240, 180);
// Colors may move a little through the browser's color management.
constexpr int Tolerance = 3;

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= Tolerance && qAbs(qGreen(a) - qGreen(b)) <= Tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= Tolerance;
}

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

} // namespace

// A GIF saved by the window, shown by a real browser over a colored page: the page shows
// through exactly where the background was.
class TestGifToolWindowBrowser : public QObject
{
    Q_OBJECT
private slots:
    void theBackgroundShowsThePage()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);

        GifToolWindowFixture f;
        const QString source = f.path(QStringLiteral("scene.bmp"));
        QVERIFY(scene().save(source));
        QVERIFY(f.open(source));
        const QImage picture = f.window->document().selection().picture();
        const QString gif = f.path(QStringLiteral("scene.gif"));
        f.prompter.answer(MessageAnswer::Yes);
        f.dialogs.answer(gif);
        f.clickPicture(QPoint(4, 4));
        QVERIFY(QFile::exists(gif));
        const int transparent = f.window->document().selection().transparentIndex();
        QCOMPARE(transparent, picture.pixelIndex(4, 4));

        const QString page = f.path(QStringLiteral("page.html"));
        QFile html(page);
        QVERIFY(html.open(QIODevice::WriteOnly));
        html.write(
            QStringLiteral("<!DOCTYPE html>\r\n<html><body style=\"margin:0;background:%1\">"
                           "<img src=\"scene.gif\" style=\"display:block\"></body></html>\r\n")
                .arg(PageColor.name())
                .toUtf8());
        html.close();

        const QString shot = f.path(QStringLiteral("shot.png"));
        const testsupport::ChromiumRun run = testsupport::runHeadlessChromium(
            {QStringLiteral("--window-size=%1,%2").arg(ShotSize.width()).arg(ShotSize.height()),
                QStringLiteral("--screenshot=") + shot, QUrl::fromLocalFile(page).toString()});
        QVERIFY2(run.failure.isEmpty(), qPrintable(run.failure));
        const QImage screenshot(shot);
        QVERIFY2(!screenshot.isNull(),
            qPrintable(QStringLiteral("no screenshot; chromium said: ") + run.errors));
        QCOMPARE(screenshot.size(), ShotSize);

        // Every pixel of the background index shows the page; every other one its own color.
        int background = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int index = picture.pixelIndex(x, y);
                const QRgb expected = index == transparent ? PageColor.rgb() : picture.color(index);
                background += index == transparent;
                QVERIFY2(near(screenshot.pixel(x, y), expected),
                    qPrintable(
                        QStringLiteral("pixel %1,%2 is %3, not %4")
                            .arg(x)
                            .arg(y)
                            .arg(QColor(screenshot.pixel(x, y)).name(), QColor(expected).name())));
            }
        }
        // The flat background is most of the picture, and the disc is not part of it.
        QVERIFY(background > picture.width() * picture.height() / 2);
        QVERIFY(near(screenshot.pixel(50, 50), qRgb(200, 30, 30)));
        QVERIFY(near(screenshot.pixel(200, 150), PageColor.rgb()));
    }
};

QTEST_MAIN(TestGifToolWindowBrowser)
#include "tst_giftoolwindowbrowser.moc"

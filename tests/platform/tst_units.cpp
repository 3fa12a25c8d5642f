#include "platform/appdirectory.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/units.h"
#include "testmain.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

class TestUnits : public QObject
{
    Q_OBJECT
private slots:
    void factorForDpi_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("factor");
        QTest::newRow("96 dpi") << 96.0 << 15;
        QTest::newRow("120 dpi") << 120.0 << 12;
        QTest::newRow("144 dpi") << 144.0 << 10;
        QTest::newRow("72 dpi") << 72.0 << 20;
        QTest::newRow("no dpi") << 0.0 << 15;
    }
    void factorForDpi()
    {
        QFETCH(double, dpi);
        QFETCH(int, factor);
        QCOMPARE(platform::twipsPerPixelForDpi(dpi), factor);
    }

    void offscreenScreenIsFifteen() { QCOMPARE(platform::screenTwipsPerPixel(), 15); }

    void roundTripsNeverDrift()
    {
        const platform::TwipsScale scale(15);
        for (int px = -50; px < 2000; ++px)
            QCOMPARE(scale.toPixels(scale.toTwips(px)), px);
    }

    void wholePixelsDropTheRemainder()
    {
        const platform::TwipsScale scale(15);
        QCOMPARE(scale.toWholePixels(1810), 120);
        QCOMPARE(scale.toWholePixels(4500), 300);
        QCOMPARE(scale.toPixels(1810), 121);
    }

    void placesWidgetsInTwips()
    {
        QWidget w;
        platform::placeInTwips(&w, platform::TwipsScale(15), 900, 360, 1500, 450);
        QCOMPARE(w.geometry(), QRect(60, 24, 100, 30));
    }

    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/usr/bin" << QString("/usr/bin/");
        // Already ending in a separator: unchanged.
        for (const char *folder : {"/", "/opt/trellis/", "C:\\"})
            QTest::newRow(folder) << folder << QString(folder);
    }
    void trailingSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(platform::withTrailingSeparator(folder), expected);
    }
};

TRELLIS_TEST(TestUnits)
#include "tst_units.moc"

#include "platform/wheelsteps.h"
#include "testmain.h"

#include <QTest>

class TestWheelSteps : public QObject
{
    Q_OBJECT
private slots:
    void pixels_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<QPoint>("pixels");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QPoint>("move");
        // Three lines of 20 pixels a notch.
        QTest::newRow("one notch away: up")
            << QPoint(0, 120) << QPoint() << false << QPoint(0, -60);
        QTest::newRow("one notch towards: down")
            << QPoint(0, -120) << QPoint() << false << QPoint(0, 60);
        QTest::newRow("half a notch") << QPoint(0, -60) << QPoint() << false << QPoint(0, 30);
        QTest::newRow("shift: sideways") << QPoint(0, -120) << QPoint() << true << QPoint(60, 0);
        QTest::newRow("shift, already sideways")
            << QPoint(-120, 0) << QPoint() << true << QPoint(60, 0);
        QTest::newRow("tilted wheel") << QPoint(-240, 0) << QPoint() << false << QPoint(120, 0);
        QTest::newRow("touchpad pixels win")
            << QPoint(0, -120) << QPoint(-7, -13) << false << QPoint(7, 13);
        QTest::newRow("nothing") << QPoint() << QPoint() << true << QPoint();
    }
    void pixels()
    {
        QFETCH(QPoint, angle);
        QFETCH(QPoint, pixels);
        QFETCH(bool, shift);
        QFETCH(QPoint, move);
        QCOMPARE(platform::wheelScrollPixels(angle, pixels, shift, 3), move);
    }
};

TRELLIS_TEST(TestWheelSteps)
#include "tst_wheelsteps.moc"

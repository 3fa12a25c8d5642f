#include "launcher/launcherlayout.h"
#include "testmain.h"

#include <QTest>

using launcher::computeLauncherLayout;

class TestLauncherLayout : public QObject
{
    Q_OBJECT
private slots:
    void entriesInARow_data()
    {
        QTest::addColumn<int>("w0");
        QTest::addColumn<int>("w1");
        QTest::addColumn<int>("w2");
        QTest::addColumn<QList<int>>("captionLefts");
        QTest::addColumn<QList<int>>("iconLefts");
        QTest::addColumn<int>("windowWidth");
        QTest::newRow("equal captions") << 1500 << 1500 << 1500 << QList<int>{900, 2520, 4140}
                                        << QList<int>{1350, 2970, 4590} << 6540;
        QTest::newRow("different captions") << 1000 << 2000 << 600 << QList<int>{900, 2020, 4140}
                                            << QList<int>{1100, 2720, 4140} << 5640;
    }
    void entriesInARow()
    {
        QFETCH(int, w0);
        QFETCH(int, w1);
        QFETCH(int, w2);
        QFETCH(QList<int>, captionLefts);
        QFETCH(QList<int>, iconLefts);
        QFETCH(int, windowWidth);
        const auto layout = computeLauncherLayout({QSize(w0, 300), QSize(w1, 300), QSize(w2, 300)},
            QSize(600, 600), 2000, QSize(12000, 9000));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(layout.captions[i].left(), captionLefts[i]);
            QCOMPARE(layout.icons[i].left(), iconLefts[i]);
            QCOMPARE(layout.icons[i].top(), 360);
            QCOMPARE(layout.captions[i].top(), 960);
        }
        QCOMPARE(layout.windowWidth, windowWidth);
        // The right margin equals the left one, and the window is centred on the screen.
        QCOMPARE(
            layout.windowWidth - (layout.captions[2].left() + layout.captions[2].width()), 900);
        QCOMPARE(layout.windowLeft, (12000 - windowWidth) / 2);
        QCOMPARE(layout.windowTop, (9000 - 2000) / 2);
    }
};

TRELLIS_TEST(TestLauncherLayout)
#include "tst_launcherlayout.moc"

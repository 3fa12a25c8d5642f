#include "platform/textnumber.h"
#include "testmain.h"

#include <QTest>

class TestTextNumber : public QObject
{
    Q_OBJECT
private slots:
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "120" << 120.0;
        QTest::newRow("leading blanks and unit") << " 120 pixels" << 120.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("fraction") << "4499.5" << 4499.5;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("digits then letters") << "1a2" << 1.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("key with side letter") << "21A" << 21.0;
        QTest::newRow("blank inside") << "1 2" << 1.0;
        QTest::newRow("leading fraction") << ".5" << 0.5;
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(platform::numericValue(text), value);
    }

    void wholeValue()
    {
        QCOMPARE(platform::wholeValue(u"1810.9"), 1810LL);
        QCOMPARE(platform::wholeValue(u"-2.5"), -2LL);
        QCOMPARE(platform::wholeValue(u"99999999999999999999999"),
            std::numeric_limits<long long>::max());
    }

    void numberFormat_data()
    {
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QString>("spaced");
        QTest::addColumn<QString>("plain");
        QTest::newRow("ten") << 10LL << " 10" << QString("10");
        QTest::newRow("zero") << 0LL << " 0" << QString("0");
        QTest::newRow("negative") << -3LL << "-3" << QString("-3");
    }
    void numberFormat()
    {
        QFETCH(qlonglong, value);
        QFETCH(QString, spaced);
        QFETCH(QString, plain);
        QCOMPARE(platform::numberFormat(value), spaced);
        QCOMPARE(platform::plainNumber(value), plain);
    }
};

TRELLIS_TEST(TestTextNumber)
#include "tst_textnumber.moc"

#include "platform/htmlreferences.h"
#include "testmain.h"

#include <QTest>

// An "&" in a written attribute value becomes "&amp;" exactly where a browser would read a
// character reference; everywhere else the value keeps its bytes.
class TestHtmlReferences : public QObject
{
    Q_OBJECT
private slots:
    void ampersands_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("no ampersand") << "menu.htm"
                                      << "menu.htm";
        QTest::newRow("query of plain names") << "q.cgi?a=1&b=2"
                                              << "q.cgi?a=1&b=2";
        QTest::newRow("alone between blanks") << "Tom & Jerry"
                                              << "Tom & Jerry";
        QTest::newRow("at the end") << "a&"
                                    << "a&";
        QTest::newRow("legacy name then underscore") << "list.php?cat=3&reg_no=5"
                                                     << "list.php?cat=3&amp;reg_no=5";
        QTest::newRow("legacy name then equals") << "x?copy=1&copy=2"
                                                 << "x?copy=1&copy=2";
        QTest::newRow("legacy name then letter") << "a?&notice=1"
                                                 << "a?&notice=1";
        QTest::newRow("legacy name at the end") << "page&sect"
                                                << "page&amp;sect";
        QTest::newRow("longest legacy name wins") << "&frac12x"
                                                  << "&frac12x";
        QTest::newRow("legacy name then slash") << "a&lt/b"
                                                << "a&amp;lt/b";
        QTest::newRow("name with semicolon") << "&hearts; and &foo;"
                                             << "&amp;hearts; and &amp;foo;";
        QTest::newRow("numeric") << "&#38; &#x26;"
                                 << "&amp;#38; &amp;#x26;";
        QTest::newRow("an escaped ampersand as typed") << "a&amp;b"
                                                       << "a&amp;amp;b";
        QTest::newRow("upper-case legacy name") << "&COPY 2024"
                                                << "&amp;COPY 2024";
        QTest::newRow("not ascii after") << "&ampé"
                                         << "&amp;ampé";
    }
    void ampersands()
    {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(platform::withAmpersandsKept(value), written);
    }
};

TRELLIS_TEST(TestHtmlReferences)
#include "tst_htmlreferences.moc"

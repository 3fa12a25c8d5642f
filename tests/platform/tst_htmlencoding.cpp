#include "platform/htmlencoding.h"
#include "testmain.h"

#include <QTest>

// A page is read in the encoding a browser would choose for it: its byte order mark, else the
// META that declares one within the first 1024 bytes, else UTF-8 or windows-1252 by its bytes.
class TestHtmlEncoding : public QObject
{
    Q_OBJECT
private slots:
    void chosenEncoding_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("encoding");
        const QByteArray tail = "<body>\xe9</body>";
        QTest::newRow("meta charset") << "<meta charset=koi8-r>" + tail << QByteArray("KOI8-R");
        QTest::newRow("meta charset quoted, upper case, blanks")
            << "<HTML><HEAD><META CHARSET = ' Shift_JIS '>" + tail << QByteArray("Shift_JIS");
        QTest::newRow("http-equiv") << "<meta http-equiv=\"Content-Type\" "
                                       "content=\"text/html; charset=iso-8859-2\">"
                + tail << QByteArray("ISO-8859-2");
        QTest::newRow("http-equiv after content, quoted label")
            << "<meta content='text/html;charset=\"windows-1251\"' http-equiv=content-type>" + tail
            << QByteArray("windows-1251");
        QTest::newRow("content without http-equiv is no declaration")
            << "<meta content=\"text/html; charset=koi8-r\">" + tail << QByteArray("windows-1252");
        QTest::newRow("first attribute of a name counts")
            << "<meta charset=euc-jp charset=koi8-r>" + tail << QByteArray("EUC-JP");
        QTest::newRow("latin-1 label reads as windows-1252")
            << "<meta charset=ISO-8859-1>" + tail << QByteArray("windows-1252");
        QTest::newRow("gb2312 reads as GBK") << "<meta charset=gb2312>" + tail << QByteArray("GBK");
        QTest::newRow("declared UTF-16 reads as UTF-8")
            << "<meta charset=utf-16>" + tail << QByteArray("UTF-8");
        QTest::newRow("unknown label, then a known one")
            << "<meta charset=klingon><meta charset=koi8-u>" + tail << QByteArray("KOI8-U");
        QTest::newRow("byte order mark wins over meta")
            << "\xef\xbb\xbf<meta charset=koi8-r>" + tail << QByteArray("UTF-8");
        QTest::newRow("UTF-16LE byte order mark")
            << QByteArray("\xff\xfe<\0a\0>\0", 8) << QByteArray("UTF-16LE");
        QTest::newRow("UTF-16BE byte order mark")
            << QByteArray("\xfe\xff\0<\0a\0>", 8) << QByteArray("UTF-16BE");
        QTest::newRow("meta in a comment is not read")
            << "<!-- <meta charset=koi8-r> -->" + tail << QByteArray("windows-1252");
        QTest::newRow("meta in another tag's attribute is not read")
            << "<img alt='<meta charset=koi8-r>'>" + tail << QByteArray("windows-1252");
        QTest::newRow("meta beyond the first 1024 bytes is not read")
            << QByteArray(1024, ' ') + "<meta charset=koi8-r>" + tail << QByteArray("windows-1252");
        QTest::newRow("XML declaration is not read")
            << "<?xml version=\"1.0\" encoding=\"koi8-r\"?>" + tail << QByteArray("windows-1252");
        QTest::newRow("undeclared, valid UTF-8")
            << QByteArray("<p>caf\xc3\xa9</p>") << QByteArray("UTF-8");
        QTest::newRow("undeclared, plain ASCII")
            << QByteArray("<p>cafe</p>") << QByteArray("UTF-8");
    }
    void chosenEncoding()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, encoding);
        QCOMPARE(platform::htmlEncoding(page), encoding);
    }

    void decodedText_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("koi8-r") << QByteArray("<meta charset=koi8-r>\xf0\xd2\xc9")
                                << QString("<meta charset=koi8-r>\u041f\u0440\u0438");
        QTest::newRow("shift_jis") << QByteArray("<meta charset=sjis>\x93\xfa\x96\x7b")
                                   << QString("<meta charset=sjis>\u65e5\u672c");
        QTest::newRow("windows-1252 keeps its undefined bytes as C1 characters")
            << QByteArray("a\x81\x80\xe9") << QString("a\u0081\u20ac\u00e9");
        QTest::newRow("a byte the declared encoding lacks becomes U+FFFD, the rest is read")
            << QByteArray("<meta charset=euc-jp>\xff<b>\xc6\xfc</b>")
            << QString("<meta charset=euc-jp>\ufffd<b>\u65e5</b>");
        QTest::newRow("declared UTF-8 with a stray byte") << QByteArray(
            "<meta charset=utf-8>\xe9t\xc3\xa9") << QString("<meta charset=utf-8>\ufffdt\u00e9");
        QTest::newRow("UTF-16LE with a lone surrogate keeps its step")
            << QByteArray("\xff\xfe<\0\x00\xd8>\0", 8) << QString("<\ufffd>");
        QTest::newRow("UTF-16LE drops its byte order mark")
            << QByteArray("\xff\xfe<\0\xe9\0>\0", 8) << QString("<\u00e9>");
        QTest::newRow("UTF-8 drops its byte order mark")
            << QByteArray("\xef\xbb\xbf\xc3\xa9") << QString("\u00e9");
    }
    void decodedText()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, text);
        QCOMPARE(QString::fromUtf8(platform::htmlTextInUtf8(page)), text);
    }
};

TRELLIS_TEST(TestHtmlEncoding)
#include "tst_htmlencoding.moc"

#include "filecontents.h"
#include "headlesschromium.h"
#include "imagemap/core/mapimport.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The ALT of every AREA in chromium's DOM of the page, in document order.
QStringList alternateTextsInChromium(const QString &path)
{
    const testsupport::ChromiumPage shown = testsupport::HeadlessChromium::shared().open(
        path, QSize(400, 300), testsupport::HeadlessChromium::Capture::Dom);
    if (!shown.failure.isEmpty())
        return {QStringLiteral("chromium failed: ") + shown.failure};
    QStringList texts;
    static const QRegularExpression alt(QStringLiteral("<area [^>]*alt=\"([^\"]*)\""));
    for (const QRegularExpressionMatch &m : alt.globalMatch(shown.dom)) {
        texts << m.captured(1)
                     .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                     .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                     .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                     .replace(QStringLiteral("&nbsp;"), QStringLiteral("\u00a0"))
                     .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    }
    return texts;
}

QByteArray mapPage(const QByteArray &head, const QList<QByteArray> &alts)
{
    QByteArray page = head + "<body><img src=a.gif usemap=#m><map name=m>";
    int x = 0;
    for (const QByteArray &alt : alts) {
        page += "<area coords=" + QByteArray::number(x) + ",0," + QByteArray::number(x + 5)
            + ",5 href=a.htm alt=\"" + alt + "\">";
        x += 10;
    }
    return page + "</map></body></html>\n";
}

// The page in UTF-16LE with its byte order mark; "@" stands for a lone high surrogate.
QByteArray inUtf16WithALoneSurrogate(const QByteArray &page)
{
    QByteArray bytes("\xff\xfe");
    for (const char c : page)
        bytes += c == '@' ? QByteArray("\x00\xd8", 2) : QByteArray(1, c) + '\0';
    return bytes;
}

} // namespace

// Pages in the character sets sites declare, and in none: Zonemark reads the same alternate
// texts from them as chromium does.
class TestPageTextBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);
    }

    void textsAsTheBrowserReadsThem_data()
    {
        QTest::addColumn<QByteArray>("page");
        const QByteArray html = "<html><head>";
        QTest::newRow("koi8-r by http-equiv")
            << mapPage(html + "<meta http-equiv=Content-Type content='text/html; charset=koi8-r'>",
                   {"\xee\xcf\xd7\xcf\xd3\xd4\xc9"});
        QTest::newRow("windows-1251, quoted label") << mapPage(html
                + "<META HTTP-EQUIV=\"content-type\" CONTENT='text/html;charset=\"windows-1251\"'>",
            {"\xcf\xf0\xe8\xe2\xe5\xf2"});
        QTest::newRow("shift_jis")
            << mapPage(html + "<meta charset=Shift_JIS>", {"\x93\xfa\x96\x7b"});
        QTest::newRow("gb2312 label, a GBK character")
            << mapPage(html + "<meta charset=gb2312>", {"\xc8\xd5\xb1\xbe\xd5\x5a"});
        QTest::newRow("euc-kr") << mapPage(html + "<meta charset=euc-kr>", {"\xc7\xd1\xb1\xb9"});
        QTest::newRow("iso-8859-7")
            << mapPage(html + "<meta charset=iso-8859-7>", {"\xd9\xec\xdd\xe3\xe1"});
        QTest::newRow("euc-jp with a byte it lacks, and an area after it")
            << mapPage(html + "<meta charset=\"EUC-JP\">", {"\xc6\xfc\xff\xcb\xdc", "\xb8\xb5"});
        QTest::newRow("latin-1 label over UTF-8 bytes")
            << mapPage(html + "<meta charset=iso-8859-1>", {"caf\xc3\xa9"});
        QTest::newRow("undeclared, windows-1252 with an undefined byte")
            << mapPage(html, {"caf\xe9 \x80 \x81"});
        QTest::newRow("a meta in a comment does not count") << mapPage(
            html + "<!-- <meta charset=koi8-r> --><meta charset=windows-1251>", {"\xcf\xf0\xe8"});
        QTest::newRow("byte order mark over meta")
            << mapPage("\xef\xbb\xbf" + html + "<meta charset=koi8-r>", {"caf\xc3\xa9"});
        QTest::newRow("declared UTF-8 with a stray byte")
            << mapPage(html + "<meta charset=utf-8>", {"caf\xe9", "\xc3\xa9"});
        QTest::newRow("UTF-16 with a lone surrogate")
            << inUtf16WithALoneSurrogate(mapPage(html, {"a@b", "c"}));
        QTest::newRow("byte order mark, then a five-byte sequence")
            << mapPage("\xef\xbb\xbf" + html, {"a\xfa\x8c\x8c\x8c\x8c\x62", "\xed\xa0\x80"});
    }
    void textsAsTheBrowserReadsThem()
    {
        QFETCH(QByteArray, page);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        QVERIFY(testsupport::writeAll(path, page));
        const imagemap::MapImport read = imagemap::readImageMap(page);
        QVERIFY2(read.succeeded(), qPrintable(read.error));
        QStringList ours;
        for (const imagemap::MapArea &area : read.areas)
            ours << area.altText;
        QCOMPARE(ours, alternateTextsInChromium(path));
    }
};

TRELLIS_TEST(TestPageTextBrowser)
#include "tst_pagetextbrowser.moc"

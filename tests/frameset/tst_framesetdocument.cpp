#include "filecontents.h"
#include "frameset/core/filenamerules.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/html5page.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTest>

// Writing the frameset document and the HTML5 page, and naming their files. The documents and
// pages themselves, from the worked example to each FRAME attribute, are the cases under
// tests/cases/frameset/.
class TestFramesetDocument : public QObject
{
    Q_OBJECT
private slots:
    void writesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("index.htm"));
        QVERIFY(
            frameset::writeFramesetDocument(path, QStringLiteral("<HTML>\r\n</HTML>")).isEmpty());
        QCOMPARE(testsupport::readAll(path), QByteArray("<HTML>\r\n</HTML>\r\n"));
        QVERIFY(!frameset::writeFramesetDocument(dir.filePath(QStringLiteral("no/such/x.htm")), "x")
                     .isEmpty());
    }

    void writesTheHtml5PageInUtf8()
    {
        QTemporaryDir dir;
        const QString page = QStringLiteral("<p>caf\u00e9</p>");
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        QVERIFY(frameset::writeHtml5Page(path, page).isEmpty());
        QCOMPARE(testsupport::readAll(path), QByteArray("<p>caf\xc3\xa9</p>"));
        QVERIFY(
            !frameset::writeHtml5Page(dir.filePath(QStringLiteral("no/page.htm")), page).isEmpty());
    }

    void extensionRule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        const char *const rows[][3] = {{"ends in a dot", "C:\\web\\index.", "C:\\web\\index..htm"},
            {"no dot anywhere", "C:\\web\\index", "C:\\web\\index.htm"},
            {"dot in a folder", "C:\\my.site\\index", "C:\\my.site\\index.htm"},
            {"unix dot in a folder", "/home/ann/my.site/index", "/home/ann/my.site/index.htm"},
            {"extension", "/home/web/index.htm", "/home/web/index.htm"},
            {"other extension", "/home/web/notes.txt", "/home/web/notes.txt"},
            {"extension in a dotted folder", "/home/my.site/page.html", "/home/my.site/page.html"},
            {"hidden file", "/home/web/.frames", "/home/web/.frames"},
            {"unix dot", "/home/web/index.", "/home/web/index..htm"},
            {"hidden folder", "/home/.web/index.", "/home/.web/index."},
            {"hidden folder, no extension", "/home/.web/index", "/home/.web/index.htm"},
            {"bare name", "index", "index.htm"}, {"folder only", "/home/web/", "/home/web/"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }
    void extensionRule()
    {
        QFETCH(QString, path);
        QFETCH(QString, written);
        QCOMPARE(frameset::withDefaultExtension(path, QStringLiteral(".htm")), written);
    }

    void htmlPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("html");
        QTest::newRow("html") << "C:\\Sites\\index.HTML" << true;
        QTest::newRow("htm inside") << "C:\\page.htm.spc" << true;
        QTest::newRow("spec") << "/home/me/site.spc" << false;
        QTest::newRow("htm without dot") << "/home/htm/site.spc" << false;
    }
    void htmlPaths()
    {
        QFETCH(QString, path);
        QFETCH(bool, html);
        QCOMPARE(frameset::isHtmlPath(path), html);
    }
};

TRELLIS_TEST(TestFramesetDocument)
#include "tst_framesetdocument.moc"

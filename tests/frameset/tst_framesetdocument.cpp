#include "frameset/core/filenamerules.h"
#include "testmain.h"

#include <QTest>

// The names of the files the frameset document and the HTML5 page are written to. The documents
// and pages themselves, from the worked example to each FRAME attribute, and their writing to
// files, are the cases under tests/cases/frameset/.
class TestFramesetDocument : public QObject
{
    Q_OBJECT
private slots:
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

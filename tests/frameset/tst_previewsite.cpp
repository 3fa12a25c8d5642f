#include "designbuilder.h"
#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/previewsite.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using testsupport::readAll;

using namespace framesettest;
using frameset::PropertyValue;

// The folder that Preview in Browser opens: the frameset document and stand-ins for its pages.
class TestPreviewSite : public QObject
{
    Q_OBJECT
private slots:
    void writesTheDocumentAndStandIns_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("standIns");
        QTest::newRow("pages never set share one stand-in")
            << QStringList{"", "", "", ""} << QStringList{"xxxxx.htm"};
        // Stand-ins come in the order of the frames: cells 0, 3, 1, 2.
        QTest::newRow("pages in folders, with queries, escapes and accents")
            << QStringList{"pages/menu.htm?x=1#top", "my%20page.htm", "caf\u00e9.htm", "a.htm"}
            << QStringList{"pages/menu.htm", "a.htm", "my page.htm", "caf\u00e9.htm"};
        QTest::newRow("addresses and paths outside the folder are left alone")
            << QStringList{"http://example.com/a.htm", "about:blank", "/etc/b.htm", "../up.htm"}
            << QStringList();
    }
    void writesTheDocumentAndStandIns()
    {
        QFETCH(QStringList, sources);
        QFETCH(QStringList, standIns);
        ModelFixture f;
        QCOMPARE(f.play({{0, Column}, {1, Row}, {0, Row}}), 0);
        frameset::Design &design = f.model.design();
        for (int cell = 0; cell < sources.size(); ++cell) {
            if (!sources[cell].isEmpty())
                design.properties().record(cell).sourceUrl = text(sources[cell]);
        }
        QTemporaryDir dir;
        const frameset::PreviewSite site = frameset::writePreviewSite(dir.path(), design);
        QVERIFY2(site.error.isEmpty(), qPrintable(site.error));
        QCOMPARE(site.document, dir.filePath("panecraft-preview.htm"));
        QCOMPARE(readAll(site.document),
            frameset::framesetDocumentFileContent(frameset::buildFramesetDocument(design)));
        QCOMPARE(site.standIns, standIns);
        for (int i = 0; i < standIns.size(); ++i)
            QVERIFY(readAll(dir.filePath(standIns[i])).contains("<span id=\"size\">"));
        QVERIFY(!QFileInfo::exists(dir.filePath("up.htm")));
    }

    void keepsPagesThatExist()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        frameset::Design &design = f.model.design();
        design.properties().record(0).sourceUrl = text("menu.htm");
        design.properties().record(1).sourceUrl = text("main.htm");
        QTemporaryDir dir;
        QVERIFY(testsupport::writeAll(dir.filePath("menu.htm"), "<p>my menu</p>"));
        const frameset::PreviewSite site = frameset::writePreviewSite(dir.path(), design);
        QCOMPARE(site.standIns, QStringList{"main.htm"});
        QCOMPARE(readAll(dir.filePath("menu.htm")), QByteArray("<p>my menu</p>"));
    }

    // A design imported from a page shows the frame pages beside that page by their full
    // address, so they find their own pictures; only pages missing there get stand-ins.
    void showsThePagesBesideTheImportedPage()
    {
        ModelFixture f;
        QCOMPARE(f.play({{0, Column}, {1, Row}}), 0);
        frameset::Design &design = f.model.design();
        design.properties().record(0).sourceUrl = text("menu.htm");
        design.properties().record(1).sourceUrl = text("pages/main page.htm?a=1&reg_no=2");
        design.properties().record(2).sourceUrl = text("gone.htm");
        QTemporaryDir preview;
        QTemporaryDir site;
        QVERIFY(testsupport::writeAll(site.filePath("menu.htm"), "<p>menu</p>"));
        QVERIFY(QDir(site.path()).mkpath("pages"));
        QVERIFY(testsupport::writeAll(site.filePath("pages/main page.htm"), "<p>main</p>"));

        const frameset::PreviewSite written
            = frameset::writePreviewSite(preview.path(), design, site.path());
        const QByteArray document = readAll(written.document);
        const QByteArray base = QUrl::fromLocalFile(site.path()).toEncoded();
        QVERIFY(document.contains("SRC=" + base + "/menu.htm "));
        QVERIFY(document.contains("SRC=\"" + base + "/pages/main%20page.htm?a=1&amp;reg_no=2\" "));
        QVERIFY(document.contains("SRC=gone.htm "));
        QCOMPARE(written.standIns, QStringList{"gone.htm"});
        // The design itself keeps its relative pages.
        QCOMPARE(design.properties().record(0).sourceUrl.text(), "menu.htm");
    }

    void standInShowsTheNameOfItsPage()
    {
        const QString page = frameset::standInPage(QStringLiteral("a<b>.htm"));
        QVERIFY(page.startsWith("<!DOCTYPE html>"));
        QVERIFY(page.contains("<title>a&lt;b&gt;.htm</title>"));
        QVERIFY(page.contains("window.name || '(no name)'"));
    }

    void reportsAFolderThatCannotBeWritten()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        QTemporaryDir dir;
        const frameset::PreviewSite site
            = frameset::writePreviewSite(dir.filePath("missing"), f.model.design());
        QCOMPARE(site.error,
            QStringLiteral("Cannot write \"%1\": No such file or directory")
                .arg(dir.filePath("missing/panecraft-preview.htm")));
        QVERIFY(site.document.isEmpty());
    }
};

TRELLIS_TEST(TestPreviewSite)
#include "tst_previewsite.moc"

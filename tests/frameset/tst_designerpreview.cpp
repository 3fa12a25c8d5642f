#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/ui/designerfiles.h"
#include "recordingwebbrowser.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>

using testsupport::readAll;

using namespace designertest;
using frameset::SplitDirection;

// Design > Preview in Browser on the real window, with a browser that only records.
class TestDesignerPreview : public QObject
{
    Q_OBJECT
private slots:
    void previewOpensTheDocumentInTheBrowser()
    {
        Designer d;
        testsupport::RecordingWebBrowser browser;
        d.window.setWebBrowser(&browser);
        d.split(0, SplitDirection::Column);
        d.split(1, SplitDirection::Row);
        const frameset::Design before = d.model().design();
        d.action("mnuPreview")->trigger();

        QVERIFY(d.prompter.shown().isEmpty());
        QCOMPARE(browser.opened().size(), 1);
        const QUrl url = browser.opened().first();
        QVERIFY(url.isLocalFile());
        QCOMPARE(QFileInfo(url.toLocalFile()).path(), d.window.files().previewFolders().first());
        QCOMPARE(readAll(url.toLocalFile()),
            frameset::framesetDocumentFileContent(frameset::buildFramesetDocument(before)));
        QVERIFY(QFileInfo::exists(QFileInfo(url.toLocalFile()).dir().filePath("xxxxx.htm")));
        // Previewing is neither a change nor a save.
        QCOMPARE(d.model().design(), before);
        QVERIFY(d.model().isModified());

        // A second preview gets a folder of its own; the first stays for the browser.
        d.action("mnuPreview")->trigger();
        QCOMPARE(browser.opened().size(), 2);
        QCOMPARE(d.window.files().previewFolders().size(), 2);
        QVERIFY(QFileInfo::exists(url.toLocalFile()));
        QVERIFY(browser.opened().at(1) != url);
    }

    void browserThatDoesNotComeUpIsReported()
    {
        Designer d;
        testsupport::RecordingWebBrowser browser;
        browser.setFailure(QStringLiteral("xdg-open gave up (status 3): no method available"));
        d.window.setWebBrowser(&browser);
        d.split(0, SplitDirection::Column);
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuPreview")->trigger();
        QCOMPARE(browser.opened().size(), 1);
        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.prompter.lastText(),
            QStringLiteral("No web browser could be started to show ")
                + browser.opened().first().toLocalFile()
                + ": xdg-open gave up (status 3): no method available.");
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Exclamation);
    }

    // After Import Frameset the preview shows the frame pages beside the imported page; after
    // New it uses stand-ins again.
    void anImportedDesignShowsItsOwnPages()
    {
        QTemporaryDir site;
        QVERIFY(testsupport::writeAll(site.filePath("index.html"),
            "<frameset cols=\"30%,*\"><frame src=nav.html><frame src=new.html></frameset>"));
        QVERIFY(testsupport::writeAll(site.filePath("nav.html"), "<p>nav</p>"));
        Designer d;
        testsupport::RecordingWebBrowser browser;
        d.window.setWebBrowser(&browser);
        d.window.importFrameset(site.filePath("index.html"));
        d.action("mnuPreview")->trigger();
        const QByteArray document = readAll(browser.opened().last().toLocalFile());
        QVERIFY(
            document.contains("SRC=" + QUrl::fromLocalFile(site.filePath("nav.html")).toEncoded()));
        QVERIFY(document.contains("SRC=new.html"));

        d.prompter.answer(MessageAnswer::Yes);
        d.action("mnuNew")->trigger();
        d.split(0, SplitDirection::Column);
        d.action("mnuPreview")->trigger();
        QVERIFY(!readAll(browser.opened().last().toLocalFile()).contains("file:"));
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        Designer d;
        testsupport::RecordingWebBrowser browser;
        d.window.setWebBrowser(&browser);
        // A temporary folder that is a file: a missing one would make the system's temporary
        // path empty, and root may write anywhere.
        QTemporaryDir scratch;
        const QString file = scratch.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(testsupport::writeAll(file, "a file"));
        const std::optional<QByteArray> tmp
            = qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
        qputenv("TMPDIR", file.toLocal8Bit());
        const auto restore = qScopeGuard([&tmp] {
            if (tmp)
                qputenv("TMPDIR", *tmp);
            else
                qunsetenv("TMPDIR");
        });
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuPreview")->trigger();
        d.expectAsked(QStringLiteral("The preview folder cannot be made in \"%1\": Not a directory")
                          .arg(file),
            QString(), platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        QVERIFY(browser.opened().isEmpty());
    }

    void foldersGoWithTheWindow()
    {
        QString folder;
        {
            Designer d;
            testsupport::RecordingWebBrowser browser;
            d.window.setWebBrowser(&browser);
            d.action("mnuPreview")->trigger();
            folder = d.window.files().previewFolders().value(0);
            QVERIFY(QFileInfo::exists(folder));
        }
        QVERIFY(!QFileInfo::exists(folder));
    }
};

TRELLIS_TEST(TestDesignerPreview)
#include "tst_designerpreview.moc"

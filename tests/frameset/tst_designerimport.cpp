#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/html5page.h"
#include "frameset/ui/designerfiles.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>

using testsupport::readAll;
using testsupport::writeAll;

using namespace designertest;
using frameset::SplitDirection;

namespace {

// A frameset of another tool: a menu column of 180 pixels beside rows of 25% and the rest.
const QByteArray Handwritten
    = "<html><head><title>Site</title></head>\n<frameset cols=\"180,*\" border=\"0\">\n"
      "<frame src=\"menu.html\" name=\"menu\" scrolling=\"no\" noresize>\n"
      "<frameset rows=\"25%,*\"><frame src=\"top.html\" name=\"top\">"
      "<frame src=\"main.html\" name=\"main\" marginwidth=\"8\"></frameset>\n</frameset></html>\n";

} // namespace

// File > Import Frameset and File > Create HTML5 Page on the real window. What an import makes
// of a page, and the page an HTML5 export writes, are the core tests' and the import cases'; an
// import that is refused or cancelled is a row of TestDesignerFiles::unopenedFileKeepsTheDesign.
class TestDesignerImport : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/designerimport-XXXXXX");
        QVERIFY(m_dir->isValid());
    }

    void importMakesTheFramesetTheDesign()
    {
        Designer d;
        d.dialogs.answer(m_dir->filePath(QStringLiteral("first.spc")));
        d.action("mnuSaveSpec")->trigger();
        d.split(0, SplitDirection::Column);
        const QString page = m_dir->filePath(QStringLiteral("site.html"));
        QVERIFY(writeAll(page, Handwritten));
        d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.answer(page);
        d.give(QStringLiteral("Ctrl+I"));

        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Open);
        QCOMPARE(d.dialogs.shown().last().request.filter,
            "Web Pages (*.htm)|*.htm|Web Pages (*.html)|*.html|All Files (*.*)|*.*");
        QCOMPARE(d.model().lastCellIndex(), 2);
        QCOMPARE(d.window.surface()->cellCount(), 3);
        // Not yet saved as a design, so closing asks.
        QVERIFY(d.model().isModified());
        QVERIFY(!d.action("mnuUndo")->isEnabled());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft - imported from ") + page);
        QVERIFY(!d.window.findChild<QCheckBox *>("Borderbox")->isChecked());
        // The menu column is 180 pixels wide on screen and keeps that width in the document.
        QCOMPARE(d.cell(0)->width(), 180);
        QVERIFY(frameset::buildFramesetDocument(d.model().design())
                    .contains("<FRAMESET COLS=180,*>\r\n<FRAME SRC=menu.html NAME=menu NORESIZE"));

        // Save never writes over the page, nor over the design file opened before: it asks.
        d.dialogs.answer(m_dir->filePath(QStringLiteral("site.spc")));
        d.action("mnuSave")->trigger();
        QCOMPARE(d.dialogs.shown().size(), 3);
        QCOMPARE(d.dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QVERIFY(d.dialogs.shown().last().request.fileName.isEmpty());
        QCOMPARE(readAll(page), Handwritten);
        QVERIFY(!d.model().isModified());
    }

    void html5Page()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(1, SplitDirection::Row);
        d.dialogs.answer(m_dir->filePath("twin"));
        d.action("mnuHTML5")->trigger();
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(shown.request.filter,
            "Web Pages (*.htm)|*.htm|Web Pages (*.html)|*.html|All Files (*.*)|*.*");
        QVERIFY(!shown.request.confirmOverwrite);
        QVERIFY(d.prompter.shown().isEmpty());
        const QString written = m_dir->filePath("twin.htm");
        QCOMPARE(readAll(written),
            frameset::buildHtml5Page(d.model().design(), QStringLiteral("twin")).toUtf8());
        // Its own remembered name, apart from the frameset document's.
        QCOMPARE(d.window.files().html5FileName(), written);
        QVERIFY(d.window.files().htmlFileName().isEmpty());
        QVERIFY(d.model().isModified());
        d.dialogs.cancel();
        d.action("mnuHTML5")->trigger();
        QCOMPARE(d.dialogs.shown().last().request.fileName, written);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

TRELLIS_TEST(TestDesignerImport)
#include "tst_designerimport.moc"

#include "filecontents.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/html5page.h"
#include "frameset/ui/designerfiles.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

using testsupport::readAll;
using testsupport::writeAll;

using namespace designertest;
using frameset::SplitDirection;

namespace {

const QString HtmlFilter
    = QStringLiteral("Web Pages (*.htm)|*.htm|Web Pages (*.html)|*.html|All Files (*.*)|*.*");
const QString OpenQuestion
    = QStringLiteral("Are you sure you want to open a new file without saving the current file?");
const QString OverwriteQuestion
    = QStringLiteral("File already exists.  OK to over-write existing file?");

// A frameset of another tool: a menu column of 180 pixels beside rows of 25% and the rest.
const QByteArray Handwritten
    = "<html><head><title>Site</title></head>\n<frameset cols=\"180,*\" border=\"0\">\n"
      "<frame src=\"menu.html\" name=\"menu\" scrolling=\"no\" noresize>\n"
      "<frameset rows=\"25%,*\"><frame src=\"top.html\" name=\"top\">"
      "<frame src=\"main.html\" name=\"main\" marginwidth=\"8\"></frameset>\n</frameset></html>\n";

} // namespace

// File > Import Frameset and File > Create HTML5 Page on the real window.
class TestDesignerImport : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/designerimport-XXXXXX");
        QVERIFY(m_dir->isValid());
    }

    void fileMenuHoldsTheNewCommands()
    {
        Designer d;
        QStringList order;
        for (const QAction *a : d.window.findChild<QMenu *>("mnuFile")->actions())
            order << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(order,
            QStringList({"mnuNew", "mnuOpenSpec", "mnuImportFrameset", "mnuSave", "mnuSaveSpec",
                "mnuHTML", "mnuHTML5", "-", "mnuExit"}));
        QCOMPARE(d.action("mnuImportFrameset")->text(), QStringLiteral("&Import Frameset"));
        QCOMPARE(d.action("mnuHTML5")->text(), QStringLiteral("Create HTML&5 Page"));
        // Its shortcut is its own: no other command of the window answers to it.
        const QKeySequence importKey = d.action("mnuImportFrameset")->shortcut();
        QCOMPARE(importKey, QKeySequence(Qt::CTRL | Qt::Key_I));
        for (const QAction *a : d.window.findChildren<QAction *>()) {
            if (a != d.action("mnuImportFrameset"))
                QVERIFY2(a->shortcut() != importKey, qPrintable(a->objectName()));
        }
    }

    void importMakesTheFramesetTheDesign()
    {
        Designer d;
        const QString page = m_dir->filePath(QStringLiteral("site.html"));
        QVERIFY(writeAll(page, Handwritten));
        d.dialogs.answer(page);
        QVERIFY(d.activate());
        QTest::keyClick(&d.window, Qt::Key_I, Qt::ControlModifier);

        QCOMPARE(d.dialogs.shown().size(), 1);
        QCOMPARE(d.dialogs.shown().first().kind, testsupport::ScriptedFileDialogs::Kind::Open);
        QCOMPARE(d.dialogs.shown().first().request.filter, HtmlFilter);
        QVERIFY(d.prompter.shown().isEmpty());
        QCOMPARE(d.model().lastCellIndex(), 2);
        QCOMPARE(d.window.surface()->cellCount(), 3);
        QVERIFY(d.model().isModified());
        QVERIFY(!d.action("mnuUndo")->isEnabled());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft - imported from ") + page);
        QVERIFY(!d.window.findChild<QCheckBox *>("Borderbox")->isChecked());
        // The menu column is 180 pixels wide on screen and keeps that width in the document.
        QCOMPARE(d.cell(0)->width(), 180);
        const QStringList document
            = frameset::buildFramesetDocument(d.model().design()).split("\r\n");
        QCOMPARE(document.mid(4, 7),
            QStringList({"<FRAMESET COLS=180,*>",
                "<FRAME SRC=menu.html NAME=menu NORESIZE  SCROLLING=NO  FRAMEBORDER=YES>",
                "<FRAMESET ROWS= 25%,* BORDER=0>",
                "<FRAME SRC=top.html NAME=top SCROLLING=AUTO  FRAMEBORDER=YES>",
                "<FRAME SRC=main.html NAME=main SCROLLING=AUTO  MARGINWIDTH= 8 FRAMEBORDER=YES>",
                "</FRAMESET>", "</FRAMESET>"}));

        // Save never writes over the page: it asks for a design file.
        const QString spec = m_dir->filePath(QStringLiteral("site.spc"));
        d.dialogs.answer(spec);
        d.action("mnuSave")->trigger();
        QCOMPARE(d.dialogs.shown().size(), 2);
        QCOMPARE(d.dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QVERIFY(d.dialogs.shown().last().request.fileName.isEmpty());
        QCOMPARE(readAll(page), Handwritten);
        QVERIFY(!d.model().isModified());
        const frameset::DesignFileReadResult saved = frameset::DesignFileReader::load(spec);
        QCOMPARE(saved.status, frameset::DesignFileStatus::Valid);
        QCOMPARE(frameset::buildFramesetDocument(saved.design),
            frameset::buildFramesetDocument(d.model().design()));
    }

    void importedDesignAsksBeforeClosing()
    {
        Designer d;
        const QString page = m_dir->filePath(QStringLiteral("site.htm"));
        QVERIFY(writeAll(page, Handwritten));
        d.window.importFrameset(page);
        d.prompter.answer(MessageAnswer::No);
        d.window.close();
        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.prompter.lastText(),
            QStringLiteral("Are you sure you want exit without saving the changes?"));
        QVERIFY(d.window.isVisible());
    }

    void importAsksAsOpenDoes_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("Yes") << MessageAnswer::Yes;
        QTest::newRow("No") << MessageAnswer::No;
        QTest::newRow("Cancel") << MessageAnswer::Cancel;
    }
    void importAsksAsOpenDoes()
    {
        QFETCH(MessageAnswer, answer);
        Designer d;
        d.split(0, SplitDirection::Column);
        const QString page = m_dir->filePath(QStringLiteral("site.htm"));
        QVERIFY(writeAll(page, Handwritten));
        d.prompter.answer(answer);
        if (answer == MessageAnswer::Yes)
            d.dialogs.answer(page);
        d.action("mnuImportFrameset")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.prompter.shown().first().text, OpenQuestion);
        QCOMPARE(d.prompter.shown().first().title, QStringLiteral("Clear"));
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Question);
        QCOMPARE(d.prompter.shown().first().buttons, platform::MessageButtons::YesNoCancel);
        QCOMPARE(d.dialogs.shown().size(), answer == MessageAnswer::Yes ? 1 : 0);
        QCOMPARE(d.model().lastCellIndex(), answer == MessageAnswer::Yes ? 2 : 1);
        QVERIFY(d.model().isModified());
    }

    void refusedDocumentLeavesTheDesign_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("refusal");
        QByteArray many = "<frameset rows=\"*,*\"><frame><frameset cols=\"";
        for (int i = 0; i < 100; ++i)
            many += i ? ",*" : "*";
        many += "\"></frameset></frameset>";
        for (const bool modified : {false, true}) {
            const char *suffix = modified ? ", changed design" : ", saved design";
            QTest::addRow("no frameset%s", suffix)
                << modified << QByteArray("<html><body>Hello</body></html>")
                << "It holds no FRAMESET, so there is nothing to import.";
            QTest::addRow("101 frames%s", suffix)
                << modified << many << "It holds more than 100 frames.";
            QTest::addRow("unreadable sizes%s", suffix)
                << modified << QByteArray("<frameset cols=\"half,*\"><frame><frame></frameset>")
                << "The size \"half\" in COLS=\"half,*\" is neither a pixel count, a percentage "
                   "nor a share (* or 2*).";
        }
    }
    void refusedDocumentLeavesTheDesign()
    {
        QFETCH(bool, modified);
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(1, SplitDirection::Row);
        const QString spec = m_dir->filePath(QStringLiteral("design.spc"));
        d.dialogs.answer(spec);
        d.action("mnuSaveSpec")->trigger();
        if (modified)
            d.split(2, SplitDirection::Column);
        const frameset::Design before = d.model().design();
        const QString caption = d.window.windowTitle();
        const bool undo = d.action("mnuUndo")->isEnabled();

        const QString page = m_dir->filePath(QStringLiteral("page.htm"));
        QVERIFY(writeAll(page, content));
        if (modified)
            d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.answer(page);
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuImportFrameset")->trigger();

        QCOMPARE(d.prompter.pendingAnswers(), 0);
        QCOMPARE(d.prompter.lastText(),
            page + QStringLiteral(" cannot be imported as a Panecraft design.  ") + refusal);
        QCOMPARE(d.prompter.shown().last().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(d.model().design(), before);
        QCOMPARE(d.window.surface()->cellCount(), before.lastCellIndex() + 1);
        QCOMPARE(d.model().isModified(), modified);
        QCOMPARE(d.action("mnuUndo")->isEnabled(), undo);
        QCOMPARE(d.window.windowTitle(), caption);
        QCOMPARE(d.window.files().designFileName(), spec);
    }

    void cancelledImportChangesNothing()
    {
        Designer d;
        d.split(0, SplitDirection::Row);
        const frameset::Design before = d.model().design();
        d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.cancel();
        d.action("mnuImportFrameset")->trigger();
        QCOMPARE(d.model().design(), before);
        QVERIFY(d.model().isModified());
        QCOMPARE(d.dialogs.pendingAnswers(), 0);
    }

    void html5Page_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("name with extension") << "twin.html"
                                             << "twin.html";
        QTest::newRow("no extension") << "twin"
                                      << "twin.htm";
    }
    void html5Page()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(1, SplitDirection::Row);
        d.dialogs.answer(m_dir->filePath(chosen));
        d.action("mnuHTML5")->trigger();
        QCOMPARE(d.dialogs.shown().size(), 1);
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(shown.request.filter, HtmlFilter);
        QVERIFY(!shown.request.confirmOverwrite);
        QVERIFY(d.prompter.shown().isEmpty());
        QCOMPARE(readAll(m_dir->filePath(written)),
            frameset::buildHtml5Page(d.model().design(), QStringLiteral("twin")).toUtf8());
        // Its own remembered name, apart from the frameset document's.
        QCOMPARE(d.window.files().html5FileName(), m_dir->filePath(written));
        QVERIFY(d.window.files().htmlFileName().isEmpty());
        QVERIFY(d.model().isModified());
    }

    void html5PageAsksBeforeReplacing_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK") << MessageAnswer::Ok;
        QTest::newRow("Cancel") << MessageAnswer::Cancel;
    }
    void html5PageAsksBeforeReplacing()
    {
        QFETCH(MessageAnswer, answer);
        Designer d;
        d.split(0, SplitDirection::Column);
        const QString path = m_dir->filePath(QStringLiteral("old.htm"));
        QVERIFY(writeAll(path, "old page"));
        d.dialogs.answer(path);
        d.prompter.answer(answer);
        d.action("mnuHTML5")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.prompter.lastText(), OverwriteQuestion);
        QCOMPARE(d.prompter.shown().first().title, QStringLiteral("Please Note"));
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Exclamation);
        const bool replaced = answer == MessageAnswer::Ok;
        QCOMPARE(readAll(path).startsWith("<!DOCTYPE html>"), replaced);
        QCOMPARE(d.window.files().html5FileName(), replaced ? path : QString());
    }

    void html5PageWriteFailureIsReported()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        d.dialogs.answer(m_dir->filePath(QStringLiteral("missing/twin.htm")));
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuHTML5")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Exclamation);
        QVERIFY(!d.prompter.lastText().isEmpty());
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("missing/twin.htm"))));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

TRELLIS_TEST(TestDesignerImport)
#include "tst_designerimport.moc"

#include "filecontents.h"
#include "filedrops.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/html5page.h"
#include "frameset/ui/designerfiles.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

using testsupport::readAll;
using testsupport::writeAll;

using namespace designertest;
using frameset::SplitDirection;

// The File menu's save, open and import commands: the dialogs they show, the file they write or
// read and what the window shows after. The file names, the bytes and the file checks are the core
// tests' and the command-line cases'.
namespace {

// The design of the worked example: a column split, then the right cell split into rows.
void buildExample(Designer &d)
{
    d.split(0, SplitDirection::Column);
    d.split(1, SplitDirection::Row);
}

const QString ReplaceQuestion
    = QStringLiteral("Are you sure you want to open a new file without saving the current file?");

// A frameset of another tool: a menu column of 180 pixels beside rows of 25% and the rest.
const QByteArray Handwritten
    = "<html><head><title>Site</title></head>\n<frameset cols=\"180,*\" border=\"0\">\n"
      "<frame src=\"menu.html\" name=\"menu\" title=\"Menu\" scrolling=\"no\" noresize>\n"
      "<frameset rows=\"25%,*\"><frame src=\"top.html\" name=\"top\">"
      "<frame src=\"main.html\" name=\"main\" marginwidth=\"8\"></frameset>\n</frameset></html>\n";

QByteArray documentOf(const Designer &d)
{
    return frameset::framesetDocumentFileContent(
        frameset::buildFramesetDocument(d.model().design()));
}

} // namespace

class TestDesignerFiles : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/designerfiles-XXXXXX");
        QVERIFY(m_dir->isValid());
    }

    // Create HTML Document and Create HTML5 Page: each writes its page and remembers its own name.
    void exports_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("document") << "Ctrl+H";
        QTest::newRow("HTML5 page") << "mnuHTML5";
    }
    void exports()
    {
        QFETCH(QString, command);
        const bool html5 = command == QLatin1String("mnuHTML5");
        Designer d;
        buildExample(d);
        d.dialogs.answer(m_dir->filePath("frames"));
        d.give(command);

        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(shown.request.filter,
            "Web Pages (*.htm)|*.htm|Web Pages (*.html)|*.html|All Files (*.*)|*.*");
        QVERIFY(!shown.request.confirmOverwrite);
        const QString written = m_dir->filePath("frames.htm");
        QCOMPARE(readAll(written),
            html5 ? frameset::buildHtml5Page(d.model().design(), QStringLiteral("frames")).toUtf8()
                  : documentOf(d));
        QVERIFY(d.prompter.shown().isEmpty());
        // Writing a page is not saving the design.
        QVERIFY(d.model().isModified());
        const frameset::DesignerFiles &files = d.window.files();
        QCOMPARE(files.html5FileName(), html5 ? written : QString());
        QCOMPARE(files.htmlFileName(), html5 ? QString() : written);
        // The next time the dialog starts with the name written, and Save As with its own.
        d.dialogs.cancel();
        d.give(command);
        QCOMPARE(d.dialogs.shown().last().request.fileName, written);
        d.dialogs.cancel();
        d.action("mnuSaveSpec")->trigger();
        QVERIFY(d.dialogs.shown().last().request.fileName.isEmpty());
    }

    // Both save commands ask before replacing a file, judged by the name they write.
    void overwrite_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<MessageAnswer>("answer");
        const QString htm = QStringLiteral("index.htm"), spc = QStringLiteral("index.spc");
        QTest::newRow("document, OK") << "mnuHTML" << htm << MessageAnswer::Ok;
        QTest::newRow("document, Cancel") << "mnuHTML" << htm << MessageAnswer::Cancel;
        QTest::newRow("only the bare name exists")
            << "mnuHTML" << QString("index") << MessageAnswer::Ok;
        QTest::newRow("HTML5 page, OK") << "mnuHTML5" << htm << MessageAnswer::Ok;
        QTest::newRow("HTML5 page, Cancel") << "mnuHTML5" << htm << MessageAnswer::Cancel;
        QTest::newRow("spec file, OK") << "mnuSaveSpec" << spc << MessageAnswer::Ok;
        QTest::newRow("spec file, Cancel") << "mnuSaveSpec" << spc << MessageAnswer::Cancel;
    }
    void overwrite()
    {
        QFETCH(QString, command);
        QFETCH(QString, existing);
        QFETCH(MessageAnswer, answer);
        const bool html = command != QLatin1String("mnuSaveSpec");
        const QString path = m_dir->filePath(html ? "index.htm" : "index.spc");
        const bool asked = m_dir->filePath(existing) == path;
        Designer d;
        // Saved before, so a refused name must also make Save forget this one.
        const QString first = m_dir->filePath("first.spc");
        d.dialogs.answer(first);
        d.action("mnuSaveSpec")->trigger();
        buildExample(d);
        QVERIFY(writeAll(m_dir->filePath(existing), "kept\n"));
        d.dialogs.answer(m_dir->filePath("index"));
        if (asked)
            d.prompter.answer(answer);
        d.action(qPrintable(command))->trigger();
        const bool written = answer == MessageAnswer::Ok;
        if (asked) {
            d.expectAsked(QStringLiteral("File already exists.  OK to over-write existing file?"),
                QStringLiteral("Please Note"), platform::MessageIcon::Exclamation,
                platform::MessageButtons::OkCancel);
        } else {
            QVERIFY(d.prompter.shown().isEmpty());
            QCOMPARE(readAll(m_dir->filePath(existing)), QByteArray("kept\n"));
        }
        QCOMPARE(readAll(path) == "kept\n", !written);
        const frameset::DesignerFiles &files = d.window.files();
        const QString known = command == QLatin1String("mnuHTML") ? files.htmlFileName()
            : html                                                ? files.html5FileName()
                                                                  : files.designFileName();
        QCOMPARE(known, written ? path : QString());
        if (!html) {
            QCOMPARE(d.model().isModified(), !written);
            QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + (written ? path : first));
            // After a refusal Save asks for a name again instead of writing to either file.
            d.dialogs.cancel();
            d.action("mnuSave")->trigger();
            QCOMPARE(d.dialogs.shown().size(), written ? 2 : 3);
        }
    }

    // The message names the file, with the default extension added, and the system's reason.
    void writeFailureIsReported_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("extension");
        QTest::newRow("document") << "mnuHTML"
                                  << ".htm";
        QTest::newRow("HTML5 page") << "mnuHTML5"
                                    << ".htm";
        QTest::newRow("spec file") << "mnuSaveSpec"
                                   << ".spc";
    }
    void writeFailureIsReported()
    {
        QFETCH(QString, command);
        QFETCH(QString, extension);
        Designer d;
        buildExample(d);
        const QString path = m_dir->filePath("missing/folder/index");
        d.dialogs.answer(path);
        d.prompter.answer(MessageAnswer::Ok);
        d.give(command);
        d.expectAsked(
            QStringLiteral("Cannot write \"%1\": No such file or directory").arg(path + extension),
            QString(), platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        QVERIFY(!QDir(m_dir->filePath("missing")).exists());
        QVERIFY(d.model().isModified());
        QVERIFY(d.window.files().designFileName().isEmpty());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft "));
    }

    void saveAsThenSave()
    {
        Designer d;
        buildExample(d);
        // Without a known file Save asks for one.
        const QString path = m_dir->filePath("design.spc");
        d.dialogs.answer(m_dir->filePath("design"));
        d.give(QStringLiteral("Ctrl+S"));
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(shown.request.filter, "Specs (*.spc)|*.spc|All Files (*.*)|*.*");
        QVERIFY(!shown.request.confirmOverwrite);
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
        QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + path);
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.files().designFileName(), path);
        // Then it writes there at once, without asking.
        d.split(2, SplitDirection::Column);
        d.window.setWindowTitle(QStringLiteral("caption kept"));
        d.give(QStringLiteral("Ctrl+S"));
        QCOMPARE(d.dialogs.shown().size(), 1);
        QVERIFY(d.prompter.shown().isEmpty());
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("caption kept"));
        // New keeps the file that Save writes to; Save As starts with its name.
        d.action("mnuNew")->trigger();
        d.action("mnuSave")->trigger();
        QCOMPARE(d.model().lastCellIndex(), 0);
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
        d.dialogs.cancel();
        d.give(QStringLiteral("Ctrl+A"));
        QCOMPARE(d.dialogs.shown().last().request.fileName, path);
    }

    void openRestoresTheDesign()
    {
        const QString path = copyOfDesignFile(*m_dir, QStringLiteral("fractional-borders.spc"));
        const QByteArray saved = readAll(path);
        Designer d;
        d.split(0, SplitDirection::Row);
        d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.answer(path);
        d.give(QStringLiteral("Ctrl+O"));
        QCOMPARE(d.prompter.shown().first().text, ReplaceQuestion);
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Open);
        QCOMPARE(shown.request.filter, "Spec Files (*.spc)|*.spc|All Files(*.*|*.*");

        QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + path);
        QVERIFY(!d.model().isModified());
        QVERIFY(!d.action("mnuUndo")->isEnabled());
        QCOMPARE(d.model().design(), frameset::DesignFileReader::read(saved).design);
        QCOMPARE(d.window.surface()->cellCount(), 3);
        QCOMPARE(d.cellRect(0), QRect(0, 30, 133, 333));
        QCOMPARE(d.cellRect(1), QRect(133, 30, 267, 167));
        QVERIFY(d.window.surface()->scrollView(1)->isVisible());
        QCOMPARE(d.window.files().designFileName(), path);

        // Saved again unchanged, the file keeps its bytes.
        d.action("mnuSave")->trigger();
        QCOMPARE(readAll(path), saved);
    }

    // A design dropped on the window opens as Open does: after the same question, and without
    // the dialog. Anything else is refused and changes nothing.
    void dropsOpenAsOpenDoes()
    {
        const QString path = copyOfDesignFile(*m_dir, QStringLiteral("fractional-borders.spc"));
        const QString text = m_dir->filePath("notes.txt");
        QVERIFY(writeAll(text, "not a design"));

        Designer d;
        d.split(0, SplitDirection::Row);
        for (const auto &[name, urls] : testsupport::refusedDrops(path, m_dir->path(), text)) {
            QVERIFY2(!testsupport::dropFiles(&d.window, urls), name);
            QCOMPARE(d.model().lastCellIndex(), 1);
        }
        QVERIFY(d.prompter.shown().isEmpty());

        d.prompter.answer(MessageAnswer::Yes);
        QVERIFY(testsupport::dropFiles(&d.window, {QUrl::fromLocalFile(path)}));
        QCOMPARE(d.prompter.shown().first().text, ReplaceQuestion);
        QVERIFY(d.dialogs.shown().isEmpty());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + path);
        QCOMPARE(d.model().lastCellIndex(), 2);
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.files().designFileName(), path);
    }

    // A design that is not replaced, by Open or by Import Frameset, stays as it was, with its
    // file name, caption, selection and undo, so closing still asks before the unsaved split is
    // lost.
    void unopenedFileKeepsTheDesign_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("told");
        QTest::addColumn<platform::MessageIcon>("icon");
        const QString open = QStringLiteral("Ctrl+O"), import = QStringLiteral("mnuImportFrameset");
        const auto none = platform::MessageIcon::None;
        QByteArray overlong;
        for (int i = 0; i < 1200; ++i)
            overlong += "<FRAMESET COLS= ##1>\r\n";
        QTest::newRow("No") << open << MessageAnswer::No << QString() << QByteArray() << QString()
                            << none;
        QTest::newRow("Cancel") << open << MessageAnswer::Cancel << QString() << QByteArray()
                                << QString() << none;
        QTest::newRow("cancelled dialog")
            << open << MessageAnswer::Yes << QString() << QByteArray() << QString() << none;
        QTest::newRow("HTML page")
            << open << MessageAnswer::Yes << "index.HTML" << QByteArray("<HTML></HTML>\r\n")
            << "Only files created with Panecraft and saved as spec files (*.spc) can be opened."
            << none;
        QTest::newRow("invalid file")
            << open << MessageAnswer::Yes << "Broken Design.spc" << QByteArray("just some text\r\n")
            << " file is not a valid Panecraft file." << none;
        QTest::newRow("overlong file")
            << open << MessageAnswer::Yes << "long.spc" << overlong << QString() << none;
        QTest::newRow("import, No")
            << import << MessageAnswer::No << QString() << QByteArray() << QString() << none;
        QTest::newRow("import, cancelled dialog")
            << import << MessageAnswer::Yes << QString() << QByteArray() << QString() << none;
        QTest::newRow("import, refused page")
            << import << MessageAnswer::Yes << "page.htm"
            << QByteArray("<html><body>Hello</body></html>")
            << " cannot be imported as a Panecraft design.  It holds no FRAMESET, so there is "
               "nothing to import."
            << platform::MessageIcon::Exclamation;
    }
    void unopenedFileKeepsTheDesign()
    {
        QFETCH(QString, command);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, told);
        QFETCH(platform::MessageIcon, icon);
        Designer d;
        buildExample(d);
        const QString saved = m_dir->filePath("design.spc");
        d.dialogs.answer(saved);
        d.action("mnuSaveSpec")->trigger();
        d.split(2, SplitDirection::Column);
        const frameset::Design before = d.model().design();
        const QString caption = d.window.windowTitle();

        d.prompter.answer(answer);
        const QString path = m_dir->filePath(name);
        if (answer == MessageAnswer::Yes) {
            if (name.isEmpty()) {
                d.dialogs.cancel();
            } else {
                QVERIFY(writeAll(path, content));
                d.dialogs.answer(path);
            }
        }
        if (!told.isEmpty())
            d.prompter.answer(MessageAnswer::Ok);
        d.give(command);
        QCOMPARE(d.prompter.shown().size(), told.isEmpty() ? 1 : 2);
        const auto &asked = d.prompter.shown().first();
        QCOMPARE(asked.title, QStringLiteral("Clear"));
        QCOMPARE(asked.icon, platform::MessageIcon::Question);
        QCOMPARE(asked.buttons, platform::MessageButtons::YesNoCancel);
        QCOMPARE(d.dialogs.shown().size(), answer == MessageAnswer::Yes ? 2 : 1);
        if (!told.isEmpty()) {
            QCOMPARE(d.prompter.lastText(), told.startsWith(u' ') ? path + told : told);
            QCOMPARE(d.prompter.shown().last().icon, icon);
            QVERIFY(d.prompter.shown().last().title.isEmpty());
        }
        if (!name.isEmpty())
            QCOMPARE(readAll(path), content);

        QCOMPARE(d.model().design(), before);
        QCOMPARE(d.window.surface()->cellCount(), 4);
        QVERIFY(d.cell(3)->isHighlighted());
        QVERIFY(d.model().isModified());
        QVERIFY(d.action("mnuUndo")->isEnabled());
        QCOMPARE(d.window.windowTitle(), caption);
        QCOMPARE(d.window.files().designFileName(), saved);
        d.prompter.answer(MessageAnswer::No);
        d.window.close();
        QVERIFY(d.window.isVisible());
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
        d.prompter.answer(MessageAnswer::Ok);
        d.dialogs.answer(page);
        d.give(QStringLiteral("Ctrl+I"));

        // Asked about the unsaved design first; then told, once, what the design cannot keep.
        QCOMPARE(d.prompter.shown().size(), 2);
        QCOMPARE(d.prompter.lastText(),
            "The design does not hold everything the page has; left out: the page's title, the "
            "frames' TITLE attribute.");
        QCOMPARE(d.prompter.shown().last().icon, platform::MessageIcon::Information);
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
        QVERIFY(
            frameset::buildFramesetDocument(d.model().design())
                .contains(
                    "<FRAMESET COLS=180,* BORDER=0>\r\n<FRAME SRC=menu.html NAME=menu NORESIZE"));

        // Save never writes over the page, nor over the design file opened before: it asks.
        d.dialogs.answer(m_dir->filePath(QStringLiteral("site.spc")));
        d.action("mnuSave")->trigger();
        QCOMPARE(d.dialogs.shown().size(), 3);
        QCOMPARE(d.dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QVERIFY(d.dialogs.shown().last().request.fileName.isEmpty());
        QCOMPARE(readAll(page), Handwritten);
        QVERIFY(!d.model().isModified());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

TRELLIS_TEST(TestDesignerFiles)
#include "tst_designerfiles.moc"

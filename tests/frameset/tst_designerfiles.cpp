#include "cli/commandline.h"
#include "filecontents.h"
#include "filedrops.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/ui/designerfiles.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

using testsupport::readAll;
using testsupport::writeAll;

using namespace designertest;
using frameset::SplitDirection;

namespace {

// The design of the worked example: a column split, then the right cell split into rows.
void buildExample(Designer &d)
{
    d.split(0, SplitDirection::Column);
    d.split(1, SplitDirection::Row);
}

const QString SpecFilter = QStringLiteral("Specs (*.spc)|*.spc|All Files (*.*)|*.*");
const QString OpenFilter = QStringLiteral("Spec Files (*.spc)|*.spc|All Files(*.*|*.*");
const QString HtmlFilter
    = QStringLiteral("Web Pages (*.htm)|*.htm|Web Pages (*.html)|*.html|All Files (*.*)|*.*");
const QString OverwriteQuestion
    = QStringLiteral("File already exists.  OK to over-write existing file?");

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

    void fileMenu()
    {
        Designer d;
        const QList<QPair<const char *, QKeySequence>> items
            = {{"mnuOpenSpec", QKeySequence(Qt::CTRL | Qt::Key_O)},
                {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
                {"mnuSaveSpec", QKeySequence(Qt::CTRL | Qt::Key_A)},
                {"mnuHTML", QKeySequence(Qt::CTRL | Qt::Key_H)}};
        const QStringList captions = {"&Open File (Spec File)", "&Save (Spec File)",
            "Save &As (Spec File)", "Create &HTML Document"};
        QStringList order;
        for (const QAction *a : d.window.findChild<QMenu *>("mnuFile")->actions())
            order << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(order,
            QStringList({"mnuNew", "mnuOpenSpec", "mnuImportFrameset", "mnuSave", "mnuSaveSpec",
                "mnuHTML", "mnuHTML5", "-", "mnuExit"}));
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(d.action(items[i].first)->text(), captions[i]);
            QCOMPARE(d.action(items[i].first)->shortcut(), items[i].second);
        }
    }

    void htmlDocument_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("name with extension") << "frames.htm"
                                             << "frames.htm";
        QTest::newRow("html extension") << "frames.html"
                                        << "frames.html";
        QTest::newRow("name ending in a dot") << "frames."
                                              << "frames..htm";
        QTest::newRow("no extension") << "frames"
                                      << "frames.htm";
        QTest::newRow("no extension in a dotted folder") << "my.site/index"
                                                         << "my.site/index.htm";
    }
    void htmlDocument()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        // A name ending in "." is judged by the first "." of the whole path.
        if (chosen.endsWith(u'.') && m_dir->path().contains(u'.'))
            QSKIP("the temporary folder's name holds a dot");
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("my.site")));
        Designer d;
        buildExample(d);
        d.dialogs.answer(m_dir->filePath(chosen));
        QVERIFY(d.activate());
        QTest::keyClick(&d.window, Qt::Key_H, Qt::ControlModifier);

        QCOMPARE(d.dialogs.shown().size(), 1);
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(shown.request.filter, HtmlFilter);
        QVERIFY(shown.request.fileName.isEmpty());
        QVERIFY(!shown.request.confirmOverwrite);
        QCOMPARE(readAll(m_dir->filePath(written)),
            QByteArray("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
                       "<FRAMESET COLS= 50%,* BORDER=5>\r\n"
                       "<FRAME SRC=xxxxx.htm NAME=Frame1 SCROLLING=AUTO  FRAMEBORDER=YES>\r\n"
                       "<FRAMESET ROWS= 50%,* BORDER=5>\r\n"
                       "<FRAME SRC=xxxxx.htm NAME=Frame2 SCROLLING=AUTO  FRAMEBORDER=YES>\r\n"
                       "<FRAME SRC=xxxxx.htm NAME=Frame3 SCROLLING=AUTO  FRAMEBORDER=YES>\r\n"
                       "</FRAMESET>\r\n</FRAMESET>\r\n</HTML>\r\n"));
        QVERIFY(d.prompter.shown().isEmpty());
        // Writing the document is not saving the design.
        QVERIFY(d.model().isModified());
        // The next time the dialog starts with the name written.
        d.dialogs.cancel();
        d.action("mnuHTML")->trigger();
        QCOMPARE(d.dialogs.shown().last().request.fileName, m_dir->filePath(written));
    }

    void htmlDocumentFollowsTheDesign()
    {
        Designer d;
        buildExample(d);
        d.window.surface()->bordersBox()->setChecked(false);
        const QString path = m_dir->filePath("frames.htm");
        d.dialogs.answer(path);
        d.action("mnuHTML")->trigger();
        QCOMPARE(readAll(path),
            frameset::framesetDocumentFileContent(
                frameset::buildFramesetDocument(d.model().design())));
        QVERIFY(readAll(path).contains("<FRAMESET COLS= 50%,* BORDER=0>"));
    }

    void commandLineWritesTheSameDocument()
    {
        Designer d;
        buildExample(d);
        // A dragged border, so the size lists are not the even halves.
        drag(d.cell(0), QPoint(d.cell(0)->width() - 2, 40), QPoint(d.cell(0)->width() - 120, 40));
        d.window.surface()->bordersBox()->setChecked(false);
        const QString spec = m_dir->filePath("design.spc");
        const QString html = m_dir->filePath("design.htm");
        d.dialogs.answer(spec);
        d.action("mnuSaveSpec")->trigger();
        d.dialogs.answer(html);
        d.action("mnuHTML")->trigger();
        QVERIFY(d.prompter.shown().isEmpty());

        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(cli::runCommandLine({"frameset", spec}, outStream, errStream), 0);
        outStream.flush();
        QCOMPARE(out.toUtf8(), readAll(html));
        QVERIFY(!readAll(html).contains("COLS= 50%"));
    }

    void htmlOverwrite_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK") << MessageAnswer::Ok;
        QTest::newRow("Cancel") << MessageAnswer::Cancel;
    }
    void htmlOverwrite()
    {
        QFETCH(MessageAnswer, answer);
        Designer d;
        const QString path = m_dir->filePath("index.htm");
        QVERIFY(writeAll(path, "old page\n"));
        d.dialogs.answer(path);
        d.prompter.answer(answer);
        d.action("mnuHTML")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        const auto &asked = d.prompter.shown().first();
        QCOMPARE(asked.text, OverwriteQuestion);
        QCOMPARE(asked.title, QStringLiteral("Please Note"));
        QCOMPARE(asked.icon, platform::MessageIcon::Exclamation);
        QCOMPARE(asked.buttons, platform::MessageButtons::OkCancel);
        if (answer == MessageAnswer::Ok) {
            QVERIFY(readAll(path).startsWith("<HTML>\r\n"));
            QCOMPARE(d.window.files().htmlFileName(), path);
        } else {
            QCOMPARE(readAll(path), QByteArray("old page\n"));
            QVERIFY(d.window.files().htmlFileName().isEmpty());
        }
    }

    void overwriteQuestionNamesTheWrittenFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("asked");
        QTest::newRow("document exists") << "mnuHTML"
                                         << "index.htm"
                                         << "index"
                                         << "index.htm" << true;
        QTest::newRow("only the bare name exists") << "mnuHTML"
                                                   << "index"
                                                   << "index"
                                                   << "index.htm" << false;
        QTest::newRow("spec file exists") << "mnuSaveSpec"
                                          << "design.spc"
                                          << "design"
                                          << "design.spc" << true;
        QTest::newRow("only the bare spec name exists") << "mnuSaveSpec"
                                                        << "design"
                                                        << "design"
                                                        << "design.spc" << false;
    }
    void overwriteQuestionNamesTheWrittenFile()
    {
        QFETCH(QString, command);
        QFETCH(QString, existing);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, asked);
        Designer d;
        buildExample(d);
        QVERIFY(writeAll(m_dir->filePath(existing), "kept\n"));
        d.dialogs.answer(m_dir->filePath(typed));
        if (asked)
            d.prompter.answer(MessageAnswer::Cancel);
        d.action(qPrintable(command))->trigger();
        QCOMPARE(d.prompter.shown().size(), asked ? 1 : 0);
        QCOMPARE(readAll(m_dir->filePath(existing)), QByteArray("kept\n"));
        if (asked) {
            QCOMPARE(d.prompter.lastText(), OverwriteQuestion);
        } else {
            QVERIFY(readAll(m_dir->filePath(written))
                        .startsWith(command == QLatin1String("mnuHTML") ? "<HTML>\r\n"
                                                                        : "<FRAMESET COLS= ##1>"));
        }
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), asked ? 1 : 2);
    }

    void htmlWriteFailure()
    {
        Designer d;
        d.dialogs.answer(m_dir->filePath("missing/folder/index.htm"));
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuHTML")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        QVERIFY(!d.prompter.lastText().isEmpty());
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(d.prompter.shown().first().buttons, platform::MessageButtons::Ok);
        QVERIFY(d.prompter.shown().first().title.isEmpty());
        QVERIFY(!QFile::exists(m_dir->filePath("missing/folder/index.htm")));
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("spc") << "design.spc"
                             << "design.spc";
        QTest::newRow("name ending in a dot") << "design."
                                              << "design..spc";
        QTest::newRow("no extension") << "design"
                                      << "design.spc";
        QTest::newRow("no extension in a dotted folder") << "my.site/design"
                                                         << "my.site/design.spc";
    }
    void saveAs()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        if (chosen.endsWith(u'.') && m_dir->path().contains(u'.'))
            QSKIP("the temporary folder's name holds a dot");
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("my.site")));
        Designer d;
        buildExample(d);
        const QString path = m_dir->filePath(written);
        d.dialogs.answer(m_dir->filePath(chosen));
        QVERIFY(d.activate());
        QTest::keyClick(&d.window, Qt::Key_A, Qt::ControlModifier);
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(shown.request.filter, SpecFilter);
        QVERIFY(!shown.request.confirmOverwrite);
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
        QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + path);
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.files().designFileName(), path);
        QVERIFY(d.prompter.shown().isEmpty());
    }

    void saveWritesToTheKnownFile()
    {
        Designer d;
        buildExample(d);
        // Without a known file Save asks for one.
        const QString path = m_dir->filePath("design.spc");
        d.dialogs.answer(path);
        QVERIFY(d.activate());
        QTest::keyClick(&d.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d.dialogs.shown().size(), 1);
        QVERIFY(QFile::exists(path));
        // Then it writes there at once, without asking.
        d.split(2, SplitDirection::Column);
        d.window.setWindowTitle(QStringLiteral("caption kept"));
        QTest::keyClick(&d.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d.dialogs.shown().size(), 1);
        QVERIFY(d.prompter.shown().isEmpty());
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("caption kept"));
        // New keeps the file that Save writes to.
        d.action("mnuNew")->trigger();
        d.action("mnuSave")->trigger();
        QCOMPARE(d.dialogs.shown().size(), 1);
        QCOMPARE(d.model().lastCellIndex(), 0);
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
    }

    void refusedOverwriteForgetsTheName()
    {
        Designer d;
        buildExample(d);
        const QString path = m_dir->filePath("taken.spc");
        QVERIFY(writeAll(path, "someone else's\n"));
        d.dialogs.answer(path);
        d.prompter.answer(MessageAnswer::Cancel);
        d.action("mnuSaveSpec")->trigger();
        QCOMPARE(d.prompter.lastText(), OverwriteQuestion);
        QCOMPARE(d.prompter.shown().first().title, QStringLiteral("Please Note"));
        QCOMPARE(readAll(path), QByteArray("someone else's\n"));
        QVERIFY(d.window.files().designFileName().isEmpty());
        QVERIFY(d.model().isModified());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft "));
        // Save asks for a name again instead of writing to the refused file.
        d.dialogs.cancel();
        d.action("mnuSave")->trigger();
        QCOMPARE(d.dialogs.shown().size(), 2);
        QVERIFY(d.dialogs.shown().last().request.fileName.isEmpty());
        QCOMPARE(readAll(path), QByteArray("someone else's\n"));
    }

    void acceptedOverwriteReplaces()
    {
        Designer d;
        const QString path = m_dir->filePath("old.spc");
        QVERIFY(writeAll(path, "old\n"));
        d.dialogs.answer(path);
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuSaveSpec")->trigger();
        QCOMPARE(readAll(path), frameset::DesignFileWriter::write(d.model().design()));
    }

    void failedSaveKeepsTheDesignModified()
    {
        Designer d;
        buildExample(d);
        d.dialogs.answer(m_dir->filePath("no/such/folder/design.spc"));
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuSaveSpec")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        QVERIFY(!d.prompter.lastText().isEmpty());
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Exclamation);
        QVERIFY(d.model().isModified());
        QVERIFY(d.window.files().designFileName().isEmpty());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft "));
    }

    void openRestoresTheDesign()
    {
        const QString path = m_dir->filePath("example.spc");
        QByteArray saved;
        frameset::Design before;
        {
            Designer d;
            buildExample(d);
            d.clickCell(0);
            drag(d.cell(0), QPoint(393, 100), QPoint(376, 100));
            d.propertiesScript.then([](frameset::FramePropertiesDialog &dialog) {
                QTest::keyClicks(
                    dialog.textBox(frameset::FrameTextBox::SourceUrl), QStringLiteral("menu.htm"));
                child<QComboBox>(&dialog, "Combo1")->setCurrentIndex(2);
                clickOk(dialog);
            });
            doubleClick(d.cell(0), QPoint(50, 50));
            QCOMPARE(d.propertiesScript.pending(), 0);
            d.window.surface()->bordersBox()->setChecked(false);
            d.dialogs.answer(path);
            d.action("mnuSaveSpec")->trigger();
            saved = readAll(path);
            before = d.model().design();
        }

        Designer d;
        d.split(0, SplitDirection::Row);
        QVERIFY(d.action("mnuUndo")->isEnabled());
        d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.answer(path);
        QVERIFY(d.activate());
        QTest::keyClick(&d.window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(d.prompter.shown().first().text,
            QStringLiteral("Are you sure you want to open a new file without saving the current "
                           "file?"));
        const auto &shown = d.dialogs.shown().first();
        QCOMPARE(shown.kind, testsupport::ScriptedFileDialogs::Kind::Open);
        QCOMPARE(shown.request.filter, OpenFilter);

        QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + path);
        QVERIFY(!d.model().isModified());
        QVERIFY(!d.action("mnuUndo")->isEnabled());
        QCOMPARE(d.model().layoutText(), before.layoutText());
        QCOMPARE(d.model().design().cells(), before.cells());
        QCOMPARE(d.window.surface()->cellCount(), 3);
        QCOMPARE(d.cellRect(0), QRect(0, 30, 376, 700));
        QCOMPARE(d.cellRect(1), QRect(376, 30, 416, 350));
        QVERIFY(!d.window.surface()->scrollView(0)->isVisible());
        QVERIFY(d.window.surface()->scrollView(1)->isVisible());
        QVERIFY(!d.window.surface()->bordersBox()->isChecked());
        QCOMPARE(
            d.model().design().properties().record(0).sourceUrl.text(), QStringLiteral("menu.htm"));
        QCOMPARE(d.model().design().properties().record(0).scrolling.text(), QStringLiteral("2"));
        QCOMPARE(d.window.files().designFileName(), path);

        // Saved again unchanged, the file keeps its bytes.
        d.action("mnuSave")->trigger();
        QCOMPARE(readAll(path), saved);
    }

    // A design dropped on the window opens as Open does: after the same question, and without
    // the dialog. Anything else is refused and changes nothing.
    void dropsOpenAsOpenDoes()
    {
        const QString path = m_dir->filePath("dropped.spc");
        {
            Designer d;
            buildExample(d);
            d.dialogs.answer(path);
            d.action("mnuSaveSpec")->trigger();
        }
        const QString text = m_dir->filePath("notes.txt");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a design");
        file.close();

        Designer d;
        d.split(0, SplitDirection::Row);
        for (const auto &[name, urls] : testsupport::refusedDrops(path, m_dir->path(), text)) {
            QVERIFY2(!testsupport::dropFiles(&d.window, urls), name);
            QCOMPARE(d.model().lastCellIndex(), 1);
        }
        QVERIFY(d.prompter.shown().isEmpty());

        d.prompter.answer(MessageAnswer::Yes);
        QVERIFY(testsupport::dropFiles(&d.window, {QUrl::fromLocalFile(path)}));
        QCOMPARE(d.prompter.shown().first().text,
            QStringLiteral("Are you sure you want to open a new file without saving the current "
                           "file?"));
        QVERIFY(d.dialogs.shown().isEmpty());
        QCOMPARE(d.window.windowTitle(), QStringLiteral("  ") + path);
        QCOMPARE(d.model().lastCellIndex(), 2);
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.files().designFileName(), path);
    }

    void openAsksFirst_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("No") << MessageAnswer::No;
        QTest::newRow("Cancel") << MessageAnswer::Cancel;
    }
    void openAsksFirst()
    {
        QFETCH(MessageAnswer, answer);
        Designer d;
        buildExample(d);
        d.prompter.answer(answer);
        d.action("mnuOpenSpec")->trigger();
        QCOMPARE(d.prompter.shown().size(), 1);
        QCOMPARE(d.prompter.shown().first().title, QStringLiteral("Clear"));
        QCOMPARE(d.prompter.shown().first().icon, platform::MessageIcon::Question);
        QCOMPARE(d.prompter.shown().first().buttons, platform::MessageButtons::YesNoCancel);
        QVERIFY(d.dialogs.shown().isEmpty());
        QCOMPARE(d.model().lastCellIndex(), 2);
        QVERIFY(d.model().isModified());
    }

    void unopenedFileKeepsTheDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("told");
        QByteArray overlong;
        for (int i = 0; i < 1200; ++i)
            overlong += "<FRAMESET COLS= ##1>\r\n";
        QTest::newRow("cancelled dialog") << QString() << QByteArray() << false;
        QTest::newRow("HTML page") << "index.html" << QByteArray("<HTML></HTML>\r\n") << true;
        QTest::newRow("invalid file") << "notes.spc" << QByteArray("just some text\r\n") << true;
        QTest::newRow("overlong file") << "long.spc" << overlong << false;
    }
    void unopenedFileKeepsTheDesign()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, told);
        Designer d;
        buildExample(d);
        const QString saved = m_dir->filePath("design.spc");
        d.dialogs.answer(saved);
        d.action("mnuSaveSpec")->trigger();
        d.split(2, SplitDirection::Column);
        const frameset::Design before = d.model().design();
        const QString caption = d.window.windowTitle();
        QCOMPARE(caption, QStringLiteral("  ") + saved);

        d.prompter.answer(MessageAnswer::Yes);
        if (name.isEmpty()) {
            d.dialogs.cancel();
        } else {
            QVERIFY(writeAll(m_dir->filePath(name), content));
            d.dialogs.answer(m_dir->filePath(name));
        }
        if (told)
            d.prompter.answer(MessageAnswer::Ok);
        QVERIFY(d.activate());
        QTest::keyClick(&d.window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(d.prompter.shown().size(), told ? 2 : 1);
        QCOMPARE(d.prompter.pendingAnswers(), 0);

        QCOMPARE(d.model().design(), before);
        QCOMPARE(d.window.surface()->cellCount(), 4);
        QCOMPARE(d.model().selectedCell(), 3);
        QVERIFY(d.cell(3)->isHighlighted());
        QVERIFY(d.model().isModified());
        QVERIFY(d.action("mnuUndo")->isEnabled());
        QCOMPARE(d.window.windowTitle(), caption);
        QCOMPARE(d.window.files().designFileName(), saved);
        // So closing still asks before the unsaved split is lost.
        d.prompter.answer(MessageAnswer::No);
        d.window.close();
        QVERIFY(d.window.isVisible());
    }

    void openRefusesHtml_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("upper-case HTML") << "index.HTML";
        QTest::newRow(".htm inside") << "page.htm.spc";
    }
    void openRefusesHtml()
    {
        QFETCH(QString, name);
        Designer d;
        const QString design = m_dir->filePath("design.spc");
        d.dialogs.answer(design);
        d.action("mnuSaveSpec")->trigger();
        buildExample(d);

        const QString page = m_dir->filePath(name);
        QVERIFY(writeAll(page, "<HTML></HTML>\r\n"));
        d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.answer(page);
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuOpenSpec")->trigger();
        QCOMPARE(d.prompter.lastText(),
            QStringLiteral("Only files created with Panecraft and saved as spec files (*.spc) "
                           "can be opened."));
        QCOMPARE(d.prompter.shown().last().icon, platform::MessageIcon::None);
        QVERIFY(d.prompter.shown().last().title.isEmpty());
        QCOMPARE(d.model().lastCellIndex(), 2);

        // Save still writes to the design file, never over the refused page.
        d.split(0, SplitDirection::Column);
        d.action("mnuSave")->trigger();
        QCOMPARE(readAll(page), QByteArray("<HTML></HTML>\r\n"));
        QCOMPARE(readAll(design), frameset::DesignFileWriter::write(d.model().design()));
    }

    void invalidFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        frameset::Design design;
        design.cell(0) = {0, 450, 11880, 10500, QStringLiteral("0"), {}};
        const QByteArray good = frameset::DesignFileWriter::write(design);
        QTest::newRow("no separator") << QByteArray("just some text\r\nin two lines\r\n");
        QTest::newRow("bad number") << QByteArray(good).replace("11880", "11x80");
        QTest::newRow("short line") << QByteArray(good).replace("10500;0;", "10500;0");
        QTest::newRow("truncated") << good.left(good.indexOf(";;;;;;;;;;;\r\n;;;;"));
        QByteArray garbage;
        for (int i = 0; i < 600; ++i)
            garbage.append(char((i * 37 + 11) % 256));
        QTest::newRow("binary garbage") << garbage;
        QTest::newRow("empty") << QByteArray();
    }
    void invalidFiles()
    {
        QFETCH(QByteArray, content);
        Designer d;
        const QString design = m_dir->filePath("good.spc");
        d.dialogs.answer(design);
        d.action("mnuSaveSpec")->trigger();
        d.split(0, SplitDirection::Column);

        const QString path = m_dir->filePath("Broken Design.spc");
        QVERIFY(writeAll(path, content));
        d.prompter.answer(MessageAnswer::Yes);
        d.dialogs.answer(path);
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuOpenSpec")->trigger();
        QCOMPARE(
            d.prompter.lastText(), path + QStringLiteral(" file is not a valid Panecraft file."));
        QCOMPARE(d.prompter.shown().last().icon, platform::MessageIcon::None);
        QCOMPARE(d.prompter.shown().last().buttons, platform::MessageButtons::Ok);
        QCOMPARE(d.window.files().designFileName(), design);
        QCOMPARE(readAll(path), content);

        // The design stays as it was.
        QCOMPARE(d.model().lastCellIndex(), 1);
        QCOMPARE(d.window.surface()->cellCount(), 2);
        QVERIFY(d.model().isModified());
        QVERIFY(d.action("mnuUndo")->isEnabled());
    }

    void overlongFileEndsSilently()
    {
        Designer d;
        QByteArray lines;
        for (int i = 0; i < 1200; ++i)
            lines += "<FRAMESET COLS= ##1>\r\n";
        const QString path = m_dir->filePath("long.spc");
        QVERIFY(writeAll(path, lines));
        d.dialogs.answer(path);
        d.action("mnuOpenSpec")->trigger();
        QVERIFY(d.prompter.shown().isEmpty());
        QCOMPARE(d.model().lastCellIndex(), 0);
        QVERIFY(d.window.files().designFileName().isEmpty());
    }

    void reopenedDesignWritesTheSameDocument()
    {
        Designer d;
        buildExample(d);
        drag(d.cell(1), QPoint(100, 347), QPoint(100, 200));
        d.propertiesScript.then([](frameset::FramePropertiesDialog &dialog) {
            QTest::keyClicks(
                dialog.textBox(frameset::FrameTextBox::SourceUrl), QStringLiteral("menu.htm"));
            tick(child<QCheckBox>(&dialog, "FixedWidth"));
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        const QString spec = m_dir->filePath("design.spc");
        const QString page = m_dir->filePath("design.htm");
        d.dialogs.answer(spec);
        d.action("mnuSaveSpec")->trigger();
        d.dialogs.answer(page);
        d.action("mnuHTML")->trigger();
        const QByteArray fromWindow = readAll(page);
        QVERIFY(fromWindow.contains("<FRAMESET COLS=396,*>"));

        // What the command line makes of the design file, and the window after opening it.
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::load(spec);
        QCOMPARE(read.status, frameset::DesignFileStatus::Valid);
        QCOMPARE(
            frameset::framesetDocumentFileContent(frameset::buildFramesetDocument(read.design)),
            fromWindow);
        d.dialogs.answer(spec);
        d.action("mnuOpenSpec")->trigger();
        d.dialogs.answer(page);
        d.prompter.answer(MessageAnswer::Ok);
        d.action("mnuHTML")->trigger();
        QCOMPARE(readAll(page), fromWindow);
    }

    void htmlAndSpecNamesStayApart()
    {
        Designer d;
        const QString spec = m_dir->filePath("a.spc");
        d.dialogs.answer(spec);
        d.action("mnuSaveSpec")->trigger();
        d.dialogs.cancel();
        d.action("mnuHTML")->trigger();
        QVERIFY(d.dialogs.shown().last().request.fileName.isEmpty());
        const QString page = m_dir->filePath("a.htm");
        d.dialogs.answer(page);
        d.action("mnuHTML")->trigger();
        d.dialogs.cancel();
        d.action("mnuSaveSpec")->trigger();
        QCOMPARE(d.dialogs.shown().last().request.fileName, spec);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

TRELLIS_TEST(TestDesignerFiles)
#include "tst_designerfiles.moc"

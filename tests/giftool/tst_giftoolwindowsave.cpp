#include "animationfiles.h"
#include "filecontents.h"
#include "giftool/core/saverules.h"
#include "giftool/ui/detailpanel.h"
#include "lockedfile.h"
#include "platform/imaging/imagecomponent.h"
#include "platform/programinfo.h"
#include "testmain.h"
#include "tst_giftoolwindowfixture.h"

#include <QDir>
#include <QFile>

using testsupport::readAll;

using giftesting::GifToolWindowFixture;
using platform::MessageAnswer;

namespace {

const QString NoBackgroundQuestion = QStringLiteral(
    "You have not selected a 'transparent' background.  Do you still want to save the file? ");
const QString MoreColoursQuestion = QStringLiteral(
    "The background has more than one color and it may not appear transparent.  OK to proceed?");
const QString CancelQuestion = QStringLiteral("Are you sure you want to delete the transparency?");

} // namespace

// Save As and Cancel Transparency on the real window: the questions, the saved bytes as
// independent decoders see them, the result texts and the reset after a save, and every way a
// save or a cancel can end.
class TestGifToolWindowSave : public QObject
{
    Q_OBJECT
    std::unique_ptr<GifToolWindowFixture> f;

    const giftool::BackgroundSelection &selection() const
    {
        return f->window->document().selection();
    }

    // Opens the test picture and selects its flat background (index 3), answering No.
    QString selectFlatBackground()
    {
        const QString gif = f->backgroundGif();
        if (!f->openAndClick(QPoint(2, 2), MessageAnswer::No, gif))
            return QString();
        f->prompter.clear();
        return gif;
    }

    // Saves through File > Save As under name; no question is expected.
    QString saveAs(const QString &name)
    {
        const QString out = f->path(name);
        f->dialogs.answer(out);
        f->action("mnuSaveAS")->trigger();
        return out;
    }

private slots:
    void init() { f = std::make_unique<GifToolWindowFixture>(); }
    void cleanup()
    {
        QVERIFY(f->allAnswersTaken());
        f.reset();
    }

    // Yes to the completion question saves at once: the dialog offers the opened image's name as
    // a GIF and asks before replacing a file; the window then lets the picture go, and with it
    // the hint that asks for a click on the background.
    void yesToTheCompletionQuestionSavesATransparentGif()
    {
        const QString bmp = f->path(QStringLiteral("chelsea.bmp"));
        platform::ImageComponent component;
        QVERIFY(component.load(f->backgroundGif()) && component.save(bmp));
        QVERIFY(f->open(bmp));
        const QImage picture = f->window->document().picture().picture();
        const QString out = f->path(QStringLiteral("clear.gif"));
        QTest::mouseMove(f->window->controls().pictureView->picture(), QPoint(2, 2));
        QCOMPARE(f->label("Comments")->text(),
            QStringLiteral("Click on the background that you want to render transparent."));
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(out);
        f->clickPicture(QPoint(2, 2));
        QCOMPARE(f->prompter.shown().size(), 1);
        QCOMPARE(f->label("Comments")->text(), QString());

        const platform::FileDialogRequest request = f->dialogs.shown().last().request;
        QCOMPARE(f->dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(request.fileName, f->path(QStringLiteral("chelsea.gif")));
        QCOMPARE(request.filter, giftool::openFilter() + "|PNG Files(*.png)|*.png");
        QVERIFY(request.confirmOverwrite && QFileInfo::exists(bmp));
        giftesting::verifyDecoders(out, picture, 3);

        QCOMPARE(f->label("Instructions")->text(), giftool::saveResultText(out));
        QCOMPARE(f->window->windowTitle(), platform::programTitle());
        QVERIFY(!f->window->hasImage()
            && f->window->controls().pictureView->picture()->pixmap().isNull());
        QVERIFY(f->allHidden({f->window->controls().pictureView->viewport(), f->button(0)}));
        QCOMPARE(f->label("Backgroundbox")->text(), QString());
        // The index stays; the picture must be opened again before anything more is saved.
        QCOMPARE(selection().transparentIndex(), 3);
        QVERIFY(!f->action("mnuSaveAS")->isEnabled()
            && f->menu("mnuOptions")->menuAction()->isEnabled());
        QCOMPARE(f->window->lastFile(), out);
        QTest::mouseClick(f->label("Thebutton", 2), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(f->dialogs.shown().size(), 2);
    }

    // Save As before any click asks first (the rule's texts are checked with the save rules):
    // Cancel stops there, OK saves a GIF89a that marks nothing transparent.
    void savingBeforeAnyClickAsksFirst()
    {
        QVERIFY(f->open(f->backgroundGif()));
        const QImage picture = f->window->document().picture().picture();
        f->prompter.answer(MessageAnswer::Cancel);
        f->action("mnuSaveAS")->trigger();
        QCOMPARE(f->prompter.lastText(), NoBackgroundQuestion);
        QCOMPARE(f->dialogs.shown().size(), 1);
        QVERIFY(f->window->hasImage());

        f->prompter.answer(MessageAnswer::Ok);
        const QString out = saveAs(QStringLiteral("none.gif"));
        giftesting::verifyDecoders(out, picture, -1);
    }

    // The toolbar's Save asks both questions for a background that still has two colors.
    void theToolbarSavesABackgroundThatMustBeConverted()
    {
        QVERIFY(f->openAndClick(QPoint(24, 2), MessageAnswer::Ok));
        QVERIFY(!f->action("mnuSaveAS")->isEnabled());
        f->prompter.clear();
        f->prompter.answer(MessageAnswer::Ok);
        f->prompter.answer(MessageAnswer::Ok);
        const QString out = f->path(QStringLiteral("two.gif"));
        f->dialogs.answer(out);
        QTest::mouseClick(f->label("Thebutton", 2), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(f->takeShown(), (QStringList{NoBackgroundQuestion, MoreColoursQuestion}));
        // No background selected: the flag stays off, the clicked index is still written.
        QCOMPARE(readAll(out).mid(781, 8), QByteArray("\x21\xF9\x04\x00\x00\x00\x06\x00", 8));
        QVERIFY(!f->window->hasImage());
    }

    // A cancelled dialog, a name of no known type and a write that fails all keep the picture,
    // its selection and its caption; the next name then works. A failed write names the file
    // and the system's reason, with the exclamation icon, on each way a file is written (the
    // tests run as root too, so the file is kept from being written by what is in its way).
    void aSaveThatEndsEarlyKeepsEverything_data()
    {
        QTest::addColumn<QString>("opened"); // a copy of the test data file, or picture.gif
        QTest::addColumn<QString>("name"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("told"); // %1 is the chosen path
        const QString cannotWrite = QStringLiteral("Cannot write \"%1\": ");
        QTest::newRow("cancelled dialog") << QString() << QString() << QString();
        QTest::newRow("no known type") << QString() << "notes.txt"
                                       << "Cannot save as %1.  The file name must end in .gif, "
                                          ".bmp, .jpg, .tif, .pcx or .png.";
        QTest::newRow("GIF into a missing folder")
            << QString() << "no/such/folder/out.gif" << cannotWrite + "No such file or directory";
        QTest::newRow("animation below a file")
            << "fourframes.gif"
            << "fourframes.gif/out.gif" << cannotWrite + "Not a directory";
        QTest::newRow("PNG named as a folder")
            << QString() << "taken.png" << cannotWrite + "Filename refers to a directory";
        QTest::newRow("BMP into a missing folder")
            << QString() << "no/such/folder/out.bmp" << cannotWrite + "No such file or directory";
    }
    void aSaveThatEndsEarlyKeepsEverything()
    {
        QFETCH(QString, opened);
        QFETCH(QString, name);
        QFETCH(QString, told);
        const QString gif = opened.isEmpty() ? f->backgroundGif() : f->path(opened);
        QVERIFY(opened.isEmpty() || QFile::copy(giftesting::dataFile(opened), gif));
        QVERIFY(f->openAndClick(QPoint(1, 1), MessageAnswer::No, gif));
        f->prompter.clear();
        const QString caption = f->window->windowTitle();
        const QString background = f->label("Backgroundbox")->text();
        QVERIFY(!background.isEmpty());
        QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("taken.png")));
        const QString out = f->path(name);
        if (name.isEmpty()) {
            f->dialogs.cancel();
        } else {
            f->prompter.answer(MessageAnswer::Ok);
            f->dialogs.answer(out);
        }
        f->action("mnuSaveAS")->trigger();
        const QList<testsupport::ScriptedPrompter::Shown> shown = f->prompter.shown();
        QCOMPARE(shown.size(), name.isEmpty() ? 0 : 1);
        if (!name.isEmpty()) {
            QCOMPARE(shown.first().text, told.arg(out));
            QCOMPARE(shown.first().icon, platform::MessageIcon::Exclamation);
            QCOMPARE(shown.first().title, QString());
        }
        f->prompter.clear();
        QVERIFY(f->window->hasImage() && f->action("mnuSaveAS")->isEnabled());
        QVERIFY(name.isEmpty() || !QFileInfo(out).isFile());
        QCOMPARE(f->window->windowTitle(), caption);
        QCOMPARE(f->window->lastFile(), gif);
        QCOMPARE(f->label("Backgroundbox")->text(), background);
        QVERIFY(QFile::exists(saveAs(QStringLiteral("next.gif"))));
    }

    // A file that cannot be replaced stays byte for byte, with nothing half-written beside it.
    void aSaveOverAProtectedFileLeavesIt()
    {
        QVERIFY(!selectFlatBackground().isEmpty());
        const QString out = f->path(QStringLiteral("kept.gif"));
        QVERIFY(testsupport::writeAll(out, "the old file"));
        const testsupport::LockedFile lock(out);
        if (!lock.locked())
            QSKIP("This file system or user cannot mark a file immutable.");
        f->prompter.answer(MessageAnswer::Ok);
        f->dialogs.answer(out);
        f->action("mnuSaveAS")->trigger();
        QCOMPARE(f->takeShown(),
            QStringList{
                QStringLiteral("Cannot write \"%1\": Existing file %1 is not writable").arg(out)});
        QCOMPARE(readAll(out), QByteArray("the old file"));
        // (A save file would be written beside it as kept.gif.XXXXXX.)
        QCOMPARE(
            QDir(f->dir.path()).entryList({QStringLiteral("kept*")}, QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("kept.gif")});
        QVERIFY(f->window->hasImage());
    }

    // Cancel Transparency works on the file just saved, or the one opened; its questions and
    // the flags it leaves alone are checked with the cancel itself.
    void cancelTransparencyActsOnTheLastFile_data()
    {
        QTest::addColumn<bool>("reopened");
        QTest::newRow("saved") << false;
        QTest::newRow("opened") << true;
    }
    void cancelTransparencyActsOnTheLastFile()
    {
        QFETCH(bool, reopened);
        QVERIFY(!selectFlatBackground().isEmpty());
        const QImage picture = f->window->document().picture().picture();
        const QString out = saveAs(QStringLiteral("saved.gif"));
        if (reopened)
            QVERIFY(f->open(out));
        QCOMPARE(f->window->lastFile(), out);
        QByteArray expected = readAll(out);
        expected[784] = 0;
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuDeleteTrans")->trigger();
        QCOMPARE(f->takeShown(), QStringList{CancelQuestion});
        QCOMPARE(readAll(out), expected);
        giftesting::verifyDecoders(out, picture, -1);
    }

    void anAnimationIsSavedWithEveryFrame()
    {
        const QString source = giftesting::dataFile(QStringLiteral("fourframes.gif"));
        QVERIFY(f->open(source));
        QCOMPARE(f->window->windowTitle(),
            platform::programTitle() + QStringLiteral("  ") + source
                + QStringLiteral("  (4 frames; the background is picked on the first)"));
        const QString gif = f->clickAndSave(QStringLiteral("walk-clear.gif"));
        QCOMPARE(giftesting::readAnimationWithGiflib(gif).frames.size(), 4);

        // A single picture opened next has the plain caption again.
        QVERIFY(f->open(f->backgroundGif()));
        QVERIFY(!f->window->windowTitle().contains(QStringLiteral("frames")));
    }

    void keepFullColourInPngWritesThirtyTwoBits_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("colourType");
        QTest::newRow("off at start") << false << 3;
        QTest::newRow("ticked") << true << 6;
    }

    void keepFullColourInPngWritesThirtyTwoBits()
    {
        QFETCH(bool, ticked);
        QFETCH(int, colourType);
        QVERIFY(f->open(f->backgroundGif()));
        QAction *option = f->action("mnuFullColourPng");
        QVERIFY(!option->isChecked());
        if (ticked)
            option->trigger();
        const QString png = f->clickAndSave(QStringLiteral("picture.png"));
        QCOMPARE(int(uchar(readAll(png).at(25))), colourType);
        QCOMPARE(qAlpha(QImage(png).pixel(1, 1)), 0);
    }

    // Only Connected Background is the window's option: the saved file keeps the enclosed parts
    // opaque, the detail panel reports a merge, and unticked the next picture is done the old way.
    void onlyConnectedBackgroundKeepsEnclosedPartsOpaque()
    {
        QVERIFY(f->open(giftesting::dataFile(QStringLiteral("eye-full.bmp"))));
        f->action("mnuOnlyConnected")->trigger();
        QVERIFY(f->window->document().selection().onlyConnected());
        f->action("mnuDetail")->trigger();
        QLabel *merges = f->window->controls().detailPanel->merges();
        QCOMPARE(merges->text(), QString());
        // (A click at 0,0 would land in the middle: QTest takes a null point for the centre.)
        const QString gif = f->clickAndSave(QStringLiteral("full.gif"));
        const QImage read = QImage(gif).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(read.pixel(1, 1)), 0);
        QCOMPARE(read.pixel(12, 19), giftesting::Cream);
        QCOMPARE(merges->text(),
            QStringLiteral("Merged entries 200 into 201; largest color change 1.0."));
        QVERIFY(merges->isVisible() && f->child("Frame2")->rect().contains(merges->geometry()));
        QVERIFY(!merges->geometry().intersects(f->child<QPushButton>("Command1")->geometry()));

        f->action("mnuOnlyConnected")->trigger();
        QVERIFY(!f->window->document().selection().onlyConnected());
    }
};

TRELLIS_TEST(TestGifToolWindowSave)
#include "tst_giftoolwindowsave.moc"

#include "animationfiles.h"
#include "animationfixtures.h"
#include "enclosedscene.h"
#include "filecontents.h"
#include "giftool/ui/detailpanel.h"
#include "platform/imaging/imagecomponent.h"
#include "platform/programinfo.h"
#include "testmain.h"
#include "tst_giftoolwindowfixture.h"

#include <QFile>

using testsupport::readAll;

using giftesting::GifToolWindowFixture;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString NoBackgroundQuestion = QStringLiteral(
    "You have not selected a 'transparent' background.  Do you still want to save the file? ");
const QString MoreColorsQuestion = QStringLiteral(
    "The background has more than one color and it may not appear transparent.  OK to proceed?");
const QString CancelQuestion = QStringLiteral("Are you sure you want to delete the transparency?");
const QString NotVersion89a = QStringLiteral("The image is not a version 89a or it is corrupt.");

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
        if (!f->open(gif))
            return QString();
        f->prompter.answer(MessageAnswer::No);
        f->clickPicture(QPoint(2, 2));
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
        QCOMPARE(f->prompter.pendingAnswers(), 0);
        QCOMPARE(f->dialogs.pendingAnswers(), 0);
        f.reset();
    }

    void yesToTheCompletionQuestionSavesATransparentGif()
    {
        const QString gif = f->backgroundGif();
        QVERIFY(f->open(gif));
        const QImage picture = selection().picture();
        const QString out = f->path(QStringLiteral("clear.gif"));
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(out);
        f->clickPicture(QPoint(2, 2));
        QCOMPARE(f->prompter.shown().size(), 1);

        // The dialog offers the opened image's own name as a GIF and asks before replacing a
        // file.
        const platform::FileDialogRequest request = f->dialogs.shown().last().request;
        QCOMPARE(f->dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(request.fileName, gif);
        QCOMPARE(request.filter, giftool::openFilter() + "|PNG Files(*.png)|*.png");
        QVERIFY(request.confirmOverwrite);

        const QByteArray bytes = readAll(out);
        QCOMPARE(bytes.left(13), QByteArray("GIF89a\x28\x00\x14\x00\xB7\x03\x31", 13));
        QCOMPARE(bytes.mid(781, 9), QByteArray("\x21\xF9\x04\x01\x00\x00\x03\x00\x2C", 9));
        QCOMPARE((bytes.size() - 781) % 8, 0);
        const int pad = int(bytes.size() - 1 - bytes.lastIndexOf('\x3B'));
        QVERIFY(pad >= 1 && pad <= 8);
        QCOMPARE(bytes.right(pad), QByteArray(pad, ' '));
        giftesting::verifyDecoders(out, picture, 3);

        const QString &name = out;
        QCOMPARE(f->label("Instructions")->text(),
            QStringLiteral("The image has been saved as ") + name
                + QStringLiteral(".  View the effect in web browser.  If not transparent, repeat "
                                 "the process but use the ")
                + name + QStringLiteral(" (not the original) file."));
        QCOMPARE(f->window->windowTitle(), platform::programTitle());
        QVERIFY(!f->window->hasImage());
        QVERIFY(f->window->pictureView()->picture()->pixmap().isNull());
        QVERIFY(f->window->pictureView()->viewport()->isHidden());
        QCOMPARE(f->label("Backgroundbox")->text(), QString());
        QVERIFY(f->label("Label1")->isHidden());
        QVERIFY(f->label("Label2")->isHidden());
        QVERIFY(f->label("Colorsample", 0)->isHidden());
        QVERIFY(f->label("Colorsample", 1)->isHidden());
        for (int i = 0; i < 4; ++i)
            QVERIFY(f->button(i)->isHidden());
        // The index stays; the picture must be opened again before anything more is saved.
        QCOMPARE(selection().transparentIndex(), 3);
        QVERIFY(!f->action("mnuSaveAS")->isEnabled());
        QVERIFY(f->menu("mnuOptions")->menuAction()->isEnabled());
        QCOMPARE(f->window->lastFile(), out);
        const qint64 size = bytes.size();
        QTest::mouseClick(f->label("Thebutton", 2), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(f->dialogs.shown().size(), 2);
        QCOMPARE(QFileInfo(out).size(), size);
    }

    // The hint that asks for a click on the background goes with the picture.
    void noClickIsAskedForOnceThePictureIsGone()
    {
        QVERIFY(f->open(f->backgroundGif()));
        QTest::mouseMove(f->window->pictureView()->picture(), QPoint(2, 2));
        QCOMPARE(f->label("Comments")->text(),
            QStringLiteral("Click on the background that you want to render transparent."));
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(f->path(QStringLiteral("clear.gif")));
        f->clickPicture(QPoint(2, 2));
        QVERIFY(!f->window->hasImage());
        QCOMPARE(f->label("Comments")->text(), QString());
    }

    // Save As comes right after the advice not to overwrite the original: the name it offers
    // is the original's as a GIF, never the original itself.
    void saveAsOffersTheOpenedNameAsAGif()
    {
        const QString bmp = f->path(QStringLiteral("chelsea.bmp"));
        QVERIFY(giftesting::backgroundPicture().save(bmp, "BMP"));
        QVERIFY(f->open(bmp));
        f->prompter.answer(MessageAnswer::No);
        f->clickPicture(QPoint(2, 2));
        f->dialogs.cancel();
        f->action("mnuSaveAS")->trigger();
        QCOMPARE(f->dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QCOMPARE(
            f->dialogs.shown().last().request.fileName, f->path(QStringLiteral("chelsea.gif")));
        QVERIFY(QFileInfo::exists(bmp));
    }

    void everyTypeSavesUnderItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<bool>("patched");
        QTest::newRow("gif in capitals") << "LOUD.GIF" << QByteArray("GIF89a") << true;
        QTest::newRow("bmp") << "plain.bmp" << QByteArray("BM") << false;
        QTest::newRow("pcx") << "plain.pcx" << QByteArray("\x0A\x05", 2) << false;
        QTest::newRow("jpg") << "plain.jpg" << QByteArray("\xFF\xD8", 2) << false;
        QTest::newRow("tif") << "plain.tif" << QByteArray("II*", 3) << false;
    }
    void everyTypeSavesUnderItsName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        QFETCH(bool, patched);
        QVERIFY(!selectFlatBackground().isEmpty());
        const QImage picture = selection().picture();
        const QString out = saveAs(name);
        const QByteArray bytes = readAll(out);
        QVERIFY(bytes.startsWith(magic));
        const QString &upper = out;
        if (patched) {
            QCOMPARE(bytes.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x03\x00", 8));
            QVERIFY(f->label("Instructions")->text().endsWith(upper + " (not the original) file."));
            giftesting::verifyDecoders(out, picture, 3);
        } else {
            QCOMPARE(f->label("Instructions")->text(),
                QStringLiteral("The image has been saved as ") + upper + QStringLiteral(". "));
            platform::ImageComponent back;
            QVERIFY2(back.load(out), qPrintable(back.errorString()));
            QCOMPARE(QSize(back.width(), back.height()), QSize(40, 20));
        }
        QVERIFY(!f->window->hasImage());
    }

    void savingBeforeAnyClickAsksFirst()
    {
        QVERIFY(f->open(f->backgroundGif()));
        const QImage picture = selection().picture();
        // Cancel: nothing more happens.
        f->prompter.answer(MessageAnswer::Cancel);
        f->action("mnuSaveAS")->trigger();
        QCOMPARE(f->prompter.lastText(), NoBackgroundQuestion);
        QCOMPARE(f->prompter.shown().last().icon, MessageIcon::Question);
        QCOMPARE(f->prompter.shown().last().buttons, MessageButtons::OkCancel);
        QCOMPARE(f->prompter.shown().last().title, QStringLiteral("Transparent"));
        QVERIFY(f->dialogs.shown().size() == 1);
        QVERIFY(f->window->hasImage());

        // OK: a GIF89a whose block marks nothing transparent.
        f->prompter.answer(MessageAnswer::Ok);
        const QString out = saveAs(QStringLiteral("none.gif"));
        const QByteArray bytes = readAll(out);
        QCOMPARE(int(quint8(bytes[11])), 0);
        QCOMPARE(bytes.mid(781, 8), QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00", 8));
        giftesting::verifyDecoders(out, picture, -1);
    }

    void theToolbarSavesABackgroundThatMustBeConverted_data()
    {
        QTest::addColumn<MessageAnswer>("first");
        QTest::addColumn<MessageAnswer>("second");
        QTest::addColumn<bool>("saved");
        QTest::newRow("both ok") << MessageAnswer::Ok << MessageAnswer::Ok << true;
        QTest::newRow("cancel first") << MessageAnswer::Cancel << MessageAnswer::Ok << false;
        QTest::newRow("cancel second") << MessageAnswer::Ok << MessageAnswer::Cancel << false;
    }
    void theToolbarSavesABackgroundThatMustBeConverted()
    {
        QFETCH(MessageAnswer, first);
        QFETCH(MessageAnswer, second);
        QFETCH(bool, saved);
        QVERIFY(f->open(f->backgroundGif()));
        f->prompter.answer(MessageAnswer::Ok);
        f->clickPicture(QPoint(24, 2));
        QVERIFY(!f->action("mnuSaveAS")->isEnabled());
        f->prompter.clear();

        f->prompter.answer(first);
        if (first == MessageAnswer::Ok)
            f->prompter.answer(second);
        const QString out = f->path(QStringLiteral("two.gif"));
        if (saved)
            f->dialogs.answer(out);
        QTest::mouseClick(f->label("Thebutton", 2), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(f->prompter.shown().first().text, NoBackgroundQuestion);
        if (first == MessageAnswer::Ok) {
            QCOMPARE(f->prompter.shown().last().text, MoreColorsQuestion);
            QCOMPARE(f->prompter.shown().last().title, QStringLiteral("Transparent"));
        }
        QCOMPARE(QFile::exists(out), saved);
        QCOMPARE(f->window->hasImage(), !saved);
        if (saved) {
            // No background selected: the flag stays off, the clicked index is still written.
            const QByteArray bytes = readAll(out);
            QCOMPARE(int(quint8(bytes[11])), 6);
            QCOMPARE(bytes.mid(781, 8), QByteArray("\x21\xF9\x04\x00\x00\x00\x06\x00", 8));
        }
    }

    void aCancelledDialogKeepsEverything()
    {
        QVERIFY(!selectFlatBackground().isEmpty());
        f->dialogs.cancel();
        f->action("mnuSaveAS")->trigger();
        QVERIFY(f->prompter.shown().isEmpty());
        QVERIFY(f->window->hasImage());
        QCOMPARE(f->label("Backgroundbox")->text(), QStringLiteral("Index = 3"));
        QVERIFY(f->action("mnuSaveAS")->isEnabled());
    }

    void aNameOfNoKnownTypeIsRefused()
    {
        QVERIFY(!selectFlatBackground().isEmpty());
        const QString out = f->path(QStringLiteral("notes.txt"));
        f->prompter.answer(MessageAnswer::Ok);
        f->dialogs.answer(out);
        f->action("mnuSaveAS")->trigger();
        QCOMPARE(f->prompter.shown().size(), 1);
        QVERIFY(f->prompter.lastText().contains(QStringLiteral(".gif, .bmp, .jpg, .tif, .pcx")));
        QCOMPARE(f->prompter.shown().last().icon, MessageIcon::None);
        QVERIFY(!QFile::exists(out));
        QVERIFY(f->window->hasImage());
        // Nothing was lost: the next name works.
        const QString gif = saveAs(QStringLiteral("notes.gif"));
        QVERIFY(QFile::exists(gif));
    }

    void aFailedWriteKeepsThePicture()
    {
        const QString gif = selectFlatBackground();
        const QString caption = f->window->windowTitle();
        const QString out = f->path(QStringLiteral("no/such/folder/out.gif"));
        f->prompter.answer(MessageAnswer::Ok);
        f->dialogs.answer(out);
        f->action("mnuSaveAS")->trigger();
        QCOMPARE(f->prompter.shown().size(), 1);
        QVERIFY(!f->prompter.lastText().isEmpty());
        QCOMPARE(f->prompter.shown().last().icon, MessageIcon::None);
        QVERIFY(f->window->hasImage());
        QCOMPARE(f->window->windowTitle(), caption);
        QVERIFY(!f->window->pictureView()->picture()->pixmap().isNull());
        QCOMPARE(f->window->lastFile(), gif);
    }

    void cancelTransparencyActsOnTheSavedFile_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<int>("flag");
        QTest::newRow("ok") << MessageAnswer::Ok << 0;
        QTest::newRow("cancel") << MessageAnswer::Cancel << 1;
    }
    void cancelTransparencyActsOnTheSavedFile()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(int, flag);
        QVERIFY(!selectFlatBackground().isEmpty());
        const QImage picture = selection().picture();
        const QString out = saveAs(QStringLiteral("saved.gif"));
        const QByteArray before = readAll(out);

        f->prompter.answer(answer);
        f->action("mnuDeleteTrans")->trigger();
        QCOMPARE(f->prompter.shown().size(), 1);
        QCOMPARE(f->prompter.lastText(), CancelQuestion);
        QCOMPARE(f->prompter.shown().last().icon, MessageIcon::Question);
        QCOMPARE(f->prompter.shown().last().buttons, MessageButtons::OkCancel);
        QCOMPARE(f->prompter.shown().last().title, QStringLiteral("Transparency"));
        QByteArray expected = before;
        expected[784] = char(flag);
        QCOMPARE(readAll(out), expected);

        // Once off, a second cancel says nothing and changes nothing.
        if (flag == 0) {
            f->prompter.clear();
            f->action("mnuDeleteTrans")->trigger();
            QVERIFY(f->prompter.shown().isEmpty());
            QCOMPARE(readAll(out), expected);
            giftesting::verifyDecoders(out, picture, -1);
        }
    }

    void cancelTransparencyActsOnTheOpenedFile()
    {
        QVERIFY(!selectFlatBackground().isEmpty());
        const QString out = saveAs(QStringLiteral("saved.gif"));
        // Reopened, the file is the one Cancel Transparency works on.
        QVERIFY(f->open(out));
        QCOMPARE(f->window->lastFile(), out);
        QCOMPARE(int(f->window->document().sourcePacked()), 0xB7);
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuDeleteTrans")->trigger();
        QCOMPARE(int(readAll(out)[784]), 0);
    }

    void cancelTransparencyRefusesOtherFiles()
    {
        QVERIFY(!selectFlatBackground().isEmpty());
        const QString bmp = saveAs(QStringLiteral("saved.bmp"));
        const QByteArray before = readAll(bmp);
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuDeleteTrans")->trigger();
        QCOMPARE(f->prompter.lastText(), NotVersion89a);
        QCOMPARE(f->prompter.shown().last().icon, MessageIcon::Exclamation);
        QCOMPARE(readAll(bmp), before);

        // A file gone from the disk is reported and not made again.
        QVERIFY(QFile::remove(bmp));
        f->prompter.clear();
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuDeleteTrans")->trigger();
        QCOMPARE(f->prompter.shown().size(), 1);
        QVERIFY(!f->prompter.lastText().isEmpty());
        QVERIFY(!QFile::exists(bmp));
    }

    void anAnimationIsSavedWithEveryFrame()
    {
        platform::GifAnimation animation = giftesting::fourFrames();
        const QString source = f->path(QStringLiteral("walk.gif"));
        QVERIFY(giftesting::writeAnimationWithGiflib(source, animation));
        QVERIFY(f->open(source));
        QCOMPARE(f->window->windowTitle(),
            platform::programTitle() + QStringLiteral("  ") + source
                + QStringLiteral("  (4 frames; the background is picked on the first)"));
        const QString gif = f->path(QStringLiteral("walk-clear.gif"));
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(gif);
        f->clickPicture(QPoint(1, 1));
        const platform::GifAnimation saved = giftesting::readAnimationWithGiflib(gif);
        QCOMPARE(saved.frames.size(), 4);
        QCOMPARE(saved.frames[0].transparentIndex, 0);
        QCOMPARE(saved.frames[1].delay, 20);
        QCOMPARE(saved.loopCount, std::optional<int>(0));

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
        const QString png = f->path(QStringLiteral("picture.png"));
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(png);
        f->clickPicture(QPoint(1, 1));
        const QByteArray bytes = readAll(png);
        QCOMPARE(int(uchar(bytes.at(25))), colourType);
        QCOMPARE(qAlpha(QImage(png).pixel(1, 1)), 0);
        if (ticked)
            option->trigger();
    }

    void onlyConnectedBackgroundKeepsEnclosedPartsOpaque()
    {
        const QString source = f->path(QStringLiteral("eye.bmp"));
        QVERIFY(giftesting::enclosedScene().save(source));
        QVERIFY(f->open(source));
        f->action("mnuOnlyConnected")->trigger();
        QVERIFY(f->window->document().selection().onlyConnected());
        const QString gif = f->path(QStringLiteral("eye.gif"));
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(gif);
        // (A click at 0,0 would land in the middle: QTest takes a null point for the centre.)
        f->clickPicture(QPoint(1, 1));
        const QImage read = QImage(gif).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(read.pixel(1, 1)), 0);
        QCOMPARE(read.pixel(12, 19), giftesting::SceneCream);

        // Off again: the option is the window's, so the next picture is done the old way.
        f->action("mnuOnlyConnected")->trigger();
        QVERIFY(!f->window->document().selection().onlyConnected());
    }

    void theDetailPanelReportsAMerge()
    {
        const QString source = f->path(QStringLiteral("full.bmp"));
        QVERIFY(giftesting::enclosedScene(true).save(source));
        QVERIFY(f->open(source));
        f->action("mnuOnlyConnected")->trigger();
        f->action("mnuDetail")->trigger();
        QWidget *panel = f->child("Frame2");
        QLabel *merges = f->window->detailPanel()->merges();
        QCOMPARE(merges->text(), QString());
        f->prompter.answer(MessageAnswer::Yes);
        f->dialogs.answer(f->path(QStringLiteral("full.gif")));
        f->clickPicture(QPoint(1, 1));
        QCOMPARE(merges->text(),
            QStringLiteral("Merged entries 200 into 201; largest color change 1.0."));
        QVERIFY(merges->isVisible());
        QVERIFY(panel->rect().contains(merges->geometry()));
        QVERIFY(!merges->geometry().intersects(f->child<QPushButton>("Command1")->geometry()));
    }
};

TRELLIS_TEST(TestGifToolWindowSave)
#include "tst_giftoolwindowsave.moc"

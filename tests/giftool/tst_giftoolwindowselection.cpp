#include "testmain.h"
#include "tst_giftoolwindowfixture.h"

#include <QMouseEvent>

using giftesting::GifToolWindowFixture;
using giftool::SelectionState;
using platform::MessageAnswer;

namespace {

const QString DoneText = QStringLiteral(
    "Done! You must now save this image (File menu). As a precaution, do not overwrite the "
    "original image file; you should save it under a new name.  ");
const QString MustConvertText = QStringLiteral(
    "You MUST change the background to a single color.  Choose a button in the Background Frame.");
const QString ClickAgainText = QStringLiteral("Please click on the background again.");

int colourValue(QRgb rgb)
{
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

} // namespace

// The Background frame on the real window, driven by clicks on the picture and the frame's
// buttons: every state of the selection (nothing selected, uniform pick, must convert,
// converted) and every conversion.
class TestGifToolWindowSelection : public QObject
{
    Q_OBJECT
    std::unique_ptr<GifToolWindowFixture> f;

    const giftool::BackgroundSelection &selection() const
    {
        return f->window->document().selection();
    }
    QWidget *frame() const { return f->child("Frame1"); }
    // The "Change to" caption stands directly above the button it introduces, flush with it.
    bool captionIntroduces(int button) const
    {
        const QRect caption = f->label("Label1")->geometry();
        const QRect face = f->button(button)->geometry();
        return caption.left() == face.left() && caption.bottom() < face.top()
            && face.top() - caption.bottom() <= 5;
    }

    // Opens the test picture and clicks the checkerboard at (24, 2): index 6, neighbour 7.
    void reachMustConvert()
    {
        QVERIFY(f->openAndClick(QPoint(24, 2), MessageAnswer::Ok));
        QCOMPARE(selection().state(), SelectionState::MustConvert);
        f->prompter.clear();
    }

private slots:
    void init() { f = std::make_unique<GifToolWindowFixture>(); }
    void cleanup()
    {
        QVERIFY(f->allAnswersTaken());
        f.reset();
    }

    // The rules of each state are checked on the selection itself; here the click reaches it
    // as the pixel under the pointer and the frame, the detail panel and the menus show its state.
    void aUniformClickSelectsThePixelsOwnIndex()
    {
        QVERIFY(f->open(f->backgroundGif()));
        QVERIFY(frame()->isHidden());
        QCOMPARE(f->label("Backgroundbox")->text(), QString());
        QVERIFY(f->action("mnuSaveAS")->isEnabled());
        f->prompter.answer(MessageAnswer::No);
        f->clickPicture(QPoint(2, 2));

        // The color of index 3 is also at index 1; the pixels use 3, so 3 becomes transparent.
        QCOMPARE(f->takeShown(), QStringList{DoneText});
        QCOMPARE(selection().state(), SelectionState::UniformPick);
        QCOMPARE(selection().transparentIndex(), 3);
        QCOMPARE(selection().pickedPixel(), std::optional<QPoint>(QPoint(2, 2)));

        QLabel *swatch = f->label("Colorsample", 0);
        QVERIFY(frame()->isVisible() && swatch->isVisible() && f->button(0)->isVisible());
        QCOMPARE(swatch->palette().color(QPalette::Window).rgb(), giftesting::sixteenColours()[3]);
        QVERIFY(f->allHidden({f->label("Colorsample", 1), f->button(1)}));
        QCOMPARE(f->label("Backgroundbox")->text(), QStringLiteral("Index = 3"));
        QCOMPARE(f->label("Label1")->text(), QStringLiteral("Change to optional:"));
        QVERIFY(captionIntroduces(0));
        QCOMPARE(f->label("Instructions")->text(), DoneText);
        QVERIFY(f->action("mnuSaveAS")->isEnabled());
        QCOMPARE(f->label("Colorindex", 0)->text(), QStringLiteral("3"));
        QCOMPARE(f->label("Clrlong", 0)->text(),
            QString::number(colourValue(giftesting::sixteenColours()[3])));
        QCOMPARE(f->label("Colorindex", 1)->text(), QString());
    }

    void aTwoToneClickMustBeConverted()
    {
        QVERIFY(f->openAndClick(QPoint(24, 2), MessageAnswer::Ok));

        QCOMPARE(f->takeShown(), QStringList{MustConvertText});
        QCOMPARE(selection().state(), SelectionState::MustConvert);
        QCOMPARE(selection().transparentIndex(), 6);
        QLabel *neighbour = f->label("Colorsample", 1);
        QVERIFY(neighbour->isVisible() && f->button(1)->isVisible());
        QCOMPARE(
            neighbour->palette().color(QPalette::Window).rgb(), giftesting::sixteenColours()[7]);
        // The neighbour's swatch lies on the neighbour button's face, in front of it, with the
        // button's edge showing around it.
        const QRect face = f->button(1)->geometry();
        QVERIFY(face.contains(neighbour->geometry()) && neighbour->geometry().left() > face.left()
            && neighbour->geometry().top() > face.top());
        QCOMPARE(frame()->childAt(neighbour->geometry().center()), neighbour);
        QCOMPARE(f->label("Label1")->text(), QStringLiteral("Change to:"));
        QVERIFY(captionIntroduces(1));
        QCOMPARE(f->label("Backgroundbox")->text(), QString());
        QCOMPARE(f->label("Instructions")->text(), MustConvertText);
        QVERIFY(!f->action("mnuSaveAS")->isEnabled());
        QCOMPARE(f->label("Colorindex", 1)->text(), QStringLiteral("7"));
    }

    void aPressBetweenPixelsTakesThePixelUnderThePointer()
    {
        QVERIFY(f->open(f->backgroundGif()));
        f->prompter.answer(MessageAnswer::Ok);
        // Fractional display scaling hands positions between pixels: the right half of the
        // last column is still the last column, not one past it.
        QWidget *picture = f->window->controls().pictureView->picture();
        const QPointF at(39.6, 3.6);
        QMouseEvent press(QEvent::MouseButtonPress, at, picture->mapToGlobal(at), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &press);
        QCOMPARE(f->prompter.lastText(), MustConvertText);
        QCOMPARE(selection().pickedPixel(), std::optional<QPoint>(QPoint(39, 3)));
        QVERIFY(!f->label("Colorindex", 0)->text().isEmpty());
    }

    void conversionsMakeTheBackgroundOneIndex_data()
    {
        QTest::addColumn<bool>("swatch");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRgb>("target");
        QTest::addColumn<int>("transparent");
        const QRgb neighbour = giftesting::sixteenColours()[7];
        QTest::newRow("white") << false << 0 << qRgb(255, 255, 255) << 6;
        QTest::newRow("neighbour") << false << 1 << neighbour << 7;
        QTest::newRow("grey") << false << 2 << qRgb(192, 192, 192) << 6;
        QTest::newRow("black") << false << 3 << qRgb(0, 0, 0) << 6;
        QTest::newRow("swatch 0 is white") << true << 0 << qRgb(255, 255, 255) << 6;
        QTest::newRow("swatch 1 is the neighbour") << true << 1 << neighbour << 7;
    }
    void conversionsMakeTheBackgroundOneIndex()
    {
        QFETCH(bool, swatch);
        QFETCH(int, index);
        QFETCH(QRgb, target);
        QFETCH(int, transparent);
        reachMustConvert();
        if (swatch) {
            // Swatch 0 is not shown until a uniform pick; in this state only swatch 1 is.
            QWidget *sample = f->child("Colorsample", index);
            if (index == 0)
                QVERIFY(sample->isVisible());
            f->prompter.answer(MessageAnswer::Ok);
            QTest::mouseClick(sample, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        } else {
            f->prompter.answer(MessageAnswer::Ok);
            QTest::mouseClick(f->button(index), Qt::LeftButton);
        }

        QCOMPARE(f->takeShown(), QStringList{ClickAgainText});
        QCOMPARE(selection().state(), SelectionState::Converted);
        QCOMPARE(selection().transparentIndex(), transparent);
        QCOMPARE(f->label("Backgroundbox")->text(),
            QStringLiteral("Index = ") + QString::number(transparent));
        QCOMPARE(f->label("Colorsample", 0)->palette().color(QPalette::Window).rgb(), target);
        QVERIFY(f->allHidden({f->button(index), f->label("Label1")}));
        QCOMPARE(f->label("Instructions")->text(), ClickAgainText);
        QVERIFY(!f->action("mnuSaveAS")->isEnabled());
        // The detail panel and the picture on screen show the recoloured entry.
        QCOMPARE(f->label("RGB1", 0)->text(), QString::number(qRed(target)));
        QCOMPARE(f->label("RGB2", 1)->text(), QString::number(qGreen(target)));
        QCOMPARE(
            f->window->controls().pictureView->picture()->pixmap().toImage().pixel(24, 2), target);
    }

    void aClickInAnyStateStartsAfresh()
    {
        reachMustConvert();
        f->prompter.answer(MessageAnswer::No);
        f->clickPicture(QPoint(2, 2));
        QCOMPARE(selection().state(), SelectionState::UniformPick);
        QVERIFY(f->allHidden({f->button(1), f->label("Colorsample", 1)}));
        QCOMPARE(f->label("Colorindex", 1)->text(), QString());
        QCOMPARE(f->label("Label1")->text(), QStringLiteral("Change to optional:"));
        QVERIFY(f->action("mnuSaveAS")->isEnabled());
    }

    void theFrameShowsBehindTheMessage()
    {
        // While the must-convert message is up, the swatches already show and the instruction
        // line is empty; the text comes there once the box is closed.
        struct Watcher : testsupport::ScriptedPrompter
        {
            QWidget *window = nullptr;
            bool swatchShown = false;
            QString instructions;
            platform::MessageAnswer ask(const QString &text, platform::MessageIcon icon,
                platform::MessageButtons buttons, const QString &title) override
            {
                for (QLabel *sample : window->findChildren<QLabel *>("Colorsample")) {
                    if (sample->property("index").toInt() == 1)
                        swatchShown = sample->isVisible();
                }
                instructions = window->findChild<QLabel *>("Instructions")->text();
                return ScriptedPrompter::ask(text, icon, buttons, title);
            }
        };
        Watcher watcher;
        giftool::GifToolWindow window(
            watcher, f->dialogs, giftool::WorkingFiles::in(f->dir.path()));
        watcher.window = &window;
        window.show();
        f->dialogs.answer(f->backgroundGif());
        window.openImage();
        watcher.answer(MessageAnswer::Ok);
        QTest::mouseClick(window.controls().pictureView->picture(), Qt::LeftButton, Qt::NoModifier,
            QPoint(24, 2));
        QCOMPARE(watcher.pendingAnswers(), 0);
        QVERIFY(watcher.swatchShown);
        QCOMPARE(watcher.instructions, QString());
        QCOMPARE(window.findChild<QLabel *>("Instructions")->text(), MustConvertText);
    }
};

TRELLIS_TEST(TestGifToolWindowSelection)
#include "tst_giftoolwindowselection.moc"

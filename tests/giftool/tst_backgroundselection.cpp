#include "filecontents.h"
#include "giftestdata.h"
#include "giftool/core/backgroundframeview.h"
#include "giftool/core/backgroundselection.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace giftool;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString DoneText = QStringLiteral(
    "Done! You must now save this image (File menu). As a precaution, do not overwrite the "
    "original image file; you should save it under a new name.  ");
const QString MustConvertText = QStringLiteral(
    "You MUST change the background to a single color.  Choose a button in the Background Frame.");
const QString ClickAgainText = QStringLiteral("Please click on the background again.");
constexpr int Twips = 15;

// An 8 x 6 picture: background index 5 (or a checkerboard of 3 and 4) around a 2 x 2 object
// of index 9.
QImage scene(bool dithered, const QList<QRgb> &colors = giftesting::colorTable(), int a = 3,
    int b = 4, int plain = 5)
{
    return giftesting::boxPicture(
        QSize(8, 6), colors, dithered ? a : plain, dithered ? b : plain, QRect(3, 2, 2, 2), 9);
}

PaletteRow rowOf(const QImage &picture, int index)
{
    const QRgb c = picture.color(index);
    return PaletteRow::fromRgb(qRed(c), qGreen(c), qBlue(c));
}

} // namespace

class TestBackgroundSelection : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    testsupport::ScriptedPrompter m_prompter;

    void open(BackgroundSelection &selection, const QImage &picture, int declaredColors = 0)
    {
        QVERIFY(testsupport::writeAll(m_path, giftesting::bitmapBytes(picture, declaredColors)));
        QString error;
        QVERIFY2(selection.loadWorkBitmap(m_path, &error), qPrintable(error));
    }

    // A click in the middle of image pixel (px, py).
    SelectOutcome click(BackgroundSelection &selection, int px, int py, MessageAnswer answer)
    {
        m_prompter.answer(answer);
        return selection.selectBackground(px * Twips + 7, py * Twips + 7, m_prompter);
    }

    QByteArray fileBytes() const { return testsupport::readAll(m_path); }

    void checkShown(const QString &text, MessageIcon icon, MessageButtons buttons)
    {
        QCOMPARE(m_prompter.lastText(), text);
        QCOMPARE(m_prompter.shown().last().icon, icon);
        QCOMPARE(m_prompter.shown().last().buttons, buttons);
        QCOMPARE(m_prompter.shown().last().title, QString());
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("TEMP.BMP"));
        m_prompter.clear();
    }
    void cleanup() { QCOMPARE(m_prompter.pendingAnswers(), 0); }

    void beforeAnyImage()
    {
        BackgroundSelection selection;
        QCOMPARE(
            selection.instructions(), QStringLiteral("Open an image file from the File menu."));
        QCOMPARE(selection.transparentIndex(), 999);
        QVERIFY(!selection.saveAsEnabled());
        QCOMPARE(selection.selectBackground(30, 30, m_prompter), SelectOutcome::NoPicture);
        QVERIFY(!deriveFrameView(selection).frameShown);
        QVERIFY(m_prompter.shown().isEmpty());
    }

    void nothingSelectedAfterOpening()
    {
        BackgroundSelection selection;
        open(selection, scene(false));
        QCOMPARE(selection.state(), SelectionState::NothingSelected);
        QCOMPARE(selection.instructions(),
            QStringLiteral("Click and select the background area of the image."));
        QVERIFY(selection.saveAsEnabled() && !selection.backgroundSelected());
        QVERIFY(!deriveFrameView(selection).frameShown);
        QCOMPARE(selection.transparentIndex(), 999);
        QCOMPARE(selection.palette().row(9), rowOf(scene(false), 9));
        QCOMPARE(selection.picture().pixelIndex(3, 2), 9);
    }

    void uniformPick_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<SelectOutcome>("outcome");
        QTest::addColumn<QString>("instructions");
        QTest::newRow("no") << MessageAnswer::No << SelectOutcome::Selected << DoneText;
        QTest::newRow("cancel") << MessageAnswer::Cancel << SelectOutcome::Selected << DoneText;
        QTest::newRow("yes saves")
            << MessageAnswer::Yes << SelectOutcome::SaveRequested << QString();
    }
    void uniformPick()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(SelectOutcome, outcome);
        QFETCH(QString, instructions);
        BackgroundSelection selection;
        open(selection, scene(false));
        QCOMPARE(click(selection, 1, 4, answer), outcome);
        checkShown(DoneText, MessageIcon::Question, MessageButtons::YesNoCancel);

        const BackgroundFrameView view = deriveFrameView(selection);
        QCOMPARE(selection.state(), SelectionState::UniformPick);
        QCOMPARE(
            QPoint(selection.clickX(), selection.clickY()), QPoint(1, 4) * Twips + QPoint(7, 7));
        // Color 5 is (5, 250, 2): 5 + 256 * 250 + 65536 * 2.
        const SampleSlot &slot0 = selection.slot(0);
        QCOMPARE(slot0.index.value_or(-1), 5);
        QCOMPARE(slot0.color, PaletteRow::fromRgb(5, 250, 2));
        QCOMPARE(slot0.color.value, 195077);
        QCOMPARE(view.swatchColor[0], QColor(5, 250, 2));
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{true, false}));
        QVERIFY(!selection.slot(1).filled());
        QVERIFY(view.frameShown && view.selectedCaptionShown && view.changeToShown);
        QCOMPARE(view.changeToText, QStringLiteral("Change to optional:"));
        QCOMPARE(view.changeToPlace, ChangeToPlace::AboveWhiteButton);
        QVERIFY(view.shows(ConversionButton::White) && view.shows(ConversionButton::Grey)
            && view.shows(ConversionButton::Black) && !view.shows(ConversionButton::Neighbour));
        QCOMPARE(view.indexText, QStringLiteral("Index = 5"));
        QVERIFY(selection.backgroundSelected() && selection.saveAsEnabled());
        QCOMPARE(selection.transparentIndex(), 5);
        QCOMPARE(selection.multiColorFlag(), false);
        QCOMPARE(selection.instructions(), instructions);
    }

    void twoToneBackgroundMustBeConverted()
    {
        BackgroundSelection selection;
        open(selection, scene(true));
        m_prompter.answer(MessageAnswer::Ok);
        QCOMPARE(selection.selectBackground(2 * Twips, 0, m_prompter), SelectOutcome::MustConvert);
        checkShown(MustConvertText, MessageIcon::Exclamation, MessageButtons::Ok);

        const BackgroundFrameView view = deriveFrameView(selection);
        QCOMPARE(selection.state(), SelectionState::MustConvert);
        QCOMPARE(selection.slot(0).index.value_or(-1), 3);
        QCOMPARE(selection.slot(1).index.value_or(-1), 4);
        QCOMPARE(selection.slot(1).color.value, PaletteRow::fromRgb(4, 251, 2).value);
        QCOMPARE(selection.slot(1).color.red, 4);
        QVERIFY(
            view.swatchShown[0] && view.swatchShown[1] && view.shows(ConversionButton::Neighbour));
        QCOMPARE(view.changeToText, QStringLiteral("Change to:"));
        QCOMPARE(view.changeToPlace, ChangeToPlace::AboveNeighbourButton);
        QCOMPARE(view.indexText, QString());
        QVERIFY(!selection.backgroundSelected() && !selection.saveAsEnabled());
        QCOMPARE(selection.instructions(), MustConvertText);
        QCOMPARE(selection.multiColorFlag(), true);
        QCOMPARE(selection.transparentIndex(), 3);
    }

    void conversion_data()
    {
        QTest::addColumn<int>("clickX");
        QTest::addColumn<int>("button");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("transparent");
        QTest::newRow("white") << 2 << int(ConversionButton::White) << QColor(255, 255, 255) << 3;
        QTest::newRow("neighbour")
            << 2 << int(ConversionButton::Neighbour) << QColor(4, 251, 2) << 4;
        QTest::newRow("grey") << 2 << int(ConversionButton::Grey) << QColor(192, 192, 192) << 3;
        QTest::newRow("black") << 2 << int(ConversionButton::Black) << QColor(0, 0, 0) << 3;
        QTest::newRow("grey, clicked on 4")
            << 1 << int(ConversionButton::Grey) << QColor(192, 192, 192) << 4;
        QTest::newRow("neighbour of 4")
            << 1 << int(ConversionButton::Neighbour) << QColor(3, 252, 1) << 3;
    }
    void conversion()
    {
        QFETCH(int, clickX);
        QFETCH(int, button);
        QFETCH(QColor, color);
        QFETCH(int, transparent);
        BackgroundSelection selection;
        const QImage original = scene(true);
        open(selection, original);
        QCOMPARE(click(selection, clickX, 0, MessageAnswer::Ok), SelectOutcome::MustConvert);

        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(selection.convertBackground(ConversionButton(button), m_prompter));
        checkShown(ClickAgainText, MessageIcon::Exclamation, MessageButtons::Ok);

        const PaletteRow target = PaletteRow::fromRgb(color.red(), color.green(), color.blue());
        QCOMPARE(selection.state(), SelectionState::Converted);
        QCOMPARE(selection.targetColor(), target.value);
        QCOMPARE(selection.transparentIndex(), transparent);
        QCOMPARE(
            deriveFrameView(selection).indexText, QStringLiteral("Index = %1").arg(transparent));
        QCOMPARE(selection.palette().row(3), target);
        QCOMPARE(selection.palette().row(4), target);
        QCOMPARE(selection.palette().row(9), rowOf(original, 9));
        // Slot 0 shows the colour the selected entry holds now, for every button alike.
        const BackgroundFrameView view = deriveFrameView(selection);
        QCOMPARE(view.swatchColor[0], color);
        QCOMPARE(selection.slot(0).color.value, target.value);
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{true, false}));
        QCOMPARE(view.buttonShown, (std::array<bool, 4>{}));
        QVERIFY(!view.changeToShown);
        QCOMPARE(selection.instructions(), ClickAgainText);
        QVERIFY(!selection.saveAsEnabled());
        QCOMPARE(selection.multiColorFlag(), false);
        // Both samples show the colour their entries hold now.
        for (int k = 0; k < 2; ++k)
            QCOMPARE(selection.slot(k).color, target);

        // The working bitmap: both entries rewritten with the filler byte, and every pixel of
        // the background on the transparent index; the object keeps its index.
        const QByteArray bytes = fileBytes();
        const QByteArray entry = QByteArray() + char(color.blue()) + char(color.green())
            + char(color.red()) + char(0x20);
        QCOMPARE(bytes.mid(54 + 4 * 3, 4), entry);
        QCOMPARE(bytes.mid(54 + 4 * 4, 4), entry);
        QCOMPARE(bytes.mid(54 + 4 * 9, 3), giftesting::bitmapBytes(original).mid(54 + 4 * 9, 3));
        const QImage picture = selection.picture();
        QCOMPARE(giftesting::firstBadPixel(original.size(),
                     [&](int x, int y) {
                         return picture.pixelIndex(x, y)
                             == (original.pixelIndex(x, y) == 9 ? 9 : transparent);
                     }),
            QString());

        QCOMPARE(click(selection, clickX, 0, MessageAnswer::No), SelectOutcome::Selected);
        QCOMPARE(selection.transparentIndex(), transparent);
        QCOMPARE(
            deriveFrameView(selection).indexText, QStringLiteral("Index = %1").arg(transparent));
        QCOMPARE(deriveFrameView(selection).swatchColor[0], color);
        QCOMPARE(selection.multiColorFlag(), false);
    }

    void lastColumnHasNoNeighbour()
    {
        BackgroundSelection selection;
        const QImage original = scene(false);
        open(selection, original);
        QCOMPARE(click(selection, 7, 1, MessageAnswer::Ok), SelectOutcome::MustConvert);
        QCOMPARE(m_prompter.lastText(), MustConvertText);
        const BackgroundFrameView view = deriveFrameView(selection);
        QVERIFY(!selection.slot(1).filled() && !view.swatchShown[1]);
        QVERIFY(!view.shows(ConversionButton::Neighbour) && view.shows(ConversionButton::White));
        QCOMPARE(view.changeToText, QStringLiteral("Change to:"));
        QCOMPARE(view.changeToPlace, ChangeToPlace::AboveWhiteButton);
        QCOMPARE(selection.multiColorFlag(), true);

        QVERIFY(!selection.convertBackground(ConversionButton::Neighbour, m_prompter));
        QCOMPARE(selection.state(), SelectionState::MustConvert);

        // White changes the one entry of slot 0 and nothing else.
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(selection.convertBackground(ConversionButton::White, m_prompter));
        for (int i = 0; i < 256; ++i) {
            const PaletteRow expected
                = i == 5 ? PaletteRow::fromRgb(255, 255, 255) : rowOf(original, i);
            QCOMPARE(selection.palette().row(i), expected);
        }
        QCOMPARE(selection.transparentIndex(), 5);
        QCOMPARE(click(selection, 0, 0, MessageAnswer::No), SelectOutcome::Selected);
        QCOMPARE(deriveFrameView(selection).indexText, QStringLiteral("Index = 5"));
    }

    void duplicateColorsSelectTheIndexThePixelsUse()
    {
        const QRgb shared = qRgb(10, 20, 30);
        const QList<QRgb> colors = giftesting::colorTable({{2, shared}, {7, shared}});
        BackgroundSelection selection;
        open(selection, scene(false, colors, 3, 4, 7));
        QCOMPARE(click(selection, 0, 0, MessageAnswer::No), SelectOutcome::Selected);
        QCOMPARE(selection.transparentIndex(), 7);
        QCOMPARE(deriveFrameView(selection).indexText, QStringLiteral("Index = 7"));
        // White recolours the clicked index only: the other entry of the color keeps it.
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(selection.clickSwatch(0, m_prompter));
        QCOMPARE(selection.palette().row(7), PaletteRow::fromRgb(255, 255, 255));
        QCOMPARE(selection.palette().row(2), PaletteRow::fromRgb(10, 20, 30));

        // The same color under two indexes is two indexes to the transparency.
        open(selection, scene(true, colors, 2, 7));
        QCOMPARE(click(selection, 0, 0, MessageAnswer::Ok), SelectOutcome::MustConvert);
        QCOMPARE(selection.slot(0).color, selection.slot(1).color);
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(selection.convertBackground(ConversionButton::Neighbour, m_prompter));
        QCOMPARE(selection.transparentIndex(), 7);
        QCOMPARE(click(selection, 0, 1, MessageAnswer::No), SelectOutcome::Selected);
        QCOMPARE(deriveFrameView(selection).indexText, QStringLiteral("Index = 7"));
    }

    void greyLooksUpTheClickedPixelAgain()
    {
        // Grey already exists at index 1, but the background's pixels use index 5.
        const QList<QRgb> colors = giftesting::colorTable({{1, qRgb(192, 192, 192)}});
        BackgroundSelection selection;
        open(selection, scene(false, colors));
        QCOMPARE(click(selection, 6, 5, MessageAnswer::No), SelectOutcome::Selected);
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(selection.convertBackground(ConversionButton::Grey, m_prompter));
        QCOMPARE(selection.transparentIndex(), 5);
        QCOMPARE(selection.slot(0).index.value_or(-1), 5);
        QCOMPARE(selection.slot(0).color.value, 12632256);
        QCOMPARE(deriveFrameView(selection).indexText, QStringLiteral("Index = 5"));
        QCOMPARE(selection.palette().row(5), PaletteRow::fromRgb(192, 192, 192));
        QCOMPARE(selection.picture().pixelIndex(0, 0), 5);
    }

    void conversionWithoutSelection()
    {
        BackgroundSelection selection;
        open(selection, scene(false));
        const QByteArray before = fileBytes();
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(!selection.convertBackground(ConversionButton::White, m_prompter));
        checkShown(QStringLiteral("Please click on the image and select the background color."),
            MessageIcon::Exclamation, MessageButtons::Ok);
        QCOMPARE(m_prompter.shown().size(), 1);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(selection.state(), SelectionState::NothingSelected);
    }

    void indexBeyondTheDeclaredColors()
    {
        // A damaged working bitmap that declares 16 colors but uses index 200.
        BackgroundSelection selection;
        open(selection, scene(false, giftesting::colorTable(), 3, 4, 200), 16);
        const QString text = QStringLiteral(
            "Please try again.  Select a different pixel.  If the problem persists, save the "
            "image as a bitmap (BMP), re-open the saved bitmap file and repeat the procedure.  If "
            "your system is not set to 256 colors, you may need to change the setting to "
            "256-colors.");
        QCOMPARE(click(selection, 0, 0, MessageAnswer::Ok), SelectOutcome::NotInPalette);
        checkShown(text, MessageIcon::Exclamation, MessageButtons::Ok);
        QCOMPARE(selection.instructions(), text);
        QVERIFY(!selection.saveAsEnabled() && !selection.slot(0).filled());
        QCOMPARE(selection.transparentIndex(), 999);
        // The frame shows, empty.
        const BackgroundFrameView view = deriveFrameView(selection);
        QVERIFY(view.frameShown && !view.selectedCaptionShown && !view.changeToShown);
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{false, false}));
        QCOMPARE(view.buttonShown, (std::array<bool, 4>{}));
        QCOMPARE(view.indexText, QString());

        // The object's index 9 is declared: that click works.
        QCOMPARE(click(selection, 3, 2, MessageAnswer::No), SelectOutcome::Selected);
        QCOMPARE(selection.transparentIndex(), 9);
    }

    void aPixelOutsideThePaletteKeepsTheFrameAsItWas_data()
    {
        QTest::addColumn<bool>("dithered");
        QTest::addColumn<SelectionState>("state");
        QTest::newRow("after a uniform pick") << false << SelectionState::UniformPick;
        QTest::newRow("while it must be converted") << true << SelectionState::MustConvert;
    }
    void aPixelOutsideThePaletteKeepsTheFrameAsItWas()
    {
        // Index 200 lies beyond the 16 colours the bitmap declares; the rest is a background
        // of index 5 (or 3 and 4) around the object.
        QFETCH(bool, dithered);
        QFETCH(SelectionState, state);
        BackgroundSelection selection;
        QImage picture = scene(dithered);
        picture.setPixel(7, 5, 200);
        open(selection, picture, 16);
        click(selection, 0, 0, dithered ? MessageAnswer::Ok : MessageAnswer::No);
        const BackgroundFrameView before = deriveFrameView(selection);

        QCOMPARE(click(selection, 7, 5, MessageAnswer::Ok), SelectOutcome::NotInPalette);
        QCOMPARE(selection.state(), state);
        QVERIFY(!selection.slot(0).filled() && !selection.slot(1).filled());
        const BackgroundFrameView after = deriveFrameView(selection);
        QVERIFY(std::tie(after.swatchShown, after.swatchColor, after.indexText, after.buttonShown,
                    after.changeToText, after.changeToPlace)
            == std::tie(before.swatchShown, before.swatchColor, before.indexText,
                before.buttonShown, before.changeToText, before.changeToPlace));
        QVERIFY(!selection.saveAsEnabled());
    }

    void failedConversionKeepsTheSelection()
    {
        BackgroundSelection selection;
        open(selection, scene(true));
        click(selection, 0, 0, MessageAnswer::Ok);
        QVERIFY(QFile::remove(m_path));
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(!selection.convertBackground(ConversionButton::White, m_prompter));
        QVERIFY(!m_prompter.lastText().isEmpty() && m_prompter.lastText() != ClickAgainText);
        QCOMPARE(m_prompter.shown().last().icon, MessageIcon::Exclamation);
        QCOMPARE(selection.state(), SelectionState::MustConvert);
        QCOMPARE(selection.palette().row(3), rowOf(scene(true), 3));
        QVERIFY(!QFile::exists(m_path));
    }

    void finishSaveClearsThePicture()
    {
        BackgroundSelection selection;
        open(selection, scene(true));
        click(selection, 0, 0, MessageAnswer::Ok);
        selection.finishSave(QStringLiteral("saved"));
        QCOMPARE(selection.instructions(), QStringLiteral("saved"));
        QVERIFY(!selection.hasPicture());
        // The frame stays, empty, until the next image is opened.
        const BackgroundFrameView view = deriveFrameView(selection);
        QVERIFY(view.frameShown && !view.selectedCaptionShown && !view.changeToShown);
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{}));
        QCOMPARE(view.buttonShown, (std::array<bool, 4>{}));
        QCOMPARE(view.indexText, QString());
        QCOMPARE(selection.transparentIndex(), 3);
        QCOMPARE(selection.multiColorFlag(), true);
        QCOMPARE(selection.selectBackground(0, 0, m_prompter), SelectOutcome::NoPicture);
    }

    void openingAgainForgetsTheSelection()
    {
        BackgroundSelection selection;
        open(selection, scene(true));
        click(selection, 0, 0, MessageAnswer::Ok);
        open(selection, scene(false));
        QCOMPARE(selection.state(), SelectionState::NothingSelected);
        QCOMPARE(selection.transparentIndex(), 999);
        QCOMPARE(selection.multiColorFlag(), false);
        QVERIFY(!selection.slot(0).filled() && !selection.slot(1).filled());
        const BackgroundFrameView view = deriveFrameView(selection);
        QVERIFY(!view.frameShown && !view.shows(ConversionButton::Neighbour));
        QCOMPARE(view.changeToText, QStringLiteral("Change to optional:"));
    }
};

TRELLIS_TEST(TestBackgroundSelection)
#include "tst_backgroundselection.moc"

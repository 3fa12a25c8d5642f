#include "filecontents.h"
#include "giftestdata.h"
#include "giftool/core/backgroundframeview.h"
#include "giftool/core/backgroundselection.h"
#include "giftool/ui/giftoolpresenter.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
const QString NotInPaletteText = QStringLiteral(
    "Please try again.  Select a different pixel.  If the problem persists, save the image as a "
    "bitmap (BMP), re-open the saved bitmap file and repeat the procedure.  If your system is not "
    "set to 256 colors, you may need to change the setting to 256-colors.");

// The picture, its background selection and the window's words for them, as Clearcoat wires
// them.
struct Clearcoat
{
    explicit Clearcoat(platform::Prompter &prompter)
        : presenter(prompter)
    { }

    PaletteDocument document;
    BackgroundSelection selection{document};
    GifToolPresenter presenter;
    // The user answered Yes to saving now after the last pick.
    bool saveNow = false;

    const QString &instructions() const { return presenter.instructions(); }
    bool saveAsEnabled() const { return presenter.saveAsEnabled(); }
    bool recolour(ConversionButton button)
    {
        const RecolourResult result = selection.recolour(button);
        presenter.tellRecolour(result);
        return result.outcome == RecolourOutcome::Recoloured;
    }
};

// An 8 x 6 picture: background index 5 (or a checkerboard of 3 and 4) around a 2 x 2 object
// of index 9.
QImage scene(bool dithered, const QList<QRgb> &colours = giftesting::colourTable(), int a = 3,
    int b = 4, int plain = 5)
{
    return giftesting::boxPicture(
        QSize(8, 6), colours, dithered ? a : plain, dithered ? b : plain, QRect(3, 2, 2, 2), 9);
}

PaletteRow rowOf(const QImage &picture, int index)
{
    const QRgb c = picture.color(index);
    return PaletteRow::fromRgb(qRed(c), qGreen(c), qBlue(c));
}

// Notes what the window would show behind each message box: the presenter's instruction line
// and Save As at the moment the box is shown.
class WatchingPrompter : public testsupport::ScriptedPrompter
{
public:
    const GifToolPresenter *presenter = nullptr;
    QList<std::pair<QString, bool>> behind;

    platform::MessageAnswer ask(const QString &text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString &title = QString()) override
    {
        behind.append({presenter->instructions(), presenter->saveAsEnabled()});
        return ScriptedPrompter::ask(text, icon, buttons, title);
    }
};

} // namespace

class TestBackgroundSelection : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    testsupport::ScriptedPrompter m_prompter;

    void open(Clearcoat &c, const QImage &picture)
    {
        c.selection.reset();
        c.presenter.forget();
        QString error;
        const bool opened = c.document.open(picture, WorkingBitmap(m_path), &error);
        c.presenter.opened(opened);
        QVERIFY2(opened, qPrintable(error));
    }

    // A press on image pixel (px, py), with the answer to the message it brings.
    PickOutcome click(Clearcoat &c, int px, int py, MessageAnswer answer)
    {
        m_prompter.answer(answer);
        const PickResult result = c.selection.pickBackground(QPoint(px, py));
        c.saveNow = c.presenter.tellPick(result);
        return result.outcome;
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
        Clearcoat c(m_prompter);
        QCOMPARE(c.instructions(), QStringLiteral("Open an image file from the File menu."));
        QCOMPARE(c.selection.transparentIndex(), 999);
        QVERIFY(!c.saveAsEnabled());
        QCOMPARE(c.selection.pickBackground(QPoint(2, 2)).outcome, PickOutcome::NoPicture);
        QVERIFY(!c.presenter.tellPick(c.selection.pickBackground(QPoint(2, 2))));
        QVERIFY(!deriveFrameView(c.selection).frameShown);
        QVERIFY(m_prompter.shown().isEmpty());
    }

    void nothingSelectedAfterOpening()
    {
        Clearcoat c(m_prompter);
        open(c, scene(false));
        QCOMPARE(c.selection.state(), SelectionState::NothingSelected);
        QCOMPARE(
            c.instructions(), QStringLiteral("Click and select the background area of the image."));
        QVERIFY(c.saveAsEnabled() && !c.selection.backgroundSelected());
        QVERIFY(!deriveFrameView(c.selection).frameShown);
        QCOMPARE(c.selection.transparentIndex(), 999);
        QCOMPARE(c.document.palette().row(9), rowOf(scene(false), 9));
        QCOMPARE(c.document.picture().pixelIndex(3, 2), 9);
        // The working bitmap shows the picture as it was opened.
        const QImage shown = QImage::fromData(fileBytes(), "BMP");
        QCOMPARE(shown, c.document.picture());
        QCOMPARE(shown.colorTable(), c.document.picture().colorTable());
    }

    void uniformPick_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("saveNow");
        QTest::addColumn<QString>("instructions");
        QTest::newRow("no") << MessageAnswer::No << false << DoneText;
        QTest::newRow("cancel") << MessageAnswer::Cancel << false << DoneText;
        QTest::newRow("yes saves") << MessageAnswer::Yes << true << QString();
    }
    void uniformPick()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, saveNow);
        QFETCH(QString, instructions);
        Clearcoat c(m_prompter);
        open(c, scene(false));
        QCOMPARE(click(c, 1, 4, answer), PickOutcome::Picked);
        QCOMPARE(c.saveNow, saveNow);
        checkShown(DoneText, MessageIcon::Question, MessageButtons::YesNoCancel);

        const BackgroundSelection &selection = c.selection;
        const BackgroundFrameView view = deriveFrameView(selection);
        QCOMPARE(selection.state(), SelectionState::UniformPick);
        QCOMPARE(selection.pickedPixel(), std::optional<QPoint>(QPoint(1, 4)));
        // Color 5 is (5, 250, 2): 5 + 256 * 250 + 65536 * 2.
        const SampleSlot &slot0 = selection.slot(0);
        QCOMPARE(slot0.index.value_or(-1), 5);
        QCOMPARE(slot0.colour, PaletteRow::fromRgb(5, 250, 2));
        QCOMPARE(slot0.colour.value, 195077);
        QCOMPARE(view.swatchColour[0], QColor(5, 250, 2));
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{true, false}));
        QVERIFY(!selection.slot(1).filled());
        QVERIFY(view.frameShown && view.selectedCaptionShown && view.changeToShown);
        QCOMPARE(view.changeToText, QStringLiteral("Change to optional:"));
        QCOMPARE(view.changeToPlace, ChangeToPlace::AboveWhiteButton);
        QVERIFY(view.shows(ConversionButton::White) && view.shows(ConversionButton::Grey)
            && view.shows(ConversionButton::Black) && !view.shows(ConversionButton::Neighbour));
        QCOMPARE(view.indexText, QStringLiteral("Index = 5"));
        QVERIFY(selection.backgroundSelected() && c.saveAsEnabled());
        QCOMPARE(selection.transparentIndex(), 5);
        QCOMPARE(selection.multiColourFlag(), false);
        QCOMPARE(c.instructions(), instructions);
    }

    void twoToneBackgroundMustBeConverted()
    {
        Clearcoat c(m_prompter);
        open(c, scene(true));
        QCOMPARE(click(c, 2, 0, MessageAnswer::Ok), PickOutcome::NeedsRecolour);
        checkShown(MustConvertText, MessageIcon::Exclamation, MessageButtons::Ok);

        const BackgroundSelection &selection = c.selection;
        const BackgroundFrameView view = deriveFrameView(selection);
        QCOMPARE(selection.state(), SelectionState::MustConvert);
        QCOMPARE(selection.slot(0).index.value_or(-1), 3);
        QCOMPARE(selection.slot(1).index.value_or(-1), 4);
        QCOMPARE(selection.slot(1).colour.value, PaletteRow::fromRgb(4, 251, 2).value);
        QCOMPARE(selection.slot(1).colour.red, 4);
        QVERIFY(
            view.swatchShown[0] && view.swatchShown[1] && view.shows(ConversionButton::Neighbour));
        QCOMPARE(view.changeToText, QStringLiteral("Change to:"));
        QCOMPARE(view.changeToPlace, ChangeToPlace::AboveNeighbourButton);
        QCOMPARE(view.indexText, QString());
        QVERIFY(!selection.backgroundSelected() && !c.saveAsEnabled());
        QCOMPARE(c.instructions(), MustConvertText);
        QCOMPARE(selection.multiColourFlag(), true);
        QCOMPARE(selection.transparentIndex(), 3);
    }

    void conversion_data()
    {
        QTest::addColumn<int>("clickX");
        QTest::addColumn<int>("button");
        QTest::addColumn<QColor>("colour");
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
        QFETCH(QColor, colour);
        QFETCH(int, transparent);
        Clearcoat c(m_prompter);
        const QImage original = scene(true);
        open(c, original);
        QCOMPARE(click(c, clickX, 0, MessageAnswer::Ok), PickOutcome::NeedsRecolour);

        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(c.recolour(ConversionButton(button)));
        checkShown(ClickAgainText, MessageIcon::Exclamation, MessageButtons::Ok);

        const BackgroundSelection &selection = c.selection;
        const PaletteRow target = PaletteRow::fromRgb(colour.red(), colour.green(), colour.blue());
        QCOMPARE(selection.state(), SelectionState::Converted);
        QCOMPARE(selection.targetColour(), target.value);
        QCOMPARE(selection.transparentIndex(), transparent);
        QCOMPARE(
            deriveFrameView(selection).indexText, QStringLiteral("Index = %1").arg(transparent));
        QCOMPARE(c.document.palette().row(3), target);
        QCOMPARE(c.document.palette().row(4), target);
        QCOMPARE(c.document.palette().row(9), rowOf(original, 9));
        // Slot 0 shows the colour the selected entry holds now, for every button alike.
        const BackgroundFrameView view = deriveFrameView(selection);
        QCOMPARE(view.swatchColour[0], colour);
        QCOMPARE(selection.slot(0).colour.value, target.value);
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{true, false}));
        QCOMPARE(view.buttonShown, (std::array<bool, 4>{}));
        QVERIFY(!view.changeToShown);
        QCOMPARE(c.instructions(), ClickAgainText);
        QVERIFY(!c.saveAsEnabled());
        QCOMPARE(selection.multiColourFlag(), false);
        // Both samples show the colour their entries hold now.
        for (int k = 0; k < 2; ++k)
            QCOMPARE(selection.slot(k).colour, target);

        // The working bitmap: both entries rewritten with the filler byte, and every pixel of
        // the background on the transparent index; the object keeps its index.
        const QByteArray bytes = fileBytes();
        const QByteArray entry = QByteArray() + char(colour.blue()) + char(colour.green())
            + char(colour.red()) + char(0x20);
        QCOMPARE(bytes.mid(54 + 4 * 3, 4), entry);
        QCOMPARE(bytes.mid(54 + 4 * 4, 4), entry);
        QCOMPARE(bytes.mid(54 + 4 * 9, 3), giftesting::bitmapBytes(original).mid(54 + 4 * 9, 3));
        const QImage onDisk = QImage::fromData(bytes, "BMP");
        const QImage picture = c.document.picture();
        QCOMPARE(giftesting::firstBadPixel(original.size(),
                     [&](int x, int y) {
                         const int expected = original.pixelIndex(x, y) == 9 ? 9 : transparent;
                         return picture.pixelIndex(x, y) == expected
                             && onDisk.pixelIndex(x, y) == expected;
                     }),
            QString());
        // What is in memory is what the working bitmap shows.
        QCOMPARE(picture.colorTable(), onDisk.colorTable());

        QCOMPARE(click(c, clickX, 0, MessageAnswer::No), PickOutcome::Picked);
        QCOMPARE(selection.transparentIndex(), transparent);
        QCOMPARE(
            deriveFrameView(selection).indexText, QStringLiteral("Index = %1").arg(transparent));
        QCOMPARE(deriveFrameView(selection).swatchColour[0], colour);
        QCOMPARE(selection.multiColourFlag(), false);
    }

    void lastColumnHasNoNeighbour()
    {
        Clearcoat c(m_prompter);
        const QImage original = scene(false);
        open(c, original);
        QCOMPARE(click(c, 7, 1, MessageAnswer::Ok), PickOutcome::NeedsRecolour);
        QCOMPARE(m_prompter.lastText(), MustConvertText);
        const BackgroundSelection &selection = c.selection;
        const BackgroundFrameView view = deriveFrameView(selection);
        QVERIFY(!selection.slot(1).filled() && !view.swatchShown[1]);
        QVERIFY(!view.shows(ConversionButton::Neighbour) && view.shows(ConversionButton::White));
        QCOMPARE(view.changeToText, QStringLiteral("Change to:"));
        QCOMPARE(view.changeToPlace, ChangeToPlace::AboveWhiteButton);
        QCOMPARE(selection.multiColourFlag(), true);

        QVERIFY(!c.recolour(ConversionButton::Neighbour));
        QCOMPARE(selection.state(), SelectionState::MustConvert);

        // White changes the one entry of slot 0 and nothing else.
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(c.recolour(ConversionButton::White));
        for (int i = 0; i < 256; ++i) {
            const PaletteRow expected
                = i == 5 ? PaletteRow::fromRgb(255, 255, 255) : rowOf(original, i);
            QCOMPARE(c.document.palette().row(i), expected);
        }
        QCOMPARE(selection.transparentIndex(), 5);
        QCOMPARE(click(c, 0, 0, MessageAnswer::No), PickOutcome::Picked);
        QCOMPARE(deriveFrameView(selection).indexText, QStringLiteral("Index = 5"));
    }

    void duplicateColoursSelectTheIndexThePixelsUse()
    {
        const QRgb shared = qRgb(10, 20, 30);
        const QList<QRgb> colours = giftesting::colourTable({{2, shared}, {7, shared}});
        Clearcoat c(m_prompter);
        open(c, scene(false, colours, 3, 4, 7));
        QCOMPARE(click(c, 0, 0, MessageAnswer::No), PickOutcome::Picked);
        QCOMPARE(c.selection.transparentIndex(), 7);
        QCOMPARE(deriveFrameView(c.selection).indexText, QStringLiteral("Index = 7"));
        // White recolours the clicked index only: the other entry of the color keeps it.
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(c.recolour(ConversionButton::White));
        QCOMPARE(c.document.palette().row(7), PaletteRow::fromRgb(255, 255, 255));
        QCOMPARE(c.document.palette().row(2), PaletteRow::fromRgb(10, 20, 30));

        // The same color under two indexes is two indexes to the transparency.
        open(c, scene(true, colours, 2, 7));
        QCOMPARE(click(c, 0, 0, MessageAnswer::Ok), PickOutcome::NeedsRecolour);
        QCOMPARE(c.selection.slot(0).colour, c.selection.slot(1).colour);
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(c.recolour(ConversionButton::Neighbour));
        QCOMPARE(c.selection.transparentIndex(), 7);
        QCOMPARE(click(c, 0, 1, MessageAnswer::No), PickOutcome::Picked);
        QCOMPARE(deriveFrameView(c.selection).indexText, QStringLiteral("Index = 7"));
    }

    void greyLooksUpThePickedPixelAgain()
    {
        // Grey already exists at index 1, but the background's pixels use index 5.
        const QList<QRgb> colours = giftesting::colourTable({{1, qRgb(192, 192, 192)}});
        Clearcoat c(m_prompter);
        open(c, scene(false, colours));
        QCOMPARE(click(c, 6, 5, MessageAnswer::No), PickOutcome::Picked);
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(c.recolour(ConversionButton::Grey));
        QCOMPARE(c.selection.transparentIndex(), 5);
        QCOMPARE(c.selection.slot(0).index.value_or(-1), 5);
        QCOMPARE(c.selection.slot(0).colour.value, 12632256);
        QCOMPARE(deriveFrameView(c.selection).indexText, QStringLiteral("Index = 5"));
        QCOMPARE(c.document.palette().row(5), PaletteRow::fromRgb(192, 192, 192));
        QCOMPARE(c.document.picture().pixelIndex(0, 0), 5);
    }

    void greyByIndexKeepsTheIndex()
    {
        // Picked by index, with no pixel pressed: the object's pixel at (3, 2) must not decide
        // which index becomes transparent.
        Clearcoat c(m_prompter);
        QImage picture = scene(false);
        picture.setPixel(0, 0, 9);
        open(c, picture);
        QVERIFY(c.selection.pickIndex(5));
        QCOMPARE(c.selection.recolour(ConversionButton::Grey).outcome, RecolourOutcome::Recoloured);
        QCOMPARE(c.selection.transparentIndex(), 5);
        QCOMPARE(c.selection.slot(0).index.value_or(-1), 5);
        QCOMPARE(c.document.palette().row(5), PaletteRow::fromRgb(192, 192, 192));
        QCOMPARE(c.document.palette().row(9), rowOf(picture, 9));
    }

    // The window refreshes before each message box: behind it the instruction line is empty, and
    // it takes the message's text once the box is dismissed.
    void aMessageIsToldWithTheLineEmpty_data()
    {
        QTest::addColumn<bool>("dithered");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("recolour");
        QTest::addColumn<bool>("saveAsBehind");
        QTest::addColumn<QString>("after");
        QTest::newRow("uniform pick") << false << QPoint(0, 0) << false << true << DoneText;
        QTest::newRow("must convert") << true << QPoint(0, 0) << false << false << MustConvertText;
        QTest::newRow("outside") << false << QPoint(9, 0) << false << false << NotInPaletteText;
        QTest::newRow("converted") << true << QPoint(0, 0) << true << false << ClickAgainText;
    }
    void aMessageIsToldWithTheLineEmpty()
    {
        QFETCH(bool, dithered);
        QFETCH(QPoint, pixel);
        QFETCH(bool, recolour);
        QFETCH(bool, saveAsBehind);
        QFETCH(QString, after);
        WatchingPrompter prompter;
        Clearcoat c(prompter);
        prompter.presenter = &c.presenter;
        open(c, scene(dithered));
        prompter.answer(dithered ? MessageAnswer::Ok : MessageAnswer::No);
        c.presenter.tellPick(c.selection.pickBackground(pixel));
        if (recolour) {
            prompter.answer(MessageAnswer::Ok);
            QVERIFY(c.recolour(ConversionButton::Black));
        }
        QCOMPARE(prompter.behind.last(), std::make_pair(QString(), saveAsBehind));
        QCOMPARE(c.instructions(), after);
        QCOMPARE(prompter.pendingAnswers(), 0);
    }

    void conversionWithoutSelection()
    {
        Clearcoat c(m_prompter);
        open(c, scene(false));
        const QByteArray before = fileBytes();
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(!c.recolour(ConversionButton::White));
        checkShown(QStringLiteral("Please click on the image and select the background color."),
            MessageIcon::Exclamation, MessageButtons::Ok);
        QCOMPARE(m_prompter.shown().size(), 1);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(c.selection.state(), SelectionState::NothingSelected);
    }

    void pressOutsideThePicture()
    {
        Clearcoat c(m_prompter);
        open(c, scene(false));
        QCOMPARE(click(c, 0, 6, MessageAnswer::Ok), PickOutcome::OutOfPicture);
        checkShown(NotInPaletteText, MessageIcon::Exclamation, MessageButtons::Ok);
        QCOMPARE(c.instructions(), NotInPaletteText);
        QVERIFY(!c.saveAsEnabled() && !c.selection.slot(0).filled());
        QCOMPARE(c.selection.transparentIndex(), 999);
        // The frame shows, empty.
        const BackgroundFrameView view = deriveFrameView(c.selection);
        QVERIFY(view.frameShown && !view.selectedCaptionShown && !view.changeToShown);
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{false, false}));
        QCOMPARE(view.buttonShown, (std::array<bool, 4>{}));
        QCOMPARE(view.indexText, QString());

        // A press on the picture works again.
        QCOMPARE(click(c, 3, 2, MessageAnswer::No), PickOutcome::Picked);
        QCOMPARE(c.selection.transparentIndex(), 9);
    }

    void aPressOutsideKeepsTheFrameAsItWas_data()
    {
        QTest::addColumn<bool>("dithered");
        QTest::addColumn<SelectionState>("state");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("after a uniform pick, right")
            << false << SelectionState::UniformPick << QPoint(8, 5);
        QTest::newRow("while it must be converted, left")
            << true << SelectionState::MustConvert << QPoint(-1, 0);
    }
    void aPressOutsideKeepsTheFrameAsItWas()
    {
        QFETCH(bool, dithered);
        QFETCH(SelectionState, state);
        QFETCH(QPoint, outside);
        Clearcoat c(m_prompter);
        open(c, scene(dithered));
        click(c, 0, 0, dithered ? MessageAnswer::Ok : MessageAnswer::No);
        const BackgroundFrameView before = deriveFrameView(c.selection);

        QCOMPARE(click(c, outside.x(), outside.y(), MessageAnswer::Ok), PickOutcome::OutOfPicture);
        QCOMPARE(c.selection.state(), state);
        QVERIFY(!c.selection.slot(0).filled() && !c.selection.slot(1).filled());
        const BackgroundFrameView after = deriveFrameView(c.selection);
        QVERIFY(std::tie(after.swatchShown, after.swatchColour, after.indexText, after.buttonShown,
                    after.changeToText, after.changeToPlace)
            == std::tie(before.swatchShown, before.swatchColour, before.indexText,
                before.buttonShown, before.changeToText, before.changeToPlace));
        QVERIFY(!c.saveAsEnabled());
    }

    void failedConversionKeepsTheSelection()
    {
        Clearcoat c(m_prompter);
        open(c, scene(true));
        click(c, 0, 0, MessageAnswer::Ok);
        const QImage before = c.document.picture();
        // A folder where the working bitmap was: the file cannot be written.
        QVERIFY(QFile::remove(m_path) && QDir().mkdir(m_path));
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(!c.recolour(ConversionButton::White));
        QVERIFY(
            m_prompter.lastText().startsWith(QStringLiteral("Cannot write \"%1\": ").arg(m_path)));
        QCOMPARE(m_prompter.shown().last().icon, MessageIcon::Exclamation);
        QCOMPARE(c.selection.state(), SelectionState::MustConvert);
        QCOMPARE(c.document.palette().row(3), rowOf(scene(true), 3));
        QCOMPARE(c.document.picture(), before);
        QVERIFY(c.document.edits().isEmpty());
        QCOMPARE(c.instructions(), MustConvertText);
        QVERIFY(QFileInfo(m_path).isDir());
        QVERIFY(QDir().rmdir(m_path));
    }

    void openingFailsWhereTheWorkingBitmapCannotBeWritten()
    {
        Clearcoat c(m_prompter);
        QVERIFY(QDir().mkdir(m_path));
        QString error;
        QVERIFY(!c.document.open(scene(false), WorkingBitmap(m_path), &error));
        QVERIFY(error.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(m_path)));
        QVERIFY(!c.document.hasPicture());
        QCOMPARE(c.selection.pickBackground(QPoint(0, 0)).outcome, PickOutcome::NoPicture);
        QVERIFY(QDir().rmdir(m_path));
    }

    void withoutAWorkingBitmapNothingIsWritten()
    {
        Clearcoat c(m_prompter);
        QString error;
        QVERIFY(c.document.open(scene(true), WorkingBitmap(), &error));
        click(c, 2, 0, MessageAnswer::Ok);
        m_prompter.answer(MessageAnswer::Ok);
        QVERIFY(c.recolour(ConversionButton::Black));
        QCOMPARE(c.document.palette().row(3), PaletteRow::fromRgb(0, 0, 0));
        QCOMPARE(c.document.picture().pixelIndex(1, 0), 3);
        QVERIFY(QDir(m_dir.path()).isEmpty());
    }

    void finishSaveClearsThePicture()
    {
        Clearcoat c(m_prompter);
        open(c, scene(true));
        click(c, 0, 0, MessageAnswer::Ok);
        c.document.close();
        c.selection.finishSave();
        c.presenter.saved(QStringLiteral("/pics/out.bmp"), 1);
        QCOMPARE(c.instructions(), QStringLiteral("The image has been saved as /pics/out.bmp. "));
        QVERIFY(!c.document.hasPicture() && !c.saveAsEnabled());
        // The frame stays, empty, until the next image is opened.
        const BackgroundFrameView view = deriveFrameView(c.selection);
        QVERIFY(view.frameShown && !view.selectedCaptionShown && !view.changeToShown);
        QCOMPARE(view.swatchShown, (std::array<bool, 2>{}));
        QCOMPARE(view.buttonShown, (std::array<bool, 4>{}));
        QCOMPARE(view.indexText, QString());
        QCOMPARE(c.selection.transparentIndex(), 3);
        QCOMPARE(c.selection.multiColourFlag(), true);
        QCOMPARE(c.selection.pickBackground(QPoint(0, 0)).outcome, PickOutcome::NoPicture);
    }

    void openingAgainForgetsTheSelection()
    {
        Clearcoat c(m_prompter);
        open(c, scene(true));
        click(c, 0, 0, MessageAnswer::Ok);
        open(c, scene(false));
        QCOMPARE(c.selection.state(), SelectionState::NothingSelected);
        QCOMPARE(c.selection.transparentIndex(), 999);
        QCOMPARE(c.selection.multiColourFlag(), false);
        QVERIFY(!c.selection.slot(0).filled() && !c.selection.slot(1).filled());
        QVERIFY(!c.selection.pickedPixel());
        const BackgroundFrameView view = deriveFrameView(c.selection);
        QVERIFY(!view.frameShown && !view.shows(ConversionButton::Neighbour));
        QCOMPARE(view.changeToText, QStringLiteral("Change to optional:"));
    }
};

TRELLIS_TEST(TestBackgroundSelection)
#include "tst_backgroundselection.moc"

#include "animationfiles.h"
#include "filecontents.h"
#include "giftestdata.h"
#include "giftool/core/gifdocument.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readAll;

using namespace giftool;

class TestGifDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    // A document in the scratch folder with file opened, or none.
    std::unique_ptr<GifDocument> opened(const QString &file)
    {
        auto document = std::make_unique<GifDocument>(WorkingFiles::in(m_dir.path()));
        return document->openImage(file).outcome == OpenOutcome::Opened ? std::move(document)
                                                                        : nullptr;
    }

private slots:
    void workingFilesKeepTheirNames()
    {
        const WorkingFiles files = WorkingFiles::in(QStringLiteral("/work/dir"));
        QCOMPARE(files.workBitmap, QStringLiteral("/work/dir/TEMP.BMP"));
        QCOMPARE(files.workGif, QStringLiteral("/work/dir/TEMP.GIF"));
        QString error;
        const std::optional<WorkingFiles> located = WorkingFiles::locate(&error);
        QVERIFY2(located, qPrintable(error));
        QVERIFY(located->workBitmap.endsWith(QStringLiteral("/TEMP.BMP")));
    }

    void opensAPaletteGifKeepingItsIndexes()
    {
        const QString gif = giftesting::dataFile(QStringLiteral("small.gif"));
        QCOMPARE(readAll(gif).mid(10, 3), QByteArray("\xB3\x00\x31", 3));
        auto opened = this->opened(gif);
        QVERIFY(opened);
        GifDocument &document = *opened;
        QCOMPARE(QSize(document.imageWidth(), document.imageHeight()), QSize(12, 8));
        QCOMPARE(int(document.sourcePacked()), 0xB3);
        QCOMPARE(int(document.sourceAspect()), 49);

        // The working bitmap: 8 bits, palette at 54, pixels at 1078, 16 colors padded to 256.
        const QByteArray bmp = readAll(document.workingFiles().workBitmap);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(int(bmp[28]), 8);
        QCOMPARE(bmp.mid(10, 4), QByteArray("\x36\x04\x00\x00", 4));
        const QImage picture = document.picture().picture();
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorCount(), 256);
        for (int i = 0; i < 16; ++i) {
            const QRgb c = giftesting::sixteenColours()[i];
            QCOMPARE(document.picture().palette().row(i),
                PaletteRow::fromRgb(qRed(c), qGreen(c), qBlue(c)));
        }
        QVERIFY(picture.pixelIndex(4, 3) == 5 && picture.pixelIndex(0, 0) == 0);
        QCOMPARE(QImage::fromData(bmp, "BMP"), picture);
    }

    void otherTypesKeepTheGifScreenBytes()
    {
        auto document = opened(giftesting::dataFile(QStringLiteral("small.gif")));
        QVERIFY(document);
        const QString png = giftesting::dataFile(QStringLiteral("photo.png"));
        QCOMPARE(document->openImage(png).outcome, OpenOutcome::Opened);
        QCOMPARE(int(document->sourcePacked()), 0xB3);
        QCOMPARE(int(document->sourceAspect()), 49);
        // A PNG named ".gif" opens by its content but has no GIF screen bytes to take.
        const QString disguised = path("disguised.gif");
        QVERIFY(QFile::copy(png, disguised));
        QCOMPARE(document->openImage(disguised).outcome, OpenOutcome::Opened);
        QCOMPARE(int(document->sourcePacked()), 0xB3);
    }

    void savesATransparentGif()
    {
        auto opened = this->opened(giftesting::dataFile(QStringLiteral("small.gif")));
        QVERIFY(opened);
        GifDocument &document = *opened;
        QCOMPARE(document.selection().pickBackground(QPoint(0, 0)).outcome, PickOutcome::Picked);
        const QImage picture = document.picture().picture();

        const QString out = path("Out.GIF");
        const SaveResult result = document.saveTransparentGif(out);
        QVERIFY2(result.saved, qPrintable(result.error));
        const QByteArray gif = readAll(out);
        QCOMPARE(gif.left(13), QByteArray("GIF89a\x0C\x00\x08\x00\xB7\x00\x31", 13));
        QCOMPARE(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x00\x00", 8));
        QVERIFY(gif[789] == char(0x2C) && gif.endsWith(' '));
        QCOMPARE(int(document.sourcePacked()), 0xB7);
        giftesting::verifyDecoders(out, picture, 0);

        QVERIFY(!document.picture().hasPicture());
        QCOMPARE(document.selection().state(), SelectionState::NothingSelected);
        QCOMPARE(document.selection().transparentIndex(), 0);
    }

    void otherTypesAreSavedByTheEncoderOnly()
    {
        auto document = opened(giftesting::dataFile(QStringLiteral("small.gif")));
        QVERIFY(document);
        const QString out = path("copy.bmp");
        QVERIFY(document->saveTransparentGif(out).saved);
        QCOMPARE(readAll(out).left(2), QByteArray("BM"));
        QCOMPARE(int(document->sourcePacked()), 0xB3);
    }

    // The command line has no working files; every picture, palette and saved file must be
    // what the window's give, and the window's working bitmap shows the picture in memory.
    void withoutWorkingFilesTheResultsAreTheSame_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("convert");
        QTest::addColumn<bool>("onlyConnected");
        QTest::addColumn<QString>("output");
        QTest::newRow("palette PNG with text, color space and 300 dpi, as PNG")
            << "small-tagged.png" << false << false << "out.png";
        QTest::newRow("GIF with a transparent entry, as GIF")
            << "small-clear.gif" << false << false << "out.gif";
        // shaded.jpg: smooth colors on a dithered two-color background, with a dithered hole
        // in the middle that only touches the rest through the subject.
        QTest::newRow("true-color JPEG at 72 dpi, as BMP")
            << "shaded.jpg" << false << false << "out.bmp";
        QTest::newRow("only the connected background made white, as PCX")
            << "shaded.jpg" << true << true << "out.pcx";
        QTest::newRow("only the connected background made white, as GIF")
            << "shaded.jpg" << true << true << "out.gif";
    }
    void withoutWorkingFilesTheResultsAreTheSame()
    {
        QFETCH(QString, input);
        QFETCH(bool, convert);
        QFETCH(bool, onlyConnected);
        QFETCH(QString, output);

        QList<QByteArray> saved;
        QList<QImage> pictures;
        for (const bool onDisk : {true, false}) {
            QTemporaryDir work;
            GifDocument document(onDisk ? WorkingFiles::in(work.path()) : WorkingFiles::none());
            document.selection().setOnlyConnected(onlyConnected);
            QCOMPARE(document.openImage(giftesting::dataFile(input)).outcome, OpenOutcome::Opened);
            BackgroundSelection &selection = document.selection();
            selection.pickBackground(QPoint(0, 0));
            if (convert) {
                QCOMPARE(selection.recolour(ConversionButton::White).outcome,
                    RecolourOutcome::Recoloured);
                QCOMPARE(selection.pickBackground(QPoint(0, 0)).outcome, PickOutcome::Picked);
            }
            pictures << document.picture().picture();
            for (int i = 0; i < PaletteTable::Size; ++i) {
                const QRgb colour = pictures.last().color(i);
                QCOMPARE(document.picture().palette().row(i),
                    PaletteRow::fromRgb(qRed(colour), qGreen(colour), qBlue(colour)));
            }
            if (onDisk) {
                const QImage shown(document.workingFiles().workBitmap);
                QCOMPARE(shown.colorTable(), pictures.last().colorTable());
                QCOMPARE(shown, pictures.last());
            }
            const QString out = work.filePath(output);
            const SaveResult result = document.saveTransparentGif(out);
            QVERIFY2(result.saved, qPrintable(result.error));
            saved << readAll(out);
            if (!onDisk)
                QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList{output});
        }
        QCOMPARE(pictures[1], pictures[0]);
        QCOMPARE(pictures[1].colorTable(), pictures[0].colorTable());
        QCOMPARE(pictures[1].dotsPerMeterX(), pictures[0].dotsPerMeterX());
        QVERIFY(saved[0].size() > 100);
        QVERIFY(saved[1] == saved[0]);
    }
};

TRELLIS_TEST(TestGifDocument)
#include "tst_gifdocument.moc"

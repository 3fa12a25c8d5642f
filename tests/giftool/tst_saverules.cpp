#include "giftool/core/saverules.h"
#include "giftool/ui/giftoolpresenter.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QTest>

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString NotSelected = QStringLiteral(
    "You have not selected a 'transparent' background.  Do you still want to save the file? ");
const QString MoreThanOne = QStringLiteral(
    "The background has more than one color and it may not appear transparent.  OK to proceed?");

} // namespace

class TestSaveRules : public QObject
{
    Q_OBJECT
private slots:
    void confirmSave_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("multiColour");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("proceed");
        using A = QList<MessageAnswer>;
        QTest::newRow("selected, one color") << true << false << A() << QStringList() << true;
        QTest::newRow("not selected, ok")
            << false << false << A{MessageAnswer::Ok} << QStringList{NotSelected} << true;
        QTest::newRow("not selected, cancel")
            << false << false << A{MessageAnswer::Cancel} << QStringList{NotSelected} << false;
        QTest::newRow("more than one color, ok")
            << true << true << A{MessageAnswer::Ok} << QStringList{MoreThanOne} << true;
        QTest::newRow("both, ok then cancel")
            << false << true << A{MessageAnswer::Ok, MessageAnswer::Cancel}
            << QStringList{NotSelected, MoreThanOne} << false;
        QTest::newRow("both, cancel stops at the first")
            << false << true << A{MessageAnswer::Cancel} << QStringList{NotSelected} << false;
        QTest::newRow("both, ok twice") << false << true << A{MessageAnswer::Ok, MessageAnswer::Ok}
                                        << QStringList{NotSelected, MoreThanOne} << true;
    }
    void confirmSave()
    {
        QFETCH(bool, selected);
        QFETCH(bool, multiColour);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, proceed);
        testsupport::ScriptedPrompter prompter;
        for (MessageAnswer answer : answers)
            prompter.answer(answer);
        QCOMPARE(GifToolPresenter(prompter).confirmSave(selected, multiColour), proceed);
        QCOMPARE(prompter.shown().size(), asked.size());
        for (qsizetype i = 0; i < asked.size(); ++i) {
            const auto &shown = prompter.shown()[i];
            QCOMPARE(shown.text, asked[i]);
            QVERIFY(
                shown.icon == MessageIcon::Question && shown.buttons == MessageButtons::OkCancel);
            QCOMPARE(shown.title, QStringLiteral("Transparent"));
        }
    }

    void offeredSaveName_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("offered");
        QTest::newRow("jpeg") << QString("/home/ann/pics/chelsea.jpg")
                              << "/home/ann/pics/chelsea.gif";
        QTest::newRow("gif kept") << QString("/tmp/logo.gif") << "/tmp/logo.gif";
        QTest::newRow("capital GIF") << QString("/tmp/LOGO.GIF") << "/tmp/LOGO.gif";
        QTest::newRow("long extension") << QString("/tmp/scan.tiff") << "/tmp/scan.gif";
        QTest::newRow("two dots") << QString("/tmp/a.b.bmp") << "/tmp/a.b.gif";
        QTest::newRow("no extension") << QString("/tmp/picture") << "/tmp/picture.gif";
        QTest::newRow("dot in a folder")
            << QString("/tmp/my.site/picture") << "/tmp/my.site/picture.gif";
        QTest::newRow("hidden file") << QString("/tmp/.logo") << "/tmp/.logo.gif";
    }
    void offeredSaveName()
    {
        QFETCH(QString, opened);
        QFETCH(QString, offered);
        QCOMPARE(giftool::offeredSaveName(opened), offered);
    }

    void resultText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("gif") << "/home/ann/Logo.gif"
                             << "The image has been saved as /home/ann/Logo.gif.  View the effect "
                                "in web browser.  If not transparent, repeat the process but use "
                                "the /home/ann/Logo.gif (not the original) file.";
        QTest::newRow("capital GIF") << "/tmp/A.GIF"
                                     << "The image has been saved as /tmp/A.GIF.  View the effect "
                                        "in web browser.  If not transparent, repeat the process "
                                        "but use the /tmp/A.GIF (not the original) file.";
        QTest::newRow("bmp") << QString("/tmp/pic.bmp")
                             << "The image has been saved as /tmp/pic.bmp. ";
        QTest::newRow("pcx") << QString("/tmp/pic.Pcx")
                             << "The image has been saved as /tmp/pic.Pcx. ";
    }
    void resultText()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QCOMPARE(giftool::saveResultText(path), text);
    }

    void saveName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("gif");
        QTest::newRow("gif") << "/tmp/a.gif" << true << true;
        QTest::newRow("GIF") << "/tmp/a.GIF" << true << true;
        QTest::newRow("bmp") << "/tmp/a.bmp" << true << false;
        QTest::newRow("jpg") << "/tmp/a.jpg" << true << false;
        QTest::newRow("tif") << "/tmp/a.TIF" << true << false;
        QTest::newRow("pcx") << "/tmp/a.pcx" << true << false;
        QTest::newRow("png") << "/tmp/a.png" << true << false;
        QTest::newRow("dots in the name") << "/tmp/my.logo.v2.gif" << true << true;
        QTest::newRow("no extension") << "/tmp/logo" << false << false;
        QTest::newRow("jpeg") << "/tmp/a.jpeg" << false << false;
        QTest::newRow("text") << "/tmp/a.txt" << false << false;
        QTest::newRow("gif inside") << "/tmp/a.gif.bak" << false << false;
        QTest::newRow("only an extension") << "/tmp/.gif" << false << true;
        QTest::newRow("empty") << "" << false << false;
    }
    void saveName()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QFETCH(bool, gif);
        const QString problem = giftool::saveNameProblem(path);
        QCOMPARE(problem.isEmpty(), accepted);
        if (!accepted) {
            QCOMPARE(problem,
                QStringLiteral("Cannot save as ") + path
                    + QStringLiteral(
                        ".  The file name must end in .gif, .bmp, .jpg, .tif, .pcx or .png."));
        }
        QCOMPARE(giftool::isGifName(path), gif);
    }
};

TRELLIS_TEST(TestSaveRules)
#include "tst_saverules.moc"

#include "giftestdata.h"
#include "giftool/core/transparencycancel.h"
#include "lockedfile.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using giftool::CancelOutcome;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString NotVersion89a = QStringLiteral("The image is not a version 89a or it is corrupt.");

QByteArray transparentGif(int packed)
{
    QByteArray gif
        = giftesting::componentGif(1013, QByteArray("\x21\xF9\x04\x00\x00\x00\x05\x00\x2C", 9));
    gif.replace(0, 6, "GIF89a");
    gif[784] = char(packed);
    return gif;
}

} // namespace

// Without a prompter (the opaque command) the same results come back instead of being shown: see
// the opaque cases under tests/cases/transparent/.
class TestTransparencyCancel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    testsupport::ScriptedPrompter m_prompter;

    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("image.gif"));
        return testsupport::writeAll(path, bytes) ? path : QString();
    }
    static QByteArray read(const QString &path) { return testsupport::readAll(path); }

    void checkShown(const QString &text, MessageIcon icon, const QString &title)
    {
        QCOMPARE(m_prompter.lastText(), text);
        QCOMPARE(m_prompter.shown().last().icon, icon);
        QCOMPARE(m_prompter.shown().last().title, title);
    }

private slots:
    void init() { m_prompter.clear(); }
    void cleanup() { QCOMPARE(m_prompter.pendingAnswers(), 0); }

    void flagOneAsksAndClears_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<CancelOutcome>("outcome");
        QTest::newRow("ok") << MessageAnswer::Ok << CancelOutcome::Cleared;
        QTest::newRow("cancel") << MessageAnswer::Cancel << CancelOutcome::Declined;
    }
    void flagOneAsksAndClears()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(CancelOutcome, outcome);
        const QByteArray original = transparentGif(1);
        const QString path = write(original);
        m_prompter.answer(answer);
        QCOMPARE(GifToolPresenter(m_prompter).cancelTransparency(path).outcome, outcome);
        QCOMPARE(m_prompter.shown().size(), 1);
        checkShown(QStringLiteral("Are you sure you want to delete the transparency?"),
            MessageIcon::Question, QStringLiteral("Transparency"));
        QCOMPARE(m_prompter.shown().last().buttons, MessageButtons::OkCancel);

        QByteArray expected = original;
        if (outcome == CancelOutcome::Cleared)
            expected[784] = 0;
        QCOMPARE(read(path), expected);
        QCOMPARE(read(path)[787], char(5));
    }

    void otherFlagValuesChangeNothing_data()
    {
        QTest::addColumn<int>("packed");
        QTest::newRow("already off") << 0;
        QTest::newRow("disposal bits with flag") << 0x09;
        QTest::newRow("user input bit") << 0x02;
        QTest::newRow("all bits") << 0xFF;
    }
    void otherFlagValuesChangeNothing()
    {
        QFETCH(int, packed);
        const QByteArray original = transparentGif(packed);
        const QString path = write(original);
        QCOMPARE(GifToolPresenter(m_prompter).cancelTransparency(path).outcome,
            CancelOutcome::NotTransparent);
        QVERIFY(m_prompter.shown().isEmpty());
        QCOMPARE(read(path), original);
    }

    void notVersion89a_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // A 2-color GIF: its image descriptor sits at 19 and 781 lies inside the image data.
        QByteArray twoColour("GIF89a\x10\x00\x10\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00", 19);
        twoColour.append('\x2C');
        while (twoColour.size() < 900)
            twoColour.append('\x55');
        QTest::newRow("not 256-color") << twoColour;
        QTest::newRow("descriptor at 781") << giftesting::componentGif(1000);
        QTest::newRow("comment at 781")
            << giftesting::componentGif(1000, QByteArray("\x21\xFE\x01x\x00\x2C", 6));
        QTest::newRow("short file") << transparentGif(1).left(784);
        QTest::newRow("empty file") << QByteArray();
        QByteArray notGif = transparentGif(1);
        notGif.replace(0, 3, "BMP");
        QTest::newRow("not a GIF") << notGif;
    }
    void notVersion89a()
    {
        QFETCH(QByteArray, bytes);
        const QString path = write(bytes);
        m_prompter.answer(MessageAnswer::Ok);
        const giftool::CancelResult result = GifToolPresenter(m_prompter).cancelTransparency(path);
        QCOMPARE(result.outcome, CancelOutcome::NotVersion89a);
        checkShown(NotVersion89a, MessageIcon::Exclamation, QString());
        QCOMPARE(read(path), bytes);
    }

    // A file that cannot be replaced is named with the system's reason, after the question,
    // and stays as it was, with nothing left beside it: for a single picture and an animation.
    void aFileThatCannotBeReplacedIsNamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one picture") << transparentGif(1);
        QTest::newRow("animation") << read(giftesting::dataFile(QStringLiteral("fourframes.gif")));
    }
    void aFileThatCannotBeReplacedIsNamed()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!bytes.isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("locked.gif"));
        QVERIFY(testsupport::writeAll(path, bytes));
        const testsupport::LockedFile lock(path);
        if (!lock.locked())
            QSKIP("This file system or user cannot mark a file immutable.");
        m_prompter.answer(MessageAnswer::Ok);
        m_prompter.answer(MessageAnswer::Ok);
        const giftool::CancelResult result = GifToolPresenter(m_prompter).cancelTransparency(path);
        QCOMPARE(result.outcome, CancelOutcome::NotWritten);
        const QString told
            = QStringLiteral("Cannot write \"%1\": Existing file %1 is not writable").arg(path);
        QCOMPARE(result.message, told);
        QCOMPARE(m_prompter.shown().size(), 2);
        checkShown(told, MessageIcon::Exclamation, QString());
        QCOMPARE(read(path), bytes);
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("locked.gif")});
    }

    void missingFileReportsTheReason()
    {
        const QString path = m_dir.filePath(QStringLiteral("missing.gif"));
        m_prompter.answer(MessageAnswer::Ok);
        const giftool::CancelResult result = GifToolPresenter(m_prompter).cancelTransparency(path);
        QCOMPARE(result.outcome, CancelOutcome::Failed);
        QVERIFY(!result.message.isEmpty());
        QCOMPARE(m_prompter.lastText(), result.message);
        QCOMPARE(m_prompter.shown().last().icon, MessageIcon::None);
        QVERIFY(!QFile::exists(path));
    }
};

TRELLIS_TEST(TestTransparencyCancel)
#include "tst_transparencycancel.moc"

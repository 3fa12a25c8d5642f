#include "modaldialogdriver.h"
#include "testmain.h"

#include <QDialog>
#include <QTest>

using testsupport::ModalDialogDriver;

// The driver itself: it acts on the dialog that comes, and says so loudly when none comes or
// when one is left open, without leaving the test waiting.
class TestModalDialogDriver : public QObject
{
    Q_OBJECT
private:
    QStringList failures;
    ModalDialogDriver<QDialog>::FailureHandler record()
    {
        return [this](const QString &failure) { failures << failure; };
    }

private slots:
    void init() { failures.clear(); }

    void stepsRunOnTheShownDialog()
    {
        ModalDialogDriver<QDialog> driver(record());
        QStringList seen;
        driver.then([&seen](QDialog &dialog) {
            seen << dialog.windowTitle();
            dialog.setWindowTitle(QStringLiteral("second"));
        });
        driver.then([&seen](QDialog &dialog) {
            seen << dialog.windowTitle();
            dialog.accept();
        });
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("first"));
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(seen, QStringList({"first", "second"}));
        QCOMPARE(driver.pending(), 0);
        QVERIFY(failures.isEmpty());
    }

    void aDialogLeftOpenIsRejectedAndReported()
    {
        ModalDialogDriver<QDialog> driver(record());
        driver.then([](QDialog &) {});
        QDialog dialog;
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(failures, QStringList({"the dialog stayed open after its last step"}));
    }

    void aDialogThatNeverComesIsReported()
    {
        ModalDialogDriver<QDialog> driver(record(), 100);
        driver.then([](QDialog &dialog) { dialog.accept(); });
        QTRY_COMPARE_WITH_TIMEOUT(failures, QStringList({"the dialog was never shown"}), 2000);
        QCOMPARE(driver.pending(), 0);
    }

    void anUnexpectedDialogIsRejected()
    {
        ModalDialogDriver<QDialog> driver(record());
        driver.guardAgainstUnexpectedDialogs();
        QDialog dialog;
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(failures, QStringList({"an unexpected dialog was shown"}));
    }
};

TRELLIS_TEST(TestModalDialogDriver)
#include "tst_modaldialogdriver.moc"

#include "modaldialogdriver.h"
#include "platform/ui/messageboxprompter.h"
#include "testmain.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QListView>
#include <QPushButton>
#include <QTest>

// The list a user chooses from, on the real dialog: the item chosen at first is selected, a
// click on another row and OK give that row, Cancel gives nothing.
class TestMessageBoxPrompter : public QObject
{
    Q_OBJECT
private slots:
    void chooseFromAList_data()
    {
        QTest::addColumn<int>("clickedRow");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<std::optional<int>>("chosen");
        QTest::newRow("OK on the first choice") << -1 << true << std::optional<int>(1);
        QTest::newRow("another row") << 2 << true << std::optional<int>(2);
        QTest::newRow("cancel") << 0 << false << std::optional<int>();
    }
    void chooseFromAList()
    {
        QFETCH(int, clickedRow);
        QFETCH(bool, ok);
        QFETCH(std::optional<int>, chosen);
        testsupport::ModalDialogDriver<QInputDialog> driver(
            [](const QString &failure) { QTest::qFail(qPrintable(failure), __FILE__, __LINE__); });
        int selectedAtFirst = -1;
        driver.then([&](QInputDialog &dialog) {
            auto *list = dialog.findChild<QListView *>();
            QVERIFY(list);
            selectedAtFirst = list->currentIndex().row();
            if (clickedRow >= 0)
                list->setCurrentIndex(list->model()->index(clickedRow, 0));
            auto *buttons = dialog.findChild<QDialogButtonBox *>();
            QVERIFY(buttons);
            buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        platform::MessageBoxPrompter prompter;
        QCOMPARE(prompter.choose(QStringLiteral("Which one?"), {"a - a.gif", "b - b.gif", "c"}, 1,
                     QStringLiteral("Open Map")),
            chosen);
        QCOMPARE(selectedAtFirst, 1);
        QCOMPARE(driver.pending(), 0);
    }
};

TRELLIS_TEST(TestMessageBoxPrompter)
#include "tst_messageboxprompter.moc"

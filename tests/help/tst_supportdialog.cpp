#include "filecontents.h"
#include "help/supportdialog.h"
#include "testmain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Joins paragraphs as the notice does: each ends with CR LF and one more CR LF. Every notice
// starts with the same heading.
QString paragraphs(const QStringList &texts)
{
    return QStringLiteral("For technical support.....\r\n\r\n") + texts.join("\r\n\r\n")
        + QStringLiteral("\r\n\r\n");
}

} // namespace

class TestSupportDialog : public QObject
{
    Q_OBJECT
private slots:
    void notice_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("expected");
        const QJsonObject cases
            = QJsonDocument::fromJson(testsupport::readAll(QFINDTESTDATA("notices.json"))).object();
        QVERIFY(!cases.value("rows").toArray().isEmpty());
        for (const QJsonValue &value : cases.value("rows").toArray()) {
            const QJsonObject row = value.toObject();
            QStringList texts;
            for (const QJsonValue &text : row.value("paragraphs").toArray())
                texts << text.toString();
            QTest::newRow(qPrintable(row.value("row").toString()))
                << row.value("url").toString() << row.value("email").toString()
                << row.value("phone").toString() << paragraphs(texts);
        }
    }
    void notice()
    {
        QFETCH(QString, url);
        QFETCH(QString, email);
        QFETCH(QString, phone);
        QFETCH(QString, expected);
        QCOMPARE(help::SupportDialog::notice({url, email, phone}), expected);
    }
};

TRELLIS_TEST(TestSupportDialog)
#include "tst_supportdialog.moc"

#include "filecontents.h"
#include "platform/filedialogs.h"
#include "testmain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    // The rows and what they show are in namefilters.json.
    void nameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("save");
        const QJsonObject cases
            = QJsonDocument::fromJson(testsupport::readAll(QFINDTESTDATA("namefilters.json")))
                  .object();
        QVERIFY(!cases.value("rows").toArray().isEmpty());
        for (const QJsonValue &value : cases.value("rows").toArray()) {
            const QJsonObject row = value.toObject();
            QTest::newRow(qPrintable(row.value("row").toString()))
                << row.value("filter").toString() << row.value("fileName").toString()
                << row.value("open").toString() << row.value("save").toString();
        }
    }
    void nameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, fileName);
        QFETCH(QString, open);
        QFETCH(QString, save);
        platform::FileDialogRequest request;
        request.filter = filter;
        request.fileName = fileName;
        QCOMPARE(platform::qtNameFiltersFor(request, platform::FileDialogKind::Open), open);
        QCOMPARE(platform::qtNameFiltersFor(request), save);
        if (fileName.isEmpty())
            QCOMPARE(platform::toQtNameFilters(filter), save);
    }

    void readableSize_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("size");
        QTest::newRow("small screen") << QSize(800, 800) << QSize(760, 520);
        QTest::newRow("laptop") << QSize(1366, 728) << QSize(819, 520);
        QTest::newRow("desktop") << QSize(1920, 1040) << QSize(1152, 676);
        QTest::newRow("tiny screen") << QSize(640, 480) << QSize(640, 480);
    }
    void readableSize()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, size);
        QCOMPARE(platform::readableDialogSize(available), size);
    }
};

TRELLIS_TEST(TestFileDialogs)
#include "tst_filedialogs.moc"

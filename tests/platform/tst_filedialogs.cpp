#include "platform/filedialogs.h"

#include <QTest>

class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    void qtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("description holds the pattern") << "Specs (*.spc)|*.spc|All Files (*.*)|*.*"
                                                       << "Specs (*.spc);;All Files (*.*)";
        QTest::newRow("unbalanced description") << "Spec Files (*.spc)|*.spc|All Files(*.*|*.*"
                                                << "Spec Files (*.spc);;All Files(*.* (*.*)";
        QTest::newRow("several globs") << "Images|*.bmp;*.gif"
                                       << "Images (*.bmp *.gif)";
        QTest::newRow("dangling description") << "GIF(*.gif)|*.gif|Other"
                                              << "GIF(*.gif)";
    }
    void qtFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(platform::toQtNameFilters(filter), qt);
    }

    void parsesPairs()
    {
        const auto entries = platform::parseFileFilter("GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg");
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1].description, QStringLiteral("JPEG(*.jpg"));
        QCOMPARE(entries[1].globs, QStringList{"*.jpg"});
    }
};

QTEST_APPLESS_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"

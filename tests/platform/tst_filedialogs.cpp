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

    void patternAsFileNameComesFirst_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("qt");
        QTest::newRow("five image types")
            << "*.bmp;*.gif;*.jpg;*.tif;*.pcx"
            << "*.bmp *.gif *.jpg *.tif *.pcx;;GIF(*.gif);;JPEG(*.jpg (*.jpg)";
        QTest::newRow("all files") << "*.*"
                                   << "*.*;;GIF(*.gif);;JPEG(*.jpg (*.jpg)";
        QTest::newRow("a real name") << "/web/photo.gif"
                                     << "GIF(*.gif);;JPEG(*.jpg (*.jpg)";
        QTest::newRow("no name") << ""
                                 << "GIF(*.gif);;JPEG(*.jpg (*.jpg)";
    }
    void patternAsFileNameComesFirst()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, qt);
        platform::FileDialogRequest request;
        request.filter = "GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg";
        request.fileName = fileName;
        QCOMPARE(platform::qtNameFiltersFor(request), qt);
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

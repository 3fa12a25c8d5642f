#include "platform/filedialogs.h"
#include "testmain.h"

#include <QTest>

class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    void qtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        const auto row = [](const char *name, QString filter, QString qt) {
            QTest::newRow(name) << filter << qt;
        };
        row("description holds the pattern", "Specs (*.spc)|*.spc|All Files (*.*)|*.*",
            "Specs (*.spc);;All Files (*.*)");
        row("unbalanced description", "Spec Files (*.spc)|*.spc|All Files(*.*|*.*",
            "Spec Files (*.spc);;All Files(*.* (*.*)");
        row("several globs", "Images|*.bmp;*.gif", "Images (*.bmp *.gif)");
        row("dangling description", "GIF(*.gif)|*.gif|Other", "GIF(*.gif)");
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
        const QString types = "GIF(*.gif);;JPEG(*.jpg (*.jpg)";
        QTest::newRow("five image types") << "*.bmp;*.gif;*.jpg;*.tif;*.pcx"
                                          << "*.bmp *.gif *.jpg *.tif *.pcx;;" + types;
        QTest::newRow("all files") << "*.*"
                                   << "*.*;;" + types;
        QTest::newRow("a real name") << "/web/photo.gif" << types;
        QTest::newRow("no name") << "" << types;
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

    // Open dialogs list the long spellings too and end with every file; save dialogs list the
    // types as the tools give them.
    void openListsLongSpellingsAndAllFiles_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("save");
        const QString images
            = "GIF Files(*.gif)|*.gif|JPEG Files(*.jpg)|*.jpg|TIFF Files(*.tif)|*.tif";
        QTest::newRow("image types, preset pattern first")
            << images << "*.gif;*.jpg;*.tif"
            << "*.gif *.jpg *.jpeg *.tif *.tiff;;GIF Files(*.gif);;JPEG Files(*.jpg *.jpeg);;"
               "TIFF Files(*.tif *.tiff);;All Files (*)"
            << "*.gif *.jpg *.tif;;GIF Files(*.gif);;JPEG Files(*.jpg);;TIFF Files(*.tif)";
        const auto row
            = [](const char *name, QString filter, QString fileName, QString open, QString save) {
                  QTest::newRow(name) << filter << fileName << open << save;
              };
        row("a name, not a pattern", "JPEG|*.JPG", "/pics/a.jpg",
            "JPEG (*.JPG *.jpeg);;All Files (*)", "JPEG (*.JPG)");
        row("all files already there", "Specs (*.spc)|*.spc|All Files (*.*)|*.*", "*.spc",
            "*.spc;;Specs (*.spc);;All Files (*.*)", "*.spc;;Specs (*.spc);;All Files (*.*)");
        row("long spelling already there", "JPEG|*.jpg;*.jpeg", "",
            "JPEG (*.jpg *.jpeg);;All Files (*)", "JPEG (*.jpg *.jpeg)");
    }
    void openListsLongSpellingsAndAllFiles()
    {
        QFETCH(QString, filter);
        QFETCH(QString, fileName);
        QFETCH(QString, open);
        QFETCH(QString, save);
        platform::FileDialogRequest request;
        request.filter = filter;
        request.fileName = fileName;
        QCOMPARE(platform::qtNameFiltersFor(request, platform::FileDialogKind::Open), open);
        QCOMPARE(platform::qtNameFiltersFor(request, platform::FileDialogKind::Save), save);
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

    void parsesPairs()
    {
        const auto entries = platform::parseFileFilter("GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg");
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1].description, "JPEG(*.jpg");
        QCOMPARE(entries[1].globs, QStringList{"*.jpg"});
    }
};

TRELLIS_TEST(TestFileDialogs)
#include "tst_filedialogs.moc"

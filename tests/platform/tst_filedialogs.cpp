#include "platform/filedialogs.h"
#include "testmain.h"

#include <QTest>

class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    // Open dialogs list the long spellings too and end with every file; save dialogs list the
    // types as the tools give them. A preset pattern as the file name is the list shown first.
    void nameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("save");
        const auto row
            = [](const char *name, QString filter, QString fileName, QString open, QString save) {
                  QTest::newRow(name) << filter << fileName << open << save;
              };
        row("description holds the pattern", "Specs (*.spc)|*.spc|All Files (*.*)|*.*", "",
            "Specs (*.spc);;All Files (*.*)", "Specs (*.spc);;All Files (*.*)");
        row("unbalanced description", "Spec Files (*.spc)|*.spc|All Files(*.*|*.*", "",
            "Spec Files (*.spc);;All Files(*.* (*.*)", "Spec Files (*.spc);;All Files(*.* (*.*)");
        row("several globs", "Images|*.bmp;*.gif", "", "Images (*.bmp *.gif);;All Files (*)",
            "Images (*.bmp *.gif)");
        row("dangling description", "GIF(*.gif)|*.gif|Other", "", "GIF(*.gif);;All Files (*)",
            "GIF(*.gif)");
        const QString types = "GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg";
        const QString saved = "GIF(*.gif);;JPEG(*.jpg (*.jpg)";
        const QString opened = "GIF(*.gif);;JPEG(*.jpg (*.jpg *.jpeg);;All Files (*)";
        row("five image types", types, "*.bmp;*.gif;*.jpg;*.tif;*.pcx",
            "*.bmp *.gif *.jpg *.jpeg *.tif *.tiff *.pcx;;" + opened,
            "*.bmp *.gif *.jpg *.tif *.pcx;;" + saved);
        row("all files as the name", types, "*.*", "*.*;;" + opened, "*.*;;" + saved);
        row("a real name", types, "/web/photo.gif", opened, saved);
        row("image types, preset pattern first",
            "GIF Files(*.gif)|*.gif|JPEG Files(*.jpg)|*.jpg|TIFF Files(*.tif)|*.tif",
            "*.gif;*.jpg;*.tif",
            "*.gif *.jpg *.jpeg *.tif *.tiff;;GIF Files(*.gif);;JPEG Files(*.jpg *.jpeg);;"
            "TIFF Files(*.tif *.tiff);;All Files (*)",
            "*.gif *.jpg *.tif;;GIF Files(*.gif);;JPEG Files(*.jpg);;TIFF Files(*.tif)");
        row("a name, not a pattern", "JPEG|*.JPG", "/pics/a.jpg",
            "JPEG (*.JPG *.jpeg);;All Files (*)", "JPEG (*.JPG)");
        row("all files already there", "Specs (*.spc)|*.spc|All Files (*.*)|*.*", "*.spc",
            "*.spc;;Specs (*.spc);;All Files (*.*)", "*.spc;;Specs (*.spc);;All Files (*.*)");
        row("long spelling already there", "JPEG|*.jpg;*.jpeg", "",
            "JPEG (*.jpg *.jpeg);;All Files (*)", "JPEG (*.jpg *.jpeg)");
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

#include "app/toolstart.h"
#include "imagemap/ui/imagemapwindow.h"
#include "modaldialogdriver.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

// `trellis TOOL FILE`: the tool's window on its own with the file open, as a drop opens it.
class TestToolStart : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void namesTheTools_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("tool");
        QTest::newRow("panecraft") << "panecraft" << int(launcher::Tool::Panecraft);
        QTest::newRow("clearcoat") << "clearcoat" << int(launcher::Tool::Clearcoat);
        QTest::newRow("zonemark") << "zonemark" << int(launcher::Tool::Zonemark);
        QTest::newRow("a command") << "transparent" << -1;
        QTest::newRow("capitals") << "Panecraft" << -1;
    }
    void namesTheTools()
    {
        QFETCH(QString, word);
        QFETCH(int, tool);
        const std::optional<launcher::Tool> named = app::toolNamed(word);
        QCOMPARE(named ? int(*named) : -1, tool);
    }

    // Each tool's window shows the file it opened in its caption.
    void opensTheFile_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("path");
        const QString corpus = qEnvironmentVariable("TRELLIS_SOURCE_DIR") + "/fuzz/corpus/";
        QTest::newRow("panecraft")
            << int(launcher::Tool::Panecraft) << corpus + "specfile/worked-example.spc";
        QTest::newRow("clearcoat") << int(launcher::Tool::Clearcoat) << corpus + "gif/photo.gif";
        QTest::newRow("zonemark") << int(launcher::Tool::Zonemark) << corpus + "gif/photo.gif";
    }
    void opensTheFile()
    {
        QFETCH(int, tool);
        QFETCH(QString, path);
        const auto window = app::startTool(launcher::Tool(tool), path);
        QVERIFY(window->isVisible());
        QTRY_VERIFY2(window->windowTitle().endsWith(path), qPrintable(window->windowTitle()));
    }

    // A page named for Zonemark opens its map, as a page dropped on the window does.
    void zonemarkOpensAPageAsOpenMapDoes()
    {
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const QString picturePath = m_dir.filePath(QStringLiteral("nav.png"));
        QVERIFY(picture.save(picturePath));
        const QString page = m_dir.filePath(QStringLiteral("nav.html"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "<img src=nav.png usemap=#m><map name=m><area coords=1,2,30,20 href=a.htm></map>");
        file.close();
        const auto window = app::startTool(launcher::Tool::Zonemark, page);
        auto *imageMap = qobject_cast<imagemap::ImageMapWindow *>(window.get());
        QTRY_COMPARE(imageMap->imagePath(), picturePath);
        QCOMPARE(imageMap->state().hotspots().usedCount(), 1);
    }

    // A file that cannot be opened gets the tool's own message; the window stays, empty.
    void aFileThatCannotBeOpenedLeavesTheWindowEmpty()
    {
        QString told;
        testsupport::ModalDialogDriver<QMessageBox> boxes(
            [](const QString &failure) { QTest::qFail(qPrintable(failure), __FILE__, __LINE__); });
        boxes.then([&told](QMessageBox &box) {
            told = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        const QString missing = m_dir.filePath(QStringLiteral("missing.gif"));
        const auto window = app::startTool(launcher::Tool::Zonemark, missing);
        auto *imageMap = qobject_cast<imagemap::ImageMapWindow *>(window.get());
        QTRY_VERIFY(!told.isEmpty());
        QVERIFY(told.contains(missing));
        QVERIFY(imageMap->isVisible());
        QVERIFY(imageMap->imagePath().isEmpty());
        QCOMPARE(boxes.pending(), 0);
    }
};

TRELLIS_TEST(TestToolStart)
#include "tst_toolstart.moc"

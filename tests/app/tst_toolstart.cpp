#include "app/toolstart.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/ui/designerfiles.h"
#include "frameset/ui/designerwindow.h"
#include "giftool/ui/giftoolwindow.h"
#include "imagemap/ui/imagemapwindow.h"
#include "modaldialogdriver.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QImage>
#include <QMainWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

// `trellis TOOL FILE`: the tool's window on its own with the file open, as a drop opens it.
class TestToolStart : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString picture(const QString &name)
    {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = m_dir.filePath(name);
        return image.save(path) ? path : QString();
    }

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

    void clearcoatOpensThePicture()
    {
        const QString path = picture(QStringLiteral("sky.png"));
        const auto window = app::startTool(launcher::Tool::Clearcoat, path);
        auto *gifTool = qobject_cast<giftool::GifToolWindow *>(window.get());
        QVERIFY(gifTool && gifTool->isVisible());
        QTRY_VERIFY(gifTool->hasImage());
        QVERIFY(gifTool->windowTitle().endsWith(path));
    }

    void zonemarkOpensThePicture()
    {
        const QString path = picture(QStringLiteral("map.gif"));
        const auto window = app::startTool(launcher::Tool::Zonemark, path);
        auto *imageMap = qobject_cast<imagemap::ImageMapWindow *>(window.get());
        QVERIFY(imageMap && imageMap->isVisible());
        QTRY_COMPARE(imageMap->imagePath(), path);
    }

    void panecraftOpensTheDesign()
    {
        testsupport::ScriptedPrompter prompter;
        frameset::LayoutModel model(prompter, 255);
        model.resetDesign(9000, 6000);
        model.selectCell(0);
        QVERIFY(model.splitCell(frameset::SplitDirection::Column));
        const QString path = m_dir.filePath(QStringLiteral("two.spc"));
        QVERIFY(frameset::DesignFileWriter::save(path, model.design()).isEmpty());
        const auto window = app::startTool(launcher::Tool::Panecraft, path);
        auto *designer = qobject_cast<frameset::DesignerWindow *>(window.get());
        QVERIFY(designer && designer->isVisible());
        QTRY_COMPARE(designer->model().lastCellIndex(), 1);
        QCOMPARE(designer->files().designFileName(), path);
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

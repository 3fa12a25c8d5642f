#include "giftool/ui/giftoolwindow.h"
#include "giftool/ui/toolbarfaces.h"
#include "scriptedfiledialogs.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The GIF tool's window on a screen scaled by 2, as QT_SCALE_FACTOR=2 gives: the toolbar faces
// keep their size on screen and are drawn with four device pixels for each pixel.
class TestGifToolWindowHiDpi : public QObject
{
    Q_OBJECT
private slots:
    void toolbarFacesAreDrawnForTheScreen()
    {
        QTemporaryDir dir;
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedFileDialogs dialogs;
        giftool::GifToolWindow window(prompter, dialogs, giftool::WorkingFiles::in(dir.path()));
        window.show();
        QCOMPARE(window.devicePixelRatio(), 2);
        for (int index : {1, 2, 3, 21, 22, 23, 41, 42, 43}) {
            QLabel *face = nullptr;
            for (QLabel *label : window.findChildren<QLabel *>(QStringLiteral("Thebutton"))) {
                if (label->property("index").toInt() == index)
                    face = label;
            }
            QVERIFY(face);
            const QPixmap pixmap = face->pixmap();
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            // 360 x 330 twips are 24 x 22 pixels.
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(24, 22));
            QCOMPARE(pixmap.size(), QSize(48, 44));
        }
    }

    // The finer grid carries detail a scaled-up face would not: the face at 2 is not the face
    // at 1 blown up.
    void finerFacesHoldMoreDetail()
    {
        const QImage fine
            = giftool::toolbarFace(giftool::ToolbarButton::Help, false, QSize(24, 22), 2).toImage();
        QImage blown = giftool::toolbarFace(giftool::ToolbarButton::Help, false, QSize(24, 22), 1)
                           .toImage()
                           .scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                           .convertToFormat(fine.format());
        blown.setDevicePixelRatio(fine.devicePixelRatio());
        QVERIFY(fine != blown);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestGifToolWindowHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_giftoolwindowhidpi.moc"

#include "frameset/ui/buttonpictures.h"
#include "tst_designerhelpers.h"

using namespace designertest;
using frameset::ButtonPicture;

Q_DECLARE_METATYPE(ButtonPicture)

// The split buttons' faces on a screen of two device pixels per pixel (QT_SCALE_FACTOR=2).
class TestButtonFaces : public QObject
{
    Q_OBJECT
private slots:
    void pictures_data()
    {
        QTest::addColumn<ButtonPicture>("picture");
        QTest::addColumn<bool>("pressed");
        for (const bool pressed : {false, true}) {
            const char *face = pressed ? "pressed" : "normal";
            QTest::addRow("row %s", face) << ButtonPicture::RowSplit << pressed;
            QTest::addRow("column %s", face) << ButtonPicture::ColumnSplit << pressed;
            QTest::addRow("clear %s", face) << ButtonPicture::ClearAll << pressed;
        }
    }
    void pictures()
    {
        QFETCH(ButtonPicture, picture);
        QFETCH(bool, pressed);
        const QPixmap plain = frameset::buttonPicture(picture, pressed, 1);
        QCOMPARE(plain.devicePixelRatio(), 1.0);
        QCOMPARE(plain.size(), QSize(24, 22));
        const QPixmap fine = frameset::buttonPicture(picture, pressed, 2);
        QCOMPARE(fine.devicePixelRatio(), 2.0);
        QCOMPARE(fine.size(), QSize(48, 44));
        QCOMPARE(fine.deviceIndependentSize(), QSizeF(24, 22));

        // The same picture, each pixel drawn as two by two: every second device pixel gives the
        // plain picture back. Only the clear button's cross is smoothed, so its inside differs.
        const QImage shrunk = fine.toImage().scaled(24, 22);
        const QImage expected = plain.toImage();
        const int shift = pressed ? 1 : 0;
        const QRect cross = QRect(4, 4, 16, 14).translated(shift, shift);
        for (int y = 0; y < 22; ++y) {
            for (int x = 0; x < 24; ++x) {
                if (picture == ButtonPicture::ClearAll && cross.contains(x, y))
                    continue;
                QVERIFY2(shrunk.pixel(x, y) == expected.pixel(x, y),
                    qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            }
        }
    }

    void buttonsOnTheScaledScreen()
    {
        Designer d;
        QVERIFY(d.exposed);
        QCOMPARE(d.window.devicePixelRatioF(), 2.0);
        for (int i = 0; i < 3; ++i) {
            frameset::SplitButton *button = d.button(i);
            QCOMPARE(button->size(), QSize(24, 22));
            QCOMPARE(button->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(button->pixmap().size(), QSize(48, 44));
            QTest::mousePress(button, Qt::LeftButton);
            QVERIFY(button->showsPressedFace());
            QCOMPARE(button->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(button->pixmap().size(), QSize(48, 44));
            QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 100));
        }
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestButtonFaces test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_buttonfaces.moc"

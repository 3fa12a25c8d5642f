#include "testmain.h"
#include "tst_imagemapwindowfixture.h"

using imagemap::HotspotDialog;
using Button = imagemap::HotspotDialog::Button;
using Field = imagemap::HotspotDialog::Field;
using platform::MessageAnswer;

// Drawing on the window's picture with real mouse and key events: outlines, the rubber band,
// polygons, deleting and the selection notification; the rules are the core suites'.
class TestImageMapWindowDrawing : public testsupport::ImageMapWindowSuite
{
    Q_OBJECT
private:
    const imagemap::ImageMapState &state() const { return f->window->state(); }
    QImage shot() const { return f->canvas()->grab().toImage(); }
    QRgb imagePixel(QPoint p) const { return f->canvas()->picture().pixel(p); }
    static QRgb inverse(QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); }
    static QRgb rgb(QRgb c) { return c | 0xff000000u; }

private slots:
    void init()
    {
        ImageMapWindowSuite::init();
        QVERIFY(f->open(picture("picture.gif")));
    }

    void outlinesArePaintedFromTheState()
    {
        const QPoint onTop(70, 30);
        const QRgb before = rgb(imagePixel(onTop));
        f->store(QPoint(20, 30), QPoint(120, 80), "a.htm");
        QImage image = shot();
        QCOMPARE(rgb(image.pixel(onTop)), qRgb(0, 0, 0));
        QCOMPARE(rgb(image.pixel(70, 29)), qRgb(255, 255, 255));
        QCOMPARE(rgb(image.pixel(70, 55)), rgb(imagePixel(QPoint(70, 55))));

        f->prompter.answer(MessageAnswer::Yes);
        f->script.then(testsupport::clickButton(Button::Delete));
        f->rightClick(QPoint(70, 55));
        QVERIFY(!state().hotspots().inUse(1));
        QCOMPARE(rgb(shot().pixel(onTop)), before);
    }

    void rubberBandIsPaintedWhileDragging()
    {
        QTest::mousePress(f->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseMove(f->canvas(), QPoint(30, 20));
        QTest::mouseMove(f->canvas(), QPoint(60, 50));
        QVERIFY(f->window->drawing().bandShown());
        const QImage during = shot();
        // The band inverts what lies under its edges and leaves the inside alone.
        for (const QPoint &edge : {QPoint(10, 30), QPoint(60, 30), QPoint(35, 10), QPoint(35, 50)})
            QCOMPARE(rgb(during.pixel(edge)), inverse(imagePixel(edge)));
        QCOMPARE(rgb(during.pixel(35, 30)), rgb(imagePixel(QPoint(35, 30))));
    }

    // Any of Shift, Alt and Ctrl adds a vertex; releasing Ctrl closes the polygon.
    void polygonByModifierClicks()
    {
        const QList<QPoint> points{QPoint(50, 10), QPoint(90, 60), QPoint(10, 60)};
        const Qt::KeyboardModifier modifiers[]{
            Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier};
        for (int i = 0; i < points.size(); ++i)
            QTest::mouseClick(f->canvas(), Qt::LeftButton, modifiers[i], points[i]);
        QVERIFY(state().polygonOpen());
        f->script.then(testsupport::fillAndOk(QStringLiteral("b.htm")));
        QTest::keyRelease(f->canvas(), Qt::Key_Control);
        QCOMPARE(f->row(1).points, QList<QPoint>({{50, 10}, {90, 60}, {10, 60}, {50, 10}}));
    }

    void selectionShowsTheDialogWithoutBlocking()
    {
        f->prompter.answer(MessageAnswer::Ok);
        f->window->selectionNotified(10, 20, 60, 70);
        QCOMPARE(f->prompter.lastText(), "Select");
        HotspotDialog *form = f->window->hotspotDialog();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(!form->isModal());
        QTRY_COMPARE(QApplication::focusWidget(), form->entry(Field::Url));
        QTest::keyClicks(form->entry(Field::Url), QStringLiteral("s.htm"));
        QTest::keyClick(form->entry(Field::Url), Qt::Key_Return);
        QVERIFY(!f->window->hotspotDialog());
        QCOMPARE(f->row(1).points, QList<QPoint>({{10, 20}, {60, 70}}));
    }

    void windowCancelClosesTheShownDialog()
    {
        f->prompter.answer(MessageAnswer::Ok);
        f->window->selectionNotified(10, 20, 60, 70);
        QVERIFY(f->window->hotspotDialog());
        QTest::mouseClick(f->button(1), Qt::LeftButton);
        QVERIFY(!f->window->hotspotDialog());
        QVERIFY(f->window->isVisible());
        QVERIFY(state().segments().indexes().isEmpty());
        QCOMPARE(state().vertexCount(), 1);
    }

    void openingAnImageClosesTheShownDialog()
    {
        f->prompter.answer(MessageAnswer::Ok);
        f->window->selectionNotified(10, 20, 60, 70);
        QVERIFY(f->window->hotspotDialog());
        QVERIFY(f->open(picture("second.jpg")));
        QVERIFY(!f->window->hotspotDialog());
        QVERIFY(!state().dialogOpen());
        QVERIFY(state().segments().indexes().isEmpty());
        QCOMPARE(state().vertexCount(), 1);
    }
};

TRELLIS_TEST(TestImageMapWindowDrawing)
#include "tst_imagemapwindowdrawing.moc"

#include "filecontents.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace designertest;
using frameset::SplitDirection;

namespace {

QRect twipsRect(const frameset::CellView &c)
{
    return QRect(int(c.left), int(c.top), int(c.width), int(c.height));
}

} // namespace

class TestDesignerWindow : public QObject
{
    Q_OBJECT
private slots:
    void startUp()
    {
        Designer d;
        QVERIFY(d.exposed);
        QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft "));
        QCOMPARE(d.window.pos(), QPoint(0, 0));
        QCOMPARE(d.window.size(), QSize(800, 780));
        QCOMPARE(d.model().lastCellIndex(), 0);
        QCOMPARE(twipsRect(d.cellView(0)), QRect(0, 450, 11880, 10500));
        QCOMPARE(d.cellRect(0), QRect(0, 30, 792, 700));
        QCOMPARE(d.cell(0)->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!d.window.surface()->scrollView(0)->isVisible());
        QCOMPARE(
            d.window.surface()->scrollView(0)->width() * Twips, int(d.model().scrollBarWidth()));
        QVERIFY(d.window.surface()->sizeDisplay()->text().isEmpty());
        QVERIFY(d.window.surface()->hintLine()->text().isEmpty());
        QVERIFY(d.window.surface()->bordersBox()->isChecked());
        QCOMPARE(d.window.surface()->bordersBox()->text(), QStringLiteral("Borders"));
        QVERIFY(!d.action("mnuUndo")->isEnabled());
        QVERIFY(!d.model().isModified());
        QCOMPARE(d.window.findChild<QWidget *>(QStringLiteral("Line1"))->width(), 800);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(d.button(i)->pixmap().size(), QSize(24, 22));

        // The start-up caption of cell 0, as the model holds it (CR LF line ends).
        const QString tutorial
            = QString::fromUtf8(testsupport::readAll(framesettest::dataFile("tutorial.txt")));
        QVERIFY(tutorial.contains(QStringLiteral("A Quick Tutorial")));
        QCOMPARE(d.model().cell0Caption(), tutorial);
        QCOMPARE(d.cell(0)->text(), QString(tutorial).replace(QStringLiteral("\r\n"), "\n"));
    }

    // Every menu with its items in order: name, caption and shortcut, as data/menus.txt lists
    // them. No two items share a shortcut.
    void menus()
    {
        Designer d;
        QStringList shown;
        QList<QKeySequence> keys;
        for (const char *name : {"mnuFile", "mnuEdit", "mnuDesign", "mnuHelp2"}) {
            const auto *menu = d.window.findChild<QMenu *>(QLatin1String(name));
            QVERIFY2(menu, name);
            shown << menu->title();
            for (const QAction *a : menu->actions()) {
                shown << (a->isSeparator()
                        ? QStringLiteral("-")
                        : a->objectName() + u'|' + a->text() + u'|' + a->shortcut().toString());
                if (!a->shortcut().isEmpty()) {
                    QVERIFY2(!keys.contains(a->shortcut()), qPrintable(a->objectName()));
                    keys << a->shortcut();
                }
            }
        }
        QCOMPARE(shown,
            QString::fromUtf8(testsupport::readAll(framesettest::dataFile("menus.txt")))
                .split(u'\n', Qt::SkipEmptyParts));
    }

    void split_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<SplitDirection>("direction");
        QTest::newRow("red button") << "Button 1" << SplitDirection::Column;
        QTest::newRow("blue button") << "Button 0" << SplitDirection::Row;
        QTest::newRow("Ctrl+C") << "Ctrl+C" << SplitDirection::Column;
        QTest::newRow("Ctrl+R") << "Ctrl+R" << SplitDirection::Row;
        QTest::newRow("Vertical Split menu") << "mnuVertical" << SplitDirection::Column;
        QTest::newRow("Horizontal Split menu") << "mnuRow" << SplitDirection::Row;
    }
    void split()
    {
        QFETCH(QString, command);
        QFETCH(SplitDirection, direction);
        Designer d;
        d.give(command);
        const bool columns = direction == SplitDirection::Column;
        QCOMPARE(d.model().lastCellIndex(), 1);
        QCOMPARE(d.window.surface()->cellCount(), 2);
        QCOMPARE(d.model().selectedCell(), 1);
        QVERIFY(d.model().isModified());
        QVERIFY(d.action("mnuUndo")->isEnabled());
        QVERIFY(d.cell(0)->text().isEmpty());
        QCOMPARE(d.cell(0)->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(d.cell(1)->palette().color(QPalette::Window), QColor(255, 255, 224));
        QCOMPARE(d.cellRect(0), columns ? QRect(0, 30, 396, 700) : QRect(0, 30, 792, 350));
        QCOMPARE(d.cellRect(1), columns ? QRect(396, 30, 396, 700) : QRect(0, 380, 792, 350));
        QCOMPARE(framesettest::layoutText(d.model().design()),
            QStringLiteral("<FRAMESET %1= ##1>\r\n!!0\r\n!!1\r\n</FRAMESET>")
                .arg(columns ? "COLS" : "ROWS"));
        // Each cell shows its scroll-bar view; where it lies is the drag tests' check.
        QVERIFY(d.window.surface()->scrollView(0)->isVisible());
        QVERIFY(d.window.surface()->scrollView(1)->isVisible());
    }

    void buttonFacesAndHints()
    {
        Designer d;
        QLabel *hint = d.window.surface()->hintLine();
        const QStringList hints
            = {"Create Horizontal Split (Row)", "Create Vertical Split (Column)", "Clear All"};
        for (int i = 0; i < 3; ++i) {
            hover(d.button(i), QPoint(5, 5));
            QCOMPARE(hint->text(), hints[i]);
            hover(d.window.surface(), QPoint(700, 10));
            QVERIFY(hint->text().isEmpty());
            // Leaving for the menu bar or another window, where nothing of ours moves, too.
            hover(d.button(i), QPoint(5, 5));
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(d.button(i), &leave);
            QVERIFY(hint->text().isEmpty());

            const QImage normal = d.button(i)->pixmap().toImage();
            QTest::mousePress(d.button(i), Qt::LeftButton);
            QVERIFY(d.button(i)->showsPressedFace());
            QVERIFY(d.button(i)->pixmap().toImage() != normal);
            // Released away from the button: no command, the normal face returns.
            QTest::mouseRelease(d.button(i), Qt::LeftButton, {}, QPoint(100, 100));
            QVERIFY(!d.button(i)->showsPressedFace());
            QCOMPARE(d.button(i)->pixmap().toImage(), normal);
        }
        QCOMPARE(d.model().lastCellIndex(), 0);
        QCOMPARE(d.window.surface()->cursor().shape(), Qt::ArrowCursor);
    }

    void sizeDisplayFollowsTheSelection_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("shown");
        // Cells 0 (396 x 350, top left), 1 (396 x 700, right) and 2 (396 x 350, bottom left).
        QTest::newRow("click") << 0 << "click" << 0 << "396w  350h (pixels)";
        QTest::newRow("row split") << 1 << "Button 0" << 3 << "396w  350h (pixels)";
        QTest::newRow("column split") << 1 << "Button 1" << 3 << "198w  700h (pixels)";
        QTest::newRow("undo") << 0 << "mnuUndo" << 1 << "396w  700h (pixels)";
        QTest::newRow("remove") << 2 << "mnuRemove" << 0 << "396w  700h (pixels)";
        QTest::newRow("drag") << 1 << "drag" << 0 << "376w  350h (pixels)";
        QTest::newRow("open") << 1 << "mnuOpenSpec" << 0 << "";
        QTest::newRow("new") << 1 << "mnuNew" << 0 << "";
    }
    void sizeDisplayFollowsTheSelection()
    {
        QFETCH(int, clicked);
        QFETCH(QString, change);
        QFETCH(int, selected);
        QFETCH(QString, shown);
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(0, SplitDirection::Row);
        QTemporaryDir dir;
        const QString spec = dir.filePath(QStringLiteral("design.spc"));
        if (change == QLatin1String("mnuOpenSpec")) {
            d.dialogs.answer(spec);
            d.action("mnuSaveSpec")->trigger();
            d.dialogs.answer(spec);
        }
        d.clickCell(clicked);
        d.prompter.answer(MessageAnswer::Yes);
        if (change == QLatin1String("drag"))
            drag(d.cell(0), QPoint(393, 100), QPoint(376, 100));
        else if (change != QLatin1String("click"))
            d.give(change);
        QCOMPARE(d.model().selectedCell(), selected);
        QCOMPARE(d.window.surface()->sizeDisplay()->text(), shown);
        QCOMPARE(d.cell(selected)->isHighlighted(), !shown.isEmpty());
        if (change == QLatin1String("click"))
            QVERIFY(!d.cell(1)->isHighlighted() && !d.cell(2)->isHighlighted());
        QCOMPARE(d.prompter.shown().size(), change == QLatin1String("mnuNew") ? 1 : 0);
    }

    void singleCellIgnoresPresses()
    {
        Designer d;
        d.clickCell(0);
        QTest::mouseClick(d.cell(0), Qt::RightButton, {}, QPoint(50, 50));
        QVERIFY(!d.cell(0)->isHighlighted());
        QVERIFY(d.window.surface()->sizeDisplay()->text().isEmpty());
        QVERIFY(!d.window.propertiesDialog());
        QVERIFY(!d.model().isModified());
    }

    // The commands that clear the design ask first when it has changed; Yes, or a design without
    // changes, gives the start-up design back, the borders box ticked again.
    void confirmations_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<MessageAnswer>("answer");
        for (const char *command : {"mnuNew", "mnuClear", "Shift+Del", "Button 2"}) {
            // Ok stands for a design without changes, where nothing is asked.
            QTest::addRow("%s unchanged", command)
                << QString::fromLatin1(command) << MessageAnswer::Ok;
            for (const MessageAnswer answer :
                {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}) {
                const char *name = answer == MessageAnswer::Yes ? "Yes"
                    : answer == MessageAnswer::No               ? "No"
                                                                : "Cancel";
                QTest::addRow("%s %s", command, name) << QString::fromLatin1(command) << answer;
            }
        }
    }
    void confirmations()
    {
        QFETCH(QString, command);
        QFETCH(MessageAnswer, answer);
        const bool changed = answer != MessageAnswer::Ok;
        Designer d;
        d.window.surface()->bordersBox()->setChecked(false);
        if (changed) {
            d.split(0, SplitDirection::Column);
            d.split(1, SplitDirection::Row);
            d.prompter.answer(answer);
        }
        const QString layout = framesettest::layoutText(d.model().design());
        d.give(command);
        if (changed) {
            d.expectAsked(
                QStringLiteral(
                    "Are you sure you want to clear the screen without saving the changes?"),
                QStringLiteral("Clear"), platform::MessageIcon::Question,
                platform::MessageButtons::YesNoCancel);
        } else {
            QVERIFY(d.prompter.shown().isEmpty());
        }
        if (answer == MessageAnswer::Yes || !changed) {
            QCOMPARE(d.model().lastCellIndex(), 0);
            QCOMPARE(d.window.surface()->cellCount(), 1);
            QVERIFY(framesettest::layoutText(d.model().design()).isEmpty());
            QVERIFY(!d.model().isModified());
            QCOMPARE(twipsRect(d.cellView(0)), QRect(0, 450, 11925, 10425));
            QVERIFY(!d.cell(0)->isHighlighted());
            QVERIFY(d.cell(0)->text().isEmpty());
            QVERIFY(!d.window.surface()->scrollView(0)->isVisible());
            QCOMPARE(d.window.windowTitle(), QStringLiteral("Panecraft "));
            QVERIFY(d.window.surface()->bordersBox()->isChecked());
            QVERIFY(d.model().design().bordersOn());
        } else {
            QCOMPARE(d.model().lastCellIndex(), 2);
            QCOMPARE(framesettest::layoutText(d.model().design()), layout);
            QVERIFY(d.model().isModified());
        }
    }

    void bordersBox()
    {
        Designer d;
        QVERIFY(!d.model().isModified());
        QTest::mouseClick(d.window.surface()->bordersBox(), Qt::LeftButton);
        QVERIFY(!d.model().design().bordersOn());
        // The setting is saved with the design: leaving now must not lose it unasked.
        QVERIFY(d.model().isModified());
        QTest::mouseClick(d.window.surface()->bordersBox(), Qt::LeftButton);
        QVERIFY(d.model().design().bordersOn());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("closes");
        for (const bool viaExit : {true, false}) {
            const char *how = viaExit ? "Exit" : "close button";
            QTest::addRow("%s unmodified", how) << viaExit << false << MessageAnswer::Ok << true;
            QTest::addRow("%s Yes", how) << viaExit << true << MessageAnswer::Yes << true;
            QTest::addRow("%s No", how) << viaExit << true << MessageAnswer::No << false;
            QTest::addRow("%s Cancel", how) << viaExit << true << MessageAnswer::Cancel << false;
        }
    }
    void closing()
    {
        QFETCH(bool, viaExit);
        QFETCH(bool, modified);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, closes);
        Designer d;
        if (modified) {
            d.split(0, SplitDirection::Column);
            d.prompter.answer(answer);
        }
        if (viaExit)
            d.action("mnuExit")->trigger();
        else
            d.window.close();
        QCOMPARE(d.window.isVisible(), !closes);
        QCOMPARE(d.prompter.shown().size(), modified ? 1 : 0);
        if (modified) {
            d.expectAsked(QStringLiteral("Are you sure you want exit without saving the changes?"),
                QStringLiteral("Clear"), platform::MessageIcon::Question,
                platform::MessageButtons::YesNoCancel);
            QCOMPARE(d.model().lastCellIndex(), 1);
        }
    }

    void messages_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<platform::MessageIcon>("icon");
        QTest::addColumn<QString>("title");
        const QString properties = QStringLiteral(
            "Select the frame by clicking on it, then press the right mouse button.");
        QTest::newRow("Resize Cells")
            << "mnuResize"
            << "The cells can be re-sized by drag action.  Point the mouse to the right or bottom "
               "edge of the cell, and move the border while holding down the left mouse button."
            << platform::MessageIcon::None << QString();
        QTest::newRow("Properties")
            << "mnuProperties" << properties << platform::MessageIcon::Exclamation << QString();
        // The shortcut only tells, too: the dialog opens from a cell.
        QTest::newRow("Ctrl+P") << "Ctrl+P" << properties << platform::MessageIcon::Exclamation
                                << QString();
        QTest::newRow("TechInfo") << "mnuTechInfo"
                                  << "Application: Quillon Trellis Collection v4.4 (08-Sept-97)"
                                  << platform::MessageIcon::Information << "TechInfo";
    }
    void messages()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(platform::MessageIcon, icon);
        QFETCH(QString, title);
        Designer d;
        d.split(0, SplitDirection::Column);
        d.prompter.answer(MessageAnswer::Ok);
        d.give(command);
        d.expectAsked(text, title, icon, platform::MessageButtons::Ok);
        QVERIFY(!d.window.propertiesDialog());
    }

    // A cell whose sibling was split further cannot be removed: a beep, and nothing changes.
    void removingBesideASplitSiblingBeeps()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(0, SplitDirection::Row);
        const QString layout = framesettest::layoutText(d.model().design());
        d.clickCell(1);
        d.give(QStringLiteral("mnuRemove"));
        QCOMPARE(d.prompter.beeps(), 1);
        QCOMPARE(d.model().lastCellIndex(), 2);
        QCOMPARE(framesettest::layoutText(d.model().design()), layout);
    }

    // Undo and Remove Cell on the worked example give back the first split's two columns.
    void backToTwoCells_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Undo menu") << "mnuUndo";
        QTest::newRow("Ctrl+Z") << "Ctrl+Z";
        QTest::newRow("Remove Cell") << "mnuRemove";
    }
    void backToTwoCells()
    {
        QFETCH(QString, command);
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(1, SplitDirection::Row);
        if (command == QLatin1String("mnuRemove")) {
            d.clickCell(0);
            d.prompter.answer(MessageAnswer::Ok);
            d.give(command);
            d.expectAsked(QStringLiteral("The first object cannot be removed."), QString(),
                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
            QCOMPARE(d.model().lastCellIndex(), 2);
            d.clickCell(2);
        }
        d.give(command);
        QCOMPARE(d.model().lastCellIndex(), 1);
        QCOMPARE(d.window.surface()->cellCount(), 2);
        QCOMPARE(d.cellRect(1), QRect(396, 30, 396, 700));
        QCOMPARE(d.model().selectedCell(), 1);
        QVERIFY(d.cell(1)->isHighlighted());
        QCOMPARE(framesettest::layoutText(d.model().design()),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n!!0\r\n!!1\r\n</FRAMESET>"));
        QVERIFY(!d.action("mnuUndo")->isEnabled());
        // Disabled: a second undo changes nothing.
        d.give(QStringLiteral("Ctrl+Z"));
        QCOMPARE(d.model().lastCellIndex(), 1);
    }
};

TRELLIS_TEST(TestDesignerWindow)
#include "tst_designerwindow.moc"

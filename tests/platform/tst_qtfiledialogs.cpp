#include "platform/ui/qtfiledialogs.h"
#include "testmain.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The Qt dialogs themselves, as a user meets them: shown at a readable size, the lists as the
// request gives them, and Cancel reported as an empty path.
class TestQtFileDialogs : public QObject
{
    Q_OBJECT
private:
    struct Seen
    {
        QSize size;
        QStringList filters;
        QString selected;
    };

    // Runs `show` while a timer looks at the dialog it opens, then answers it (a file name to
    // accept, or an empty one to cancel).
    template <typename Show>
    QString withDialog(
        Show show, Seen *seen, const QString &answer, const QString &nameFilter = QString())
    {
        QTimer::singleShot(0, [=] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                QTest::qFail("no file dialog was shown", __FILE__, __LINE__);
                return;
            }
            seen->size = dialog->size();
            seen->filters = dialog->nameFilters();
            seen->selected = dialog->selectedNameFilter();
            if (answer.isEmpty()) {
                dialog->reject();
            } else {
                if (!nameFilter.isEmpty())
                    dialog->selectNameFilter(nameFilter);
                dialog->selectFile(answer);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        return show();
    }

private slots:
    void openAtAReadableSize()
    {
        QTemporaryDir dir;
        QWidget parent;
        platform::QtFileDialogs dialogs(&parent);
        platform::FileDialogRequest request;
        request.filter = QStringLiteral("GIF Files(*.gif)|*.gif|JPEG Files(*.jpg)|*.jpg");
        request.fileName = QStringLiteral("*.gif;*.jpg");
        request.directory = dir.path();
        Seen seen;
        const QString chosen = withDialog([&] { return dialogs.openFile(request); }, &seen, {});
        QVERIFY(chosen.isEmpty());
        const QSize available = parent.screen()->availableSize();
        QCOMPARE(seen.size, platform::readableDialogSize(available));
        QCOMPARE(seen.filters,
            QStringList({"*.gif *.jpg *.jpeg", "GIF Files(*.gif)", "JPEG Files(*.jpg *.jpeg)",
                "All Files (*)"}));
        // The preset pattern is the list shown first.
        QCOMPARE(seen.selected, "*.gif *.jpg *.jpeg");
    }

    // A name typed without an extension gets the chosen type's; other names stay as typed.
    void saveReturnsTheChosenPath_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("saved");
        const auto row = [](const char *name, QString typed, QString type, QString saved) {
            QTest::newRow(name) << typed << type << saved;
        };
        row("with extension", "other.spc", "", "other.spc");
        row("without extension", "mydesign", "", "mydesign.spc");
        row("the other type", "index", "Pages (*.htm *.html)", "index.htm");
        row("ending in a dot", "index.", "", "index.");
        row("another extension", "notes.txt", "", "notes.txt");
        row("all files", "README", "All Files (*.*)", "README");
    }
    void saveReturnsTheChosenPath()
    {
        QFETCH(QString, typed);
        QFETCH(QString, type);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        platform::QtFileDialogs dialogs(nullptr);
        platform::FileDialogRequest request;
        request.filter = QStringLiteral(
            "Specs (*.spc)|*.spc|Pages (*.htm *.html)|*.htm;*.html|All Files (*.*)|*.*");
        request.fileName = dir.filePath(QStringLiteral("design.spc"));
        Seen seen;
        const QString chosen = withDialog(
            [&] { return dialogs.saveFile(request); }, &seen, dir.filePath(typed), type);
        QCOMPARE(chosen, dir.filePath(saved));
    }
};

TRELLIS_TEST(TestQtFileDialogs)
#include "tst_qtfiledialogs.moc"

#pragma once

#include "animationfiles.h"
#include "giftestdata.h"
#include "giftool/ui/giftoolwindow.h"
#include "giftool/ui/pictureview.h"
#include "scriptedfiledialogs.h"
#include "scriptedprompter.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

namespace giftesting {

// The GIF tool's window with scripted message boxes and file dialogs and its working files in
// a scratch folder, shown on the offscreen screen.
struct GifToolWindowFixture
{
    QTemporaryDir dir;
    testsupport::ScriptedPrompter prompter;
    testsupport::ScriptedFileDialogs dialogs;
    std::unique_ptr<giftool::GifToolWindow> window;

    // The working files go to workFolder instead when it is given.
    explicit GifToolWindowFixture(const QString &workFolder = {})
    {
        window = std::make_unique<giftool::GifToolWindow>(prompter, dialogs,
            giftool::WorkingFiles::in(workFolder.isEmpty() ? dir.path() : workFolder));
        window->show();
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Every scripted answer was taken (checked after each window test).
    bool allAnswersTaken() const
    {
        return prompter.pendingAnswers() == 0 && dialogs.pendingAnswers() == 0;
    }

    // A copy of data/picture.gif, the test picture with a 16-entry color table.
    QString backgroundGif(const QString &name = QStringLiteral("picture.gif")) const
    {
        const QString file = path(name);
        return QFile::copy(dataFile(QStringLiteral("picture.gif")), file) ? file : QString();
    }

    // Opens file through File > Open Image; true when a picture is then shown.
    bool open(const QString &file)
    {
        dialogs.answer(file);
        window->openImage();
        return window->hasImage();
    }

    // A left click on Picture1 at image pixel at.
    void clickPicture(QPoint at)
    {
        QTest::mouseClick(
            window->controls().pictureView->picture(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // Opens file (the test picture when empty) and clicks at, giving answer to what is asked.
    bool openAndClick(QPoint at, platform::MessageAnswer answer, const QString &file = {})
    {
        if (!open(file.isEmpty() ? backgroundGif() : file))
            return false;
        prompter.answer(answer);
        clickPicture(at);
        return true;
    }

    // Answers Yes to the completion question of a click at 1,1 and saves as name; the path.
    QString clickAndSave(const QString &name)
    {
        prompter.answer(platform::MessageAnswer::Yes);
        dialogs.answer(path(name));
        clickPicture(QPoint(1, 1));
        return path(name);
    }

    // Whether every one of the widgets is hidden.
    static bool allHidden(std::initializer_list<const QWidget *> widgets)
    {
        return std::all_of(
            widgets.begin(), widgets.end(), [](const QWidget *w) { return w->isHidden(); });
    }

    template <typename T = QWidget> T *child(const char *name, int index = -1) const
    {
        const QList<T *> found = window->findChildren<T *>(QLatin1String(name));
        for (T *widget : found) {
            if (index < 0 || widget->property("index").toInt() == index)
                return widget;
        }
        return nullptr;
    }

    QLabel *label(const char *name, int index = -1) const { return child<QLabel>(name, index); }
    QPushButton *button(int index) const { return child<QPushButton>("Backgroundbutton", index); }
    QAction *action(const char *name) const
    {
        return window->findChild<QAction *>(QLatin1String(name));
    }
    QMenu *menu(const char *name) const { return window->findChild<QMenu *>(QLatin1String(name)); }

    // A widget's place in its parent, in twips.
    QRect twips(const QWidget *widget) const
    {
        const int f = window->scale().factor();
        const QRect g = widget->geometry();
        return QRect(g.x() * f, g.y() * f, g.width() * f, g.height() * f);
    }

    // The texts the prompter showed since the last call.
    QStringList takeShown()
    {
        QStringList texts;
        for (const auto &shown : prompter.shown())
            texts << shown.text;
        prompter.clear();
        return texts;
    }
};

} // namespace giftesting

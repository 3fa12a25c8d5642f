#include "help/helpmenu.h"

#include "help/helpviewer.h"
#include "help/supportdialog.h"
#include "platform/pendingevents.h"
#include "platform/programinfo.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace help {

QString techInfoText(const HelpMenuSpec &spec)
{
    return QStringLiteral("Application: ") + platform::programTitle()
        + (spec.techInfoWithBlank ? QStringLiteral(" ") : QString()) + platform::versionDate();
}

void showOnlineHelp(const HelpMenuSpec &spec)
{
    platform::letPendingEventsRun();
    HelpViewer::showHelpFile(helpFilePath(spec.helpFile));
}

QMenu *addHelpMenu(QMainWindow *window, const HelpMenuSpec &spec, platform::Prompter &prompter)
{
    QMenu *menu = window->menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QLatin1String(spec.menuName));

    QAction *help = menu->addAction(spec.helpItemCaption, window, [spec] { showOnlineHelp(spec); });
    help->setObjectName(QLatin1String(spec.helpItemName));
    // F1 reaches the window wherever the focus is inside it.
    auto *f1 = new QAction(window);
    f1->setObjectName(QStringLiteral("helpKey"));
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    f1->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(f1, &QAction::triggered, window, [spec] { showOnlineHelp(spec); });
    window->addAction(f1);

    QAction *techInfo = menu->addAction(QStringLiteral("&TechInfo"), window, [spec, &prompter] {
        prompter.ask(techInfoText(spec), spec.techInfoIcon, platform::MessageButtons::Ok,
            QStringLiteral("TechInfo"));
    });
    techInfo->setObjectName(QStringLiteral("mnuTechInfo"));

    QAction *support = menu->addAction(
        QStringLiteral("Technical &Support"), window, [] { SupportDialog::showSupport(); });
    support->setObjectName(QStringLiteral("mnuSupport"));
    return menu;
}

} // namespace help

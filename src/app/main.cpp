// Trellis: without arguments the desktop program, with arguments the command line.

#include "cli/commandline.h"
#include "frameset/ui/designerwindow.h"
#include "giftool/ui/giftoolwindow.h"
#include "imagemap/ui/imagemapwindow.h"
#include "launcher/launcherwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

namespace {

int runDesktop(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trellis"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("trellis"));
    launcher::LauncherWindow window;
    window.setToolFactory(launcher::Tool::Panecraft, [] { return new frameset::DesignerWindow; });
    window.setToolFactory(launcher::Tool::Clearcoat, [] { return new giftool::GifToolWindow; });
    window.setToolFactory(launcher::Tool::Zonemark, [] { return new imagemap::ImageMapWindow; });
    window.show();
    return app.exec();
}

int runCli(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cli::runCommandLine(arguments, out, err);
}

} // namespace

int main(int argc, char **argv)
{
    return argc > 1 ? runCli(argc, argv) : runDesktop(argc, argv);
}

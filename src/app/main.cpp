// Trellis: without arguments the desktop program, with arguments the command line.

#include "cli/commandline.h"
#include "frameset/ui/designerwindow.h"
#include "giftool/ui/giftoolwindow.h"
#include "imagemap/ui/imagemapwindow.h"
#include "launcher/bundle.h"

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
    launcher::Bundle bundle;
    bundle.setToolFactory(0, [] { return new frameset::DesignerWindow; });
    bundle.setToolFactory(1, [] { return new giftool::GifToolWindow; });
    bundle.setToolFactory(2, [] { return new imagemap::ImageMapWindow; });
    bundle.show();
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

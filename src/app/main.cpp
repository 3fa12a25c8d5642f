// Trellis: without arguments the desktop program; with a tool's name (and a file) that tool's
// window on its own; with other arguments the command line.

#include "app/toolstart.h"
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

// `trellis TOOL [FILE]`: the tool's window without the launcher; it ends with the window.
int runTool(launcher::Tool tool, int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trellis"));
    QGuiApplication::setDesktopFileName(QStringLiteral("trellis"));
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    if (arguments.size() > 1) {
        QTextStream(stderr) << "usage: trellis " << launcher::toolName(tool).toLower()
                            << " [FILE]\n";
        return cli::UsageError;
    }
    const auto window = app::startTool(tool, arguments.value(0));
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
    if (argc < 2)
        return runDesktop(argc, argv);
    if (const std::optional<launcher::Tool> tool = app::toolNamed(QString::fromLocal8Bit(argv[1])))
        return runTool(*tool, argc, argv);
    return runCli(argc, argv);
}

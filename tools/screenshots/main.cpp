// Makes the pictures of the README and the help pages from the program's own windows:
// trellis_screenshots OUTPUT_FOLDER. Runs on the offscreen platform, so it needs no display.

#include "launcher/bundle.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

namespace {

bool save(QWidget *window, const QString &path)
{
    window->show();
    QApplication::processEvents();
    return window->grab().save(path);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: trellis_screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    bool ok = true;

    launcher::Bundle bundle;
    ok &= save(&bundle, out.filePath(QStringLiteral("launcher.png")));

    if (!ok)
        err << "some pictures could not be written\n";
    return ok ? 0 : 1;
}

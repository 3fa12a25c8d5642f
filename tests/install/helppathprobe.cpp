// trellis_helppathprobe NAME...: prints, one line per name, the path at which the program looks
// for that help file. The install test runs it from an installed bin/ folder, so the program's
// own lookup is checked against the installed layout.

#include "help/helpviewer.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList names = QCoreApplication::arguments().mid(1);
    for (const QString &name : names)
        out << help::helpFilePath(name) << '\n';
    return names.isEmpty() ? 2 : 0;
}

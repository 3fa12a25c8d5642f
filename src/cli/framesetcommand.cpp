#include "cli/framesetcommand.h"

#include "cli/commandline.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/framesetdocument.h"

namespace cli {

int runFrameset(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString usage = QStringLiteral("usage: trellis frameset DESIGN.spc [-o OUT.htm]\n");
    if (args.size() == 1
        && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        out << usage;
        return Success;
    }
    QString design;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !output.isEmpty()) {
                err << "trellis frameset: -o needs one output file\n";
                return UsageError;
            }
            output = args[++i];
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            err << "trellis frameset: unknown option '" << arg << "'\n";
            return UsageError;
        } else if (design.isEmpty()) {
            design = arg;
        } else {
            err << "trellis frameset: only one design file can be given\n";
            return UsageError;
        }
    }
    if (design.isEmpty()) {
        err << usage;
        return UsageError;
    }

    const frameset::DesignFileReadResult read = frameset::DesignFileReader::load(design);
    if (read.status != frameset::DesignFileStatus::Valid) {
        err << frameset::DesignFileReader::invalidFileMessage(design) << '\n';
        return Failure;
    }
    const QString document = frameset::buildFramesetDocument(read.design);
    if (output.isEmpty()) {
        // The stream writes UTF-8, so these are the bytes the saved file holds.
        out << document << "\r\n";
        out.flush();
        return Success;
    }
    const QString error = frameset::writeFramesetDocument(output, document);
    if (!error.isEmpty()) {
        err << "trellis frameset: " << output << ": " << error << '\n';
        return Failure;
    }
    return Success;
}

} // namespace cli

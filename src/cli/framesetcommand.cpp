#include "cli/framesetcommand.h"

#include "cli/commandline.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/framesetdocument.h"

namespace cli {

namespace {

const char *const Usage = "usage: trellis frameset DESIGN.spc [-o OUT.htm]\n";

struct FramesetRequest
{
    QString design;
    QString output; // empty: standard output
};

// Takes the arguments in the order typed; returns the first problem, or an empty text.
QString readRequest(const CommandArguments &arguments, FramesetRequest &request)
{
    for (const CommandArgument &argument : arguments) {
        switch (argument.kind) {
        case CommandArgument::Kind::Option:
            if (!request.output.isEmpty())
                return QStringLiteral("-o needs one output file");
            request.output = argument.value;
            break;
        case CommandArgument::Kind::MissingValue:
            return QStringLiteral("-o needs one output file");
        case CommandArgument::Kind::Unknown:
            return QStringLiteral("unknown option '") + argument.text + u'\'';
        case CommandArgument::Kind::Positional:
            if (!request.design.isEmpty())
                return QStringLiteral("only one design file can be given");
            request.design = argument.text;
            break;
        }
    }
    return QString();
}

int writeDocument(const FramesetRequest &request, QTextStream &out, QTextStream &err)
{
    const frameset::DesignFileReadResult read = frameset::DesignFileReader::load(request.design);
    if (read.status != frameset::DesignFileStatus::Valid) {
        err << frameset::DesignFileReader::invalidFileMessage(request.design) << '\n';
        return Failure;
    }
    const QString document = frameset::buildFramesetDocument(read.design);
    if (request.output.isEmpty()) {
        // The stream writes UTF-8, so these are the bytes the saved file holds.
        out << document << "\r\n";
        out.flush();
        return Success;
    }
    const QString error = frameset::writeFramesetDocument(request.output, document);
    if (!error.isEmpty()) {
        err << "trellis frameset: " << request.output << ": " << error << '\n';
        return Failure;
    }
    return Success;
}

int runFrameset(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    FramesetRequest request;
    const QString problem = readRequest(arguments, request);
    if (!problem.isEmpty()) {
        err << "trellis frameset: " << problem << '\n';
        return UsageError;
    }
    if (request.design.isEmpty()) {
        err << Usage;
        return UsageError;
    }
    return writeDocument(request, out, err);
}

} // namespace

SubCommand framesetCommand()
{
    return {QStringLiteral("frameset"), QLatin1String(Usage),
        {QCommandLineOption(QStringLiteral("o"), QString(), QStringLiteral("OUT.htm"))},
        runFrameset};
}

} // namespace cli

#include "cli/framesetcommand.h"

#include "cli/commandline.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/html5page.h"

#include <QFileInfo>

namespace cli {

namespace {

struct FramesetRequest
{
    QString design;
    QString output; // empty: standard output
    QString page; // the document to import; empty: none
    bool html5 = false;
};

// One option as typed; returns the problem with it, or an empty text.
QString readOption(const CommandArgument &argument, FramesetRequest &request)
{
    if (argument.option == QLatin1String("html5")) {
        request.html5 = true;
        return QString();
    }
    if (argument.option == QLatin1String("import")) {
        if (!request.page.isEmpty())
            return QStringLiteral("--import needs one page");
        request.page = argument.value;
        return QString();
    }
    if (!request.output.isEmpty())
        return QStringLiteral("-o needs one output file");
    request.output = argument.value;
    return QString();
}

// Takes the arguments in the order typed; returns the first problem, or an empty text.
QString readRequest(const CommandArguments &arguments, FramesetRequest &request)
{
    for (const CommandArgument &argument : arguments) {
        switch (argument.kind) {
        case CommandArgument::Kind::Option:
            if (const QString problem = readOption(argument, request); !problem.isEmpty())
                return problem;
            break;
        case CommandArgument::Kind::MissingValue:
            return argument.option == QLatin1String("import")
                ? QStringLiteral("--import needs one page")
                : QStringLiteral("-o needs one output file");
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

// The problem with a combination of arguments that each were fine, or an empty text.
QString checkRequest(const FramesetRequest &request)
{
    if (request.page.isEmpty())
        return QString();
    if (!request.design.isEmpty() || request.html5)
        return QStringLiteral("--import takes no design file and no --html5");
    if (request.output.isEmpty())
        return QStringLiteral("--import needs -o DESIGN.spc");
    return QString();
}

// Writes `text` (UTF-8) to standard output, or through `write` to the output file.
int deliver(const FramesetRequest &request, const QString &text,
    const std::function<QString()> &write, QTextStream &out, QTextStream &err)
{
    if (request.output.isEmpty()) {
        // The stream writes UTF-8, so these are the bytes the saved file holds.
        out << text;
        out.flush();
        return Success;
    }
    if (const QString error = write(); !error.isEmpty()) {
        err << "trellis frameset: " << request.output << ": " << error << '\n';
        return Failure;
    }
    return Success;
}

int writeDocument(const FramesetRequest &request, QTextStream &out, QTextStream &err)
{
    const frameset::DesignFileReadResult read = frameset::DesignFileReader::load(request.design);
    if (read.status != frameset::DesignFileStatus::Valid) {
        err << frameset::DesignFileReader::invalidFileMessage(request.design) << '\n';
        return Failure;
    }
    if (request.html5) {
        const QFileInfo named(request.output.isEmpty() ? request.design : request.output);
        const QString page = frameset::buildHtml5Page(read.design, named.completeBaseName());
        return deliver(
            request, page, [&] { return frameset::writeHtml5Page(request.output, page); }, out,
            err);
    }
    const QString document = frameset::buildFramesetDocument(read.design);
    return deliver(
        request, document + QStringLiteral("\r\n"),
        [&] { return frameset::writeFramesetDocument(request.output, document); }, out, err);
}

int importPage(const FramesetRequest &request, QTextStream &err)
{
    const frameset::FramesetImport imported
        = frameset::FramesetImporter::load(request.page, frameset::ImportArea());
    if (!imported.imported()) {
        err << frameset::FramesetImporter::refusedMessage(request.page, imported.refusal) << '\n';
        return Failure;
    }
    if (const QString error = frameset::DesignFileWriter::save(request.output, imported.design);
        !error.isEmpty()) {
        err << "trellis frameset: " << request.output << ": " << error << '\n';
        return Failure;
    }
    if (!imported.leftOut.isEmpty())
        err << "trellis frameset: " << request.page << ": " << imported.leftOut << '\n';
    return Success;
}

} // namespace

int runFrameset(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    FramesetRequest request;
    QString problem = readRequest(arguments, request);
    if (problem.isEmpty())
        problem = checkRequest(request);
    if (!problem.isEmpty()) {
        err << "trellis frameset: " << problem << '\n';
        return UsageError;
    }
    if (!request.page.isEmpty())
        return importPage(request, err);
    if (request.design.isEmpty()) {
        err << subCommand(QStringLiteral("frameset")).usage();
        return UsageError;
    }
    return writeDocument(request, out, err);
}

} // namespace cli

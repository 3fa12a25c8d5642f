#include "cli/imagemapcommand.h"

#include "cli/commandline.h"
#include "imagemap/core/imagemapstate.h"
#include "imagemap/core/importedhotspots.h"
#include "imagemap/core/mapimport.h"
#include "imagemap/core/svgmap.h"
#include "platform/filecontent.h"
#include "platform/imaging/imagecomponent.h"

namespace cli {

namespace {

struct ImageMapRequest
{
    QString page;
    QString output; // empty: standard output
    QString map; // empty: the map the first picture uses, else the first
    bool svg = false;
};

// Takes the arguments in the order typed; returns the first problem, or an empty text.
QString readRequest(const CommandArguments &arguments, ImageMapRequest &request)
{
    for (const CommandArgument &argument : arguments) {
        switch (argument.kind) {
        case CommandArgument::Kind::Option:
            if (argument.option == QLatin1String("svg")) {
                request.svg = true;
            } else if (argument.option == QLatin1String("map")) {
                if (!request.map.isEmpty())
                    return QStringLiteral("--map needs one map name");
                request.map = argument.value;
            } else {
                if (!request.output.isEmpty())
                    return QStringLiteral("-o needs one output file");
                request.output = argument.value;
            }
            break;
        case CommandArgument::Kind::MissingValue:
            return argument.option == QLatin1String("map")
                ? QStringLiteral("--map needs one map name")
                : QStringLiteral("-o needs one output file");
        case CommandArgument::Kind::Unknown:
            return QStringLiteral("unknown option '") + argument.text + u'\'';
        case CommandArgument::Kind::Positional:
            if (!request.page.isEmpty())
                return QStringLiteral("only one page can be given");
            request.page = argument.text;
            break;
        }
    }
    return QString();
}

// The map's text, or an error message in `error`; what the user should know of the page goes
// to `err`.
QString mapText(const ImageMapRequest &request, QString &error, QTextStream &err)
{
    const imagemap::MapImport read = imagemap::readImageMapFile(request.page, request.map);
    for (const QString &note : read.notes)
        err << "trellis imagemap: " << request.page << ": " << note << '\n';
    if (read.succeeded() && request.map.isEmpty() && read.mapNames.size() > 1)
        err << "trellis imagemap: " << request.page << ": the page holds " << read.mapNames.size()
            << " maps (" << read.mapNames.join(QStringLiteral(", ")) << "); this is \""
            << read.mapName << "\", and --map NAME takes another.\n";
    if (!read.succeeded()) {
        error = read.error;
        return QString();
    }
    if (read.pictureSource.isEmpty()) {
        error = QStringLiteral("Cannot open the map: no IMG on the page uses it, so its picture "
                               "is unknown.");
        return QString();
    }
    imagemap::ImageMapState state;
    imagemap::storeImportedHotspots(state, read.areas);
    const QString local = imagemap::localPicturePath(request.page, read.pictureSource);
    const QString imagePath = local.isEmpty() ? read.pictureSource : local;
    imagemap::ImageMapHtml text;
    if (request.svg) {
        platform::ImageComponent picture;
        if (local.isEmpty() || !picture.load(local)) {
            error = QStringLiteral("the picture \"%1\" cannot be read (%2); the SVG map needs "
                                   "its size.")
                        .arg(read.pictureSource,
                            local.isEmpty() ? QStringLiteral("it is not on this computer")
                                            : picture.errorString());
            return QString();
        }
        text = imagemap::buildSvgMap(imagePath, QSize(picture.width(), picture.height()),
            state.hotspots(), read.pictureSource);
    } else {
        text = imagemap::buildImageMap(imagePath, state.hotspots(), read.pictureSource);
    }
    error = text.error;
    return text.text;
}

int writeMap(const ImageMapRequest &request, QTextStream &out, QTextStream &err)
{
    QString error;
    const QString text = mapText(request, error, err);
    if (!error.isEmpty()) {
        err << "trellis imagemap: " << request.page << ": " << error << '\n';
        return Failure;
    }
    if (request.output.isEmpty()) {
        // The stream writes UTF-8, so these are the bytes -o would write.
        out << text << "\r\n";
        out.flush();
        return Success;
    }
    if (!platform::writeFileAtomically(
            request.output, (text + QStringLiteral("\r\n")).toUtf8(), &error)) {
        err << "trellis imagemap: " << request.output << ": " << error << '\n';
        return Failure;
    }
    return Success;
}

} // namespace

int runImageMap(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    ImageMapRequest request;
    const QString problem = readRequest(arguments, request);
    if (!problem.isEmpty()) {
        err << "trellis imagemap: " << problem << '\n';
        return UsageError;
    }
    if (request.page.isEmpty()) {
        err << subCommand(QStringLiteral("imagemap")).usage();
        return UsageError;
    }
    return writeMap(request, out, err);
}

} // namespace cli

#include "cli/transparentoptions.h"

#include "giftool/core/saverules.h"

namespace cli {

namespace {

const char *const RecolourChoices = "white, grey, black or neighbour";

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

std::optional<giftool::ConversionButton> recolourButton(const QString &name)
{
    if (name == QLatin1String("white"))
        return giftool::ConversionButton::White;
    if (name == QLatin1String("neighbour"))
        return giftool::ConversionButton::Neighbour;
    if (name == QLatin1String("grey"))
        return giftool::ConversionButton::Grey;
    if (name == QLatin1String("black"))
        return giftool::ConversionButton::Black;
    return std::nullopt;
}

// The options without a value.
bool readFlag(const QString &option, TransparentOptions &options)
{
    if (option == QLatin1String("full-colour"))
        options.fullColour = true;
    else if (option == QLatin1String("connected"))
        options.connected = true;
    else if (option == QLatin1String("corner"))
        options.corner = true;
    else if (option == QLatin1String("png"))
        options.png = true;
    else if (option == QLatin1String("quiet"))
        options.quiet = true;
    else
        return false;
    return true;
}

// Takes one option's value; returns its problem, or an empty text.
QString readOption(const CommandArgument &argument, TransparentOptions &options)
{
    const QString &value = argument.value;
    if (readFlag(argument.option, options))
        return QString();
    if (argument.option == QLatin1String("o")) {
        options.output = value;
    } else if (argument.option == QLatin1String("d")) {
        options.outputFolder = value;
    } else if (argument.option == QLatin1String("at")) {
        const QStringList xy = value.split(u',');
        const auto x = xy.size() == 2 ? wholeNumber(xy[0]) : std::nullopt;
        const auto y = xy.size() == 2 ? wholeNumber(xy[1]) : std::nullopt;
        if (!x || !y)
            return QStringLiteral("--at takes X,Y, two whole numbers from 0");
        options.at = QPoint(*x, *y);
    } else if (argument.option == QLatin1String("index")) {
        options.index = wholeNumber(value);
        if (!options.index || *options.index > 255)
            return QStringLiteral("--index takes a palette index from 0 to 255");
    } else {
        options.recolourButton = recolourButton(value);
        if (!options.recolourButton)
            return QStringLiteral("--recolour takes ") + QLatin1String(RecolourChoices);
    }
    return QString();
}

// Takes the arguments in the order typed; returns the first problem, or an empty text.
QString readOptions(const CommandArguments &arguments, TransparentOptions &options)
{
    for (const CommandArgument &argument : arguments) {
        switch (argument.kind) {
        case CommandArgument::Kind::Option: {
            const QString problem = readOption(argument, options);
            if (!problem.isEmpty())
                return problem;
            break;
        }
        case CommandArgument::Kind::MissingValue:
            return argument.text + QStringLiteral(" needs a value");
        case CommandArgument::Kind::Unknown:
            return QStringLiteral("unknown option ") + argument.text;
        case CommandArgument::Kind::Positional:
            // A lone dash names no image here.
            if (argument.text.startsWith(u'-'))
                return QStringLiteral("unknown option ") + argument.text;
            options.images << argument.text;
            break;
        }
    }
    return QString();
}

QString checkOutput(const TransparentOptions &options)
{
    if (!options.output.isEmpty() && options.batch())
        return QStringLiteral("give either -o OUT or -d OUTDIR, not both");
    if (options.batch())
        return options.fullColour && !options.png ? QStringLiteral("--full-colour needs --png")
                                                  : QString();
    if (options.images.size() > 1)
        return QStringLiteral("more than one image given");
    if (options.output.isEmpty())
        return QStringLiteral("no output file given (-o OUT.gif)");
    if (!giftool::isGifName(options.output) && !giftool::isPngName(options.output))
        return QStringLiteral("the output file must end in .gif or .png");
    if (options.fullColour && !giftool::isPngName(options.output))
        return QStringLiteral("--full-colour needs a .png output file");
    if (options.png)
        return QStringLiteral("--png goes with -d OUTDIR; with -o the name's extension decides");
    return QString();
}

QString checkBackground(const TransparentOptions &options)
{
    if (int(options.at.has_value()) + int(options.index.has_value()) + int(options.corner) != 1)
        return QStringLiteral("give one of --at X,Y, --index N or --corner");
    if (options.index && options.recolourButton == giftool::ConversionButton::Neighbour)
        return QStringLiteral("--recolour neighbour needs --at X,Y or --corner");
    if (options.index && options.connected)
        return QStringLiteral("--connected needs --at X,Y or --corner: the background is the "
                              "part connected to that pixel");
    return QString();
}

} // namespace

QList<QCommandLineOption> transparentOptionList()
{
    const auto valued = [](const char *name, const char *valueName) {
        return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
    };
    const auto flag = [](const char *name) { return QCommandLineOption(QLatin1String(name)); };
    return {valued("o", "OUT.gif"), valued("d", "OUTDIR"), valued("at", "X,Y"),
        valued("index", "N"),
        QCommandLineOption(QStringList{QStringLiteral("recolour"), QStringLiteral("recolor")},
            QString(), QStringLiteral("COLOUR")),
        QCommandLineOption(
            QStringList{QStringLiteral("full-colour"), QStringLiteral("full-color")}),
        flag("connected"), flag("corner"), flag("png"), flag("quiet")};
}

QString parseTransparentOptions(const CommandArguments &arguments, TransparentOptions &options)
{
    QString problem = readOptions(arguments, options);
    if (problem.isEmpty() && options.images.isEmpty())
        problem = QStringLiteral("no image given");
    if (problem.isEmpty())
        problem = checkOutput(options);
    if (problem.isEmpty())
        problem = checkBackground(options);
    if (problem.isEmpty() && options.corner)
        options.at = QPoint(0, 0);
    return problem;
}

} // namespace cli

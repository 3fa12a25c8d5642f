#include "cli/transparentcommand.h"

#include "cli/commandline.h"
#include "giftool/core/gifdocument.h"
#include "giftool/core/saverules.h"
#include "platform/prompter.h"

#include <QTemporaryDir>
#include <optional>

namespace cli {

namespace {

const char *const Usage
    = "Usage: trellis transparent IMAGE -o OUT.gif|OUT.png (--at X,Y | --index N)\n"
      "                           [--recolor white|grey|black|neighbour] [--full-colour]\n"
      "Saves IMAGE as a GIF89a file in which the background is transparent: the palette index\n"
      "of image pixel X,Y (0,0 is the top left) or palette index N. --recolor first turns the\n"
      "background into one color, needed where it has two colors at X,Y.\n"
      "An animated GIF keeps every frame; the background is picked on the first.\n"
      "OUT.png is a palette PNG whose background is clear; with --full-colour it is a 32-bit\n"
      "PNG of IMAGE's own colors, clear where the background is.\n";

const char *const RecolorChoices = "white, grey, black or neighbour";

struct Options
{
    QString image;
    QString output;
    std::optional<QPoint> at;
    std::optional<int> index;
    std::optional<giftool::ConversionButton> recolorButton;
    bool fullColour = false;
};

// The Background frame's answers without a window: the completion question is answered No
// (the command saves by itself) and every message is kept for the error output.
class AnsweringPrompter : public platform::Prompter
{
public:
    platform::MessageAnswer ask(const QString &text, platform::MessageIcon,
        platform::MessageButtons buttons, const QString &) override
    {
        m_lastText = text;
        return buttons == platform::MessageButtons::YesNoCancel ? platform::MessageAnswer::No
                                                                : platform::MessageAnswer::Ok;
    }
    void beep() override { }
    const QString &lastText() const { return m_lastText; }

private:
    QString m_lastText;
};

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

std::optional<giftool::ConversionButton> recolorButton(const QString &name)
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

// A sampled palette index as the error output writes it; empty for an empty slot.
QString indexText(const giftool::SampleSlot &slot)
{
    return slot.filled() ? QString::number(*slot.index) : QString();
}

// Takes one option's value; returns its problem, or an empty text.
QString readOption(const CommandArgument &argument, Options &options)
{
    const QString &value = argument.value;
    if (argument.option == QLatin1String("o")) {
        options.output = value;
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
    } else if (argument.option == QLatin1String("full-colour")) {
        options.fullColour = true;
    } else {
        options.recolorButton = recolorButton(value);
        if (!options.recolorButton)
            return QStringLiteral("--recolor takes ") + QLatin1String(RecolorChoices);
    }
    return QString();
}

// Takes the arguments in the order typed; returns the first problem, or an empty text.
QString readOptions(const CommandArguments &arguments, Options &options)
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
            if (!options.image.isEmpty())
                return QStringLiteral("more than one image given");
            options.image = argument.text;
            break;
        }
    }
    return QString();
}

// Reads the arguments and checks that they make one request; an empty problem text means
// they are usable.
QString parse(const CommandArguments &arguments, Options &options)
{
    const QString problem = readOptions(arguments, options);
    if (!problem.isEmpty())
        return problem;
    if (options.image.isEmpty())
        return QStringLiteral("no image given");
    if (options.output.isEmpty())
        return QStringLiteral("no output file given (-o OUT.gif)");
    if (!giftool::isGifName(options.output) && !giftool::isPngName(options.output))
        return QStringLiteral("the output file must end in .gif or .png");
    if (options.fullColour && !giftool::isPngName(options.output))
        return QStringLiteral("--full-colour needs a .png output file");
    if (options.at.has_value() == options.index.has_value())
        return QStringLiteral("give either --at X,Y or --index N");
    if (options.index && options.recolorButton == giftool::ConversionButton::Neighbour)
        return QStringLiteral("--recolor neighbour needs --at X,Y");
    return QString();
}

// Selects the background at the pixel and recolors it when asked. An empty text on success.
QString selectAt(giftool::GifDocument &document, const Options &options)
{
    giftool::BackgroundSelection &selection = document.selection();
    const QPoint at = *options.at;
    const QString where = QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    if (at.x() >= document.imageWidth() || at.y() >= document.imageHeight()) {
        return where
            + QStringLiteral(" lies outside the %1 x %2 image")
                  .arg(document.imageWidth())
                  .arg(document.imageHeight());
    }
    if (at.x() == document.imageWidth() - 1) {
        return where
            + QStringLiteral(" is in the last column, which has no right-hand neighbour to "
                             "compare the background with; choose a point further left");
    }
    const platform::TwipsScale scale;
    const int x = scale.toTwips(at.x());
    const int y = scale.toTwips(at.y());
    AnsweringPrompter prompter;
    giftool::SelectOutcome outcome = selection.selectBackground(x, y, prompter);
    if (outcome == giftool::SelectOutcome::NotInPalette)
        return prompter.lastText();
    if (outcome == giftool::SelectOutcome::MustConvert && !options.recolorButton) {
        return QStringLiteral("the background at %1 has two colors (palette indexes %2 and %3); "
                              "add --recolor %4 to make it one")
            .arg(where, indexText(selection.slot(0)), indexText(selection.slot(1)),
                QLatin1String(RecolorChoices));
    }
    if (!options.recolorButton)
        return QString();
    // On a uniform background the neighbour already has the background's color: there is
    // nothing to recolor it to, and nothing that needs it.
    if (outcome == giftool::SelectOutcome::Selected
        && *options.recolorButton == giftool::ConversionButton::Neighbour)
        return QString();
    if (!selection.convertBackground(*options.recolorButton, prompter))
        return prompter.lastText();
    outcome = selection.selectBackground(x, y, prompter);
    if (outcome != giftool::SelectOutcome::Selected)
        return QStringLiteral("the background at %1 is still not one color").arg(where);
    return QString();
}

// Selects the background the options name, recolored when asked. An empty text on success.
QString selectBackground(giftool::GifDocument &document, const Options &options)
{
    if (options.at)
        return selectAt(document, options);
    giftool::BackgroundSelection &selection = document.selection();
    AnsweringPrompter prompter;
    selection.selectIndex(*options.index);
    if (options.recolorButton && !selection.convertBackground(*options.recolorButton, prompter))
        return prompter.lastText();
    return QString();
}

void reportSaved(const QString &output, int transparent, const giftool::SaveResult &saved,
    int frameCount, QTextStream &out)
{
    out << output << ": palette index " << transparent << " is transparent";
    if (saved.framesSaved > 1) {
        out << "; its color is clear in " << saved.transparentFrames << " of " << saved.framesSaved
            << " frames";
    } else if (frameCount > 1) {
        out << "; only the first of " << frameCount << " frames was saved";
    }
    out << ".\n";
}

int runTransparent(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    Options options;
    const QString problem = parse(arguments, options);
    if (!problem.isEmpty()) {
        err << "trellis transparent: " << problem << '\n' << Usage;
        return UsageError;
    }

    // Private working files, so a running window's "TEMP.BMP" is never touched.
    QTemporaryDir workFolder;
    if (!workFolder.isValid()) {
        err << "trellis transparent: no folder for the working files: " << workFolder.errorString()
            << '\n';
        return Failure;
    }
    giftool::GifDocument document(giftool::WorkingFiles::in(workFolder.path()));
    const giftool::OpenResult opened = document.openImage(options.image);
    if (opened.outcome != giftool::OpenOutcome::Opened) {
        err << "trellis transparent: " << opened.error << '\n';
        return Failure;
    }
    const QString failure = selectBackground(document, options);
    if (!failure.isEmpty()) {
        err << "trellis transparent: " << failure << '\n';
        return Failure;
    }

    const int transparent = document.selection().transparentIndex();
    document.setKeepFullColourInPng(options.fullColour);
    const giftool::SaveResult saved = document.saveTransparentGif(options.output);
    if (!saved.saved) {
        err << "trellis transparent: " << saved.error << '\n';
        return Failure;
    }
    reportSaved(options.output, transparent, saved, document.frameCount(), out);
    return Success;
}

} // namespace

SubCommand transparentCommand()
{
    const auto valued = [](const char *name, const char *valueName) {
        return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
    };
    return {QStringLiteral("transparent"), QLatin1String(Usage),
        {valued("o", "OUT.gif"), valued("at", "X,Y"), valued("index", "N"),
            valued("recolor", "COLOR"), QCommandLineOption(QStringLiteral("full-colour"))},
        runTransparent};
}

} // namespace cli

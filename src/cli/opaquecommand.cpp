#include "cli/opaquecommand.h"

#include "cli/commandline.h"
#include "giftool/core/transparencycancel.h"

namespace cli {

int runOpaque(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1 || arguments[0].kind != CommandArgument::Kind::Positional
        || arguments[0].text.startsWith(u'-')) {
        err << "trellis opaque: expected exactly one file name\n"
            << subCommand(QStringLiteral("opaque")).usage();
        return UsageError;
    }
    const QString &path = arguments[0].text;
    const giftool::CancelResult result = giftool::cancelTransparency(path);
    switch (result.outcome) {
    case giftool::CancelOutcome::Cleared:
        out << path << ": the transparent color is switched off.\n";
        return Success;
    case giftool::CancelOutcome::NotTransparent:
        out << path << ": no transparent color is set; the file is unchanged.\n";
        return Success;
    case giftool::CancelOutcome::Declined:
        out << path << ": the file is unchanged.\n";
        return Success;
    case giftool::CancelOutcome::NotVersion89a:
        err << result.message << '\n';
        return Failure;
    case giftool::CancelOutcome::NotWritten:
        err << "trellis opaque: " << result.message << '\n';
        return Failure;
    case giftool::CancelOutcome::Failed:
    case giftool::CancelOutcome::Damaged:
        break;
    }
    err << "trellis opaque: " << path << ": " << result.message << '\n';
    return Failure;
}

} // namespace cli

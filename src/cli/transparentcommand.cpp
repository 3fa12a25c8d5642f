#include "cli/transparentcommand.h"

#include "cli/commandline.h"
#include "cli/transparentbatch.h"
#include "cli/transparentoptions.h"
#include "cli/transparentpicture.h"

namespace cli {

int runTransparent(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    TransparentOptions options;
    const QString problem = parseTransparentOptions(arguments, options);
    if (!problem.isEmpty()) {
        err << "trellis transparent: " << problem << '\n'
            << subCommand(QStringLiteral("transparent")).usage();
        return UsageError;
    }
    if (options.batch())
        return runTransparentBatch(options, out, err);
    const PictureOutcome outcome = makeTransparent(options.images.first(), options.output, options);
    if (!outcome.saved) {
        err << "trellis transparent: " << outcome.error << '\n';
        return Failure;
    }
    out << outcome.report;
    return Success;
}

} // namespace cli

#pragma once

#include "cli/subcommand.h"
#include "giftool/core/backgroundselection.h"

#include <QPoint>
#include <QStringList>
#include <optional>

namespace cli {

// What `trellis transparent` was asked to do.
struct TransparentOptions
{
    QStringList images;
    QString output; // -o: one picture to this file
    QString outputFolder; // -d: every picture into this folder
    std::optional<QPoint> at; // --at, or 0,0 for --corner
    bool corner = false;
    std::optional<int> index;
    std::optional<giftool::ConversionButton> recolourButton;
    bool fullColour = false;
    bool connected = false;
    bool png = false;
    bool quiet = false;

    bool batch() const { return !outputFolder.isEmpty(); }
};

// The usage text of `trellis transparent`.

// The options the command declares.
QList<QCommandLineOption> transparentOptionList();

// Reads the arguments and checks that they make one request; an empty problem text means they
// are usable.
QString parseTransparentOptions(const CommandArguments &arguments, TransparentOptions &options);

} // namespace cli

#pragma once

#include "giftool/core/transparencycancel.h"
#include "platform/prompter.h"

namespace giftool {

// Asks what must be asked before a save: whether to save without a selected background and
// whether to save a background of more than one color. Returns false when the user cancelled.
bool confirmSave(platform::Prompter &prompter, bool backgroundSelected, bool multiColour);

// Cancel Transparency in the window: asks before the file is changed and tells what could not
// be done.
CancelResult cancelTransparencyAsking(const QString &path, platform::Prompter &prompter);

} // namespace giftool

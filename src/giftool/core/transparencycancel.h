#pragma once

#include <QString>
#include <functional>

namespace giftool {

enum class CancelOutcome {
    Cleared, // the transparent color flag was set and is now off
    Declined, // the user answered Cancel to the question
    NotTransparent, // a Graphic Control Extension without exactly flag 1: nothing to do
    NotVersion89a, // no Graphic Control Extension after a 256-entry color table
    Failed, // the file could not be read
    Damaged, // the file is an animation that cannot be decoded
    NotWritten // the file could not be replaced: the message names it and says why
};

struct CancelResult
{
    CancelOutcome outcome;
    QString message; // what the user is told (the reason), empty when nothing is said
};

// Switches off the transparency of a GIF saved by the tool: the Graphic Control Extension
// that follows its 256-entry color table at byte 781. When its packed byte (784) is exactly 1,
// it becomes 0, the file being replaced atomically; any other value changes nothing and says
// nothing. A file without that extension is left unchanged with "The image is not a version
// 89a or it is corrupt."; one that cannot be replaced is left unchanged with a message that
// names it and gives the system's reason. In a GIF of several frames the transparency of every
// frame goes off (Cleared when any frame had it).
//
// `confirm`, where given, is asked just before the file is changed; false leaves it (Declined).
CancelResult cancelTransparency(
    const QString &path, const std::function<bool()> &confirm = nullptr);

} // namespace giftool

#pragma once

#include <QString>

namespace giftool {

// Whether a name ends in ".gif", in any case: such files get the transparency patch.
bool isGifName(const QString &path);

// Whether a name ends in ".png", in any case: such files get a transparent background.
bool isPngName(const QString &path);

// Empty when the image can be saved under path; otherwise the message that refuses it. The
// type follows the extension: .gif, .bmp, .jpg, .tif, .pcx or .png.
QString saveNameProblem(const QString &path);

// The name Save As offers for the image opened (or last saved) as `path`: the same folder and
// name with the extension of the dialog's first type, GIF ("/pics/chelsea.jpg" gives
// "/pics/chelsea.gif"). A name without an extension gets ".gif" added.
QString offeredSaveName(const QString &path);

} // namespace giftool

#pragma once

#include <QString>

namespace giftool {

// Whether a name ends in ".gif", in any case: such files get the transparency patch.
bool isGifName(const QString &path);

// Whether a name ends in ".png", in any case: such files get a transparent background.
bool isPngName(const QString &path);

// What the instruction line adds after saving the first of an animation's frameCount frames
// in a type that holds one picture.
QString firstFrameOnlyText(int frameCount);

// Empty when the image can be saved under path; otherwise the message that refuses it. The
// type follows the extension: .gif, .bmp, .jpg, .tif, .pcx or .png.
QString saveNameProblem(const QString &path);

// The name Save As offers for the image opened (or last saved) as `path`: the same folder and
// name with the extension of the dialog's first type, GIF ("/pics/chelsea.jpg" gives
// "/pics/chelsea.gif"). A name without an extension gets ".gif" added.
QString offeredSaveName(const QString &path);

// The instruction line after a save under path.
QString saveResultText(const QString &path);

} // namespace giftool

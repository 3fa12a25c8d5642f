#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/hotspotproperties.h"
#include "platform/prompter.h"

#include <QList>
#include <QString>

namespace imagemap {

// What the image-map window and its dialog say, and how the results of the drawing and of the
// dialog's logic become message boxes and beeps.

// Asked before the image-map HTML is built; only Yes goes on.
inline QString htmlQuestion()
{
    return QStringLiteral(
        "The HTML code will be placed in the clipboard.  You need to insert/paste it "
        "into your HTML document.  To remove the 'hypertext' border, set BORDER=0.");
}

// Told once the HTML is on the clipboard.
inline QString htmlDoneMessage()
{
    return QStringLiteral("Done.  Now paste the code into your HTML document.");
}

// Asked when the window closes while it holds hotspots whose HTML has not been placed on the
// clipboard; only Yes closes it.
inline QString discardHotspotsQuestion()
{
    return QStringLiteral("The HTML code of the hotspots has not been placed in the clipboard.  "
                          "Do you want to close the window and discard the hotspots?");
}

// The same question when Open, Open Map or a dropped file would replace the hotspots; only Yes
// opens the file.
inline QString discardHotspotsForOpenQuestion()
{
    return QStringLiteral("The HTML code of the hotspots has not been placed in the clipboard.  "
                          "Do you want to open the file and discard the hotspots?");
}

// Shown when a shape cannot be stored: its points do not fit into the vertex store or its
// hit-test region cannot be made.
inline QString capacityMessage()
{
    return QStringLiteral("Capacity reached.  Please re-open image file.");
}

inline QString urlMissingMessage()
{
    return QStringLiteral("Please enter the URL");
}

inline QString deleteQuestion()
{
    return QStringLiteral("Are you sure you want to delete this hotspot?");
}

// Told when the clipboard did not take the HTML; the window then stays open with its hotspots.
inline QString clipboardRefusedMessage()
{
    return QStringLiteral("The image-map HTML could not be placed on the clipboard.");
}

// Asked when a page holds several maps; the user picks one of the count listed.
inline QString chooseMapQuestion(int count)
{
    return QStringLiteral("The page holds %1 image maps. Which one do you want to open?")
        .arg(count);
}

// Asked before Save Map As replaces a file; only OK replaces it.
inline QString replaceFileQuestion()
{
    return QStringLiteral("File already exists.  OK to over-write existing file?");
}

// The same question for a page (named by its file name) that holds more than a map.
inline QString replacePageQuestion(const QString &fileName)
{
    return QStringLiteral("\"%1\" is a page that holds more than a map.  Saving the map replaces "
                          "the whole page: its text, pictures, scripts and styles will be lost.  "
                          "OK to over-write it?")
        .arg(fileName);
}

// Told when the map page could not be written, with the system's reason.
inline QString mapNotSavedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The map could not be saved to \"%1\": %2").arg(path, reason);
}

// Told when the clipboard did not take the SVG map.
inline QString svgClipboardRefusedMessage()
{
    return QStringLiteral("The SVG map could not be placed on the clipboard.");
}

// Told once the SVG map is on the clipboard.
inline QString svgDoneMessage()
{
    return QStringLiteral("Done.  Now paste the SVG map into your HTML document; it takes the "
                          "width the page gives it.");
}

// Asks the question before the image-map HTML is built; true only for Yes.
bool confirmHtml(platform::Prompter &prompter);

// Asks whether the hotspots may go (one of the two discard questions); true only for Yes.
bool confirmDiscardingHotspots(platform::Prompter &prompter, const QString &question);

// Beeps and message boxes for what a drawing input came to, in order.
void tellDrawingNotices(platform::Prompter &prompter, const QList<DrawingNotice> &notices);

// The message box for what OK in the properties dialog came to; none for a plain OK.
void tellLinkNotice(platform::Prompter &prompter, LinkResult::Notice notice);

// Delete in the properties dialog: asks first where a stored hotspot would go, and removes it
// on Yes. Returns whether it was removed (the dialog closes).
bool removeHotspot(platform::Prompter &prompter, HotspotProperties &properties);

} // namespace imagemap

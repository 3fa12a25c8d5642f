#pragma once

#include "frameset/core/frameproperties.h"
#include "frameset/core/framesizes.h"
#include "frameset/core/splitdirection.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace frameset {

// A FRAMESET or a FRAME as read from an HTML document. A frameset holds one child per entry of
// its size list; a FRAMESET with both ROWS and COLS is read as rows of column framesets.
struct FramesetNode
{
    bool isFrame = true;
    // For a frame: the attributes as the frame's property record holds them.
    FrameProperties properties;
    // For a frameset: the direction its entries run in, their sizes and children.
    SplitDirection direction = SplitDirection::Row;
    QList<FrameSize> sizes;
    QList<FramesetNode> children;
};

// The first FRAMESET of an HTML document, read with libxml2's forgiving HTML parser (no network).
struct FramesetMarkup
{
    FramesetNode root;
    bool bordersOn = true;
    // The number of frames, missing ones made up included.
    int frames = 0;
    // Empty when the frameset was read.
    QString refusal;
    // What the document holds that the design cannot keep (the page's title, NOFRAMES content,
    // attributes of frames and framesets other than those read), as a sentence for the user;
    // empty when nothing was left out.
    QString leftOut;

    // Reads `html` in the character set it declares, as browsers read it. At most `maxFrames`
    // frames and `maxDepth` nested framesets are read; more are refused.
    static FramesetMarkup read(const QByteArray &html, int maxFrames, int maxDepth);
};

} // namespace frameset

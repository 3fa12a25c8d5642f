#pragma once

#include <QString>
#include <QStringList>

namespace frameset {

class Design;

// What writing a preview gave: the frameset document to open, the stand-in pages written beside
// it (paths relative to the folder), or, naming the file, why it could not be written.
struct PreviewSite
{
    QString document;
    QStringList standIns;
    QString error;
};

// Writes a design's frameset document into `folder` (as "panecraft-preview.htm", the bytes of
// Create HTML Document) and, for every frame whose source is a page inside that folder that does
// not exist there, a stand-in page that shows the name and the size of the frame it is shown in.
// Sources that are addresses ("http://...", "about:blank"), absolute paths or lead out of the
// folder ("../") are left alone. With a `siteFolder` (the folder of the page the design was
// imported from), a frame whose page lies there shows that page, named by its full address in
// the written document, and gets no stand-in.
PreviewSite writePreviewSite(
    const QString &folder, const Design &design, const QString &siteFolder = {});

// The stand-in page for the missing page `source`: the frame's name (or "(no name)") and its size
// in pixels, put in by a script as the page is shown and whenever the frame changes size; the
// source's name where scripts do not run.
QString standInPage(const QString &source);

} // namespace frameset

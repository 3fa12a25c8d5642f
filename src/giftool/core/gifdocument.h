#pragma once

#include "giftool/core/backgroundselection.h"
#include "giftool/core/workingfiles.h"
#include "platform/imaging/imagecomponent.h"

#include <QString>

namespace giftool {

enum class OpenOutcome {
    Opened,
    CannotOpen, // the file cannot be decoded: the window says "Cannot open file." and why
    Failed // a later step failed (working files, color reduction): error says why
};

struct OpenResult
{
    OpenOutcome outcome;
    QString error;
};

struct SaveResult
{
    bool saved = false;
    QString error; // why nothing was saved
};

// The GIF tool's image without its window: the image component, the working files, the
// background selection and the values a save writes into the GIF header. The window and the
// command line both open and save through it, so they write the same bytes.
class GifDocument
{
public:
    explicit GifDocument(WorkingFiles files, platform::TwipsScale scale = platform::TwipsScale());

    // Opens an image file: decodes it, brings it to a 256-entry palette (reducing true-color
    // images), writes the working bitmap and loads picture and palette from it. The image's
    // width and height are kept; the source's packed and aspect bytes are taken from bytes 10 and
    // 12 of a GIF file named ".gif" and keep their values for any other file. The selection is
    // reset.
    OpenResult openImage(const QString &path);

    // Saves the picture, with its converted palette, under path in the type its extension
    // names. A ".gif" (any case) becomes a GIF89a whose transparent index is transparent; the
    // file is replaced only when complete. On success the selection shows the result text
    // and the picture is dropped. Nothing is saved without a picture or under a name of no
    // known type.
    SaveResult saveTransparentGif(const QString &path);

    BackgroundSelection &selection() { return m_selection; }
    const BackgroundSelection &selection() const { return m_selection; }
    const WorkingFiles &workingFiles() const { return m_files; }

    int imageWidth() const { return m_imageWidth; }
    int imageHeight() const { return m_imageHeight; }
    quint8 sourcePacked() const { return m_sourcePacked; }
    quint8 sourceAspect() const { return m_sourceAspect; }

private:
    bool saveGif(const QString &path, QString *error);

    WorkingFiles m_files;
    platform::ImageComponent m_component;
    BackgroundSelection m_selection;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    quint8 m_sourcePacked = 0;
    quint8 m_sourceAspect = 0;
};

} // namespace giftool

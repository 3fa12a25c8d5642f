#pragma once

#include "giftool/core/backgroundselection.h"
#include "giftool/core/workingfiles.h"
#include "platform/imaging/gifanimation.h"
#include "platform/imaging/imagecomponent.h"

#include <QByteArray>
#include <QString>
#include <optional>

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
    bool notWritten = false; // the file named could not be written: error names it and says why
    int framesSaved = 1; // all frames of an animation saved as GIF, else 1
    int transparentFrames = 0; // of those, the frames that have the transparent color
    QList<PaletteMerge> merges = {}; // made to keep the enclosed parts apart (only connected)
};

// The GIF tool's image without its window: the image component, the working files, the
// picture in memory, the background selection and the values a save writes into the GIF header. The
// window and the command line both open and save through it, so they write the same bytes.
class GifDocument
{
public:
    explicit GifDocument(WorkingFiles files);
    GifDocument(const GifDocument &) = delete;
    GifDocument &operator=(const GifDocument &) = delete;

    // Opens an image file: decodes it, brings it to a 256-entry palette (reducing true-color
    // images), holds it as the picture and writes the working bitmap. The image's
    // width and height are kept; the source's packed and aspect bytes are taken from bytes 10 and
    // 12 of a GIF file named ".gif" and keep their values for any other file. The selection is
    // reset. A GIF of several frames keeps all of them: the first is the picture, and the
    // rest follow what is done to it (see transparentAnimation). A damaged frame anywhere in
    // such a file refuses it.
    OpenResult openImage(const QString &path);

    // Saves the picture, with its converted palette, under path in the type its extension
    // names. A ".gif" (any case) becomes a GIF89a whose transparent index is transparent; the
    // file is replaced only when complete. On success the picture is dropped and the selection
    // shows nothing selected. Nothing is saved without a picture or under a name of no
    // known type.
    //
    // An animation saved as GIF keeps every frame; in any other type only the first, which the
    // result text says. A ".png" is a palette PNG whose transparent index has alpha 0, or,
    // with keepFullColourInPng, a 32-bit PNG of the opened picture's own colors, clear exactly
    // where the palette picture has the transparent index.
    SaveResult saveTransparentGif(const QString &path);

    // The frames of the image opened: more than 1 for an animation.
    int frameCount() const;
    bool keepFullColourInPng() const { return m_keepFullColourInPng; }
    void setKeepFullColourInPng(bool keep) { m_keepFullColourInPng = keep; }

    PaletteDocument &picture() { return m_picture; }
    const PaletteDocument &picture() const { return m_picture; }
    BackgroundSelection &selection() { return m_selection; }
    const BackgroundSelection &selection() const { return m_selection; }
    const WorkingFiles &workingFiles() const { return m_files; }

    int imageWidth() const { return m_imageWidth; }
    int imageHeight() const { return m_imageHeight; }
    quint8 sourcePacked() const { return m_sourcePacked; }
    quint8 sourceAspect() const { return m_sourceAspect; }

private:
    std::optional<QByteArray> encodeWorkGif(QString *error);
    bool saveGif(const QString &path, SaveResult &result);
    bool saveAnimation(const QString &path, const std::optional<BackgroundIsolation> &isolation,
        SaveResult &result);
    bool savePng(const QString &path, const QImage &indexed, SaveResult &result);
    bool saveWithComponent(const QString &path, SaveResult &result);
    std::optional<BackgroundIsolation> isolationForSave() const;
    QImage fullColourPicture(const QImage &indexed, int clearIndex, QString *error);

    WorkingFiles m_files;
    platform::ImageComponent m_component;
    PaletteDocument m_picture;
    BackgroundSelection m_selection{m_picture};
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    quint8 m_sourcePacked = 0;
    quint8 m_sourceAspect = 0;
    std::optional<platform::GifAnimation> m_animation; // only for a GIF of several frames
    QByteArray m_sourceBytes; // the file opened, for a full-color PNG
    bool m_keepFullColourInPng = false;
};

} // namespace giftool

#include "giftool/core/gifdocument.h"

#include "giftool/core/animationtransparency.h"
#include "giftool/core/gifpatch.h"
#include "giftool/core/saverules.h"
#include "platform/filecontent.h"

#include <QBuffer>
#include <QFileInfo>

namespace giftool {

using platform::GifAnimationCodec;

namespace {

// The entries of the first frame's table that other frames use: the first frame's pixels must
// not move onto them.
std::bitset<256> entriesSharedWithFirstFrame(const platform::GifAnimation &animation)
{
    std::bitset<256> shared;
    if (!animation.frames.first().localColours.isEmpty())
        return shared;
    for (qsizetype f = 1; f < animation.frames.size(); ++f) {
        const platform::GifFrame &frame = animation.frames[f];
        if (!frame.localColours.isEmpty())
            continue;
        for (const char pixel : frame.pixels)
            shared.set(uchar(pixel));
    }
    return shared;
}

} // namespace

GifDocument::GifDocument(WorkingFiles files)
    : m_files(std::move(files))
{ }

OpenResult GifDocument::openImage(const QString &path)
{
    m_selection.reset();
    m_animation.reset();
    m_sourceBytes.clear();
    QString error;
    std::optional<QByteArray> bytes = platform::ImageComponent::readImageFile(path, &error);
    if (!bytes)
        return {OpenOutcome::CannotOpen, error};
    if (!m_component.decode(*bytes, path))
        return {OpenOutcome::CannotOpen, m_component.errorString()};
    std::optional<platform::GifAnimation> animation;
    if (GifAnimationCodec::hasSeveralFrames(*bytes)) {
        GifAnimationCodec::ReadResult read = GifAnimationCodec::read(*bytes);
        if (!read.animation)
            return {OpenOutcome::CannotOpen,
                QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), read.error)};
        animation = std::move(read.animation);
    }
    // A true-color image is reduced; a smaller palette is padded to 256 entries, keeping
    // every index, so the working bitmap always has the full palette at byte 54. Without working
    // files the picture is saved as it was reduced, so the GIF data made alongside is taken then.
    if (m_component.colourCount() != 256) {
        m_component.setColours256(!m_files.onDisk());
        if (m_component.colourCount() != 256)
            return {OpenOutcome::Failed, m_component.errorString()};
    }
    m_imageWidth = m_component.width();
    m_imageHeight = m_component.height();
    if (!m_picture.open(m_component.image(), WorkingBitmap(m_files.workBitmap), &error))
        return {OpenOutcome::Failed, error};
    if (animation)
        m_picture.setReservedEntries(entriesSharedWithFirstFrame(*animation));
    if (isGifName(path)) {
        quint8 packed = 0;
        quint8 aspect = 0;
        // The decoder went by content: a file merely named ".gif" has no such bytes.
        if (platform::ImageComponent::readGifScreenBytes(path, &packed, &aspect)) {
            m_sourcePacked = packed;
            m_sourceAspect = aspect;
        }
    }
    m_animation = std::move(animation);
    m_sourceBytes = std::move(*bytes);
    return {OpenOutcome::Opened, QString()};
}

std::optional<QByteArray> GifDocument::encodeWorkGif(QString *error)
{
    const QString name = m_files.onDisk() ? m_files.workGif : QStringLiteral("TEMP.GIF");
    std::optional<QByteArray> bytes = m_component.saveToMemory(name);
    if (!bytes) {
        *error = m_component.errorString();
        return std::nullopt;
    }
    if (m_files.onDisk() && !platform::saveFileContent(m_files.workGif, *bytes, error))
        return std::nullopt;
    return bytes;
}

int GifDocument::frameCount() const
{
    return m_animation ? int(m_animation->frames.size()) : 1;
}

SaveResult GifDocument::saveTransparentGif(const QString &path)
{
    if (!m_picture.hasPicture())
        return {false, QStringLiteral("There is no image to save.  Open an image first.")};
    const QString problem = saveNameProblem(path);
    if (!problem.isEmpty())
        return {false, problem};

    // The picture is the working bitmap's 256-color image, so the encoder needs no reduction.
    QImage picture = m_picture.picture();
    const std::optional<BackgroundIsolation> isolation = isolationForSave();
    if (isolation)
        applyIsolation(picture, *isolation);
    m_component.setPicture(picture);
    SaveResult result;
    result.saved = true;
    result.transparentFrames = m_selection.backgroundSelected() ? 1 : 0;
    if (isGifName(path) && m_animation) {
        result.saved = saveAnimation(path, isolation, result);
    } else if (isGifName(path)) {
        result.saved = saveGif(path, result);
    } else {
        result.saved
            = isPngName(path) ? savePng(path, picture, result) : saveWithComponent(path, result);
    }
    if (!result.saved)
        return result;
    if (isolation) {
        result.merges = isolation->merges;
        m_picture.addMerges(isolation->merges);
    }
    m_picture.close();
    m_selection.finishSave();
    return result;
}

std::optional<BackgroundIsolation> GifDocument::isolationForSave() const
{
    const std::optional<QPoint> seed = m_selection.pickedPixel();
    if (!m_selection.onlyConnected() || !m_selection.backgroundSelected() || !seed)
        return std::nullopt;
    return planIsolation(
        m_picture.picture(), *seed, {m_selection.transparentIndex()}, m_picture.reservedEntries());
}

bool GifDocument::saveGif(const QString &path, SaveResult &result)
{
    // The encoder writes the working GIF; the patched bytes then replace the named file in
    // one step, so a failure leaves whatever was there before.
    QString *error = &result.error;
    std::optional<QByteArray> gif = encodeWorkGif(error);
    if (!gif)
        return false;
    GifPatchValues values;
    values.imageWidth = m_imageWidth;
    values.imageHeight = m_imageHeight;
    values.sourcePacked = m_sourcePacked;
    values.sourceAspect = m_sourceAspect;
    values.transparentIndex = m_selection.transparentIndex();
    values.backgroundSelected = m_selection.backgroundSelected();
    if (!patchTransparentGif(*gif, values, error))
        return false;
    if (!platform::saveFileContent(path, *gif, error)) {
        result.notWritten = true;
        return false;
    }
    m_sourcePacked = packedForSave(m_sourcePacked);
    return true;
}

bool GifDocument::saveAnimation(
    const QString &path, const std::optional<BackgroundIsolation> &isolation, SaveResult &result)
{
    AnimationEdits edits{
        m_picture.edits(), m_selection.backgroundSelected(), m_selection.transparentIndex()};
    if (isolation)
        edits.edits << *isolation;
    const TransparentAnimation saved = transparentAnimation(*m_animation, edits);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!GifAnimationCodec::write(buffer, saved.animation, &error)) {
        // The encoder's own failure is told as the write it prevented.
        result.error = platform::cannotWriteText(path, error);
        result.notWritten = true;
        return false;
    }
    if (!platform::saveFileContent(path, bytes, &result.error)) {
        result.notWritten = true;
        return false;
    }
    result.framesSaved = int(saved.animation.frames.size());
    result.transparentFrames = saved.transparentFrames;
    return true;
}

bool GifDocument::savePng(const QString &path, const QImage &indexed, SaveResult &result)
{
    QString *error = &result.error;
    const int index = m_selection.transparentIndex();
    const int clearIndex
        = m_selection.backgroundSelected() && index >= 0 && index < indexed.colorCount() ? index
                                                                                         : -1;
    QImage png = m_keepFullColourInPng ? fullColourPicture(indexed, clearIndex, error) : indexed;
    if (png.isNull())
        return false;
    if (!m_keepFullColourInPng && clearIndex >= 0) {
        QList<QRgb> colours = png.colorTable();
        colours[clearIndex] = qRgba(
            qRed(colours[clearIndex]), qGreen(colours[clearIndex]), qBlue(colours[clearIndex]), 0);
        png.setColorTable(colours);
    }
    m_component.setPicture(png);
    return saveWithComponent(path, result);
}

bool GifDocument::saveWithComponent(const QString &path, SaveResult &result)
{
    // The name was checked: the component fails only where it cannot write the file, and
    // says which and why.
    if (m_component.save(path))
        return true;
    result.error = m_component.errorString();
    result.notWritten = true;
    return false;
}

QImage GifDocument::fullColourPicture(const QImage &indexed, int clearIndex, QString *error)
{
    // The opened file is decoded again: the picture on screen has lost its colors to the
    // palette and to any conversion.
    platform::ImageComponent original;
    if (!original.decode(m_sourceBytes, QStringLiteral("the opened image"))) {
        *error = original.errorString();
        return QImage();
    }
    QImage full = original.image().convertToFormat(QImage::Format_ARGB32);
    if (full.size() != indexed.size()) {
        *error = QStringLiteral("The opened image no longer matches the picture.");
        return QImage();
    }
    for (int y = 0; y < full.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(full.scanLine(y));
        const uchar *indexes = indexed.constScanLine(y);
        for (int x = 0, width = full.width(); x < width; ++x)
            line[x] = indexes[x] == clearIndex ? line[x] & RGB_MASK : line[x] | ~RGB_MASK;
    }
    return full;
}

} // namespace giftool

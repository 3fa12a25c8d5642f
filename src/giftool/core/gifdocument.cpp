#include "giftool/core/gifdocument.h"

#include "giftool/core/gifpatch.h"
#include "giftool/core/saverules.h"
#include "platform/filecontent.h"

namespace giftool {

GifDocument::GifDocument(WorkingFiles files, platform::TwipsScale scale)
    : m_files(std::move(files))
    , m_selection(scale)
{ }

OpenResult GifDocument::openImage(const QString &path)
{
    m_selection.reset();
    if (!m_component.load(path))
        return {OpenOutcome::CannotOpen, m_component.errorString()};
    // A true-color image is reduced; a smaller palette is padded to 256 entries, keeping
    // every index, so the working bitmap always has the full palette at byte 54.
    if (m_component.colourCount() != 256) {
        m_component.setColours256();
        if (m_component.colourCount() != 256)
            return {OpenOutcome::Failed, m_component.errorString()};
    }
    m_imageWidth = m_component.width();
    m_imageHeight = m_component.height();
    if (!m_component.save(m_files.workBitmap))
        return {OpenOutcome::Failed, m_component.errorString()};
    QString error;
    if (!m_selection.loadWorkBitmap(m_files.workBitmap, &error))
        return {OpenOutcome::Failed, error};
    if (isGifName(path)) {
        quint8 packed = 0;
        quint8 aspect = 0;
        // The decoder went by content: a file merely named ".gif" has no such bytes.
        if (platform::ImageComponent::readGifScreenBytes(path, &packed, &aspect)) {
            m_sourcePacked = packed;
            m_sourceAspect = aspect;
        }
    }
    return {OpenOutcome::Opened, QString()};
}

SaveResult GifDocument::saveTransparentGif(const QString &path)
{
    if (!m_selection.hasPicture())
        return {false, QStringLiteral("There is no image to save.  Open an image first.")};
    const QString problem = saveNameProblem(path);
    if (!problem.isEmpty())
        return {false, problem};

    // The picture is the working bitmap's 256-color image, so the encoder needs no reduction.
    m_component.setPicture(m_selection.picture());
    QString error;
    if (isGifName(path)) {
        if (!saveGif(path, &error))
            return {false, error};
    } else if (!m_component.save(path)) {
        return {false, m_component.errorString()};
    }
    m_selection.finishSave(saveResultText(path));
    return {true, QString()};
}

bool GifDocument::saveGif(const QString &path, QString *error)
{
    // The encoder writes the working GIF; the patched bytes then replace the named file in
    // one step, so a failure leaves whatever was there before.
    if (!m_component.save(m_files.workGif)) {
        *error = m_component.errorString();
        return false;
    }
    std::optional<QByteArray> gif = platform::readFileContent(m_files.workGif, error);
    if (!gif)
        return false;
    GifPatchValues values;
    values.imageWidth = m_imageWidth;
    values.imageHeight = m_imageHeight;
    values.sourcePacked = m_sourcePacked;
    values.sourceAspect = m_sourceAspect;
    values.transparentIndex = m_selection.transparentIndex();
    values.backgroundSelected = m_selection.backgroundSelected();
    if (!patchTransparentGif(*gif, values, error)
        || !platform::writeFileAtomically(path, *gif, error))
        return false;
    m_sourcePacked = packedForSave(m_sourcePacked);
    return true;
}

} // namespace giftool

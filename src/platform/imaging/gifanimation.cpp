#include "platform/imaging/gifanimation.h"

#include "platform/imaging/giflibio.h"
#include "platform/imaging/imagefileformat.h"
#include "platform/imaging/imagelimits.h"

#include <QBuffer>
#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace platform {

using namespace giflib;

namespace {

constexpr int LoopBlockLength = 3;
constexpr int AspectRatioOffset = 12;
const QByteArray LoopApplication = QByteArrayLiteral("NETSCAPE2.0");

Decoder openDecoder(MemoryInput &input, QString *error)
{
    int openError = 0;
    Decoder gif(DGifOpen(&input, readFromMemory, &openError));
    if (!gif)
        *error = decodeError(openError);
    return gif;
}

QList<QRgb> coloursOf(const ColorMapObject *map)
{
    QList<QRgb> colours;
    if (!map || !map->Colors)
        return colours;
    colours.reserve(map->ColorCount);
    for (int i = 0; i < map->ColorCount; ++i)
        colours.append(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    return colours;
}

// Reads the image whose descriptor giflib has just read into a frame.
class FrameReader
{
public:
    FrameReader(GifFileType *gif, int number)
        : m_gif(gif)
        , m_number(number)
    { }

    QString read(GifFrame &frame) const
    {
        const GifImageDesc &desc = m_gif->Image;
        if (desc.Width < 1 || desc.Height < 1)
            return fault(QStringLiteral("The image has no pixels."));
        if (!fitsPixelLimit(desc.Width, desc.Height))
            return fault(pixelLimitMessage(desc.Width, desc.Height));
        frame.rect = QRect(desc.Left, desc.Top, desc.Width, desc.Height);
        frame.localColours = coloursOf(desc.ColorMap);
        frame.pixels = QByteArray(qsizetype(desc.Width) * desc.Height, '\0');
        if (frame.pixels.isNull())
            return fault(decodeError(D_GIF_ERR_NOT_ENOUGH_MEM));
        for (const int y : rowOrder(desc.Height, desc.Interlace)) {
            if (DGifGetLine(m_gif, frame.line(y), desc.Width) == GIF_ERROR)
                return fault(decodeError(m_gif->Error));
        }
        return QString();
    }

    QString fault(const QString &why) const
    {
        return QStringLiteral("Frame %1: %2").arg(m_number).arg(why);
    }

private:
    GifFileType *m_gif;
    int m_number;
};

void takeControlBlock(const GifByteType *block, GifFrame &frame)
{
    GraphicsControlBlock control{};
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR)
        return;
    frame.hasControl = true;
    frame.disposal = control.DisposalMode;
    frame.delay = control.DelayTime;
    frame.waitsForInput = control.UserInputFlag;
    frame.transparentIndex = control.TransparentColor;
}

// The loop count of the looping application block, whose first block giflib has returned.
std::optional<int> loopCountOf(GifFileType *gif, GifByteType *block, bool *ok)
{
    std::optional<int> loops;
    const bool named = block[0] == LoopApplication.size()
        && memcmp(block + 1, LoopApplication.constData(), size_t(LoopApplication.size())) == 0;
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            *ok = false;
            return std::nullopt;
        }
        if (named && block && block[0] == LoopBlockLength && block[1] == 1 && !loops)
            loops = block[2] | (block[3] << 8);
    }
    *ok = true;
    return loops;
}

// Walks the records of a GIF file and collects its frames.
class AnimationReader
{
public:
    explicit AnimationReader(const QByteArray &file)
        : m_input{&file}
    { }

    GifAnimationCodec::ReadResult read()
    {
        QString error;
        Decoder gif = openDecoder(m_input, &error);
        if (!gif)
            return {std::nullopt, error};
        m_gif = gif.get();
        takeScreen();
        error = readRecords();
        if (error.isEmpty() && m_animation.frames.isEmpty())
            error = QStringLiteral("The GIF file contains no image.");
        if (!error.isEmpty())
            return {std::nullopt, error};
        coverIndexes();
        return {std::move(m_animation), QString()};
    }

private:
    void takeScreen()
    {
        m_animation.screen = QSize(m_gif->SWidth, m_gif->SHeight);
        m_animation.colourResolution = std::clamp(m_gif->SColorResolution, 1, 8);
        m_animation.backgroundIndex = m_gif->SBackGroundColor;
        m_animation.aspect = quint8(m_gif->AspectByte);
        m_animation.globalColours = coloursOf(m_gif->SColorMap);
    }

    QString readRecords()
    {
        for (;;) {
            GifRecordType record = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(m_gif, &record) == GIF_ERROR) {
                // Many files end after their last image without the trailer byte.
                if (m_input.atEnd() && !m_animation.frames.isEmpty())
                    return QString();
                return decodeError(m_gif->Error);
            }
            if (record == TERMINATE_RECORD_TYPE)
                return QString();
            const QString error = record == IMAGE_DESC_RECORD_TYPE ? readImage()
                : record == EXTENSION_RECORD_TYPE
                ? readExtension()
                : QStringLiteral("The GIF file's structure is damaged.");
            if (!error.isEmpty())
                return error;
        }
    }

    QString readImage()
    {
        const int number = int(m_animation.frames.size()) + 1;
        if (number > GifAnimationCodec::MaxFrames)
            return QStringLiteral("The GIF file has more than %1 frames.")
                .arg(GifAnimationCodec::MaxFrames);
        const FrameReader reader(m_gif, number);
        if (DGifGetImageDesc(m_gif) == GIF_ERROR)
            return reader.fault(decodeError(m_gif->Error));
        m_totalPixels += qint64(m_gif->Image.Width) * m_gif->Image.Height;
        if (m_totalPixels > GifAnimationCodec::MaxTotalPixels)
            return reader.fault(QStringLiteral("The frames together have more than %1 pixels.")
                                    .arg(GifAnimationCodec::MaxTotalPixels));
        GifFrame frame = m_pendingControl;
        m_pendingControl = GifFrame();
        const QString error = reader.read(frame);
        if (!error.isEmpty())
            return error;
        if (m_animation.coloursOf(frame).isEmpty())
            return reader.fault(QStringLiteral("The GIF image has no colour table."));
        m_animation.frames.append(std::move(frame));
        return QString();
    }

    QString readExtension()
    {
        int code = 0;
        GifByteType *block = nullptr;
        if (DGifGetExtension(m_gif, &code, &block) == GIF_ERROR)
            return decodeError(m_gif->Error);
        bool ok = true;
        if (code == GRAPHICS_EXT_FUNC_CODE && block) {
            takeControlBlock(block, m_pendingControl);
        } else if (code == APPLICATION_EXT_FUNC_CODE && block) {
            const std::optional<int> loops = loopCountOf(m_gif, block, &ok);
            if (loops)
                m_animation.loopCount = loops;
            block = nullptr;
        }
        if (!ok || !skipExtensionBlocks(m_gif, block))
            return decodeError(m_gif->Error);
        return QString();
    }

    // Every index a frame uses gets an entry in its table.
    void coverIndexes()
    {
        int globalNeeded = 0;
        for (GifFrame &frame : m_animation.frames) {
            const auto *bytes = reinterpret_cast<const uchar *>(frame.pixels.constData());
            const int needed = *std::max_element(bytes, bytes + frame.pixels.size()) + 1;
            if (frame.localColours.isEmpty())
                globalNeeded = std::max(globalNeeded, needed);
            else if (needed > frame.localColours.size())
                coverTableEntries(frame.localColours, needed);
        }
        if (globalNeeded > m_animation.globalColours.size())
            coverTableEntries(m_animation.globalColours, globalNeeded);
    }

    MemoryInput m_input;
    GifFileType *m_gif = nullptr;
    GifAnimation m_animation;
    GifFrame m_pendingControl;
    qint64 m_totalPixels = 0;
};

// Skips an image's compressed data without decoding it.
bool skipImageData(GifFileType *gif)
{
    int codeSize = 0;
    GifByteType *block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return false;
    while (block) {
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

void coverTableEntries(QList<QRgb> &colours, int needed)
{
    int size = 2;
    while (size < needed)
        size *= 2;
    while (colours.size() < size)
        colours.append(qRgb(0, 0, 0));
}

bool GifAnimationCodec::hasSeveralFrames(const QByteArray &file)
{
    if (detectImageFormat(file) != ImageFileFormat::Gif)
        return false;
    MemoryInput input{&file};
    QString error;
    const Decoder gif = openDecoder(input, &error);
    int images = 0;
    while (gif) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
            return false;
        if (record == IMAGE_DESC_RECORD_TYPE) {
            if (++images == 2)
                return true;
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR || !skipImageData(gif.get()))
                return false;
        } else if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR
                || !skipExtensionBlocks(gif.get(), block))
                return false;
        } else {
            return false;
        }
    }
    return false;
}

GifAnimationCodec::ReadResult GifAnimationCodec::read(const QByteArray &file)
{
    if (detectImageFormat(file) != ImageFileFormat::Gif)
        return {std::nullopt, QStringLiteral("The file is not a GIF image.")};
    return AnimationReader(file).read();
}

namespace {

bool isTableSize(qsizetype size)
{
    return size >= 2 && size <= 256 && (size & (size - 1)) == 0;
}

ColourMap colourMap(const QList<QRgb> &colours)
{
    if (colours.isEmpty())
        return nullptr;
    std::vector<GifColorType> entries;
    entries.reserve(size_t(colours.size()));
    for (const QRgb colour : colours)
        entries.push_back(
            {GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))});
    return ColourMap(GifMakeMapObject(int(colours.size()), entries.data()));
}

QSize screenHolding(const GifAnimation &animation)
{
    QSize screen = animation.screen;
    for (const GifFrame &frame : animation.frames)
        screen = screen.expandedTo(QSize(frame.rect.right() + 1, frame.rect.bottom() + 1));
    return screen;
}

// Writes the animation's blocks through an open giflib encoder.
class AnimationWriter
{
public:
    AnimationWriter(GifFileType *gif, const GifAnimation &animation)
        : m_gif(gif)
        , m_animation(animation)
    { }

    bool write()
    {
        EGifSetGifVersion(m_gif, true);
        const QSize screen = screenHolding(m_animation);
        const ColourMap global = colourMap(m_animation.globalColours);
        if (EGifPutScreenDesc(m_gif, screen.width(), screen.height(), m_animation.colourResolution,
                m_animation.backgroundIndex, global.get())
            == GIF_ERROR)
            return false;
        if (m_animation.loopCount && !writeLoopCount(*m_animation.loopCount))
            return false;
        for (const GifFrame &frame : m_animation.frames) {
            if (!writeControl(frame) || !writeImage(frame))
                return false;
        }
        return true;
    }

private:
    bool writeLoopCount(int loops)
    {
        const GifByteType count[LoopBlockLength]
            = {1, GifByteType(loops & 0xFF), GifByteType((loops >> 8) & 0xFF)};
        return EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
            && EGifPutExtensionBlock(
                   m_gif, int(LoopApplication.size()), LoopApplication.constData())
            == GIF_OK
            && EGifPutExtensionBlock(m_gif, LoopBlockLength, count) == GIF_OK
            && EGifPutExtensionTrailer(m_gif) == GIF_OK;
    }

    bool writeControl(const GifFrame &frame)
    {
        GraphicsControlBlock control{};
        control.DisposalMode = frame.disposal;
        control.UserInputFlag = frame.waitsForInput;
        control.DelayTime = frame.delay;
        control.TransparentColor = frame.transparentIndex;
        GifByteType bytes[4];
        const size_t length = EGifGCBToExtension(&control, bytes);
        return EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(length), bytes) == GIF_OK;
    }

    bool writeImage(const GifFrame &frame)
    {
        const ColourMap local = colourMap(frame.localColours);
        // giflib keeps its own copy of a frame's local table in Image.ColorMap and frees it when
        // the next frame brings a table of its own, but a frame without one only overwrites the
        // pointer, and the copy leaks. It is freed here before giflib forgets it.
        if (!local && m_gif->Image.ColorMap) {
            GifFreeMapObject(m_gif->Image.ColorMap);
            m_gif->Image.ColorMap = nullptr;
        }
        const QRect &rect = frame.rect;
        if (EGifPutImageDesc(
                m_gif, rect.x(), rect.y(), rect.width(), rect.height(), false, local.get())
            == GIF_ERROR)
            return false;
        // giflib masks the line in place, so it gets a copy rather than the frame's own bytes.
        std::vector<GifPixelType> line(size_t(rect.width()));
        for (int y = 0; y < rect.height(); ++y) {
            memcpy(
                line.data(), frame.pixels.constData() + qsizetype(y) * rect.width(), line.size());
            if (EGifPutLine(m_gif, line.data(), rect.width()) == GIF_ERROR)
                return false;
        }
        return true;
    }

    GifFileType *m_gif;
    const GifAnimation &m_animation;
};

// Why the animation cannot be written as it stands; empty when it can.
QString writeProblem(const GifAnimation &animation)
{
    if (animation.frames.isEmpty())
        return QStringLiteral("There is no image to write.");
    if (!animation.globalColours.isEmpty() && !isTableSize(animation.globalColours.size()))
        return QStringLiteral("The global colour table cannot be written.");
    for (const GifFrame &frame : animation.frames) {
        const QSize end(frame.rect.right() + 1, frame.rect.bottom() + 1);
        if (frame.rect.isEmpty() || frame.rect.x() < 0 || frame.rect.y() < 0 || end.width() > 65535
            || end.height() > 65535)
            return QStringLiteral("A GIF image holds at most 65535 x 65535 pixels.");
        if (frame.pixels.size() != qsizetype(frame.rect.width()) * frame.rect.height())
            return QStringLiteral("A frame's pixels do not fill its area.");
        const QList<QRgb> &colours = animation.coloursOf(frame);
        if (!isTableSize(colours.size()))
            return QStringLiteral("A frame has no colour table that can be written.");
    }
    return QString();
}

} // namespace

bool GifAnimationCodec::write(QIODevice &device, const GifAnimation &animation, QString *error)
{
    const QString problem = writeProblem(animation);
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    // giflib always writes a pixel aspect byte of 0: the file is made in memory so that the
    // source's byte can be put back before it goes to the device.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int code = 0;
    GifFileType *gif = EGifOpen(&buffer, writeToDevice, &code);
    bool ok = gif && AnimationWriter(gif, animation).write();
    if (gif && !ok)
        code = gif->Error;
    int closeCode = 0;
    if (gif && EGifCloseFile(gif, &closeCode) == GIF_ERROR && ok) {
        ok = false;
        code = closeCode;
    }
    if (!ok) {
        *error = encodeError(buffer, code);
        return false;
    }
    bytes[AspectRatioOffset] = char(animation.aspect);
    if (device.write(bytes) != bytes.size()) {
        *error = device.errorString();
        return false;
    }
    return true;
}

} // namespace platform

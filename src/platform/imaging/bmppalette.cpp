#include "platform/imaging/bmppalette.h"

#include "platform/imaging/bmpwriter.h"
#include "platform/imaging/imagefileformat.h"
#include "platform/imaging/palettes.h"

namespace platform {

namespace {

constexpr char Filler = 0x20;

bool checkLayout(const QByteArray &bmp, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (bmp.size() < BmpWriter::PixelOffset)
        return fail(QStringLiteral("The bitmap is too short to hold a 256-colour palette."));
    if (bmp.at(0) != 'B' || bmp.at(1) != 'M')
        return fail(QStringLiteral("The file is not a BMP image."));
    if (littleEndian(bmp, 14, 4) != BmpWriter::InfoHeaderSize)
        return fail(QStringLiteral("The bitmap does not have a 40-byte information header."));
    if (littleEndian(bmp, 28, 2) != 8)
        return fail(QStringLiteral("The bitmap is not an 8-bit (256-colour) image."));
    return true;
}

} // namespace

bool readBmpPalette(const QByteArray &bmp, QList<QRgb> *palette, QString *error)
{
    if (!checkLayout(bmp, error))
        return false;
    palette->clear();
    palette->reserve(FullPaletteSize);
    for (int i = 0; i < FullPaletteSize; ++i) {
        const int at = BmpWriter::PaletteOffset + 4 * i;
        palette->append(qRgb(quint8(bmp.at(at + 2)), quint8(bmp.at(at + 1)), quint8(bmp.at(at))));
    }
    return true;
}

bool writeBmpPalette(QByteArray &bmp, const QList<QRgb> &palette, QString *error)
{
    if (!checkLayout(bmp, error))
        return false;
    const QList<QRgb> colours = paddedPalette(palette);
    for (int i = 0; i < FullPaletteSize; ++i) {
        const int at = BmpWriter::PaletteOffset + 4 * i;
        bmp[at] = char(qBlue(colours[i]));
        bmp[at + 1] = char(qGreen(colours[i]));
        bmp[at + 2] = char(qRed(colours[i]));
        bmp[at + 3] = Filler;
    }
    return true;
}

} // namespace platform

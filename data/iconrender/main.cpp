// trellis_iconrender SVG PNG SIZE: renders an SVG picture into a SIZE x SIZE PNG with a
// transparent background. The build makes the fixed-size icons of the desktop icon theme with it
// from the one hand-drawn SVG, through Qt's own SVG image plugin, so no other renderer is needed.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

namespace {

int fail(const QString &text)
{
    QTextStream(stderr) << "trellis_iconrender: " << text << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 4096)
        return fail(QStringLiteral("usage: trellis_iconrender SVG PNG SIZE (SIZE 1 to 4096)"));
    const QString svgPath = args.at(1);
    const QString pngPath = args.at(2);

    if (!QImageReader::supportedImageFormats().contains("svg"))
        return fail(QStringLiteral("Qt has no SVG image plugin here (Debian package libqt6svg6)"));
    QImageReader reader(svgPath, "svg");
    const QSize natural = reader.size();
    if (!natural.isValid())
        return fail(svgPath + QStringLiteral(": not a readable SVG picture (")
            + reader.errorString() + u')');
    // A picture that is not square keeps its proportions and is centred.
    const QSize scaled = natural.scaled(size, size, Qt::KeepAspectRatio);
    reader.setScaledSize(scaled);
    const QImage picture = reader.read();
    if (picture.isNull())
        return fail(svgPath + QStringLiteral(": ") + reader.errorString());

    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, picture);
    }

    // Written whole or not at all, so an interrupted build never leaves a broken icon behind.
    QSaveFile file(pngPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(pngPath + QStringLiteral(": ") + file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(icon))
        return fail(pngPath + QStringLiteral(": ") + writer.errorString());
    if (!file.commit())
        return fail(pngPath + QStringLiteral(": ") + file.errorString());
    return 0;
}

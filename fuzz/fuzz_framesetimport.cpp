// Feeds arbitrary bytes to the frameset importer. A refusal leaves the design empty. A design it
// makes must be one the rest of the designer takes: its design file reads back whole, and its
// frameset document imports again to the same number of cells (or is refused only because a
// share too small for a whole percent leaves a frame without width or height).

#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const frameset::ImportArea area;
    const frameset::FramesetImport imported = frameset::FramesetImporter::read(bytes, area);
    if (!imported.imported()) {
        if (imported.refusal.isEmpty() || imported.design != frameset::Design())
            abort();
        return 0;
    }
    const int cells = imported.design.lastCellIndex() + 1;
    if (cells < 2 || cells > frameset::Design::MaxCells)
        abort();
    const QByteArray file = frameset::DesignFileWriter::write(imported.design);
    if (frameset::DesignFileReader::read(file).status != frameset::DesignFileStatus::Valid)
        abort();
    const QString document = frameset::buildFramesetDocument(imported.design);
    const frameset::FramesetImport again
        = frameset::FramesetImporter::read(document.toUtf8(), area);
    if (again.imported() ? again.design.lastCellIndex() != imported.design.lastCellIndex()
                         : !again.refusal.startsWith(QLatin1String("A frame would have no")))
        abort();
    return 0;
}

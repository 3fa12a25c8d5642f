// Feeds arbitrary bytes to the designer's design file reader. A design it accepts must write back
// to a file that reads back to the same design and writes the same bytes again, and its HTML
// document must be produced (the frame pass ends whatever the properties hold).

#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(bytes);
    if (read.status != frameset::DesignFileStatus::Valid)
        return 0;
    const QByteArray written = frameset::DesignFileWriter::write(read.design);
    const frameset::DesignFileReadResult again = frameset::DesignFileReader::read(written);
    if (again.status != frameset::DesignFileStatus::Valid
        || frameset::DesignFileWriter::write(again.design) != written)
        abort();
    if (!frameset::buildFramesetDocument(read.design).startsWith(QLatin1String("<HTML>")))
        abort();
    return 0;
}

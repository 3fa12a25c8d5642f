// Feeds arbitrary bytes to the designer's spec file reader. A design it accepts must write back
// to a file that reads back to the same design and writes the same bytes again, and its HTML
// document must be produced (the frame pass ends whatever the properties hold).

#include "frameset/core/framesetdocument.h"
#include "frameset/core/specfilereader.h"
#include "frameset/core/specfilewriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const frameset::SpecFileReadResult read = frameset::readSpecFile(bytes);
    if (read.status != frameset::SpecFileStatus::Valid)
        return 0;
    const QByteArray written = frameset::writeSpecFile(read.design);
    const frameset::SpecFileReadResult again = frameset::readSpecFile(written);
    if (again.status != frameset::SpecFileStatus::Valid
        || frameset::writeSpecFile(again.design) != written)
        abort();
    if (!frameset::BuildFramesetDocument(read.design).startsWith(QLatin1String("<HTML>")))
        abort();
    return 0;
}

// The sources file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sonara::SourcesList sources;
    sonara::ArchiveReader in({data, size});
    sonara::sources_file::read(in, sources);
    std::vector<uint8_t> out;
    sonara::ArchiveWriter writer(out);
    sonara::sources_file::write(writer, sources);
    return 0;
}

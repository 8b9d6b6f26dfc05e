// The library file reader on arbitrary bytes, then a save of what was read.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sonara::Library library;
    sonara::ArchiveReader in({data, size});
    sonara::library_file::read(in, library);
    std::vector<uint8_t> out;
    sonara::ArchiveWriter writer(out);
    sonara::library_file::write(writer, library);
    return 0;
}

// The library file readers on arbitrary bytes (streaming, and whole-file
// with borrowed texts), each read then saved again and compared.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"

namespace {

std::vector<uint8_t> saved(const sonara::Library& library) {
    std::vector<uint8_t> out;
    sonara::ArchiveWriter writer(out);
    sonara::library_file::write(writer, library);
    writer.flush();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sonara::Library streamed;
    sonara::ArchiveReader in({data, size});
    const bool streamedWhole = sonara::library_file::read(in, streamed);

    // Exactly `size` bytes, so reading past them is caught.
    auto bytes = std::make_unique<char[]>(size == 0 ? 1 : size);
    std::memcpy(bytes.get(), data, size);
    sonara::Library borrowed;
    const bool borrowedWhole = sonara::library_file::read(std::move(bytes), size, borrowed);

    // The two readers must agree on what the bytes hold.
    if (streamedWhole != borrowedWhole || saved(streamed) != saved(borrowed)) {
        std::abort();
    }
    return 0;
}

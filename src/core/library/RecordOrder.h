#pragma once

#include <memory>
#include <vector>

#include "core/library/LibraryRecord.h"

namespace sonara {

enum class SortOrder : int;
struct NormaliseOptions;

// Sorts records by one of the library's orders. Shared by the library and
// the views that borrow its records (charts, reports).
void sortRecords(std::vector<RecordPtr>& records, SortOrder order, const NormaliseOptions& options);
void sortRecords(std::vector<LibraryRecord*>& records, SortOrder order,
                 const NormaliseOptions& options);

}  // namespace sonara

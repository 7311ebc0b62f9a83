#pragma once
// Custom functions: registered by name with argument bounds, called with value
// records. Arguments that are cell references arrive as references (type
// CellReference), not as the referenced values.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/grid/engine/CellRef.h"
#include "platform/grid/engine/Value.h"

namespace grid {

class Sheet;

enum class RecordStatus : int32_t { Ok = 0, CannotRead = 1, NoResult = 2 };
enum class RecordType : int32_t { Long = 0, Double = 1, Text = 2, CellReference = 3, Range = 4 };

struct ValueRecord {
    RecordStatus status = RecordStatus::Ok;
    RecordType type = RecordType::Long;
    int64_t longValue = 0;
    double doubleValue = 0;
    std::string text;
    CellRef cell;    // CellReference
    CellRange range; // Range
    // A result of status NoResult with an error here gives the cell that error value
    // instead of leaving it empty.
    ErrorCode error = ErrorCode::None;
};

// Called with the calling sheet, the result record (status NoResult on entry)
// and the arguments. It may load and calculate other sheets and write into the
// calling sheet before it returns. Returning false gives the cell #VALUE!.
// Text literals arrive as Text, whole numbers as Long, other numbers as Double,
// booleans as Long 0/1; a result of status NoResult leaves the cell empty.
using CustomFunctionHandler =
    std::function<bool(Sheet& sheet, ValueRecord& result, const ValueRecord* args, int count)>;

struct CustomFunction {
    std::string name; // compared case-insensitively
    int minArgs = 0;
    int maxArgs = 0;
    uint32_t flags = 0; // stored; the product passes 1
    CustomFunctionHandler handler;
};

} // namespace grid

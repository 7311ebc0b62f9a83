// Macro property sets: any bytes give a result. A set that is refused leaves the record
// as it was; a set that loads writes again and loads back into the loaded record with
// nothing left over and nothing changed.

#include <cstdlib>
#include <string>

#include "core/MacroData.h"
#include "core/model/SampleModel.h"

namespace {

const MacroData& sampleRecord() {
    static const MacroData record = [] {
        AcArray<AcDbObjectId> ids;
        ids.append(AcDbObjectId::fromOldId(201));
        MacroData r;
        model::sampleModel().fillRecord(ids, r);
        return r;
    }();
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MacroData record = sampleRecord();
    int count = -1;
    Tvl_String error;
    if (!record.readFromText(bytes, count, error)) {
        if (!(record == sampleRecord()) || count != 0 || error.isEmpty())
            std::abort();
        return 0;
    }
    if (count < 0)
        std::abort();
    MacroData again = record;
    int leftOver = -1;
    if (!again.readFromText(record.writeToText(), leftOver, error) || leftOver != 0 ||
        !(again == record))
        std::abort();
    return 0;
}

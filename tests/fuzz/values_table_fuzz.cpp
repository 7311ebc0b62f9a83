// The profile values table (.pr files in the profile folder). A table that reads
// writes again and reads back equal.

#include <cstdlib>

#include "kw/library/Tvl_ProfValuesTable.h"
#include "platform/base/Paths.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::useScratchLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Tvl_String folder = Tvl_ProfValuesTable::profileFolder();
    if (!fuzz::writeFile(base::toNative((folder + L"case.pr").str()).string(),
                         fuzz::bytesOf(data, size)))
        return 0;
    Tvl_ProfValuesTable table;
    if (!table.readFromFile(L"case.pr"))
        return 0;
    if (!table.writeToFile(L"again.pr"))
        std::abort();
    Tvl_ProfValuesTable back;
    if (!back.readFromFile(L"again.pr"))
        std::abort();
    back.typeName = table.typeName; // taken from the file name
    if (!(back == table))
        std::abort();
    return 0;
}

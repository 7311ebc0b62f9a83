// Tvl_SimplePropsList: the text form (fromString) and the 8-bit file form
// (readFromFile). A list that reads writes again and reads back to the same text (reals
// keep two decimals, so the first writing may round; the second must not change it).

#include <cstdlib>

#include "kw/spreadsheet/Tvl_SimplePropsList.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    Tvl_SimplePropsList list;
    if (list.fromString(Tvl_String::fromUtf8(bytes)) && !list.toString().isEmpty()) {
        const Tvl_String written = list.toString();
        Tvl_SimplePropsList back;
        if (!back.fromString(written) || !(back.toString() == written))
            std::abort();
    }
    const std::string path = fuzz::scratchDir() + "/case.prp";
    if (!fuzz::writeFile(path, bytes))
        return 0;
    Tvl_SimplePropsList fromFile;
    (void)fromFile.readFromFile(Tvl_String::fromUtf8(path));
    return 0;
}

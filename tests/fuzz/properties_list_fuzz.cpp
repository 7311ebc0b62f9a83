// Tvl_PropertiesList files: any bytes give a result; a list that reads writes again
// and reads back equal.

#include <cstdlib>

#include "core/Tvl_PropertiesList.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Tvl_PropertiesList list;
    if (list.readFromText(std::string(fuzz::bytesOf(data, size))) != Acad::eOk)
        return 0;
    Tvl_PropertiesList back;
    if (back.readFromText(list.writeToText()) != Acad::eOk || !(back == list))
        std::abort();
    return 0;
}

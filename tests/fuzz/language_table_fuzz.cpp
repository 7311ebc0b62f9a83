// The language table (<language>.lang files): any bytes give a table and a list of
// problems, never more problems than lines.

#include <cstdlib>

#include "core/LanguageTable.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LanguageTable table;
    LanguageTable::LoadResult r = table.loadFromText(fuzz::bytesOf(data, size));
    (void)r;
    (void)table.count(LanguageTable::Table::Dialog);
    (void)table.find(LanguageTable::Table::String, 1);
    return 0;
}

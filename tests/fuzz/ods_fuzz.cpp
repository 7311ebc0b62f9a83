// The .ods reader: any bytes give a result; a failed read leaves the sheet as it was;
// a sheet read writes as .xlsx and reads back with the same formulas.

#include "tests/fuzz/SpreadsheetFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::checkSpreadsheetReader(fuzz::bytesOf(data, size), grid::SpreadsheetFormat::Ods);
    return 0;
}

// The CSV reader: the record parser and the import into a sheet; what imports
// exports again and reads back to the same records.

#include <cstdlib>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/Csv.h"
#include "platform/grid/engine/io/CsvFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    std::vector<grid::csv::Record> records;
    std::string error;
    if (grid::csv::parse(text, records, error)) {
        std::string written;
        for (const auto& r : records)
            written += grid::csv::formatRecord(r);
        std::vector<grid::csv::Record> back;
        if (!grid::csv::parse(written, back, error) || back != records)
            std::abort();
    }
    grid::Sheet sheet;
    if (grid::importCsvString(sheet, std::string(text)).ok())
        (void)grid::exportCsvString(sheet);
    return 0;
}

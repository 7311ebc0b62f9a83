// The .kws document loader: any file gives a result; a failed load leaves the sheet
// as it was, a successful one gives a sheet that saves and loads again.

#include <cstdlib>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::scratchDir() + "/case.kws";
    if (!fuzz::writeFile(path, fuzz::bytesOf(data, size)))
        return 0;
    grid::Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(3);
    sheet.setText(1, 1, "before");
    if (!grid::DocumentFile::load(sheet, path).ok()) {
        if (sheet.value(1, 1).toString() != "before")
            std::abort();
        return 0;
    }
    const std::string again = fuzz::scratchDir() + "/again.kws";
    if (!grid::DocumentFile::save(sheet, again).ok())
        std::abort();
    grid::Sheet back;
    if (!grid::DocumentFile::load(back, again).ok())
        std::abort();
    return 0;
}

// The cutting-stock purchase (.buy) file. A list that reads is written again and must read back
// as the same rows.

#include <cstdlib>
#include <filesystem>

#include "core/Tvl_Settings.h"
#include "core/cuttingstock/DlgCSP2Data.h"
#include "core/cuttingstock/StockListFile.h"
#include "platform/base/Paths.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {
Tvl_String gFolder;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::useScratchLibrary();
    gFolder = gSettings.libDir() + L"Cutting Stock\\";
    std::error_code ec;
    std::filesystem::create_directories(base::toNative(gFolder.str()), ec);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Tvl_String path = gFolder + L"case.buy";
    if (!fuzz::writeFile(base::toNative(path.str()).string(), fuzz::bytesOf(data, size)))
        return 0;
    Tvl_Array<Tvl_StringArray> rows;
    Tvl_String error;
    if (!cutstock::readStockList(DlgCSP2Data::kPurchase, path, rows, error))
        return 0;
    if (!cutstock::writeStockList(DlgCSP2Data::kPurchase, gFolder + L"again.buy", rows, error))
        std::abort(); // what was read must be writable
    Tvl_Array<Tvl_StringArray> back;
    if (!cutstock::readStockList(DlgCSP2Data::kPurchase, gFolder + L"again.buy", back, error) ||
        back.length() != rows.length())
        std::abort();
    for (int r = 0; r < rows.length(); ++r)
        for (int f = 0; f < rows[r].length(); ++f)
            if (!(back[r][f] == rows[r][f]))
                std::abort();
    return 0;
}

// The DSTV point group file (.dat). A group that reads is written again and must read
// back as the same points.

#include <cstdlib>
#include <filesystem>

#include "core/fabrication/DlgDstvPoints.h"
#include "platform/base/Paths.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {
DlgDstvPoints gGroups;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::useScratchLibrary();
    std::error_code ec;
    std::filesystem::create_directories(base::toNative(gGroups.getDstvPointsFolder().str()), ec);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Tvl_String path = gGroups.getDstvPointsFolder() + L"case.dat";
    if (!fuzz::writeFile(base::toNative(path.str()).string(), fuzz::bytesOf(data, size)))
        return 0;
    Tvl_Array<Tvl_DstvPointInfo> points;
    if (!gGroups.readFromFile(L"case", points))
        return 0;
    if (!gGroups.writeToFile(L"again", points))
        return 0;
    Tvl_Array<Tvl_DstvPointInfo> back;
    if (!gGroups.readFromFile(L"again", back) || back.length() != points.length())
        std::abort();
    for (int i = 0; i < points.length(); ++i)
        if (!(back[i] == points[i]))
            std::abort();
    return 0;
}

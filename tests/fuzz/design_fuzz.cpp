// The dialog-design file pair: the design's property file and its picture (.bmp of the
// same name; none when the input has no separator). A design that reads saves again
// and reads back.

#include <filesystem>

#include "kw/designer/Tvl_DlgDesignerData.h"
#include "platform/base/Paths.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {
Tvl_String gRoot;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::useScratchLibrary();
    gRoot = getDesignerRootFolder();
    std::error_code ec;
    std::filesystem::create_directories(base::toNative(gRoot.str()), ec);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [design, picture] = fuzz::splitInTwo(fuzz::bytesOf(data, size));
    const Tvl_String path = gRoot + L"case.txt";
    const auto picturePath = base::toNative((gRoot + L"case.bmp").str());
    if (!fuzz::writeFile(base::toNative(path.str()).string(), design))
        return 0;
    std::error_code ec;
    if (!picture)
        std::filesystem::remove(picturePath, ec); // a design without its picture
    else if (!fuzz::writeFile(picturePath.string(), *picture))
        return 0;
    Tvl_DlgDesignerData data1;
    if (!data1.readFromFile(path, true))
        return 0;
    if (!data1.writeToFile(gRoot + L"again.txt"))
        return 0;
    Tvl_DlgDesignerData back;
    (void)back.readFromFile(gRoot + L"again.txt", true);
    return 0;
}

// The BMP reader (and the icon reader that shares its bitmap decoding).

#include <span>

#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Ico.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    ui::Size s;
    (void)ui::readBmpSize(bytes, s);
    ui::Bitmap b;
    (void)ui::decodeBmp(bytes, b);
    ui::Bitmap any;
    (void)ui::decodeImageBytes(bytes, any);
    return 0;
}

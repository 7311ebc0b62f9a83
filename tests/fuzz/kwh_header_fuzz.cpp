// Print header files (.kwh): reading, writing back, and drawing the band they describe.
// The input is the header file, optionally followed (after a backslash) by the bytes of
// its picture. A header that reads writes again and reads back the same (reals keep two
// decimals, so the first writing may round; the second must not change anything).

#include <cstdlib>

#include "kw/spreadsheet/print/KwHeaderFile.h"
#include "kw/spreadsheet/print/PrintState.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/RecordingCanvas.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [header, picture] = fuzz::splitInTwo(fuzz::bytesOf(data, size));
    const std::string dir = fuzz::scratchDir();
    if (!fuzz::writeFile(dir + "/case.kwh", header))
        return 0;
    const Tvl_String path = Tvl_String::fromUtf8(dir + "/case.kwh");
    kw::KwHeaderFile h;
    if (h.read(path) == kw::KwHeaderFile::ReadStatus::Ok &&
        h.write(Tvl_String::fromUtf8(dir + "/once.kwh"))) {
        kw::KwHeaderFile once, twice;
        if (once.read(Tvl_String::fromUtf8(dir + "/once.kwh")) !=
                kw::KwHeaderFile::ReadStatus::Ok ||
            !once.write(Tvl_String::fromUtf8(dir + "/twice.kwh")) ||
            twice.read(Tvl_String::fromUtf8(dir + "/twice.kwh")) !=
                kw::KwHeaderFile::ReadStatus::Ok ||
            !(twice == once))
            std::abort();
    }

    // The band as a page draws it, with the picture of the input in place of the one
    // the file names.
    kw::PrintBandFile band;
    band.load(path);
    if (band.status != kw::PrintBandFile::Status::PictureMissing &&
        band.status != kw::PrintBandFile::Status::Ok)
        return 0;
    if (picture) {
        fuzz::writeFile(dir + "/case.bmp", *picture);
        if (ui::readBmpFile(dir + "/case.bmp", band.picture) != ui::BmpStatus::Ok)
            return 0;
    } else {
        band.picture = ui::Bitmap(40, 4, 0xFFFFFFFFu);
    }
    band.status = kw::PrintBandFile::Status::Ok;
    kw::DocumentProperties props;
    props.varNames.append(L"project");
    props.varValues.append(L"%project%");
    ui::RecordingCanvas canvas({800, 600}, {300, 300});
    grid::PageEvent e;
    e.event = grid::kPageDrawHeader;
    e.page = 2;
    e.pageCount = 3;
    e.pixelsPerInch = 300;
    e.canvas = &canvas;
    e.band = ui::Rect{10, 10, 790, 110};
    kw::drawPrintBand(band, e, props);
    return 0;
}

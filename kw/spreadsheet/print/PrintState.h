#pragma once
// What a print or preview run keeps for the page call-back: the document properties of
// the document being printed, the page count, whether it is a preview, the printer's
// unprintable edge, and the header and footer files read once per run. One run at a
// time; filled by each print or preview and left as it is afterwards.

#include "core/Tvl_String.h"
#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/print/KwHeaderFile.h"
#include "platform/grid/control/GridPrint.h"
#include "platform/ui/draw/Bitmap.h"

namespace kw {

// A header or footer file as the run uses it.
struct PrintBandFile {
    enum class Status {
        None,           // no file named
        FileMissing,    // named, not there
        FileDamaged,    // there, not readable as a header file
        PictureMissing, // the file's picture is missing or cannot be read
        Ok,
    };
    Tvl_String path;
    Status status = Status::None;
    KwHeaderFile file;
    ui::Bitmap picture;
    // Reads the file and its picture (product paths).
    void load(const Tvl_String& headerPath);
    bool usable() const { return status == Status::Ok; }
};

struct PrintState {
    Tvl_String properties; // the corner tag's text
    DocumentProperties props;
    int pageCount = 0;
    bool preview = false;
    double offsetXMm = 0; // the printer's unprintable edge (0 for previews)
    double offsetYMm = 0;
    PrintBandFile header;
    PrintBandFile footer;

    // Takes the document properties in and reads the two files they name.
    void begin(const Tvl_String& cornerTag, bool isPreview);
};

PrintState& printState();

// The program's page call-back: band heights (events 0, 1) and drawing (2, 3) from the
// print state; other events answer 0.
int printPageCallback(const grid::PageEvent& event);

// Height of a band for a picture of `picture` drawn across `width` pixels; 0 when the
// picture has a side of 0.
int bandHeight(int width, const ui::Size& picture);

// Draws a band: the picture stretched over the band's width, then the labels.
void drawPrintBand(const PrintBandFile& band, const grid::PageEvent& event,
                   const DocumentProperties& props);

} // namespace kw

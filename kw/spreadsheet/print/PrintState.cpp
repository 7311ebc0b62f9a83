#include "kw/spreadsheet/print/PrintState.h"

#include <cmath>

#include "kw/frame/DialogHelpers.h"
#include "kw/spreadsheet/print/HeaderLabelText.h"
#include "platform/base/Paths.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Canvas.h"

namespace kw {

void PrintBandFile::load(const Tvl_String& headerPath) {
    *this = PrintBandFile();
    path = headerPath;
    if (path.isEmpty())
        return;
    switch (file.read(path)) {
    case KwHeaderFile::ReadStatus::Missing:
        status = Status::FileMissing;
        return;
    case KwHeaderFile::ReadStatus::Damaged:
        status = Status::FileDamaged;
        return;
    case KwHeaderFile::ReadStatus::Ok:
        break;
    }
    if (file.bmpSource.isEmpty() || !fileExists(file.bmpSource) ||
        ui::readBmpFile(base::toNative(file.bmpSource.str()).string(), picture) !=
            ui::BmpStatus::Ok ||
        picture.empty()) {
        picture = ui::Bitmap();
        status = Status::PictureMissing;
        return;
    }
    status = Status::Ok;
}

void PrintState::begin(const Tvl_String& cornerTag, bool isPreview) {
    properties = cornerTag;
    bool equal = true;
    props = readDocumentProperties(cornerTag, equal);
    preview = isPreview;
    pageCount = 0;
    offsetXMm = 0;
    offsetYMm = 0;
    header.load(props.headerFile);
    footer.load(props.footerFile);
}

PrintState& printState() {
    static PrintState state;
    return state;
}

int bandHeight(int width, const ui::Size& picture) {
    if (width <= 0 || picture.cx <= 0 || picture.cy <= 0)
        return 0;
    return static_cast<int>(width / (static_cast<double>(picture.cx) / picture.cy));
}

namespace {

ui::TextFlags alignment(LabelFormat::Align a) {
    switch (a) {
    case LabelFormat::Center:
        return ui::TextFlags::Center;
    case LabelFormat::Right:
        return ui::TextFlags::Right;
    default:
        return ui::TextFlags::Left;
    }
}

} // namespace

void drawPrintBand(const PrintBandFile& band, const grid::PageEvent& e,
                   const DocumentProperties& props) {
    if (!band.usable() || !e.canvas)
        return;
    ui::Canvas& c = *e.canvas;
    const int w = e.band.width();
    const int h = bandHeight(w, band.picture.size());
    if (w <= 0 || h <= 0)
        return;
    c.drawBitmap(band.picture, ui::Rect::fromSize(e.band.left, e.band.top, w, h),
                 band.picture.bounds());
    LabelFormat format;
    for (const HeaderLabel& label : band.file.labels) {
        if (!std::isfinite(label.x1) || !std::isfinite(label.y1) || !std::isfinite(label.x2) ||
            !std::isfinite(label.y2))
            continue;
        std::wstring text = replacePlaceholders(label.text.str(), e.page, e.pageCount,
                                                props.varNames, props.varValues);
        std::wstring standard = band.file.standardFont.str();
        applyFormatCodes(standard, format);
        applyFormatCodes(text, format);
        ui::Font font;
        font.face = format.face;
        font.height = -static_cast<int>(std::lround(format.height * e.pixelsPerInch / 72.0));
        font.weight = format.bold ? 700 : 400;
        font.italic = format.italic;
        font.underline = format.underline;
        // Fractions far outside the picture are bounded, so a damaged file cannot ask
        // for rectangles of any size.
        auto at = [](double f, int size) {
            return static_cast<int>(std::clamp(f, -1.0, 2.0) * size);
        };
        const ui::Rect r{e.band.left + at(label.x1, w), e.band.top + at(label.y1, h),
                         e.band.left + at(label.x2, w), e.band.top + at(label.y2, h)};
        if (r.width() <= 0 || r.height() <= 0)
            continue;
        c.drawText(r, text, font, ui::Color{0, 0, 0},
                   ui::TextFlags::WordBreak | ui::TextFlags::NoPrefix | ui::TextFlags::EndEllipsis |
                       alignment(format.align));
    }
}

int printPageCallback(const grid::PageEvent& e) {
    PrintState& s = printState();
    switch (e.event) {
    case grid::kPageHeaderHeight:
    case grid::kPageFooterHeight: {
        const PrintBandFile& band = e.event == grid::kPageHeaderHeight ? s.header : s.footer;
        if (!band.usable())
            return 0;
        return bandHeight(e.printableRight - e.printableLeft, band.picture.size());
    }
    case grid::kPageDrawHeader:
        drawPrintBand(s.header, e, s.props);
        return 0;
    case grid::kPageDrawFooter:
        drawPrintBand(s.footer, e, s.props);
        return 0;
    default:
        return 0;
    }
}

} // namespace kw

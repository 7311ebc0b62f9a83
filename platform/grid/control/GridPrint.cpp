// Printing the grid: the print options the window keeps, page count, one page drawn on
// any canvas, and the job that writes every page into a PDF file.
#include "platform/grid/control/GridPrint.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unistd.h>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/draw/CairoCanvas.h"
#include "platform/ui/draw/Canvas.h"
#include "platform/ui/draw/Theme.h"

namespace grid {

namespace {

const ui::Color kBlack{0, 0, 0};
const ui::Color kWhite{255, 255, 255};
const ui::Color kLine{160, 160, 160};
const ui::Color kHeaderBack{230, 230, 230};

ui::Color printColor(uint32_t ref, ui::Color fallback) {
    if (ref == kNoColor || (ref & 0x80000000u))
        return fallback;
    return ui::Color::fromColorRef(ref);
}

int px(double points, double perPoint) {
    return static_cast<int>(std::lround(points * perPoint));
}

ui::TextFlags cellFlags(uint32_t style, bool number) {
    ui::TextFlags f = ui::TextFlags::SingleLine | ui::TextFlags::VCenter | ui::TextFlags::NoPrefix;
    if (style & kStyleHCenter)
        return f | ui::TextFlags::Center;
    if (style & kStyleHRight)
        return f | ui::TextFlags::Right;
    if (number && !(style & kStyleHLeft))
        return f | ui::TextFlags::Right;
    return f;
}

std::wstring headerText(const GridControl& grid, int col, int row) {
    std::wstring text = grid.data(col, row);
    if (!text.empty())
        return text;
    if (row == 0 && col >= 1)
        return widen(columnLetters(col));
    if (col == 0 && row >= 1)
        return std::to_wstring(row);
    return {};
}

struct PagePainter {
    const GridControl& grid;
    const Pagination& p;
    ui::Canvas& canvas;
    double perPoint; // canvas pixels per point
    double fontScale;
    bool colors;

    ui::Font font(int col, int row) const {
        ui::Font f = toUiFont(grid.cellFont(col, row));
        if (f.height == 0)
            f.height = -11;
        f.height = static_cast<int>(std::lround(f.height * fontScale));
        if (f.height == 0)
            f.height = -1;
        return f;
    }

    void cell(int col, int row, const ui::Rect& r) {
        const bool header = col == 0 || row == 0;
        const Sheet& sheet = grid.sheet();
        const CellAttributes* a = sheet.attributes(col, row);
        const CellFormat fmt = a ? a->format : CellFormat{};
        ui::Color back = header && colors ? kHeaderBack : kWhite;
        ui::Color fore = kBlack;
        if (colors && !header) {
            back = printColor(fmt.back, back);
            fore = printColor(fmt.fore, fore);
        }
        if (back != kWhite)
            canvas.fillRect(r, back);
        const ui::Font f = font(col, row);
        const int pad = std::max(1, px(2, perPoint));
        const ui::Rect inner{r.left + pad, r.top, r.right - pad, r.bottom};
        if (header) {
            canvas.drawText(inner, headerText(grid, col, row), f, fore,
                            ui::TextFlags::SingleLine | ui::TextFlags::VCenter |
                                ui::TextFlags::Center | ui::TextFlags::NoPrefix);
        } else {
            const CellType type = sheet.cellType(col, row);
            if (type.code == CellTypeCode::CheckBox) {
                const int s = std::min({r.width(), r.height(), px(9, perPoint)});
                ui::Rect box = ui::Rect::fromSize(r.left + (r.width() - s) / 2,
                                                  r.top + (r.height() - s) / 2, s, s);
                canvas.frameRect(box, ui::Pen{fore});
                if (sheet.valueText(col, row) == "1")
                    ui::paintCheckMark(canvas, box, fore);
            } else {
                std::wstring text =
                    type.code == CellTypeCode::Button ? widen(type.text) : grid.data(col, row);
                if (!text.empty()) {
                    ui::TextFlags flags =
                        cellFlags(type.style, sheet.value(col, row).type() == ValueType::Number);
                    // Text that fits needs no clip of its own (a clip per cell is most of
                    // the work of a long document's PDF).
                    const ui::Size extent = canvas.measureText(f, text);
                    if (extent.cx <= inner.width() && extent.cy <= inner.height())
                        flags = flags | ui::TextFlags::NoClip;
                    canvas.drawText(inner, text, f, fore, flags);
                }
            }
        }
        if (fmt.border.sides != 0) {
            ui::Pen pen{colors ? printColor(fmt.border.color, kBlack) : kBlack};
            if (fmt.border.sides & kBorderLeft)
                canvas.line({r.left, r.top}, {r.left, r.bottom}, pen);
            if (fmt.border.sides & kBorderRight)
                canvas.line({r.right - 1, r.top}, {r.right - 1, r.bottom}, pen);
            if (fmt.border.sides & kBorderTop)
                canvas.line({r.left, r.top}, {r.right, r.top}, pen);
            if (fmt.border.sides & kBorderBottom)
                canvas.line({r.left, r.bottom - 1}, {r.right, r.bottom - 1}, pen);
        }
    }
};

} // namespace

BandHeights askBandHeights(const PageCallback& callback, const Pagination& unbanded,
                           int pixelsPerInch) {
    BandHeights h;
    if (!callback)
        return h;
    const double perPoint = pixelsPerInch / 72.0;
    PageEvent e;
    e.pageCount = unbanded.pageCount();
    e.pixelsPerInch = pixelsPerInch;
    e.pageSize = {px(unbanded.pageWidth(), perPoint), px(unbanded.pageHeight(), perPoint)};
    e.printableLeft = px(unbanded.printable().left, perPoint);
    e.printableRight = px(unbanded.printable().right, perPoint);
    e.event = kPageHeaderHeight;
    h.header = std::max(0, callback(e)) / perPoint;
    e.event = kPageFooterHeight;
    h.footer = std::max(0, callback(e)) / perPoint;
    return h;
}

void paintPrintPage(const GridControl& grid, const Pagination& p, int number, ui::Canvas& canvas,
                    int pixelsPerInch, const PageCallback& callback) {
    const PrintPage page = p.page(number);
    if (page.number == 0)
        return;
    const double perPoint = pixelsPerInch / 72.0;
    PagePainter painter{
        grid, p, canvas, perPoint, perPoint * kPointsPerPixel * p.scale(), p.options().colors};
    const PrintRect table = p.tableArea();
    const int left = px(table.left, perPoint);
    const int top = px(table.top, perPoint);

    // Column and row edges of this page in pixels; header column / row first.
    std::vector<int> xs{left};
    double x = table.left;
    if (p.rowHeaderWidth() > 0) {
        x += p.rowHeaderWidth();
        xs.push_back(px(x, perPoint));
    }
    for (int c = page.col1; c <= page.col2; ++c) {
        x += p.columnWidth(c);
        xs.push_back(px(x, perPoint));
    }
    std::vector<int> ys{top};
    double y = table.top;
    if (p.colHeaderHeight() > 0) {
        y += p.colHeaderHeight();
        ys.push_back(px(y, perPoint));
    }
    for (int r = page.row1; r <= page.row2; ++r) {
        y += p.rowHeight(r);
        ys.push_back(px(y, perPoint));
    }
    const int right = std::min(xs.back(), px(table.right, perPoint));
    const int bottom = std::min(ys.back(), px(table.bottom, perPoint));
    const bool rowHeader = p.rowHeaderWidth() > 0;
    const bool colHeader = p.colHeaderHeight() > 0;
    auto colAt = [&](size_t i) {
        return rowHeader ? (i == 0 ? 0 : page.col1 + int(i) - 1) : page.col1 + int(i);
    };
    auto rowAt = [&](size_t i) {
        return colHeader ? (i == 0 ? 0 : page.row1 + int(i) - 1) : page.row1 + int(i);
    };

    {
        // Only a column or row wider than the page reaches beyond the table.
        std::optional<ui::ClipScope> clip;
        if (xs.back() > right || ys.back() > bottom)
            clip.emplace(canvas, ui::Rect{left, top, right, bottom});
        for (size_t j = 0; j + 1 < ys.size(); ++j) {
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                const ui::Rect r{xs[i], ys[j], xs[i + 1], ys[j + 1]};
                if (r.width() <= 0 || r.height() <= 0)
                    continue;
                painter.cell(colAt(i), rowAt(j), r);
            }
        }
        // Lines of about half a point, whatever the resolution.
        const int thin = std::max(1, static_cast<int>(std::lround(pixelsPerInch / 144.0)));
        if (p.options().gridLines) {
            const ui::Pen pen{p.options().colors ? kLine : kBlack, thin};
            for (size_t i = 1; i + 1 < xs.size(); ++i)
                canvas.line({xs[i], top}, {xs[i], bottom}, pen);
            for (size_t j = 1; j + 1 < ys.size(); ++j)
                canvas.line({left, ys[j]}, {right, ys[j]}, pen);
        } else {
            // The headers are set off from the cells even without grid lines.
            const ui::Pen pen{kBlack, thin};
            if (rowHeader)
                canvas.line({xs[1], top}, {xs[1], bottom}, pen);
            if (colHeader)
                canvas.line({left, ys[1]}, {right, ys[1]}, pen);
        }
    }
    if (p.options().border)
        canvas.frameRect(ui::Rect{left, top, right, bottom},
                         ui::Pen{kBlack, std::max(1, pixelsPerInch / 96)});

    if (callback) {
        PageEvent e;
        e.page = number;
        e.pageCount = p.pageCount();
        e.pixelsPerInch = pixelsPerInch;
        e.pageSize = {px(p.pageWidth(), perPoint), px(p.pageHeight(), perPoint)};
        e.printableLeft = px(p.printable().left, perPoint);
        e.printableRight = px(p.printable().right, perPoint);
        e.canvas = &canvas;
        const PrintRect hb = p.headerBand();
        const PrintRect fb = p.footerBand();
        if (hb.height() > 0) {
            e.event = kPageDrawHeader;
            e.band = {px(hb.left, perPoint), px(hb.top, perPoint), px(hb.right, perPoint),
                      px(hb.bottom, perPoint)};
            ui::ClipScope clip(canvas, e.band);
            callback(e);
        }
        if (fb.height() > 0) {
            e.event = kPageDrawFooter;
            e.band = {px(fb.left, perPoint), px(fb.top, perPoint), px(fb.right, perPoint),
                      px(fb.bottom, perPoint)};
            ui::ClipScope clip(canvas, e.band);
            callback(e);
        }
    }
}

// ---- GridControl ---------------------------------------------------------------------------

void GridControl::setPrintOptions(const SpreadPrintOptions& options, PageCallback callback) {
    m_printOptions = options;
    m_pageCallback = std::move(callback);
}

Pagination GridControl::paginate(int pixelsPerInch) const {
    // The program's margins start where the printer can print; the pagination measures
    // from the paper's edge.
    PrintOptions o = m_printOptions;
    const double x = std::max(0.0, m_printOptions.dc.offsetXMm) / 25.4;
    const double y = std::max(0.0, m_printOptions.dc.offsetYMm) / 25.4;
    o.marginLeft += x;
    o.marginRight += x;
    o.marginTop += y;
    o.marginBottom += y;
    const Pagination unbanded(m_sheet, o, m_printOptions.dc.paper);
    if (!m_pageCallback)
        return unbanded;
    return Pagination(m_sheet, o, m_printOptions.dc.paper,
                      askBandHeights(m_pageCallback, unbanded, pixelsPerInch));
}

int GridControl::printPageCount() const {
    return paginate(m_printOptions.dc.pixelsPerInch).pageCount();
}

PrintResult GridControl::print(const std::wstring& jobName) const {
    (void)jobName; // a PDF job has no spooler to show it to
    PrintResult result;
    const PrinterDC& dc = m_printOptions.dc;
    if (!dc.valid()) {
        result.error = "no printer";
        return result;
    }
    const int ppi = std::clamp(dc.pixelsPerInch, 72, 1200);
    const Pagination p = paginate(ppi);
    if (p.printedCount() == 0) {
        result.error =
            "the page range holds no page (the document has " + std::to_string(p.pageCount()) + ")";
        return result;
    }
    // The pages go to a file beside the target that replaces it only when complete, so a
    // failed job leaves neither half a PDF nor a damaged older one.
    const std::filesystem::path target(dc.outputPath);
    std::filesystem::path part = target;
    part += ".part" + std::to_string(::getpid());
    const ui::Size points{static_cast<int>(std::lround(p.pageWidth())),
                          static_cast<int>(std::lround(p.pageHeight()))};
    auto canvas = ui::CairoCanvas::createPdf(part.string(), points, ppi);
    std::error_code ec;
    if (!canvas) {
        std::filesystem::remove(part, ec);
        result.error = "cannot write " + dc.outputPath;
        return result;
    }
    for (int n = p.firstPrinted(); n <= p.lastPrinted(); ++n) {
        if (n > p.firstPrinted())
            canvas->newPage();
        paintPrintPage(*this, p, n, *canvas, ppi, m_pageCallback);
    }
    const bool written = canvas->finish();
    canvas.reset();
    if (!written) {
        std::filesystem::remove(part, ec);
        result.error = "cannot write " + dc.outputPath;
        return result;
    }
    std::filesystem::rename(part, target, ec);
    if (ec) {
        std::filesystem::remove(part, ec);
        result.error = "cannot write " + dc.outputPath;
        return result;
    }
    result.ok = true;
    result.pages = p.printedCount();
    return result;
}

} // namespace grid

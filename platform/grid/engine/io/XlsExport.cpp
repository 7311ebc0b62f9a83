#include "platform/grid/engine/io/XlsExport.h"

#include <fstream>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/ExportStyle.h"
#include "platform/grid/engine/io/SheetTransfer.h"
#include "platform/grid/engine/io/XlsFormula.h"
#include "platform/grid/engine/io/XlsWriter.h"

namespace grid {

namespace {

xls::ErrorCode xlsError(ErrorCode e) {
    switch (e) {
    case ErrorCode::Null:
        return xls::ErrorCode::Null;
    case ErrorCode::Div0:
        return xls::ErrorCode::Div0;
    case ErrorCode::Ref:
        return xls::ErrorCode::Ref;
    case ErrorCode::Name:
        return xls::ErrorCode::Name;
    case ErrorCode::Num:
        return xls::ErrorCode::Num;
    case ErrorCode::NA:
        return xls::ErrorCode::NA;
    default:
        return xls::ErrorCode::Value; // #VALUE! also stands for a circular reference
    }
}

uint8_t xlsLine(int productStyle) {
    LineLook look = lineLook(productStyle);
    switch (look.kind) {
    case LineKind::None:
        return 0;
    case LineKind::Dashed:
        return look.widthPx > 1 ? 8 : 3;
    case LineKind::Dotted:
        return 4;
    case LineKind::DashDot:
        return look.widthPx > 1 ? 10 : 9;
    case LineKind::DashDotDot:
        return look.widthPx > 1 ? 12 : 11;
    case LineKind::Double:
        return 6;
    case LineKind::Solid:
        return look.widthPx >= 3 ? 5 : look.widthPx == 2 ? 2 : 1;
    }
    return 1;
}

uint8_t xlsRotation(uint32_t style) {
    switch (style & kStyleRotationMask) {
    case 0x3000000:
        return 90;
    case 0x2000000:
        return 180; // 270 degrees: text reads downwards
    case 0x1000000:
    case 0x5000000:
        return 255; // vertical, stacked
    default:
        return 0; // 180 degrees has no .xls form
    }
}

class Converter {
public:
    Converter(const Sheet& sheet, xls::Book& book) : m_sheet(sheet), m_book(book) {}

    // -1 for cells that look like the default.
    int formatOf(int32_t col, int32_t row) {
        const CellAttributes* a = m_sheet.attributes(col, row);
        if (!a || (a->format.isDefault() && !a->type))
            return -1;
        const CellFormat& f = a->format;
        CellType type = a->type ? *a->type : CellType{};
        xls::CellFormat x;
        if (f.hasFont || f.fore != kNoColor) {
            xls::Font font;
            if (f.hasFont) {
                font.name = f.font.name;
                font.heightTwips = static_cast<uint16_t>(std::clamp(f.font.height * 15, 20, 8191));
                font.weight = static_cast<uint16_t>(std::clamp(f.font.weight, 100, 1000));
                font.italic = f.font.italic;
                font.underline = f.font.underline;
                font.strikeout = f.font.strikeout;
            }
            if (f.fore != kNoColor)
                font.color = resolveColor(f.fore);
            x.font = m_book.addFont(font);
        }
        x.numberFormat = numberFormatFor(type);
        switch (effectiveHAlign(f, type)) {
        case HAlign::Left:
            x.hAlign = xls::HAlign::Left;
            break;
        case HAlign::Center:
            x.hAlign = xls::HAlign::Center;
            break;
        case HAlign::Right:
            x.hAlign = xls::HAlign::Right;
            break;
        default:
            break;
        }
        switch (effectiveVAlign(f, type)) {
        case VAlign::Top:
            x.vAlign = xls::VAlign::Top;
            break;
        case VAlign::Center:
            x.vAlign = xls::VAlign::Center;
            break;
        default:
            break;
        }
        x.wrap = type.code == CellTypeCode::Edit && (type.style & kStyleMultiLine);
        x.rotation = xlsRotation(type.style);
        x.locked = f.locked == 1;
        if (f.back != kNoColor)
            x.fill = resolveColor(f.back);
        uint8_t line = f.border.sides ? xlsLine(f.border.lineStyle) : 0;
        xls::BorderLine side{line, resolveColor(f.border.color)};
        if (f.border.sides & kBorderLeft)
            x.left = side;
        if (f.border.sides & kBorderRight)
            x.right = side;
        if (f.border.sides & kBorderTop)
            x.top = side;
        if (f.border.sides & kBorderBottom)
            x.bottom = side;
        return m_book.addFormat(x);
    }

    void cell(int32_t col, int32_t row, std::vector<xls::Cell>& out) {
        xls::Cell c;
        c.row = row - 1;
        c.col = col - 1;
        c.format = formatOf(col, row);
        CellTypeCode code = m_sheet.cellType(col, row).code;
        if (code == CellTypeCode::ComboBox || code == CellTypeCode::Button ||
            code == CellTypeCode::StaticText) {
            std::string text = m_sheet.displayText(col, row);
            if (!text.empty()) {
                c.kind = xls::Cell::Kind::Text;
                c.text = std::move(text);
            }
        } else {
            setValue(c, m_sheet.value(col, row));
            if (const FormulaCode* f = xls::cellFormula(m_sheet, col, row))
                setFormula(c, *f, col, row);
        }
        if (c.kind != xls::Cell::Kind::Blank || c.format >= 0 || !c.formula.empty())
            out.push_back(std::move(c));
    }

    const XlsFormulaCounts& counts() const { return m_counts; }

private:
    static void setValue(xls::Cell& c, const Value& v) {
        switch (v.type()) {
        case ValueType::Number:
            c.kind = xls::Cell::Kind::Number;
            c.number = v.asNumber();
            break;
        case ValueType::Text:
            c.kind = xls::Cell::Kind::Text;
            c.text = v.asText();
            break;
        case ValueType::Boolean:
            c.kind = xls::Cell::Kind::Boolean;
            c.number = v.asBoolean() ? 1 : 0;
            break;
        case ValueType::Error:
            c.kind = xls::Cell::Kind::Error;
            c.error = xlsError(v.asError());
            break;
        case ValueType::Empty:
            break;
        }
    }

    void setFormula(xls::Cell& c, const FormulaCode& code, int32_t col, int32_t row) {
        xls::FormulaFit fit = xls::encodeFormula(code, col, row, m_book, c.formula);
        if (fit != xls::FormulaFit::Written) {
            ++m_counts.asValues;
            return;
        }
        ++m_counts.asFormulas;
        c.alwaysCalc = code.volatileCode;
    }

    const Sheet& m_sheet;
    xls::Book& m_book;
    XlsFormulaCounts m_counts;
};

} // namespace

IoStatus buildXlsBook(const Sheet& sheet, const XlsExportOptions& options, xls::Book& book,
                      XlsFormulaCounts* counts) {
    book = xls::Book{};
    UsedExtent used = usedExtent(sheet);
    if (used.rows > xls::kMaxRows || used.cols > xls::kMaxCols)
        return {IoResult::TooLarge,
                "the sheet is larger than an .xls worksheet (65536 rows, 256 columns)"};
    xls::Sheet out;
    out.name = options.sheetName;
    Converter conv(sheet, book);
    // Values first (row-major), then attributed cells that hold no value.
    sheet.forEachCellByRow([&](int32_t col, int32_t row) {
        if (col >= 1 && row >= 1)
            conv.cell(col, row, out.cells);
    });
    sheet.forEachAttributed([&](int32_t col, int32_t row, const CellAttributes&) {
        if (col >= 1 && row >= 1 && sheet.value(col, row).isEmpty() && !sheet.hasFormula(col, row))
            conv.cell(col, row, out.cells);
    });
    for (auto [col, px] : sheet.columnWidthsPx())
        if (col >= 1 && col <= xls::kMaxCols)
            out.colWidths[col - 1] = static_cast<uint16_t>(std::clamp(px * 256 / 7, 0, 65535));
    for (auto [row, px] : sheet.rowHeightsPx())
        if (row >= 1 && row <= xls::kMaxRows)
            out.rowHeights[row - 1] = static_cast<uint16_t>(std::clamp(px * 15, 0, 8191));
    for (const Span& s : sheet.spans())
        if (s.col >= 1 && s.row >= 1 && (s.cols > 1 || s.rows > 1))
            out.merges.push_back({s.row - 1, s.row + s.rows - 2, s.col - 1, s.col + s.cols - 2});
    book.sheets.push_back(std::move(out));
    if (counts)
        *counts = conv.counts();
    return {};
}

IoStatus exportXlsFile(const Sheet& sheet, const std::string& path, const XlsExportOptions& options,
                       XlsFormulaCounts* counts) {
    xls::Book book;
    std::string bytes;
    XlsFormulaCounts written;
    IoStatus status = path.empty() ? IoStatus(IoResult::BadArgument, "no file name given")
                                   : buildXlsBook(sheet, options, book, &written);
    if (status.ok())
        status = xls::XlsWriter::fileBytes(book, bytes);
    if (status.ok())
        status = writeFileAtomically(path, bytes);
    if (!options.logFile.empty()) {
        std::ofstream log(options.logFile, std::ios::app | std::ios::binary);
        log << "Excel export to '" << path << "': " << (status.ok() ? "done" : status.message());
        if (status.ok() && written.asValues)
            log << " (" << written.asValues << " formula(s) written as values)";
        log << "\n";
    }
    if (counts)
        *counts = written;
    return status;
}

} // namespace grid

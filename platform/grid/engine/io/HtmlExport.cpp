#include "platform/grid/engine/io/HtmlExport.h"

#include <cstdio>
#include <fstream>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/ExportStyle.h"
#include "platform/grid/engine/io/SheetTransfer.h"

namespace grid {

namespace {

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "<br/>";
            break;
        case '\n':
            out += "<br/>";
            break;
        default:
            // Control characters are not allowed in HTML text.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                out += ' ';
            else
                out += c;
        }
    }
    return out;
}

std::string css(Color color) {
    Color c = resolveColor(color);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

std::string borderCss(const Border& b) {
    if (!b.sides)
        return {};
    LineLook look = lineLook(b.lineStyle);
    if (look.kind == LineKind::None)
        return {};
    const char* kind = "solid";
    switch (look.kind) {
    case LineKind::Dashed:
    case LineKind::DashDot:
    case LineKind::DashDotDot:
        kind = "dashed";
        break;
    case LineKind::Dotted:
        kind = "dotted";
        break;
    case LineKind::Double:
        kind = "double";
        break;
    default:
        break;
    }
    std::string line = std::to_string(look.widthPx) + "px " + kind + " " + css(b.color) + ";";
    std::string out;
    if (b.sides & kBorderLeft)
        out += "border-left:" + line;
    if (b.sides & kBorderRight)
        out += "border-right:" + line;
    if (b.sides & kBorderTop)
        out += "border-top:" + line;
    if (b.sides & kBorderBottom)
        out += "border-bottom:" + line;
    return out;
}

std::string cellStyle(const Sheet& sheet, int32_t col, int32_t row) {
    const CellAttributes* a = sheet.attributes(col, row);
    CellFormat format = a ? a->format : CellFormat{};
    CellType type = a && a->type ? *a->type : CellType{};
    std::string s;
    if (format.hasFont) {
        const Font& f = format.font;
        s += "font-family:'" + escape(f.name) + "';font-size:" + std::to_string(f.height) + "px;";
        if (f.weight != 400)
            s += "font-weight:" + std::to_string(f.weight) + ";";
        if (f.italic)
            s += "font-style:italic;";
        if (f.underline || f.strikeout)
            s += std::string("text-decoration:") + (f.underline ? "underline" : "") +
                 (f.underline && f.strikeout ? " " : "") + (f.strikeout ? "line-through" : "") +
                 ";";
    }
    if (format.back != kNoColor)
        s += "background-color:" + css(format.back) + ";";
    Value v = sheet.value(col, row);
    if (format.fore != kNoColor)
        s += "color:" + css(format.fore) + ";";
    else if ((type.style & kStyleNegativeRed) && v.isNumber() && v.asNumber() < 0)
        s += "color:#ff0000;";
    s += borderCss(format.border);
    HAlign h = effectiveHAlign(format, type);
    if (h == HAlign::Default && (v.isNumber() || v.isBoolean()) &&
        type.code != CellTypeCode::ComboBox)
        h = HAlign::Right; // numbers right-aligned, as the grid shows them
    switch (h) {
    case HAlign::Left:
        s += "text-align:left;";
        break;
    case HAlign::Center:
        s += "text-align:center;";
        break;
    case HAlign::Right:
        s += "text-align:right;";
        break;
    default:
        break;
    }
    switch (effectiveVAlign(format, type)) {
    case VAlign::Top:
        s += "vertical-align:top;";
        break;
    case VAlign::Center:
        s += "vertical-align:middle;";
        break;
    case VAlign::Bottom:
        s += "vertical-align:bottom;";
        break;
    default:
        break;
    }
    if (type.code == CellTypeCode::Edit && (type.style & kStyleMultiLine))
        s += "white-space:pre-wrap;";
    return s;
}

} // namespace

std::string exportHtmlTable(const Sheet& sheet) {
    UsedExtent used = usedExtent(sheet);
    std::string out = "<table>\n";
    if (used.cols > 0) {
        out += "<colgroup>";
        for (int32_t c = 1; c <= used.cols; ++c) {
            auto it = sheet.columnWidthsPx().find(c);
            int px = it != sheet.columnWidthsPx().end() ? it->second : Sheet::kDefaultColumnWidthPx;
            out += "<col style=\"width:" + std::to_string(px) + "px\"/>";
        }
        out += "</colgroup>\n";
    }
    for (int32_t r = 1; r <= used.rows; ++r) {
        auto it = sheet.rowHeightsPx().find(r);
        int px = it != sheet.rowHeightsPx().end() ? it->second : Sheet::kDefaultRowHeightPx;
        out += "<tr style=\"height:" + std::to_string(px) + "px\">";
        for (int32_t c = 1; c <= used.cols; ++c) {
            std::optional<Span> span = sheet.spanAt(c, r);
            if (span && (span->col != c || span->row != r))
                continue; // covered by a span
            out += "<td";
            if (span && span->cols > 1)
                out += " colspan=\"" + std::to_string(span->cols) + "\"";
            if (span && span->rows > 1)
                out += " rowspan=\"" + std::to_string(span->rows) + "\"";
            std::string style = cellStyle(sheet, c, r);
            if (!style.empty())
                out += " style=\"" + style + "\"";
            out += ">" + escape(sheet.displayText(c, r)) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table>\n";
    return out;
}

std::string exportHtmlString(const Sheet& sheet, const HtmlExportOptions& options) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
           escape(options.title) +
           "</title>\n<style>\ntable { border-collapse: collapse; table-layout: fixed; }\n"
           "td { font-family: Tahoma, sans-serif; font-size: 15px; padding: 1px 3px; overflow: "
           "hidden;"
           " white-space: nowrap; border: 1px solid #e0e0e0; }\n</style>\n</head>\n<body>\n" +
           exportHtmlTable(sheet) + "</body>\n</html>\n";
}

IoStatus exportHtmlFile(const Sheet& sheet, const std::string& path,
                        const HtmlExportOptions& options) {
    IoStatus status;
    if (path.empty()) {
        status = {IoResult::BadArgument, "no file name given"};
    } else if (options.append) {
        std::ofstream out(path, std::ios::app | std::ios::binary);
        out << exportHtmlTable(sheet);
        out.flush();
        if (!out)
            status = {IoResult::WriteFailed, "cannot append to '" + path + "'"};
    } else {
        status = writeFileAtomically(path, exportHtmlString(sheet, options));
    }
    if (!options.logFile.empty()) {
        std::ofstream log(options.logFile, std::ios::app | std::ios::binary);
        log << "HTML export to '" << path << "': " << (status.ok() ? "done" : status.message())
            << "\n";
    }
    return status;
}

} // namespace grid

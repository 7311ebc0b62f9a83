#pragma once

#include <string>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

class Sheet;

struct HtmlExportOptions {
    std::string title = "Sheet";
    // Append the table to the end of an existing file instead of writing a page.
    bool append = false;
    std::string logFile; // when not empty, one line per export is appended to it
};

// A complete HTML page (UTF-8, well-formed, so XML tools read it too) with one
// table: the used part of the sheet from row 1 and column 1, with the cells'
// display texts, fonts, colours, borders, alignment, spans, column widths and
// row heights.
std::string exportHtmlString(const Sheet& sheet, const HtmlExportOptions& options);
// Only the <table> element.
std::string exportHtmlTable(const Sheet& sheet);

IoStatus exportHtmlFile(const Sheet& sheet, const std::string& path,
                        const HtmlExportOptions& options);

} // namespace grid

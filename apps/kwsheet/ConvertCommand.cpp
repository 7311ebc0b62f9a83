#include "apps/kwsheet/ConvertCommand.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/CsvFile.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/grid/engine/io/HtmlExport.h"
#include "platform/grid/engine/io/TextExport.h"
#include "platform/grid/engine/io/XlsExport.h"

namespace kwsheet {

FileKind fileKindOf(const std::string& path) {
    auto dot = path.find_last_of('.');
    auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return FileKind::Unknown;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "kws")
        return FileKind::Document;
    if (ext == "csv")
        return FileKind::Csv;
    if (ext == "txt")
        return FileKind::Text;
    if (ext == "htm" || ext == "html")
        return FileKind::Html;
    if (ext == "xls")
        return FileKind::Xls;
    return FileKind::Unknown;
}

grid::IoStatus readSheetFile(grid::Sheet& sheet, const std::string& path) {
    switch (fileKindOf(path)) {
    case FileKind::Document:
        return grid::DocumentFile::load(sheet, path);
    case FileKind::Csv:
        return grid::importCsvFile(sheet, path);
    default:
        return {grid::IoResult::BadArgument,
                "cannot read '" + path + "': only .kws and .csv files can be read"};
    }
}

} // namespace kwsheet

using namespace kwsheet;

namespace {

// The editor's text export: whole sheet, no cell delimiter, '|' between columns,
// no row delimiter, flags 0x19 (line breaks, display texts, trailing empties left out).
grid::TextExportOptions editorTextExport() {
    grid::TextExportOptions o;
    o.columnDelimiter = "|";
    o.flags = grid::kTextLineBreak | grid::kTextFormatted | grid::kTextTrimEmpty;
    return o;
}

grid::IoStatus writeSheetFile(grid::Sheet& sheet, const std::string& path) {
    FileKind kind = fileKindOf(path);
    if (kind != FileKind::Document && kind != FileKind::Unknown)
        sheet.recalcAll(); // exports show current results
    switch (kind) {
    case FileKind::Document:
        return grid::DocumentFile::save(sheet, path);
    case FileKind::Csv:
        return grid::exportCsvFile(sheet, path);
    case FileKind::Text:
        return grid::exportTextFile(sheet, grid::CellRange{-1, -1, -1, -1}, path,
                                    editorTextExport());
    case FileKind::Html: {
        grid::HtmlExportOptions o;
        auto slash = path.find_last_of('/');
        o.title = slash == std::string::npos ? path : path.substr(slash + 1);
        return grid::exportHtmlFile(sheet, path, o);
    }
    case FileKind::Xls:
        return grid::exportXlsFile(sheet, path, grid::XlsExportOptions{});
    case FileKind::Unknown:
        break;
    }
    return {grid::IoResult::BadArgument,
            "cannot write '" + path + "': use .kws, .csv, .txt, .htm or .xls"};
}

} // namespace

int runConvert(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "kwsheet: usage: kwsheet convert IN OUT\n");
        return 2;
    }
    std::string in = argv[0], out = argv[1];
    if (fileKindOf(out) == FileKind::Unknown) {
        std::fprintf(stderr, "kwsheet: cannot write '%s': use .kws, .csv, .txt, .htm or .xls\n",
                     out.c_str());
        return 2;
    }
    grid::Sheet sheet;
    grid::IoStatus st = readSheetFile(sheet, in);
    if (st.ok())
        st = writeSheetFile(sheet, out);
    if (!st.ok()) {
        std::fprintf(stderr, "kwsheet: %s\n", st.message().c_str());
        return st.result() == grid::IoResult::BadArgument ? 2 : 1;
    }
    return 0;
}

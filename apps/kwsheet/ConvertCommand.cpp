#include "apps/kwsheet/ConvertCommand.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/CsvFile.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/grid/engine/io/HtmlExport.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"
#include "platform/grid/engine/io/TextExport.h"
#include "platform/grid/engine/io/XlsExport.h"
#include "platform/grid/engine/io/XlsxExport.h"

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
    if (ext == "xlsx")
        return FileKind::Xlsx;
    if (ext == "ods")
        return FileKind::Ods;
    return FileKind::Unknown;
}

namespace {

std::string importNotes(const grid::SpreadsheetImportReport& r) {
    std::string notes;
    if (r.sheets > 1)
        notes += "read the first of " + std::to_string(r.sheets) + " worksheets, '" + r.sheetName +
                 "'\n";
    if (r.untranslated > 0)
        notes += std::to_string(r.untranslated) + " of " + std::to_string(r.formulas) +
                 " formulas could not be taken over; their stored results were kept\n";
    return notes;
}

} // namespace

grid::IoStatus readSheetFile(grid::Sheet& sheet, const std::string& path, std::string* notes) {
    FileKind kind = fileKindOf(path);
    switch (kind) {
    case FileKind::Document:
        return grid::DocumentFile::load(sheet, path);
    case FileKind::Csv:
        return grid::importCsvFile(sheet, path);
    case FileKind::Xlsx:
    case FileKind::Ods: {
        grid::SpreadsheetImportReport report;
        grid::IoStatus st = grid::importSpreadsheetFile(
            sheet, path,
            kind == FileKind::Xlsx ? grid::SpreadsheetFormat::Xlsx : grid::SpreadsheetFormat::Ods,
            &report);
        if (st.ok() && notes)
            *notes += importNotes(report);
        return st;
    }
    default:
        return {grid::IoResult::BadArgument,
                "cannot read '" + path + "': only .kws, .csv, .xlsx and .ods files can be read"};
    }
}

} // namespace kwsheet

using namespace kwsheet;

namespace {

// Why a file cannot be written: the one wording for a bad output name.
std::string cannotWrite(const std::string& path) {
    return "cannot write '" + path + "': use .kws, .csv, .txt, .htm, .xls or .xlsx";
}

// The editor's text export: whole sheet, no cell delimiter, '|' between columns,
// no row delimiter, flags 0x19 (line breaks, display texts, trailing empties left out).
grid::TextExportOptions editorTextExport() {
    grid::TextExportOptions o;
    o.columnDelimiter = "|";
    o.flags = grid::kTextLineBreak | grid::kTextFormatted | grid::kTextTrimEmpty;
    return o;
}

grid::IoStatus writeSheetFile(grid::Sheet& sheet, const std::string& path, std::string& notes) {
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
    case FileKind::Xlsx: {
        grid::XlsxExportReport report;
        grid::IoStatus st = grid::exportXlsxFile(sheet, path, grid::XlsxExportOptions{}, &report);
        if (st.ok() && report.asValues > 0)
            notes += std::to_string(report.asValues) + " of " + std::to_string(report.formulas) +
                     " formulas have no Excel form and were written as their values\n";
        return st;
    }
    case FileKind::Ods:
        return {grid::IoResult::BadArgument, "cannot write '" + path + "': .ods is read only"};
    case FileKind::Unknown:
        break;
    }
    return {grid::IoResult::BadArgument, cannotWrite(path)};
}

} // namespace

int runConvert(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "kwsheet: usage: kwsheet convert IN OUT\n");
        return 2;
    }
    std::string in = argv[0], out = argv[1];
    if (fileKindOf(out) == FileKind::Unknown) {
        std::fprintf(stderr, "kwsheet: %s\n", cannotWrite(out).c_str());
        return 2;
    }
    grid::Sheet sheet;
    std::string notes;
    grid::IoStatus st = readSheetFile(sheet, in, &notes);
    if (st.ok())
        st = writeSheetFile(sheet, out, notes);
    if (!st.ok()) {
        std::fprintf(stderr, "kwsheet: %s\n", st.message().c_str());
        return st.result() == grid::IoResult::BadArgument ? 2 : 1;
    }
    size_t start = 0;
    for (size_t nl; (nl = notes.find('\n', start)) != std::string::npos; start = nl + 1)
        std::printf("kwsheet: %s\n", notes.substr(start, nl - start).c_str());
    return 0;
}

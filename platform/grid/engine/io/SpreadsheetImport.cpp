#include "platform/grid/engine/io/SpreadsheetImport.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <new>
#include <set>

#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/ImportedBook.h"
#include "platform/grid/engine/io/SheetTransfer.h"
#include "platform/grid/engine/io/ZipDirectory.h"

namespace grid {

namespace {

const char* formatName(SpreadsheetFormat format) {
    return format == SpreadsheetFormat::Xlsx ? "Excel workbook (.xlsx)"
                                             : "OpenDocument spreadsheet (.ods)";
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Workbook names of single cells as the cells' tags (the first name of a cell wins);
// the lower-case names taken.
std::set<std::string> tagNames(Sheet& sheet, const ImportedBook& book) {
    std::set<std::string> taken;
    for (const ImportedName& n : book.names) {
        std::string plain;
        for (char c : n.target)
            if (c != '$')
                plain += c;
        CellRef at;
        FormulaCode probe;
        // The name must read as a name in a formula, and not be taken already.
        if (!parseA1(plain, at) || at.col > sheet.maxCols() || at.row > sheet.maxRows() ||
            !sheet.tag(at.col, at.row).empty() || taken.count(lowerAscii(n.name)) ||
            !FormulaParser().parse(n.name, RefStyle::A1, 1, 1, probe).ok || !probe.hasNames ||
            probe.tokens.size() != 1)
            continue;
        if (sheet.setTag(at.col, at.row, n.name))
            taken.insert(lowerAscii(n.name));
    }
    return taken;
}

// Whether the engine takes the translated formula as the file meant it: it must parse,
// and names and functions the engine does not know would only give #NAME?.
bool engineTakes(const ImportedCell& cell, const std::set<std::string>& names) {
    FormulaCode code;
    if (!FormulaParser().parse(cell.formula, RefStyle::A1, cell.col, cell.row, code).ok ||
        code.hasCustom)
        return false;
    for (const Token& t : code.tokens)
        if (t.op == Op::Name && !names.count(lowerAscii(code.strings[t.a])))
            return false;
    return true;
}

// A formula that is nothing but an error literal stands for that error: it is how
// writers without an error cell put one in a file (see XlsxExport.cpp).
bool isErrorLiteral(const std::string& formula, Value& out) {
    ErrorCode e = parseErrorText(formula);
    if (e == ErrorCode::None)
        return false;
    out = Value::error(e);
    return true;
}

void fill(Sheet& sheet, ImportedBook& book, SpreadsheetImportReport& report) {
    int32_t cols = sheet.maxCols(), rows = sheet.maxRows();
    for (const ImportedCell& c : book.cells) {
        cols = std::max(cols, c.col);
        rows = std::max(rows, c.row);
    }
    sheet.setMaxCols(cols);
    sheet.setMaxRows(rows);
    sheet.setRefStyle(RefStyle::A1);
    sheet.setAutoCalc(false);
    const std::set<std::string> names = tagNames(sheet, book);
    for (ImportedCell& c : book.cells) {
        const bool formula = !c.formula.empty() || c.untranslated;
        if (formula)
            ++report.formulas;
        Value error;
        if (!c.formula.empty() && isErrorLiteral(c.formula, error)) {
            sheet.setValue(c.col, c.row, error);
            continue;
        }
        if (!c.formula.empty() && engineTakes(c, names) &&
            sheet.setFormula(c.col, c.row, c.formula, RefStyle::A1).ok)
            continue;
        if (formula)
            ++report.untranslated;
        sheet.setValue(c.col, c.row, c.value);
    }
    report.cells = static_cast<int64_t>(book.cells.size());
    sheet.setAutoCalc(true);
    sheet.recalcAll();
    sheet.setChanged(false);
}

} // namespace

IoStatus importSpreadsheet(Sheet& sheet, std::string_view bytes, SpreadsheetFormat format,
                           SpreadsheetImportReport* reportOut) {
    if (isCalculating(sheet))
        return {IoResult::BadArgument, "the sheet is calculating"};
    const std::string what = formatName(format);
    if (bytes.size() > SpreadsheetImportLimits::kMaxFileBytes)
        return {IoResult::TooLarge,
                "the file is larger than " +
                    std::to_string(SpreadsheetImportLimits::kMaxFileBytes >> 20) + " MB"};
    zip::DirectorySummary zip;
    std::string why;
    if (!zip::readDirectory(bytes, zip, why))
        return {IoResult::NotADocument, "not an " + what + ": " + why};
    if (zip.largestEntry > SpreadsheetImportLimits::kMaxEntryBytes ||
        zip.unpackedTotal > SpreadsheetImportLimits::kMaxUnpackedBytes)
        return {IoResult::TooLarge,
                "the " + what + " unpacks to more than " +
                    std::to_string(SpreadsheetImportLimits::kMaxUnpackedBytes >> 20) + " MB"};
    ImportedBook book;
    SpreadsheetImportReport report;
    Sheet loaded;
    try {
        readWithOrcus(bytes, format, book);
        if (book.sheets == 0)
            return {IoResult::Damaged, "the " + what + " holds no worksheet"};
        report.sheets = book.sheets;
        report.sheetName = book.sheetName;
        fill(loaded, book, report);
    } catch (const ImportLimitError& e) {
        return {IoResult::TooLarge, std::string("cannot read the ") + what + ": " + e.what()};
    } catch (const std::bad_alloc&) {
        return {IoResult::TooLarge, "not enough memory to read the " + what};
    } catch (const std::exception& e) {
        return {IoResult::Damaged, "the " + what + " is damaged: " + e.what()};
    } catch (...) {
        return {IoResult::Damaged, "the " + what + " is damaged"};
    }
    transferSheet(loaded, sheet);
    if (reportOut)
        *reportOut = report;
    return IoStatus::success();
}

IoStatus importSpreadsheetFile(Sheet& sheet, const std::string& path, SpreadsheetFormat format,
                               SpreadsheetImportReport* report) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {IoResult::CannotOpen, "cannot open '" + path + "'"};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return {IoResult::CannotOpen, "cannot read '" + path + "'"};
    if (static_cast<uint64_t>(size) > SpreadsheetImportLimits::kMaxFileBytes)
        return {IoResult::TooLarge,
                "'" + path + "' is larger than " +
                    std::to_string(SpreadsheetImportLimits::kMaxFileBytes >> 20) + " MB"};
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size))
        return {IoResult::CannotOpen, "cannot read '" + path + "'"};
    IoStatus st = importSpreadsheet(sheet, bytes, format, report);
    if (!st.ok())
        return {st.result(), "'" + path + "': " + st.message()};
    return st;
}

bool spreadsheetFormatOf(const std::string& path, SpreadsheetFormat& format) {
    auto endsWith = [&](std::string_view ext) {
        if (path.size() <= ext.size())
            return false;
        for (size_t i = 0; i < ext.size(); ++i) {
            char c = path[path.size() - ext.size() + i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c != ext[i])
                return false;
        }
        return true;
    };
    if (endsWith(".xlsx")) {
        format = SpreadsheetFormat::Xlsx;
        return true;
    }
    if (endsWith(".ods")) {
        format = SpreadsheetFormat::Ods;
        return true;
    }
    return false;
}

} // namespace grid

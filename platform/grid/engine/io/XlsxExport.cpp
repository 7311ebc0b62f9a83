#include "platform/grid/engine/io/XlsxExport.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>
#include <vector>

#include <xlsxwriter.h>

#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/FormulaTranslation.h"
#include "platform/grid/engine/io/SheetTransfer.h"

namespace grid {

namespace {

constexpr int32_t kExcelRows = LXW_ROW_MAX;
constexpr int32_t kExcelCols = LXW_COL_MAX;
constexpr size_t kExcelTextChars = 32767;

std::string lowerAscii(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

size_t utf8Chars(const std::string& s) {
    size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Excel has no error for a circular reference; #VALUE! stands for it, as in .xls.
std::string excelErrorText(ErrorCode e) {
    return e == ErrorCode::Circular ? "#VALUE!" : std::string(errorText(e));
}

std::string quotedSheet(const std::string& name) {
    std::string s = "'";
    for (char c : name) {
        if (c == '\'')
            s += '\'';
        s += c;
    }
    return s + "'";
}

// Closes the workbook on every path (its destructor is workbook_close).
struct Workbook {
    lxw_workbook* wb = nullptr;
    explicit Workbook(const std::string& path) : wb(workbook_new(path.c_str())) {}
    ~Workbook() {
        if (wb)
            workbook_close(wb);
    }
    lxw_error close() {
        lxw_error e = workbook_close(wb);
        wb = nullptr;
        return e;
    }
};

class Writer {
public:
    Writer(const Sheet& sheet, lxw_workbook* wb, lxw_worksheet* ws, const std::string& sheetName)
        : m_sheet(sheet), m_wb(wb), m_ws(ws), m_sheetName(sheetName) {}

    // Cell tags as workbook names of their cells: the first cell (by rows) with a tag
    // names it, as the engine resolves it.
    void defineNames() {
        std::vector<std::tuple<int32_t, int32_t, std::string>> tags;
        m_sheet.forEachAttributed([&](int32_t col, int32_t row, const CellAttributes& a) {
            if (!a.tag.empty() && col >= 1 && row >= 1)
                tags.emplace_back(row, col, a.tag);
        });
        std::sort(tags.begin(), tags.end());
        for (const auto& [row, col, tag] : tags) {
            std::string key = lowerAscii(tag);
            if (m_names.count(key))
                continue;
            std::string target = "=" + quotedSheet(m_sheetName) + "!$" + columnLetters(col) + "$" +
                                 std::to_string(row);
            if (workbook_define_name(m_wb, tag.c_str(), target.c_str()) == LXW_NO_ERROR)
                m_names.insert(key);
        }
    }

    IoStatus cell(int32_t col, int32_t row, XlsxExportReport& report) {
        const lxw_row_t r = static_cast<lxw_row_t>(row - 1);
        const lxw_col_t c = static_cast<lxw_col_t>(col - 1);
        const Value v = m_sheet.value(col, row);
        if (m_sheet.hasFormula(col, row)) {
            ++report.formulas;
            if (std::optional<std::string> f = excelFormula(col, row)) {
                std::string text = "=" + *f;
                // Booleans and errors have no stored result in this writer; an empty
                // text result makes the reading program calculate the cell.
                lxw_error e =
                    v.isNumber()
                        ? worksheet_write_formula_num(m_ws, r, c, text.c_str(), nullptr,
                                                      v.asNumber())
                        : worksheet_write_formula_str(m_ws, r, c, text.c_str(), nullptr,
                                                      v.isText() ? v.asText().c_str() : "");
                return status(e, col, row);
            }
            ++report.asValues;
        }
        return status(writeValue(r, c, v), col, row);
    }

private:
    // The cell's formula in Excel's syntax, or nullopt when Excel could not calculate
    // it: a reference the A1 style cannot write, a custom function, a name that is no
    // workbook name.
    std::optional<std::string> excelFormula(int32_t col, int32_t row) const {
        const std::string text = m_sheet.formula(col, row, RefStyle::A1);
        FormulaCode code;
        if (!FormulaParser().parse(text, RefStyle::A1, col, row, code).ok || code.hasCustom)
            return std::nullopt;
        for (const Token& t : code.tokens)
            if (t.op == Op::Name && !m_names.count(lowerAscii(code.strings[t.a])))
                return std::nullopt;
        return engineToExcel(text);
    }

    lxw_error writeValue(lxw_row_t r, lxw_col_t c, const Value& v) {
        switch (v.type()) {
        case ValueType::Number:
            return worksheet_write_number(m_ws, r, c, v.asNumber(), nullptr);
        case ValueType::Text:
            return worksheet_write_string(m_ws, r, c, v.asText().c_str(), nullptr);
        case ValueType::Boolean:
            return worksheet_write_boolean(m_ws, r, c, v.asBoolean(), nullptr);
        case ValueType::Error: {
            // A worksheet has no plain error cell here: a formula of the error alone
            // stands for it (SpreadsheetImport reads it back as the error).
            std::string text = "=" + excelErrorText(v.asError());
            return worksheet_write_formula_str(m_ws, r, c, text.c_str(), nullptr, "");
        }
        case ValueType::Empty:
            break;
        }
        return LXW_NO_ERROR;
    }

    IoStatus status(lxw_error e, int32_t col, int32_t row) const {
        if (e == LXW_NO_ERROR)
            return {};
        return {IoResult::WriteFailed, "cannot write cell " + columnLetters(col) +
                                           std::to_string(row) + ": " + lxw_strerror(e)};
    }

    const Sheet& m_sheet;
    lxw_workbook* m_wb;
    lxw_worksheet* m_ws;
    std::string m_sheetName;
    std::set<std::string> m_names; // lower case
};

// Refuses, before anything is written, what an Excel worksheet cannot hold.
IoStatus checkFits(const Sheet& sheet) {
    UsedExtent used = usedExtent(sheet);
    if (used.rows > kExcelRows || used.cols > kExcelCols)
        return {IoResult::TooLarge, "the sheet has " + std::to_string(used.rows) + " rows and " +
                                        std::to_string(used.cols) +
                                        " columns; an Excel worksheet holds at most 1048576 "
                                        "rows and 16384 columns"};
    IoStatus st;
    sheet.forEachCell([&](int32_t col, int32_t row) {
        if (!st.ok() || col < 1 || row < 1)
            return;
        Value v = sheet.value(col, row);
        const std::string cell = columnLetters(col) + std::to_string(row);
        if (v.isText() && utf8Chars(v.asText()) > kExcelTextChars)
            st = {IoResult::TooLarge, "cell " + cell +
                                          " holds more than 32767 characters, more than an "
                                          "Excel cell takes"};
        // The writer takes texts as C strings, and XML has no NUL character.
        else if ((v.isText() && v.asText().find('\0') != std::string::npos) ||
                 sheet.formula(col, row).find('\0') != std::string::npos)
            st = {IoResult::BadArgument,
                  "cell " + cell + " holds a NUL character, which an Excel file cannot hold"};
    });
    return st;
}

} // namespace

IoStatus exportXlsxFile(const Sheet& sheet, const std::string& path,
                        const XlsxExportOptions& options, XlsxExportReport* reportOut) {
    IoStatus st = checkFits(sheet);
    if (!st.ok())
        return st;
    AtomicFile file(path);
    st = file.create();
    if (!st.ok())
        return st;
    XlsxExportReport report;
    {
        Workbook book(file.tempPath());
        if (!book.wb)
            return {IoResult::WriteFailed, "cannot create the workbook for '" + path + "'"};
        lxw_worksheet* ws = workbook_add_worksheet(book.wb, options.sheetName.c_str());
        if (!ws)
            return {IoResult::BadArgument,
                    "'" + options.sheetName + "' cannot name an Excel worksheet"};
        Writer writer(sheet, book.wb, ws, options.sheetName);
        writer.defineNames();
        sheet.forEachCellByRow([&](int32_t col, int32_t row) {
            if (st.ok() && col >= 1 && row >= 1)
                st = writer.cell(col, row, report);
        });
        if (!st.ok())
            return st;
        lxw_error e = book.close();
        if (e != LXW_NO_ERROR)
            return {IoResult::WriteFailed, "cannot write '" + path + "': " + lxw_strerror(e)};
    }
    if (AtomicFile::injected(AtomicFile::Stage::Write))
        return {IoResult::WriteFailed, "cannot write '" + path + "'"};
    st = file.commit();
    if (st.ok() && reportOut)
        *reportOut = report;
    return st;
}

} // namespace grid

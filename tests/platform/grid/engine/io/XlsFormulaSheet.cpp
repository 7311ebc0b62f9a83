// xls_formula_sheet OUT.xls: builds a sheet from `REF<TAB>CONTENT` lines on
// standard input (A1 notation; '=' starts a formula), calculates it and exports
// it as .xls. For every formula cell it prints `REF<TAB>HOW<TAB>VALUE<TAB>TEXT`:
// HOW is "formula" or why the cell went in as its value, VALUE the engine's
// result (n:, s:, b:, e: or empty), TEXT the formula in A1 notation.
// Used by xls_formula_check.py; not a test.

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/XlsExport.h"
#include "platform/grid/engine/io/XlsFormula.h"

namespace {

const char* fitName(grid::xls::FormulaFit fit) {
    using grid::xls::FormulaFit;
    switch (fit) {
    case FormulaFit::Written:
        return "formula";
    case FormulaFit::Reference:
        return "value:reference";
    case FormulaFit::Function:
        return "value:function";
    case FormulaFit::Name:
        return "value:name";
    case FormulaFit::Literal:
        return "value:literal";
    case FormulaFit::TooLong:
        return "value:too-long";
    case FormulaFit::Malformed:
        return "value:malformed";
    }
    return "?";
}

std::string valueText(const grid::Value& v) {
    switch (v.type()) {
    case grid::ValueType::Number: {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, v.asNumber());
        return "n:" + std::string(buf, r.ptr);
    }
    case grid::ValueType::Text:
        return "s:" + v.asText();
    case grid::ValueType::Boolean:
        return v.asBoolean() ? "b:TRUE" : "b:FALSE";
    case grid::ValueType::Error:
        return "e:" + std::string(grid::errorText(v.asError()));
    default:
        return "empty";
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xls_formula_sheet OUT.xls < cells\n");
        return 2;
    }
    grid::Sheet sheet;
    sheet.setMaxCols(256);
    sheet.setMaxRows(65536);
    sheet.setAutoCalc(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        size_t tab = line.find('\t');
        grid::CellRef ref;
        if (tab == std::string::npos || !grid::parseA1(line.substr(0, tab), ref))
            continue;
        std::string content = line.substr(tab + 1);
        if (!content.empty() && content[0] == '=') {
            if (!sheet.setFormula(ref.col, ref.row, content, grid::RefStyle::A1).ok)
                std::printf("%s\tunparsed\t\t\n", line.substr(0, tab).c_str());
        } else {
            sheet.setData(ref.col, ref.row, content);
        }
    }
    sheet.recalcAll();
    sheet.forEachCellByRow([&](int32_t col, int32_t row) {
        const grid::FormulaCode* code = grid::xls::cellFormula(sheet, col, row);
        if (!code)
            return;
        grid::xls::Book scratch;
        std::string tokens;
        grid::xls::FormulaFit fit = grid::xls::encodeFormula(*code, col, row, scratch, tokens);
        std::printf("%s%d\t%s\t%s\t%s\n", grid::columnLetters(col).c_str(), row, fitName(fit),
                    valueText(sheet.value(col, row)).c_str(),
                    sheet.formula(col, row, grid::RefStyle::A1).c_str());
    });
    grid::XlsFormulaCounts counts;
    grid::IoStatus st = grid::exportXlsFile(sheet, argv[1], grid::XlsExportOptions{}, &counts);
    if (!st.ok()) {
        std::fprintf(stderr, "xls_formula_sheet: %s\n", st.message().c_str());
        return 1;
    }
    std::fprintf(stderr, "%d formulas, %d as values\n", counts.asFormulas, counts.asValues);
    return 0;
}

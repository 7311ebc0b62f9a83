#include "apps/kwsheet/CalcCommand.h"

#include <iostream>
#include <string>
#include <vector>

#include "platform/grid/engine/Sheet.h"

namespace {

struct InputCell {
    grid::CellRef ref;
    std::string content;
    int line;
};

// "B3" or "R3C2".
bool parseRef(const std::string& text, grid::CellRef& out) {
    if (grid::parseA1(text, out))
        return true;
    if (text.size() < 4 || (text[0] != 'R' && text[0] != 'r'))
        return false;
    size_t c = text.find_first_of("Cc", 1);
    if (c == std::string::npos || c == 1 || c + 1 == text.size())
        return false;
    try {
        size_t used = 0;
        long row = std::stol(text.substr(1, c - 1), &used);
        if (used != c - 1)
            return false;
        long col = std::stol(text.substr(c + 1), &used);
        if (used != text.size() - c - 1)
            return false;
        if (row < 1 || col < 1 || row > grid::Sheet::kLimitRows || col > grid::Sheet::kLimitCols)
            return false;
        out = {static_cast<int32_t>(col), static_cast<int32_t>(row)};
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

int runCalc(int argc, char** argv) {
    return runCalc(argc, argv, std::cin, std::cout, std::cerr);
}

int runCalc(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
    grid::RefStyle style = grid::RefStyle::Default;
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        std::string value;
        if (a == "--style" && i + 1 < argc)
            value = argv[++i];
        else if (a.rfind("--style=", 0) == 0)
            value = a.substr(8);
        else {
            err << "kwsheet calc: unknown argument '" << a << "'\n";
            return 2;
        }
        if (value == "default")
            style = grid::RefStyle::Default;
        else if (value == "a1")
            style = grid::RefStyle::A1;
        else if (value == "r1c1")
            style = grid::RefStyle::R1C1;
        else {
            err << "kwsheet calc: unknown style '" << value << "' (default, a1 or r1c1)\n";
            return 2;
        }
    }

    std::vector<InputCell> cells;
    int32_t maxCol = 1, maxRow = 1;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            err << "kwsheet calc: line " << lineNo << ": expected REF<TAB>CONTENT\n";
            return 1;
        }
        InputCell c;
        if (!parseRef(line.substr(0, tab), c.ref)) {
            err << "kwsheet calc: line " << lineNo << ": bad cell reference '"
                << line.substr(0, tab) << "'\n";
            return 1;
        }
        // A constant beyond the sheet is refused as a formula there is.
        if (c.ref.col > grid::Sheet::kLimitCols || c.ref.row > grid::Sheet::kLimitRows) {
            err << "kwsheet calc: line " << lineNo << ": cell " << line.substr(0, tab)
                << " is outside the sheet (" << grid::columnLetters(grid::Sheet::kLimitCols)
                << grid::Sheet::kLimitRows << " is the last cell)\n";
            return 1;
        }
        c.content = line.substr(tab + 1);
        c.line = lineNo;
        maxCol = std::max(maxCol, c.ref.col);
        maxRow = std::max(maxRow, c.ref.row);
        cells.push_back(std::move(c));
    }

    grid::Sheet sheet;
    sheet.setAutoCalc(false);
    sheet.setRefStyle(style);
    sheet.setMaxCols(maxCol);
    sheet.setMaxRows(maxRow);
    for (const InputCell& c : cells) {
        if (c.content.empty()) {
            sheet.clearContents(c.ref.col, c.ref.row);
        } else if (c.content[0] == '=') {
            if (c.content.find_first_not_of(" \t", 1) == std::string::npos) {
                err << "kwsheet calc: line " << c.line << ": formula without an expression\n";
                return 1;
            }
            grid::FormulaStatus st = sheet.setFormula(c.ref.col, c.ref.row, c.content);
            if (!st.ok) {
                err << "kwsheet calc: line " << c.line << ": " << st.message << "\n";
                return 1;
            }
        } else {
            double v;
            bool set = grid::parseNumber(c.content, v) &&
                               c.content.find_first_of(" \t") == std::string::npos
                           ? sheet.setNumber(c.ref.col, c.ref.row, v)
                           : sheet.setText(c.ref.col, c.ref.row, c.content);
            if (!set) {
                err << "kwsheet calc: line " << c.line << ": the sheet refused the constant\n";
                return 1;
            }
        }
    }
    sheet.recalcAll();
    sheet.forEachCellByRow([&](int32_t col, int32_t row) {
        if (col < 1 || row < 1)
            return;
        out << grid::columnLetters(col) << row << '\t' << sheet.value(col, row).toString() << '\n';
    });
    return 0;
}

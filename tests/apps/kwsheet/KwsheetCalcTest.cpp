// kwsheet calc: the function table checked against LibreOffice Calc's results
// in all three reference styles, output format, and bad input.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "apps/kwsheet/CalcCommand.h"
#include "platform/grid/engine/Sheet.h"

namespace {

struct CalcRun {
    int rc;
    std::string out, err;
};

CalcRun calc(const std::string& input, std::vector<std::string> args = {}) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    std::istringstream in(input);
    std::ostringstream out, err;
    int rc = runCalc(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {rc, out.str(), err.str()};
}

std::map<std::string, std::string> cells(const std::string& out) {
    std::map<std::string, std::string> m;
    std::istringstream s(out);
    std::string line;
    while (std::getline(s, line)) {
        auto tab = line.find('\t');
        m[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return m;
}

struct Row {
    std::string formula, expected;
};

std::vector<Row> table(const std::string& name) {
    std::ifstream f(std::string(TVL_SOURCE_DIR) + "/tests/apps/kwsheet/data/" + name);
    std::vector<Row> rows;
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        auto t1 = line.find('\t'), t2 = line.find('\t', t1 + 1);
        rows.push_back({line.substr(0, t1), line.substr(t1 + 1, t2 - t1 - 1)});
    }
    return rows;
}

// The fixed cells of the table, as A1-notation formulas and constants.
const char* const kFixed[][2] = {
    {"A1", "1"},       {"A2", "2"},     {"A3", "3"},      {"A4", "-4.5"},  {"A5", "text"},
    {"A6", "=TRUE()"}, {"A8", "0"},     {"A9", "=\"5\""}, {"B1", "10"},    {"B2", "20"},
    {"B3", "30"},      {"B4", "40"},    {"B5", "50"},     {"C1", "a"},     {"C2", "b"},
    {"C3", "c"},       {"C4", "d"},     {"C5", "e"},      {"A12", "1"},    {"B12", "2"},
    {"C12", "3"},      {"D12", "4"},    {"E12", "5"},     {"A13", "one"},  {"B13", "two"},
    {"C13", "three"},  {"D13", "four"}, {"E13", "five"},  {"D1", "Äpfel"}, {"D2", "apfel"},
    {"D3", "Zebra"},   {"D4", "über"},  {"D5", "Ölfeld"}, {"E1", "1"},     {"E2", "2"},
    {"E3", "3"},       {"E4", "4"},     {"E5", "5"},      {"F1", "a"},     {"F2", "ä"},
    {"F3", "b"},       {"F4", "z"},
};

// Rewrites an A1-notation formula for the cell (col,row) in another style.
std::string restyle(const std::string& a1, int col, int row, grid::RefStyle style) {
    grid::Sheet s;
    s.setMaxCols(10);
    s.setMaxRows(1000);
    s.setAutoCalc(false);
    if (!s.setFormula(col, row, a1, grid::RefStyle::A1).ok)
        return {};
    return "=" + s.formula(col, row, style);
}

// A reference the style cannot write comes out as '?' (outside string literals and
// the error literal #NAME?).
bool hasUnwritableReference(const std::string& formula) {
    bool quoted = false;
    for (size_t i = 0; i < formula.size(); ++i) {
        if (formula[i] == '"')
            quoted = !quoted;
        else if (formula[i] == '?' && !quoted &&
                 !(i >= 5 && formula.compare(i - 5, 5, "#NAME") == 0))
            return true;
    }
    return false;
}

// Formulas go in batches of 40 into G1:G40 of a sheet of their own, as the script
// that asks LibreOffice places them (libreoffice_check.py).
constexpr size_t kBatch = 40;

void checkTable(const std::string& name, size_t minRows, grid::RefStyle style,
                const char* styleName) {
    std::vector<Row> rows = table(name);
    ASSERT_GE(rows.size(), minRows) << name;
    std::string fixed;
    for (const auto& f : kFixed) {
        grid::CellRef ref;
        ASSERT_TRUE(grid::parseA1(f[0], ref));
        std::string content = f[1];
        if (content[0] == '=')
            content = restyle(content.substr(1), ref.col, ref.row, style);
        fixed += std::string(f[0]) + "\t" + content + "\n";
    }
    for (size_t first = 0; first < rows.size(); first += kBatch) {
        size_t end = std::min(rows.size(), first + kBatch);
        std::string input = fixed;
        for (size_t i = first; i < end; ++i) {
            int row = static_cast<int>(i - first) + 1;
            std::string f = restyle(rows[i].formula, 7, row, style);
            ASSERT_FALSE(f.empty()) << rows[i].formula;
            ASSERT_FALSE(hasUnwritableReference(f)) << rows[i].formula;
            input += "G" + std::to_string(row) + "\t" + f + "\n";
        }
        CalcRun r = calc(input, {"--style", styleName});
        ASSERT_EQ(r.rc, 0) << r.err;
        auto out = cells(r.out);
        for (size_t i = first; i < end; ++i)
            EXPECT_EQ(out["G" + std::to_string(i - first + 1)], rows[i].expected)
                << rows[i].formula << " (" << name << ", " << styleName << ")";
    }
}

void checkAllStyles(const std::string& name, size_t minRows) {
    checkTable(name, minRows, grid::RefStyle::A1, "a1");
    checkTable(name, minRows, grid::RefStyle::Default, "default");
    checkTable(name, minRows, grid::RefStyle::R1C1, "r1c1");
}

} // namespace

// Each table is checked in all three reference styles.
TEST(KwsheetCalcTest, BasicFunctionsGiveLibreOfficesResults) {
    checkAllStyles("functions.tsv", 200);
}
TEST(KwsheetCalcTest, DateFunctionsGiveLibreOfficesResults) {
    checkAllStyles("dates.tsv", 100);
}
TEST(KwsheetCalcTest, StatisticsGiveLibreOfficesResults) {
    checkAllStyles("statistics.tsv", 80);
}
TEST(KwsheetCalcTest, MathsGiveLibreOfficesResults) {
    checkAllStyles("maths.tsv", 80);
}
TEST(KwsheetCalcTest, TextFunctionsGiveLibreOfficesResults) {
    checkAllStyles("text.tsv", 80);
}
TEST(KwsheetCalcTest, ReferenceFunctionsGiveLibreOfficesResults) {
    checkAllStyles("references.tsv", 50);
}
TEST(KwsheetCalcTest, FinanceAndUnitsGiveLibreOfficesResults) {
    checkAllStyles("finance.tsv", 50);
}

TEST(KwsheetCalcTest, PrintsEveryNonEmptyCellRowByRow) {
    CalcRun r = calc("B2\t=A1*2\nA1\t21\nA2\thello world\nC1\t1e3\nB1\t 7 \nD1\t=1=1\nE1\t\n");
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "A1\t21\nB1\t 7 \nC1\t1000\nD1\tTRUE\nA2\thello world\nB2\t42\n");
    // The default style reads A1 as an absolute address.
    r = calc("A1\t5\nA2\t=#1*2+A1\n", {"--style=default"});
    EXPECT_EQ(r.out, "A1\t5\nA2\t15\n");
    r = calc("A1\t5\nB1\t=RC[-1]*R1C1\n", {"--style", "r1c1"});
    EXPECT_EQ(r.out, "A1\t5\nB1\t25\n");
}

TEST(KwsheetCalcTest, BadInputFailsWithOneLine) {
    const std::pair<const char*, int> cases[] = {
        {"A1 5\n", 1}, {"1A\t5\n", 1}, {"A0\t5\n", 1}, {"A1\t=1+\n", 1}, {"A1\t=SUM(\n", 1},
    };
    for (const auto& [input, rc] : cases) {
        CalcRun r = calc(input);
        EXPECT_EQ(r.rc, rc) << input;
        EXPECT_TRUE(r.out.empty()) << input;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(calc("", {"--style", "xyz"}).rc, 2);
    EXPECT_EQ(calc("", {"--bogus"}).rc, 2);
    EXPECT_EQ(calc("").rc, 0);
}

TEST(KwsheetCalcTest, RefusesConstantsBeyondTheSheetLikeFormulas) {
    // Column AVLG (32,767) is the last one; one further is refused for either content.
    CalcRun r = calc("AVLG1\t5\nAVLF1\t=AVLG1*2\n");
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "AVLF1\t10\nAVLG1\t5\n");
    for (const char* content : {"5", "text", "=1+1"}) {
        for (const char* ref : {"AVLH1", "A16777217"}) {
            r = calc(std::string("A1\t1\n") + ref + "\t" + content + "\n");
            EXPECT_EQ(r.rc, 1) << ref << " " << content;
            EXPECT_TRUE(r.out.empty());
            EXPECT_NE(r.err.find("line 2: cell " + std::string(ref) + " is outside the sheet"),
                      std::string::npos)
                << r.err;
        }
    }
}

TEST(KwsheetCalcTest, EqualsSignAloneIsAnError) {
    for (const char* content : {"=", "= ", "=\t"}) {
        CalcRun r = calc(std::string("A1\t") + content + "\n");
        EXPECT_EQ(r.rc, 1) << '"' << content << '"';
        EXPECT_EQ(r.err, "kwsheet calc: line 1: formula without an expression\n");
    }
    // A text that merely starts with a space before '=' stays a text.
    EXPECT_EQ(calc("A1\t =\n").out, "A1\t =\n");
}

// Input is read and output written in blocks of 1 MiB: lines across a block's end,
// a line longer than a block, a last line without newline, CR LF, and an output of
// several blocks, all as line by line.
TEST(KwsheetCalcTest, LinesAndOutputAcrossBlocks) {
    std::string input = "A1\t" + std::string(3 << 20, 'x') + "\r\n\nB1\t1\n";
    for (int r = 2; r <= 60000; ++r)
        input += "B" + std::to_string(r) + "\t=B" + std::to_string(r - 1) + "+1\r\n";
    input += "C1\t=LEN(A1)"; // no newline at the end
    CalcRun r = calc(input, {"--style=a1"});
    ASSERT_EQ(r.rc, 0) << r.err;
    ASSERT_GT(r.out.size(), size_t{3} << 20);
    std::map<std::string, std::string> out = cells(r.out);
    EXPECT_EQ(out.size(), 60002u);
    EXPECT_EQ(out["A1"].size(), size_t{3} << 20);
    EXPECT_EQ(out["B60000"], "60000");
    EXPECT_EQ(out["C1"], "3145728");
    // The line count of a failure counts the empty line too.
    r = calc("A1\t1\n\nA2\t=1+\n");
    EXPECT_EQ(r.err.rfind("kwsheet calc: line 3:", 0), 0u) << r.err;
}

// The BIFF8 tokens of engine formulas: references and their flags at the edge of
// the format's sheet, literals at their limits, operators, functions by number,
// count and name, and everything that has to be written as a value instead.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "platform/grid/engine/Functions.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/XlsFormula.h"

namespace grid::xls {
namespace {

struct Encoded {
    FormulaFit fit = FormulaFit::Malformed;
    std::string hex; // the tokens, "1E 01 00 ..."
};

std::string hexOf(const std::string& bytes) {
    std::string s;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        if (!s.empty())
            s += ' ';
        s += buf;
    }
    return s;
}

// `a1` (A1 notation) as the formula of the cell (col,row), encoded into `book`.
Encoded encode(const std::string& a1, Book& book, int32_t col = 2, int32_t row = 2) {
    grid::Sheet s;
    s.setMaxCols(300);
    s.setMaxRows(70000);
    s.setAutoCalc(false);
    FormulaStatus st = s.setFormula(col, row, a1, RefStyle::A1);
    EXPECT_TRUE(st.ok) << a1 << ": " << st.message;
    Encoded e;
    const FormulaCode* code = cellFormula(s, col, row);
    if (!code)
        return e;
    std::string bytes;
    e.fit = encodeFormula(*code, col, row, book, bytes);
    e.hex = hexOf(bytes);
    return e;
}

Encoded encode(const std::string& a1, int32_t col = 2, int32_t row = 2) {
    Book book;
    return encode(a1, book, col, row);
}

struct Case {
    const char* formula;
    const char* hex; // null: not written (see fit)
    FormulaFit fit = FormulaFit::Written;
};

void expectCases(std::initializer_list<Case> cases, int32_t col = 2, int32_t row = 2) {
    for (const Case& c : cases) {
        Encoded e = encode(c.formula, col, row);
        EXPECT_EQ(e.fit, c.fit) << c.formula;
        if (c.hex) {
            EXPECT_EQ(e.hex, c.hex) << c.formula;
        }
    }
}

TEST(XlsFormula, ReferencesAreAbsoluteOnTheSheetWithRelativeFlags) {
    // The formula sits in C5 (col 3, row 5): relative parts are stored as the
    // cell they reach, flagged 0x4000 (column) and 0x8000 (row).
    expectCases({{"A1", "44 00 00 00 C0"},
                 {"$A1", "44 00 00 00 80"},
                 {"A$1", "44 00 00 00 40"},
                 {"$A$1", "44 00 00 00 00"},
                 {"IV65536", "44 FF FF FF C0"},
                 {"$IV$65536", "44 FF FF FF 00"},
                 {"IW1", nullptr, FormulaFit::Reference},
                 {"A65537", nullptr, FormulaFit::Reference},
                 {"SUM(A1:$B$2)", "25 00 00 01 00 00 C0 01 00 42 01 04 00"},
                 {"SUM($A1:B$2)", "25 00 00 01 00 00 80 01 40 42 01 04 00"},
                 {"SUM(A1:IV65536)", "25 00 00 FF FF 00 C0 FF C0 42 01 04 00"},
                 {"SUM(A1:IV65537)", nullptr, FormulaFit::Reference},
                 {"SUM(A1:IW1)", nullptr, FormulaFit::Reference}},
                3, 5);
}

TEST(XlsFormula, WholeColumnsAndRowsEndWhereTheFormatsSheetEnds) {
    expectCases({{"SUM(B:B)", "25 00 00 FF FF 01 40 01 40 42 01 04 00"},
                 {"SUM($B:C)", "25 00 00 FF FF 01 00 02 40 42 01 04 00"},
                 {"SUM(2:2)", "25 01 00 01 00 00 80 FF 80 42 01 04 00"},
                 {"SUM($2:3)", "25 01 00 02 00 00 00 FF 80 42 01 04 00"},
                 {"SUM(IV:IV)", "25 00 00 FF FF FF 40 FF 40 42 01 04 00"},
                 {"SUM(IW:IW)", nullptr, FormulaFit::Reference},
                 {"SUM(65536:65536)", "25 FF FF FF FF 00 80 FF 80 42 01 04 00"},
                 {"SUM(65537:65537)", nullptr, FormulaFit::Reference}});
}

TEST(XlsFormula, LiteralsUpToTheirLimits) {
    std::string s255(255, 'x'), s256(256, 'x');
    expectCases({{"65535", "1E FF FF"},
                 {"0", "1E 00 00"},
                 {"65536", "1F 00 00 00 00 00 00 F0 40"},
                 {"0.5", "1F 00 00 00 00 00 00 E0 3F"},
                 {"-1", "1E 01 00 13"},
                 {"\"ab\"", "17 02 00 61 62"},
                 {"\"\"", "17 00 00"},
                 {"\"\xC3\xA9\"", "17 01 00 E9"},        // Latin-1: one byte a character
                 {"\"\xE2\x82\xAC\"", "17 01 01 AC 20"}, // two bytes once one needs them
                 {"TRUE", "1D 01"},
                 {"FALSE", "1D 00"},
                 {"TRUE()", "41 22 00"},
                 {"#N/A", "1C 2A"},
                 {"#DIV/0!", nullptr, FormulaFit::Literal},
                 {"ISERROR(#VALUE!)", nullptr, FormulaFit::Literal},
                 {"IF(A1,,1)", nullptr}});
    EXPECT_EQ(encode("\"" + s255 + "\"").fit, FormulaFit::Written);
    EXPECT_EQ(encode("\"" + s256 + "\"").fit, FormulaFit::Literal);
    EXPECT_NE(encode("IF(A1,,1)").hex.find(" 16 "), std::string::npos);
}

TEST(XlsFormula, OperatorsInPostfixOrder) {
    expectCases(
        {{"1+2", "1E 01 00 1E 02 00 03"},
         {"1-2", "1E 01 00 1E 02 00 04"},
         {"1*2", "1E 01 00 1E 02 00 05"},
         {"1/2", "1E 01 00 1E 02 00 06"},
         {"1^2", "1E 01 00 1E 02 00 07"},
         {"1&2", "1E 01 00 1E 02 00 08"},
         {"1<2", "1E 01 00 1E 02 00 09"},
         {"1<=2", "1E 01 00 1E 02 00 0A"},
         {"1=2", "1E 01 00 1E 02 00 0B"},
         {"1>=2", "1E 01 00 1E 02 00 0C"},
         {"1>2", "1E 01 00 1E 02 00 0D"},
         {"1<>2", "1E 01 00 1E 02 00 0E"},
         {"+1", "1E 01 00 12"},
         {"-(1)", "1E 01 00 15 13"},
         {"50%", "1E 32 00 14"},
         {"(1+2)*3", "1E 01 00 1E 02 00 03 15 1E 03 00 05"},
         // Range and intersection take references (class R, 0x24/0x25).
         {"SUM(A1:B2 B2:C3)",
          "25 00 00 01 00 00 C0 01 C0 25 01 00 02 00 01 C0 02 C0 0F 42 01 04 00"},
         {"SUM(A1:INDEX(A1:B2,1,1))",
          "24 00 00 00 C0 25 00 00 01 00 00 C0 01 C0 1E 01 00 1E 01 00 22 03 1D 00 11 42 01 04 00"},
         // An operand is a value (0x44), an argument the class its function asks
         // for, and inside an array argument the operands are arrays too (0x65).
         {"A1+ABS(A1)", "44 00 00 00 C0 44 00 00 00 C0 41 18 00 03"},
         {"SUMPRODUCT(A1:A2*B1:B2)",
          "65 00 00 01 00 00 C0 00 C0 65 00 00 01 00 01 C0 01 C0 05 42 01 E4 00"}});
}

TEST(XlsFormula, FunctionsByNumberWithTheFormatsArgumentCounts) {
    std::string args30 = "1";
    for (int i = 1; i < 30; ++i)
        args30 += ",1";
    expectCases({{"ABS(1)", "1E 01 00 41 18 00"},
                 {"SUM(1,2)", "1E 01 00 1E 02 00 42 02 04 00"},
                 {"PI()", "41 13 00"},
                 {"ROUND(1,0)", "1E 01 00 1E 00 00 41 1B 00"},
                 {"ROUND(1)", "1E 01 00 1E 00 00 41 1B 00"}, // the format's ROUND takes two
                 {"ROUNDDOWN(1)", "1E 01 00 1E 00 00 41 D5 00"},
                 {"IF(1)", nullptr, FormulaFit::Function},
                 {"CEILING(1,0.5)", "1E 01 00 1F 00 00 00 00 00 00 E0 3F 41 20 01"},
                 {"CEILING(1,-1)", nullptr, FormulaFit::Function},
                 {"FLOOR(1,A1)", nullptr, FormulaFit::Function},
                 {"FLOOR(1,0)", nullptr, FormulaFit::Function},
                 {"XLOOKUP(1,A1:A2,B1:B2)", nullptr, FormulaFit::Function},
                 {"MYFUNCTION(1)", nullptr, FormulaFit::Name},
                 {"price*2", nullptr, FormulaFit::Name}});
    EXPECT_EQ(encode("SUM(" + args30 + ")").fit, FormulaFit::Written);
    EXPECT_EQ(encode("SUM(" + args30 + ",1)").fit, FormulaFit::Function);
}

TEST(XlsFormula, IfCarriesItsJumpsAndVolatileFormulasTheirMark) {
    // tAttrIf jumps over the true part and its skip; each skip lands on the end
    // of the call less one.
    expectCases({{"IF(TRUE,1,2)",
                  "1D 01 19 02 07 00 1E 01 00 19 08 0A 00 1E 02 00 19 08 03 00 42 03 01 00"},
                 {"IF(TRUE,1)", "1D 01 19 02 07 00 1E 01 00 19 08 03 00 42 02 01 00"},
                 {"IF(TRUE,IF(FALSE,1,2),3)",
                  "1D 01 19 02 1C 00 1D 00 19 02 07 00 1E 01 00 19 08 0A 00 1E 02 00 19 08 03 00 "
                  "42 03 01 00 19 08 0A 00 1E 03 00 19 08 03 00 42 03 01 00"},
                 {"CHOOSE(2,\"a\",\"b\")", "1E 02 00 17 01 00 61 17 01 00 62 42 03 64 00"},
                 {"NOW()", "19 01 00 00 41 4A 00"},
                 {"1+OFFSET(A1,1,1)",
                  "19 01 00 00 1E 01 00 24 00 00 00 C0 1E 01 00 1E 01 00 42 03 4E 00 03"}});
}

TEST(XlsFormula, NewerAndAddInFunctionsByNameSharedAcrossFormulas) {
    Book book;
    Encoded a = encode("IFERROR(1,2)", book);
    EXPECT_EQ(a.hex, "23 01 00 00 00 1E 01 00 1E 02 00 42 03 FF 00");
    Encoded b = encode("EDATE(1,2)+IFNA(1,2)+IFERROR(3,4)", book);
    EXPECT_EQ(b.hex, "39 00 00 01 00 00 00 1E 01 00 1E 02 00 42 03 FF 00 "
                     "23 02 00 00 00 1E 01 00 1E 02 00 42 03 FF 00 03 "
                     "23 01 00 00 00 1E 03 00 1E 04 00 42 03 FF 00 03");
    EXPECT_EQ(book.functionNames, (std::vector<std::string>{"_xlfn.IFERROR", "_xlfn.IFNA"}));
    EXPECT_EQ(book.addInNames, std::vector<std::string>{"EDATE"});
    // The name counts as an argument: 29 of the function's own at most.
    std::string args;
    for (int i = 0; i < 29; ++i)
        args += (i ? ",1" : "1");
    EXPECT_EQ(encode("GCD(" + args + ")", book).fit, FormulaFit::Written);
    EXPECT_EQ(encode("GCD(" + args + ",1)", book).fit, FormulaFit::Function);
}

TEST(XlsFormula, WhatCannotBeWrittenLeavesTheBookAlone) {
    Book book;
    // The names of the parts before the fault are not kept.
    EXPECT_EQ(encode("IFERROR(EDATE(1,2),IF(1))", book).fit, FormulaFit::Function);
    EXPECT_EQ(encode("IFNA(A70000,1)", book).fit, FormulaFit::Reference);
    EXPECT_TRUE(book.functionNames.empty());
    EXPECT_TRUE(book.addInNames.empty());

    // A1+A1+... takes 6 bytes a term less one: 300 terms fit in 1800 bytes, 301 do not.
    auto sum = [](int terms) {
        std::string s = "A1";
        for (int i = 1; i < terms; ++i)
            s += "+A1";
        return s;
    };
    EXPECT_EQ(encode(sum(300)).fit, FormulaFit::Written);
    EXPECT_EQ(encode(sum(301)).fit, FormulaFit::TooLong);

    // Token lists that are no single expression.
    for (std::vector<Op> ops :
         {std::vector<Op>{Op::Add}, std::vector<Op>{Op::Number, Op::Number}, std::vector<Op>{}}) {
        FormulaCode code;
        for (Op op : ops)
            code.tokens.push_back(Token{op});
        std::string out = "untouched";
        EXPECT_EQ(encodeFormula(code, 1, 1, book, out), FormulaFit::Malformed);
        EXPECT_EQ(out, "untouched");
    }
}

// Walks the tokens by their sizes: true when they end exactly at the end and
// every jump of tAttrIf / tAttrSkip lands inside the formula.
bool wellFormed(const std::string& t) {
    size_t at = 0;
    auto u8 = [&](size_t i) { return static_cast<uint8_t>(t[i]); };
    while (at < t.size()) {
        uint8_t id = u8(at);
        size_t n = 0;
        if (id >= 0x03 && id <= 0x16)
            n = 1;
        else if (id == 0x17)
            n = at + 2 < t.size() ? 3 + u8(at + 1) * (u8(at + 2) ? 2 : 1) : 0;
        else if (id == 0x19) {
            n = 4;
            if (at + 3 < t.size() && (u8(at + 1) == 0x02 || u8(at + 1) == 0x08) &&
                at + 4 + (u8(at + 2) | u8(at + 3) << 8) > t.size())
                return false;
        } else if (id == 0x1C || id == 0x1D)
            n = 2;
        else if (id == 0x1E)
            n = 3;
        else if (id == 0x1F)
            n = 9;
        else if (id >= 0x20 && id < 0x80) {
            static const size_t kSizes[] = {0, 3, 4, 5, 5, 9};
            uint8_t base = id & 0x1F;
            n = base == 0x19 ? 7 : base >= 1 && base <= 5 ? kSizes[base] : 0;
        }
        if (n == 0 || at + n > t.size())
            return false;
        at += n;
    }
    return at == t.size();
}

TEST(XlsFormula, AnyTokenListGivesWellFormedTokensOrNone) {
    std::mt19937 random(20261209);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    int written = 0;
    for (int round = 0; round < 20000; ++round) {
        FormulaCode code;
        code.strings = {"a", std::string(300, 'b'), "\xE2\x82\xAC"};
        int n = pick(1, 24);
        for (int i = 0; i < n; ++i) {
            Token t;
            t.op = static_cast<Op>(pick(0, static_cast<int>(Op::Intersect)));
            t.flags = static_cast<uint8_t>(pick(0, 63));
            t.argc = static_cast<uint16_t>(pick(0, 4));
            t.a = pick(-3, 300);
            t.b = pick(-3, 70000);
            t.c = pick(-3, 300);
            t.d = pick(-3, 70000);
            if (t.op == Op::Func)
                t.a = pick(-1, builtinCount());
            t.num = pick(-2, 70000) / 2.0;
            code.tokens.push_back(t);
        }
        Book book;
        std::string out;
        if (encodeFormula(code, pick(1, 256), pick(1, 65536), book, out) != FormulaFit::Written)
            continue;
        ++written;
        ASSERT_TRUE(wellFormed(out)) << hexOf(out);
        ASSERT_LE(out.size(), kMaxFormulaBytes);
    }
    EXPECT_GT(written, 100); // the walk saw formulas, not only refusals
}

} // namespace
} // namespace grid::xls

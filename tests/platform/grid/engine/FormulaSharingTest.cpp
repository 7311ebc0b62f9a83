// Formulas filled down a column take the code of the one above without being parsed
// (FormulaParser::sameCode): whenever it says so, parsing gives that very code.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/Sheet.h"

using namespace grid;

namespace {

bool parsesTo(std::string_view text, RefStyle style, int32_t col, int32_t row, FormulaCode& out) {
    FormulaParser p;
    return p.parse(text, style, col, row, out).ok;
}

// The template with each "{k}" replaced by row + k.
std::string at(std::string_view tmpl, int64_t row) {
    std::string s;
    for (size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] != '{') {
            s += tmpl[i];
            continue;
        }
        size_t close = tmpl.find('}', i);
        s += std::to_string(row + std::stoll(std::string(tmpl.substr(i + 1, close - i - 1))));
        i = close;
    }
    return s;
}

// Checks the promise on one pair: when sameCode holds, the codes are equal.
void checkPair(const std::string& a, int32_t ra, const std::string& b, int32_t rb, RefStyle st) {
    FormulaCode ca, cb;
    if (!parsesTo(a, st, 3, ra, ca))
        return;
    if (FormulaParser::sameCode(a, ra, b, rb, st)) {
        ASSERT_TRUE(parsesTo(b, st, 3, rb, cb)) << a << " @" << ra << " / " << b << " @" << rb;
        EXPECT_TRUE(ca == cb) << a << " @" << ra << " / " << b << " @" << rb;
    }
}

} // namespace

TEST(FormulaSharingTest, FilledDownFormulasShareTheirCode) {
    // Relative rows ({k}) follow the cell; everything else stays.
    const char* const kFilled[] = {"=A{0}*2+1",          "=B{-1}-A{0}",    "=$A{3}+A$5",
                                   "=LOG10(A{0})",       "=A{0}&\"A5\"",   "=1E5+A{1}",
                                   "=SUM(A{0},B{2},7)",  "=ATAN2(A{0},1)", "=IF(A{0}>3,\"x\",A{1})",
                                   "=a{0}+aa{0}",        "=A{0} B{0}",     "=AVLG{0}+1.25",
                                   "=DAYS360(A{0},B{0})"};
    for (const char* t : kFilled) {
        for (int64_t row : {2, 9, 99, 999999}) {
            for (int64_t step : {1, 2, -1}) {
                if (row + step < 2)
                    continue;
                std::string a = at(t, row), b = at(t, row + step);
                SCOPED_TRACE(a + " / " + b);
                EXPECT_TRUE(FormulaParser::sameCode(a, static_cast<int32_t>(row), b,
                                                    static_cast<int32_t>(row + step),
                                                    RefStyle::A1));
                checkPair(a, static_cast<int32_t>(row), b, static_cast<int32_t>(row + step),
                          RefStyle::A1);
            }
        }
    }
}

TEST(FormulaSharingTest, WhatOnlyLooksFilledDownIsParsed) {
    struct Case {
        const char* a;
        int32_t ra;
        const char* b;
        int32_t rb;
        RefStyle style;
    };
    const Case kCases[] = {
        {"=A1+A1", 1, "=A2+A1", 2, RefStyle::A1},           // the second A1 is relative too
        {"=A$1", 1, "=A$2", 2, RefStyle::A1},               // absolute row
        {"=A1*1E5", 1, "=A2*1E6", 2, RefStyle::A1},         // an exponent, not a row
        {"=LOG10(A1)", 1, "=LOG11(A2)", 2, RefStyle::A1},   // a function name
        {"=\"A1\"&A1", 1, "=\"A2\"&A2", 2, RefStyle::A1},   // inside a text
        {"=SUM(A1:A3)", 1, "=SUM(A2:A4)", 2, RefStyle::A1}, // ranges are parsed
        {"=SUM(1:3)", 1, "=SUM(1:3)", 2, RefStyle::A1},     // whole rows move too
        {"=A1", 1, "=A2", 2, RefStyle::Default},            // absolute in this style
        {"=A1", 1, "=A1", 2, RefStyle::A1},
        {"=A1", 2, "=A0", 1, RefStyle::A1}, // no row 0
        {"=x.A1", 1, "=x.A2", 2, RefStyle::A1},
        {"=AVLH1", 1, "=AVLH2", 2, RefStyle::A1}, // past the last column: a name
        {"=A16777216", 16777216, "=A16777217", 16777217, RefStyle::A1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_FALSE(FormulaParser::sameCode(c.a, c.ra, c.b, c.rb, c.style));
    }
    // In the other styles equal texts give equal codes wherever they are.
    EXPECT_TRUE(FormulaParser::sameCode("=A#-1+R", 4, "=A#-1+R", 9, RefStyle::Default));
    EXPECT_TRUE(FormulaParser::sameCode("=R[-1]C+R2C3", 4, "=R[-1]C+R2C3", 9, RefStyle::R1C1));
}

// Random texts, and the same with most numbers moved by the distance of the rows:
// the promise holds on all of them, and many do share.
TEST(FormulaSharingTest, RandomPairsNeverShareADifferentCode) {
    const char* const kPieces[] = {"A", "b", "$", "1",  "2",  "9",   "0",   "+",      "*",
                                   "(", ")", ",", "\"", "E",  ".",   " ",   "LOG10(", "SUM(",
                                   ":", "#", "x", "ZZ", "A3", "$B2", "C$4", "/"};
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> len(1, 10), piece(0, std::size(kPieces) - 1), row(3, 30),
        step(-2, 2), coin(0, 3);
    int shared = 0;
    for (int n = 0; n < 30000; ++n) {
        std::string a = "=";
        for (int i = len(rng); i > 0; --i)
            a += kPieces[piece(rng)];
        int32_t ra = row(rng), rb = ra + step(rng);
        std::string b;
        for (size_t i = 0; i < a.size();) {
            if (a[i] < '0' || a[i] > '9') {
                b += a[i++];
                continue;
            }
            size_t e = a.find_first_not_of("0123456789", i);
            std::string run = a.substr(i, e == std::string::npos ? e : e - i);
            i = e == std::string::npos ? a.size() : e;
            b += coin(rng) != 0 && run.size() < 9 ? std::to_string(std::stoll(run) + (rb - ra))
                                                  : run;
        }
        for (RefStyle st : {RefStyle::A1, RefStyle::Default, RefStyle::R1C1})
            checkPair(a, ra, b, rb, st);
        shared += FormulaParser::sameCode(a, ra, b, rb, RefStyle::A1) && a != b;
    }
    EXPECT_GT(shared, 100);
}

TEST(FormulaSharingTest, ASheetFilledDownCalculatesAsOneParsedCellByCell) {
    Sheet shared, parsed;
    for (Sheet* s : {&shared, &parsed}) {
        s->setMaxCols(5);
        s->setMaxRows(100);
        s->setRefStyle(RefStyle::A1);
    }
    for (int32_t r = 1; r <= 50; ++r) {
        shared.setNumber(1, r, r);
        parsed.setNumber(1, r, r);
        std::string f = "=A" + std::to_string(r) + "*2+B" + std::to_string(r > 1 ? r - 1 : 1);
        ASSERT_TRUE(shared.setFormula(2, r, f).ok);
        // A fresh sheet per formula has nothing to share.
        Sheet one;
        one.setMaxCols(5);
        one.setMaxRows(100);
        ASSERT_TRUE(one.setFormula(2, r, f, RefStyle::A1).ok);
        ASSERT_TRUE(
            parsed.setFormula(2, r, "=" + one.formula(2, r, RefStyle::R1C1), RefStyle::R1C1).ok);
    }
    for (int32_t r = 1; r <= 50; ++r) {
        EXPECT_EQ(shared.value(2, r), parsed.value(2, r)) << r;
        EXPECT_EQ(shared.formula(2, r, RefStyle::A1), parsed.formula(2, r, RefStyle::A1)) << r;
    }
}

// Random and truncated formula texts: the parser must fail cleanly or produce
// a formula that writes back and reads again to the same text.

#include <gtest/gtest.h>

#include <random>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

namespace {

const char* const kPieces[] = {
    "A1",   "$B$2", "C$3",   "#", "#+1",  "#-2", "R",      "C",      "R[1]",     "C[-1]",
    "R2C3", ":",    "(",     ")", ",",    ";",   "+",      "-",      "*",        "/",
    "^",    "&",    "%",     "=", "<",    ">",   "<=",     "<>",     "\"",       "\"x\"",
    "1",    "2.5",  "1E3",   ".", "SUM(", "IF(", "ROUND(", "INDEX(", "VLOOKUP(", "foo",
    "TRUE", "#N/A", "#REF!", " ", "$",    "[",   "]",      "é",      "\t",       "99999999999",
};

const RefStyle kStyles[] = {RefStyle::Default, RefStyle::A1, RefStyle::R1C1};

std::string randomFormula(std::mt19937& rng) {
    std::uniform_int_distribution<int> len(1, 14), piece(0, std::size(kPieces) - 1);
    std::string s;
    for (int i = len(rng); i > 0; --i)
        s += kPieces[piece(rng)];
    return s;
}

// Parses at (5,7); when accepted, every writable form must read back identically.
void checkRoundTrip(Sheet& s, const std::string& text, RefStyle style) {
    FormulaStatus st = s.setFormula(5, 7, text, style);
    if (!st.ok) {
        EXPECT_GE(st.position, 0);
        return;
    }
    for (RefStyle out : kStyles) {
        std::string written = s.formula(5, 7, out);
        if (written.find('?') != std::string::npos)
            continue;
        Sheet t;
        t.setMaxCols(50);
        t.setMaxRows(50);
        ASSERT_TRUE(t.setFormula(5, 7, written, out).ok)
            << "'" << text << "' wrote '" << written << "'";
        EXPECT_EQ(t.formula(5, 7, out), written) << text;
        EXPECT_EQ(t.formula(5, 7, RefStyle::R1C1), s.formula(5, 7, RefStyle::R1C1)) << text;
    }
}

} // namespace

TEST(FormulaFuzzTest, RandomTextsParseOrFailCleanly) {
    std::mt19937 rng(12345);
    Sheet s;
    s.setMaxCols(50);
    s.setMaxRows(50);
    for (int i = 0; i < 20000; ++i) {
        std::string text = randomFormula(rng);
        checkRoundTrip(s, text, kStyles[i % 3]);
        if (HasFailure())
            FAIL() << "stopped at input " << i;
    }
}

TEST(FormulaFuzzTest, RandomBytesNeverCrashTheParser) {
    std::mt19937 rng(777);
    std::uniform_int_distribution<int> byte(0, 255), len(0, 40);
    Sheet s;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int k = len(rng); k > 0; --k)
            text += static_cast<char>(byte(rng));
        s.setFormula(1, 1, text, kStyles[i % 3]);
    }
    SUCCEED();
}

TEST(FormulaFuzzTest, EveryPrefixOfValidFormulasIsHandled) {
    const char* valid[] = {
        "SUM(A1:B3)*2+IF($C$1>=3,\"ab\"\"c\",-#N/A)",
        "VLOOKUP(\"x\",$A$1:$C$9,2,FALSE)&TEXT",
        "ROUND(R[-1]C[2]/R2C3%,2)^2",
        "sum(#2:#5)+A#-1*#+1#",
    };
    Sheet s;
    s.setMaxCols(50);
    s.setMaxRows(50);
    for (const char* f : valid) {
        std::string text(f);
        for (size_t n = 0; n <= text.size(); ++n)
            for (RefStyle style : kStyles)
                checkRoundTrip(s, text.substr(0, n), style);
    }
}

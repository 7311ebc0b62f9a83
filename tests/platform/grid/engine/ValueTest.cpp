#include <gtest/gtest.h>

#include "platform/grid/engine/CellRef.h"
#include "platform/grid/engine/Value.h"

using namespace grid;

TEST(ValueTest, NumbersPrintWithFifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-3, "-3"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {1e20, "1E+20"},
        {1.5e-7, "1.5E-07"},
        {0.000012345, "0.000012345"},
        {-2.5e100, "-2.5E+100"},
        {1e-300, "1E-300"},
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(formatNumber(v), text) << v;
}

TEST(ValueTest, ParseNumberTakesOnlyWholeDecimalTexts) {
    const std::pair<const char*, double> good[] = {
        {"1", 1}, {" 2.5 ", 2.5}, {"-3", -3}, {"+4", 4}, {".5", 0.5}, {"1e3", 1000}, {"1E-2", 0.01},
    };
    for (const auto& [text, v] : good) {
        double out = 0;
        EXPECT_TRUE(parseNumber(text, out)) << text;
        EXPECT_DOUBLE_EQ(out, v) << text;
    }
    for (const char* bad :
         {"", " ", "abc", "1a", "1,5", "0x10", "inf", "nan", "1e", "--1", "+-1", "1 2", "1e999"}) {
        double out = 7;
        EXPECT_FALSE(parseNumber(bad, out)) << bad;
        EXPECT_EQ(out, 7) << bad;
    }
}

TEST(ValueTest, ValueTextsAndErrorNames) {
    EXPECT_EQ(Value::boolean(true).toString(), "TRUE");
    EXPECT_EQ(Value::boolean(false).toString(), "FALSE");
    EXPECT_EQ(Value().toString(), "");
    EXPECT_EQ(Value::error(ErrorCode::Div0).toString(), "#DIV/0!");
    for (auto e : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                   ErrorCode::Name, ErrorCode::Num, ErrorCode::NA, ErrorCode::Circular})
        EXPECT_EQ(parseErrorText(errorText(e)), e);
    EXPECT_EQ(parseErrorText("#n/a"), ErrorCode::NA);
    EXPECT_EQ(parseErrorText("#NOPE"), ErrorCode::None);
}

TEST(ValueTest, ColumnLettersAndA1Addresses) {
    EXPECT_EQ(columnLetters(1), "A");
    EXPECT_EQ(columnLetters(26), "Z");
    EXPECT_EQ(columnLetters(27), "AA");
    EXPECT_EQ(columnLetters(702), "ZZ");
    EXPECT_EQ(columnLetters(703), "AAA");
    EXPECT_EQ(columnLetters(0), "");
    CellRef r;
    ASSERT_TRUE(parseA1("b3", r));
    EXPECT_EQ(r, (CellRef{2, 3}));
    ASSERT_TRUE(parseA1("AA10", r));
    EXPECT_EQ(r, (CellRef{27, 10}));
    for (const char* bad : {"", "A", "3", "A0", "$A$1", "A1B", "1A"})
        EXPECT_FALSE(parseA1(bad, r)) << bad;
}

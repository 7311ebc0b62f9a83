#include "core/model/Expression.h"
#include "TestSupport.h"
#include "core/model/SampleModel.h"

#include <gtest/gtest.h>

#include <map>

using model::Expression;

namespace {

bool evaluate(const wchar_t* text, double& value, Tvl_String& error) {
    const std::map<std::wstring, double> names = {{L"a", 2}, {L"b", 0}, {L"Plate.T", 15}};
    Expression e;
    if (!e.parse(text, error))
        return false;
    return e.evaluate(
        [&](const std::wstring& name, double& v) {
            auto it = names.find(name);
            if (it == names.end())
                return false;
            v = it->second;
            return true;
        },
        value, error);
}

} // namespace

TEST(Expression, EvaluatesWithPrecedenceFunctionsAndLogic) {
    const struct {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"1 + 2 * 3", 7},
        {L"(1 + 2) * 3", 9},
        {L"2 ^ 3 ^ 2", 512},
        {L"-2 ^ 2", -4},
        {L"10 % 4", 2},
        {L"a * Plate.T", 30},
        {L"7.85e-3 * 1000", 7.85},
        {L"min(3, a, 5)", 2},
        {L"max(a)", 2},
        {L"round(2.345, 2)", 2.35},
        {L"round(2.5)", 3},
        {L"floor(-1.5)", -2},
        {L"ceil(1.2)", 2},
        {L"abs(-3)", 3},
        {L"sqrt(16)", 4},
        {L"if(a > 1, 10, 20)", 10},
        {L"a >= 2 && b == 0", 1},
        {L"a < 2 || b != 0", 0},
        {L"!b", 1},
        {L"b != 0 && 1 / b > 1", 0},
        {L"b == 0 || 1 / b", 1},
        {L" +a - -a ", 4},
    };
    for (const auto& c : cases) {
        double value = -999;
        Tvl_String error;
        EXPECT_TRUE(evaluate(c.text, value, error))
            << Tvl_String(c.text).toUtf8() << ": " << error.toUtf8();
        EXPECT_NEAR(value, c.value, 1e-9) << Tvl_String(c.text).toUtf8();
    }
}

TEST(Expression, SyntaxErrorsSayWhere) {
    for (const wchar_t* text : {L"", L"1 +", L"(1", L"1 2", L"a $ b", L"min(1,", L"* 2", L")"}) {
        Expression e;
        Tvl_String error;
        EXPECT_FALSE(e.parse(text, error)) << Tvl_String(text).toUtf8();
        EXPECT_TRUE(error.contains(L"position")) << error.toUtf8();
        EXPECT_TRUE(e.isEmpty());
    }
    // Hostile nesting is refused instead of exhausting the stack.
    std::wstring deep(100000, L'(');
    Expression e;
    Tvl_String error;
    EXPECT_FALSE(e.parse(Tvl_String(deep + L"1"), error));
    EXPECT_TRUE(error.contains(L"nested too deeply"));
    std::wstring minus(100000, L'-');
    EXPECT_FALSE(e.parse(Tvl_String(minus + L"1"), error));
}

TEST(Expression, FailuresAreResultsNotNumbers) {
    const struct {
        const wchar_t* text;
        const wchar_t* error;
    } cases[] = {
        {L"1 / b", L"division by zero"},  {L"5 % b", L"division by zero"},
        {L"sqrt(-1)", L"negative"},       {L"c + 1", L"unknown name \"c\""},
        {L"foo(1)", L"unknown function"}, {L"min()", L"at least 1"},
        {L"if(1, 2)", L"3 arguments"},    {L"10 ^ 400", L"not a finite number"},
    };
    for (const auto& c : cases) {
        double value = 0;
        Tvl_String error;
        EXPECT_FALSE(evaluate(c.text, value, error)) << Tvl_String(c.text).toUtf8();
        EXPECT_TRUE(error.contains(c.error)) << error.toUtf8();
    }
}

TEST(Expression, NamesInOrderOfAppearance) {
    Expression e;
    Tvl_String error;
    ASSERT_TRUE(e.parse(L"b + Plate.T * min(b, a_1) + bolt_d", error));
    EXPECT_EQ(e.names(), (std::vector<std::wstring>{L"b", L"Plate.T", L"a_1", L"bolt_d"}));
    Expression copy = e;
    EXPECT_EQ(copy.text(), L"b + Plate.T * min(b, a_1) + bolt_d");
}

TEST(ModelNumbers, AtMostTwoDecimalsWithoutTrailingZeros) {
    const struct {
        double value;
        const wchar_t* text;
    } cases[] = {{340, L"340"},
                 {12.5, L"12.5"},
                 {7.25, L"7.25"},
                 {0.125, L"0.13"},
                 {-0.004, L"0"},
                 {-2.5, L"-2.5"},
                 {0.05, L"0.05"},
                 {1e20, L"100000000000000000000.00"},
                 {-1234.567, L"-1234.57"},
                 {9.999, L"10"},
                 {0.1 + 0.2, L"0.3"}};
    for (const auto& c : cases)
        EXPECT_EQ(model::formatModelNumber(c.value), c.text) << c.value;
}

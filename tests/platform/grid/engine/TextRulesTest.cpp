// Texts in formulas: the length limit of built texts (cell contents that grow
// through chains of cells), and the Unicode rules of ordering and look-ups.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/grid/engine/Evaluator.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/UnicodeText.h"
#include "tests/platform/grid/engine/SizedSheet.h"

using namespace grid;

TEST(TextRulesTest, TextsGrowingThroughCellsStopAtTheLimit) {
    Sheet s;
    sized(s, 3, 40);
    // Each row doubles the text of the row above: 2^15 = 32,768 is one too many.
    s.setText(1, 1, "x");
    for (int row = 2; row <= 40; ++row)
        s.setFormula(1, row, "A" + std::to_string(row - 1) + "&A" + std::to_string(row - 1));
    s.setFormula(2, 1, "LEN(A15)");
    s.setFormula(2, 2, "LEN(A16)&\"\"");
    EXPECT_EQ(s.value(2, 1), Value::number(16384));
    EXPECT_EQ(s.value(1, 16), Value::error(ErrorCode::Value));
    EXPECT_EQ(s.value(1, 40), Value::error(ErrorCode::Value));
    // Exactly 32,767: one short of doubling, built by REPT and joined with a cell.
    s.setFormula(3, 1, "A15&REPT(\"y\",16383)");
    s.setFormula(3, 2, "A15&REPT(\"y\",16384)");
    EXPECT_EQ(text::charCount(s.value(3, 1).asText()), 32767);
    EXPECT_EQ(s.value(3, 2), Value::error(ErrorCode::Value));
}

TEST(TextRulesTest, EmptyTextsRepeatAtOnceAndHugeCountsFail) {
    Sheet s;
    sized(s, 2, 5);
    s.setFormula(1, 1, "REPT(\"\",2147483647)");
    s.setFormula(1, 2, "REPT(B1,1E9)");
    s.setFormula(1, 3, "REPT(\"\",2147483648)");
    s.setFormula(1, 4, "SUBSTITUTE(REPT(\"ab\",16383),\"\",\"x\")");
    s.setFormula(1, 5, "LEN(SUBSTITUTE(REPT(\"ab\",16383),\"b\",\"cc\"))");
    EXPECT_EQ(s.value(1, 1), Value::text(""));
    EXPECT_EQ(s.value(1, 2), Value::text(""));
    EXPECT_EQ(s.value(1, 3), Value::error(ErrorCode::Value));
    EXPECT_EQ(text::charCount(s.value(1, 4).asText()), 32766);
    EXPECT_EQ(s.value(1, 5), Value::error(ErrorCode::Value));
}

TEST(TextRulesTest, CharacterCountsAndTheLimitCountCharactersNotBytes) {
    EXPECT_EQ(text::charCount("straße"), 6);
    EXPECT_EQ(text::charCount("\xF0\x9F\x98\x80"), 1); // one emoji, four bytes
    EXPECT_EQ(text::charCount("\xC3"), 1);             // a cut-off sequence is one character
    std::string fourByte;
    for (int i = 0; i < 32767; ++i)
        fourByte += "\xF0\x9F\x98\x80";
    EXPECT_TRUE(text::fitsTextLimit(fourByte));
    fourByte += "a";
    EXPECT_FALSE(text::fitsTextLimit(fourByte));
}

TEST(TextRulesTest, CaseMappingSurvivesIllFormedText) {
    // Bytes that are no UTF-8 come back as replacement characters, never as a crash.
    std::string up = text::upper("a\xFF\xC3z");
    ASSERT_GE(up.size(), 2u);
    EXPECT_EQ(up.front(), 'A');
    EXPECT_EQ(up.back(), 'Z');
    EXPECT_EQ(text::upper(std::string("a\0b", 3)), std::string("A\0B", 3));
    EXPECT_TRUE(text::equal("\xFF", "\xFF", false));
}

TEST(TextRulesTest, OrderingSortsAccentedLettersBesideTheirBaseLetters) {
    // Ordering of the comparison operators (case matters: lower case first on ties).
    std::vector<std::string> words = {"zebra", "Äpfel", "apfel", "Apfel",  "über",
                                      "Ufer",  "b",     "ä",     "Ölfeld", "Ol"};
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return compareValues(EvalValue::textValue(a), EvalValue::textValue(b), true) < 0;
    });
    const std::vector<std::string> expected = {"ä",  "apfel",  "Apfel", "Äpfel", "b",
                                               "Ol", "Ölfeld", "über",  "Ufer",  "zebra"};
    EXPECT_EQ(words, expected);
    // Only texts that are the same compare equal, whatever the collation says.
    EXPECT_NE(compareValues(EvalValue::textValue("a"), EvalValue::textValue("A"), true), 0);
    EXPECT_EQ(compareValues(EvalValue::textValue("Ä"), EvalValue::textValue("ä"), false), 0);
    EXPECT_NE(compareValues(EvalValue::textValue("ä"), EvalValue::textValue("a"), false), 0);
    EXPECT_EQ(compareValues(EvalValue::textValue("STRASSE"), EvalValue::textValue("straße"), false),
              0);
}

TEST(TextRulesTest, WildcardsTakeWholeCharactersWithoutRegardToCase) {
    EXPECT_TRUE(text::wildcardMatch("?pfel", "Äpfel"));
    EXPECT_FALSE(text::wildcardMatch("??pfel", "Äpfel"));
    EXPECT_TRUE(text::wildcardMatch("ÖL*", "ölfeld"));
    EXPECT_TRUE(text::wildcardMatch("a~*", "A*"));
    EXPECT_FALSE(text::wildcardMatch("a~*", "Ab"));
    EXPECT_TRUE(text::wildcardMatch("*", ""));
    EXPECT_FALSE(text::wildcardMatch("?", ""));
}

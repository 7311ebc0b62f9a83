// TEXT's format codes: rounding that carries into another digit, sections, grouping
// and scaling, dates and times at the day's edges, and codes that cannot apply.

#include <gtest/gtest.h>

#include "platform/grid/engine/NumberFormat.h"

using namespace grid;

namespace {

std::string fmt(double v, const char* code) {
    std::string out;
    if (!formatWithCode(v, code, out))
        return "<refused>";
    return out;
}

} // namespace

TEST(NumberFormatTest, RoundingCarriesIntoTheNextDigit) {
    EXPECT_EQ(fmt(0.999, "0.00"), "1.00");
    EXPECT_EQ(fmt(9.9999, "0.0E+00"), "1.0E+01");
    EXPECT_EQ(fmt(999999.5, "#,##0"), "1,000,000");
    EXPECT_EQ(fmt(2.675, "0.00"), "2.68");
    EXPECT_EQ(fmt(-0.004, "0.00"), "0.00"); // no "-0.00"
}

TEST(NumberFormatTest, SectionsChooseByTheSign) {
    EXPECT_EQ(fmt(-5, "0;(0)"), "(5)");
    EXPECT_EQ(fmt(5, "0;(0)"), "5");
    EXPECT_EQ(fmt(0, "0;-0;\"zero\""), "zero");
    EXPECT_EQ(fmt(-2, "0.0"), "-2.0");
    EXPECT_EQ(fmt(-2, "0;"), "");
    EXPECT_EQ(formatTextWithCode("x", "0;0;0;\"<\"@\">\""), "<x>");
    EXPECT_EQ(formatTextWithCode("x", "0.00"), "x");
}

TEST(NumberFormatTest, PlaceholdersGroupingAndScaling) {
    EXPECT_EQ(fmt(1234567.891, "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(fmt(12, "00000"), "00012");
    EXPECT_EQ(fmt(0.5, "#.##"), ".5");
    EXPECT_EQ(fmt(1.5, "0.0#"), "1.5");
    EXPECT_EQ(fmt(1234567, "0.0,,"), "1.2");
    EXPECT_EQ(fmt(1234567, "#,##0,"), "1,235");
    EXPECT_EQ(fmt(0.256, "0.0%"), "25.6%");
    EXPECT_EQ(fmt(123, "000-00"), "001-23");
    EXPECT_EQ(fmt(5, "\"$\"0.00"), "$5.00");
    EXPECT_EQ(fmt(5, "[Red]0"), "5");
}

TEST(NumberFormatTest, DatesAndTimesAtTheEdges) {
    EXPECT_EQ(fmt(45366.5, "yyyy-mm-dd hh:mm AM/PM"), "2024-03-15 12:00 PM");
    EXPECT_EQ(fmt(45366, "dddd d mmmm yy"), "Friday 15 March 24");
    EXPECT_EQ(fmt(61, "yyyy-mm-dd"), "1900-03-01");
    EXPECT_EQ(fmt(60, "yyyy-mm-dd"), "1900-02-28");
    // Rounded to the second, the day rolls over.
    EXPECT_EQ(fmt(0.99999999, "hh:mm:ss"), "00:00:00");
    EXPECT_EQ(fmt(1.5, "[h]:mm"), "36:00");
    EXPECT_EQ(fmt(0.5 + 0.25 / 86400, "h:mm:ss.00"), "12:00:00.25");
    EXPECT_EQ(fmt(0.0006944444, "mm:ss"), "01:00"); // minutes before seconds
    EXPECT_EQ(fmt(-1, "yyyy"), "<refused>");
}

// Fractions beyond what the LibreOffice tables cover: carries at the boundary, the
// widest denominators, and codes or values too large to give a true fraction.
TEST(NumberFormatTest, FractionsCarryAndRefuseWhatTheyCannotShow) {
    EXPECT_EQ(fmt(0.96, "# ?/4"), "1   ");   // 3.84/4 rounds up to a whole
    EXPECT_EQ(fmt(1.875, "# ?/4"), "1 3/4"); // 3.5/4: an exact half goes down
    EXPECT_EQ(fmt(0.5, "?/?;(?/?)"), "1/2");
    EXPECT_EQ(fmt(-0.5, "?/?;(?/?)"), "(1/2)");
    // Fifteen-digit denominators take a few steps, not a search through them all.
    EXPECT_EQ(fmt(0.1, "?/???????????????"), "1/10             ");
    EXPECT_EQ(fmt(0.3, "# ????????????????"
                       "/????????????????"),
              "<refused>");
    EXPECT_EQ(fmt(0.5, "?/1000000000000000000"), "<refused>");
    EXPECT_EQ(fmt(1e15, "# ?/?"), "<refused>");
    EXPECT_EQ(fmt(999999999999999.0, "# ?/?"), "999999999999999    ");
    EXPECT_EQ(fmt(999999999999999.0, "?/??????????"), "999999999999999/1         ");
    // A '/' that is no fraction.
    EXPECT_EQ(fmt(0.5, "0/"), "1/");
    EXPECT_EQ(fmt(0.5, "??"
                       "/??"
                       "/??"),
              "<refused>");
}

// Serial day numbers: the calendar around day 0, leap years, the Julian calendar
// before 1582, and reading dates and times as typed.

#include <gtest/gtest.h>

#include "platform/grid/engine/DateSerial.h"

using namespace grid::date;

TEST(DateSerialTest, DaysAroundTheStartOfTheCount) {
    EXPECT_EQ(serialFromYmd(1899, 12, 30), 0);
    EXPECT_EQ(serialFromYmd(1899, 12, 31), 1);
    EXPECT_EQ(serialFromYmd(1900, 1, 1), 2);
    // No 29 February 1900: day 60 is the 28th, day 61 the first of March.
    Ymd d60 = ymdFromSerial(60), d61 = ymdFromSerial(61);
    EXPECT_EQ(d60.month * 100 + d60.day, 228);
    EXPECT_EQ(d61.month * 100 + d61.day, 301);
    EXPECT_EQ(serialFromYmd(1900, 3, 1), 61);
    EXPECT_EQ(weekdayOf(0), 6);  // a Saturday
    EXPECT_EQ(weekdayOf(-1), 5); // the Friday before
}

TEST(DateSerialTest, EveryDayOfFourCenturiesRoundTrips) {
    int64_t first = serialFromYmd(1600, 1, 1), last = serialFromYmd(2400, 12, 31);
    Ymd prev = ymdFromSerial(first - 1);
    for (int64_t s = first; s <= last; ++s) {
        Ymd d = ymdFromSerial(s);
        ASSERT_EQ(serialFromYmd(d.year, d.month, d.day), s);
        // Consecutive: the next day of the month, or the first of the next month.
        bool next = (d.day == prev.day + 1 && d.month == prev.month) ||
                    (d.day == 1 && prev.day == daysInMonth(prev.year, prev.month));
        ASSERT_TRUE(next) << s;
        prev = d;
    }
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 2), 28);
}

TEST(DateSerialTest, BeforeOctober1582TheCalendarIsJulian) {
    int64_t gregorian = serialFromYmd(1582, 10, 15);
    Ymd before = ymdFromSerial(gregorian - 1);
    EXPECT_EQ(before.year * 10000 + before.month * 100 + before.day, 15821004);
    EXPECT_EQ(serialFromYmd(1582, 10, 4), gregorian - 1);
    // 1500 is a leap year in the Julian calendar.
    EXPECT_EQ(serialFromYmd(1500, 3, 1) - serialFromYmd(1500, 2, 28), 2);
}

TEST(DateSerialTest, ReadsDatesAndTimesAsTyped) {
    double v = 0;
    struct Case {
        const char* text;
        Parts parts;
        double expected; // -1: refused
    };
    const Case cases[] = {
        {"2024-03-15", Parts::Any, 45366},
        {"3/15/2024", Parts::Any, 45366},
        {"3/15/24", Parts::Any, 45366},
        {"3/15", Parts::Any, 45366},
        {"15-Mar-2024", Parts::Any, 45366},
        {"March 15, 2024", Parts::Any, 45366},
        {"mar 15 2024", Parts::Any, 45366},
        {"2024-03-15 18:00", Parts::Any, 45366.75},
        {"6:00 PM", Parts::Time, 0.75},
        {"12:00 AM", Parts::Time, 0},
        {"12:30:15.5", Parts::Any, (12 * 3600 + 30 * 60 + 15.5) / 86400},
        {"2024-02-30", Parts::Any, -1},
        {"2024-13-01", Parts::Any, -1},
        {"13:60", Parts::Any, -1},
        {"13:45 XM", Parts::Any, -1},
        {"13 PM", Parts::Any, -1},
        {"", Parts::Any, -1},
        {"2024-03-15", Parts::Time, -1},
        {"12:00", Parts::Date, -1},
        {"99999999999/1/1", Parts::Any, -1},
    };
    for (const Case& c : cases) {
        bool ok = parseDateTime(c.text, v, c.parts, 2024);
        if (c.expected < 0) {
            EXPECT_FALSE(ok) << c.text;
        } else {
            ASSERT_TRUE(ok) << c.text;
            EXPECT_NEAR(v, c.expected, 1e-9) << c.text;
        }
    }
}

#pragma once
// Dates and times as serial numbers: whole days since 1899-12-30 (day 0), the time
// of day as the fraction. Day 1 is 1899-12-31 and day 61 is 1900-03-01 (there is no
// 29 February 1900). The calendar is Gregorian from 1582-10-15, Julian before.

#include <cstdint>
#include <string>
#include <string_view>

namespace grid::date {

struct Ymd {
    int64_t year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
};

// Years a date may have; DATE and friends refuse results outside them.
inline constexpr int64_t kMinYear = -4712;
inline constexpr int64_t kMaxYear = 32767;

int64_t serialFromYmd(int64_t y, int m, int d);
Ymd ymdFromSerial(int64_t serial);
bool isLeapYear(int64_t y);
int daysInMonth(int64_t y, int m);
// 0 = Sunday ... 6 = Saturday.
int weekdayOf(int64_t serial);
// Whole day of a serial number, rounded so that 0.9999999999 counts as the next day.
int64_t dayOf(double serial);
// Seconds of the day (0..86399), rounded to the nearest second.
int64_t secondsOf(double serial);

// Reads a date and/or time as a person types it: ISO "2024-03-15", US "3/15/2024"
// and "3/15" (this year), "15-Mar-2024", "March 15, 2024", with an optional time
// "13:45", "1:45:30 PM", "13:45:30.5". `dateOnly`/`timeOnly` restrict the parts.
enum class Parts { Any, Date, Time };
bool parseDateTime(std::string_view text, double& serial, Parts parts, int64_t currentYear);

// Serial of the current moment in local time (seconds resolution), or the moment
// fixed by setFixedNow (tests and reproducible runs); a negative value unfixes it.
double nowSerial();
void setFixedNow(double serial);

} // namespace grid::date

// Date and time functions on serial numbers (DateSerial.h): DATE, TIME, TODAY, NOW,
// YEAR ... SECOND, WEEKDAY, WEEKNUM, ISOWEEKNUM, DATEVALUE, TIMEVALUE, EDATE, EOMONTH,
// DAYS, DAYS360, NETWORKDAYS, WORKDAY, YEARFRAC, DATEDIF.

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/grid/engine/DateSerial.h"
#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

using date::Ymd;

// Serial numbers a date function accepts: the years DATE can build.
const double kMinSerial = static_cast<double>(date::serialFromYmd(date::kMinYear, 1, 1));
const double kMaxSerial = static_cast<double>(date::serialFromYmd(date::kMaxYear, 12, 31));

bool serialArg(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    if (!argDate(ev, v, out, r))
        return false;
    if (out < kMinSerial || out > kMaxSerial + 1)
        return setError(r, ErrorCode::Num), false;
    return true;
}

bool dayArg(Evaluator& ev, const EvalValue& v, int64_t& day, EvalValue& r) {
    double x;
    if (!serialArg(ev, v, x, r))
        return false;
    day = date::dayOf(x);
    return true;
}

int64_t currentYear() {
    return date::ymdFromSerial(date::dayOf(date::nowSerial())).year;
}

// Day `months` months after `day`, on the same day of the month or the month's last.
int64_t addMonths(int64_t day, double months, bool endOfMonth) {
    Ymd d = date::ymdFromSerial(day);
    int64_t total = d.year * 12 + (d.month - 1) + static_cast<int64_t>(std::trunc(months));
    int64_t y = total >= 0 ? total / 12 : -((-total + 11) / 12);
    int m = static_cast<int>(total - y * 12) + 1;
    int last = date::daysInMonth(y, m);
    return date::serialFromYmd(y, m, endOfMonth ? last : std::min(d.day, last));
}

// The weekend/holiday rules of NETWORKDAYS and WORKDAY: Saturdays, Sundays and the
// days of the holiday argument (numbers in a block or a single value).
struct WorkCalendar {
    std::set<int64_t> holidays;
    bool isWorkday(int64_t day) const {
        int w = date::weekdayOf(day);
        return w != 0 && w != 6 && !holidays.count(day);
    }
};

bool readHolidays(Evaluator& ev, EvalValue* a, int n, int i, WorkCalendar& cal, EvalValue& r) {
    if (!given(a, n, i))
        return true;
    std::vector<double> days;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a + i, 1, days, err))
        return setError(r, err), false;
    for (double d : days)
        cal.holidays.insert(date::dayOf(d));
    return true;
}

} // namespace

bool argDate(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    EvalValue s = ev.scalar(v);
    if (s.kind == EvalValue::Text && !parseNumber(s.text, out)) {
        // Only unambiguous forms: ISO dates and 24-hour times.
        std::string_view t = s.text;
        bool iso = t.size() >= 10 && t[4] == '-' && t[7] == '-';
        bool time = t.find(':') != std::string_view::npos && t.find('/') == std::string_view::npos;
        if ((iso || time) && date::parseDateTime(t, out, date::Parts::Any, currentYear()))
            return true;
        return setError(r, ErrorCode::Value), false;
    }
    return argNumber(ev, s, out, r);
}

void fnDate(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double y, m, d;
    if (!argNumber(ev, a[0], y, r) || !argNumber(ev, a[1], m, r) || !argNumber(ev, a[2], d, r))
        return;
    y = std::trunc(y);
    m = std::trunc(m);
    d = std::trunc(d);
    if (y >= 0 && y < 100)
        y += y < 30 ? 2000 : 1900;
    double months = y * 12 + (m - 1);
    if (!(std::fabs(months) < 1e9) || !(std::fabs(d) < 1e9))
        return setError(r, ErrorCode::Num);
    int64_t total = static_cast<int64_t>(months);
    int64_t yy = total >= 0 ? total / 12 : -((-total + 11) / 12);
    int mm = static_cast<int>(total - yy * 12) + 1;
    if (yy < 0 || yy > date::kMaxYear)
        return setError(r, ErrorCode::Num);
    double serial = d >= 1 && d <= date::daysInMonth(yy, mm)
                        ? static_cast<double>(date::serialFromYmd(yy, mm, static_cast<int>(d)))
                        : static_cast<double>(date::serialFromYmd(yy, mm, 1)) + d - 1;
    // Before the Gregorian calendar began there is no such date to build.
    if (serial < static_cast<double>(date::serialFromYmd(1582, 10, 15)))
        return setError(r, ErrorCode::Value);
    if (serial < kMinSerial || serial > kMaxSerial)
        return setError(r, ErrorCode::Num);
    setNumber(r, serial);
}

void fnTime(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double h, m, s;
    if (!argNumber(ev, a[0], h, r) || !argNumber(ev, a[1], m, r) || !argNumber(ev, a[2], s, r))
        return;
    double secs = h * 3600 + m * 60 + s;
    if (secs < 0)
        return setError(r, ErrorCode::Num);
    // Whole days drop away: TIME(25;0;0) is 1:00.
    setNumber(r, std::fmod(secs, 86400.0) / 86400.0);
}

void fnToday(Evaluator&, EvalValue*, int, EvalValue& r) {
    setNumber(r, static_cast<double>(date::dayOf(date::nowSerial())));
}

void fnNow(Evaluator&, EvalValue*, int, EvalValue& r) {
    setNumber(r, date::nowSerial());
}

void fnYear(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    int64_t d;
    if (!dayArg(ev, a[0], d, r))
        return;
    // Years before 1 count as BC: there is no year 0 (-1 is 1 BC).
    int64_t y = date::ymdFromSerial(d).year;
    setNumber(r, static_cast<double>(y <= 0 ? y - 1 : y));
}
void fnMonth(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    int64_t d;
    if (dayArg(ev, a[0], d, r))
        setNumber(r, date::ymdFromSerial(d).month);
}
void fnDay(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    int64_t d;
    if (dayArg(ev, a[0], d, r))
        setNumber(r, date::ymdFromSerial(d).day);
}

// Hours and minutes count whole units of the day's fraction (0.999999 is still
// 23:59); seconds are rounded. A negative serial's fraction counts from the day before.
static void timePart(Evaluator& ev, EvalValue* a, EvalValue& r, double perDay, int64_t modulo) {
    double x;
    if (!argDate(ev, a[0], x, r))
        return;
    double frac = x - std::floor(x);
    double units = frac * perDay;
    double whole = perDay == 86400 ? std::round(units) : std::floor(units + 1e-9 * units);
    setNumber(r, static_cast<double>(static_cast<int64_t>(whole) % modulo));
}
void fnHour(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    timePart(ev, a, r, 24, 24);
}
void fnMinute(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    timePart(ev, a, r, 1440, 60);
}
void fnSecond(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    timePart(ev, a, r, 86400, 60);
}

void fnWeekday(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t d;
    double type;
    if (!dayArg(ev, a[0], d, r) || !argNumberOr(ev, a, n, 1, 1, type, r))
        return;
    int w = date::weekdayOf(d); // 0 = Sunday
    int t = static_cast<int>(type);
    if (t == 1)
        return setNumber(r, w + 1);
    if (t == 2)
        return setNumber(r, (w + 6) % 7 + 1);
    if (t == 3)
        return setNumber(r, (w + 6) % 7);
    if (t >= 11 && t <= 17) {
        int first = (t - 10) % 7; // 11: Monday ... 17: Sunday
        return setNumber(r, (w - first + 7) % 7 + 1);
    }
    setError(r, ErrorCode::Num);
}

static int64_t isoWeek(int64_t d) {
    // The ISO week holds its Thursday; week 1 is the one with the year's first Thursday.
    int mondayBased = (date::weekdayOf(d) + 6) % 7;
    int64_t thursday = d - mondayBased + 3;
    int64_t y = date::ymdFromSerial(thursday).year;
    return (thursday - date::serialFromYmd(y, 1, 1)) / 7 + 1;
}

void fnIsoWeekNum(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    int64_t d;
    if (dayArg(ev, a[0], d, r))
        setNumber(r, static_cast<double>(isoWeek(d)));
}

void fnWeekNum(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t d;
    double type;
    if (!dayArg(ev, a[0], d, r) || !argNumberOr(ev, a, n, 1, 1, type, r))
        return;
    int t = static_cast<int>(type);
    if (t == 21)
        return setNumber(r, static_cast<double>(isoWeek(d)));
    int first; // weekday (0 = Sunday) that starts a week
    if (t == 1 || t == 17)
        first = 0;
    else if (t == 2 || t == 11)
        first = 1;
    else if (t >= 12 && t <= 16)
        first = t - 10;
    else
        return setError(r, ErrorCode::Num);
    int64_t jan1 = date::serialFromYmd(date::ymdFromSerial(d).year, 1, 1);
    int offset = (date::weekdayOf(jan1) - first + 7) % 7;
    setNumber(r, static_cast<double>((d - jan1 + offset) / 7 + 1));
}

static void parsed(Evaluator& ev, EvalValue* a, EvalValue& r, date::Parts parts) {
    std::string t;
    EvalValue v = ev.scalar(a[0]);
    if (v.kind == EvalValue::Error)
        return setError(r, v.err);
    if (v.kind != EvalValue::Text)
        return setError(r, ErrorCode::Value);
    double serial;
    if (!date::parseDateTime(v.text, serial, parts == date::Parts::Date ? date::Parts::Any : parts,
                             currentYear()))
        return setError(r, ErrorCode::Value);
    if (parts == date::Parts::Date)
        serial = std::floor(serial);
    setNumber(r, serial);
}
void fnDateValue(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    parsed(ev, a, r, date::Parts::Date);
}
void fnTimeValue(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    if (v.kind == EvalValue::Text) {
        double serial;
        if (date::parseDateTime(v.text, serial, date::Parts::Any, currentYear()))
            return setNumber(r, serial - std::floor(serial));
        return setError(r, ErrorCode::Value);
    }
    parsed(ev, a, r, date::Parts::Time);
}

static void monthShift(Evaluator& ev, EvalValue* a, EvalValue& r, bool endOfMonth) {
    int64_t d;
    double months;
    if (!dayArg(ev, a[0], d, r) || !argNumber(ev, a[1], months, r))
        return;
    if (std::fabs(months) > 12.0 * (date::kMaxYear - date::kMinYear))
        return setError(r, ErrorCode::Num);
    int64_t res = addMonths(d, months, endOfMonth);
    if (res < kMinSerial || res > kMaxSerial)
        return setError(r, ErrorCode::Num);
    setNumber(r, static_cast<double>(res));
}
void fnEdate(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    monthShift(ev, a, r, false);
}
void fnEomonth(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    monthShift(ev, a, r, true);
}

void fnDays(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    int64_t end, start;
    if (dayArg(ev, a[0], end, r) && dayArg(ev, a[1], start, r))
        setNumber(r, static_cast<double>(end - start));
}

void fnDays360(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t s, e;
    bool european = false;
    if (!dayArg(ev, a[0], s, r) || !dayArg(ev, a[1], e, r))
        return;
    if (given(a, n, 2) && !argBool(ev, a[2], european, r))
        return;
    Ymd x = date::ymdFromSerial(s), y = date::ymdFromSerial(e);
    int d1 = x.day, d2 = y.day;
    if (european) {
        d1 = std::min(d1, 30);
        d2 = std::min(d2, 30);
    } else {
        bool lastOfFeb1 = x.month == 2 && d1 == date::daysInMonth(x.year, 2);
        if (lastOfFeb1 || d1 == 31)
            d1 = 30;
        if (d2 == 31 && d1 == 30)
            d2 = 30;
    }
    setNumber(r, static_cast<double>((y.year - x.year) * 360 + (y.month - x.month) * 30 + d2 - d1));
}

void fnNetworkDays(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t s, e;
    WorkCalendar cal;
    if (!dayArg(ev, a[0], s, r) || !dayArg(ev, a[1], e, r) || !readHolidays(ev, a, n, 2, cal, r))
        return;
    int sign = 1;
    if (s > e) {
        std::swap(s, e);
        sign = -1;
    }
    // Whole weeks at once, the rest day by day.
    int64_t span = e - s + 1, weeks = span / 7;
    int64_t count = weeks * 5;
    for (int64_t d = s + weeks * 7; d <= e; ++d)
        count += date::weekdayOf(d) != 0 && date::weekdayOf(d) != 6;
    for (int64_t h : cal.holidays)
        if (h >= s && h <= e && date::weekdayOf(h) != 0 && date::weekdayOf(h) != 6)
            --count;
    setNumber(r, static_cast<double>(sign * count));
}

void fnWorkday(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t d;
    double daysD;
    WorkCalendar cal;
    if (!dayArg(ev, a[0], d, r) || !argNumber(ev, a[1], daysD, r) ||
        !readHolidays(ev, a, n, 2, cal, r))
        return;
    int64_t days = static_cast<int64_t>(std::trunc(daysD));
    if (std::fabs(daysD) > 5.0 * 366 * (date::kMaxYear - date::kMinYear) / 7)
        return setError(r, ErrorCode::Num);
    int step = days < 0 ? -1 : 1;
    int64_t left = std::llabs(days);
    // Whole weeks of five workdays at once while no holiday lies ahead.
    int64_t lastHoliday = cal.holidays.empty() ? INT64_MIN : *cal.holidays.rbegin();
    int64_t firstHoliday = cal.holidays.empty() ? INT64_MAX : *cal.holidays.begin();
    while (left > 0) {
        bool clear = step > 0 ? d > lastHoliday : d < firstHoliday;
        if (clear && left > 10) {
            int64_t weeks = (left - 5) / 5;
            d += step * weeks * 7;
            left -= weeks * 5;
            continue;
        }
        d += step;
        if (cal.isWorkday(d))
            --left;
    }
    if (d < kMinSerial || d > kMaxSerial)
        return setError(r, ErrorCode::Num);
    setNumber(r, static_cast<double>(d));
}

void fnYearFrac(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t s, e;
    double basisD;
    if (!dayArg(ev, a[0], s, r) || !dayArg(ev, a[1], e, r) ||
        !argNumberOr(ev, a, n, 2, 0, basisD, r))
        return;
    int basis = static_cast<int>(std::trunc(basisD));
    if (basis < 0 || basis > 4)
        return setError(r, ErrorCode::Num);
    if (s > e)
        std::swap(s, e);
    Ymd x = date::ymdFromSerial(s), y = date::ymdFromSerial(e);
    switch (basis) {
    case 0: { // US 30/360
        int d1 = x.day, d2 = y.day;
        bool feb1 = x.month == 2 && d1 == date::daysInMonth(x.year, 2);
        bool feb2 = y.month == 2 && d2 == date::daysInMonth(y.year, 2);
        if (feb1 && feb2)
            d2 = 30;
        if (feb1)
            d1 = 30;
        if (d2 == 31 && d1 >= 30)
            d2 = 30;
        if (d1 == 31)
            d1 = 30;
        double days = (y.year - x.year) * 360.0 + (y.month - x.month) * 30.0 + d2 - d1;
        return setNumber(r, days / 360);
    }
    case 1: { // actual/actual
        double days = static_cast<double>(e - s);
        bool withinYear =
            y.year == x.year ||
            (y.year == x.year + 1 && (y.month < x.month || (y.month == x.month && y.day <= x.day)));
        double yearLength;
        if (withinYear) {
            bool leap = false;
            if (y.year == x.year) {
                leap = date::isLeapYear(x.year);
            } else {
                // A 29 February between the two dates makes it a leap year's length.
                for (int64_t yr : {x.year, y.year}) {
                    if (!date::isLeapYear(yr))
                        continue;
                    int64_t feb29 = date::serialFromYmd(yr, 2, 29);
                    leap = leap || (feb29 >= s && feb29 <= e);
                }
            }
            yearLength = leap ? 366 : 365;
        } else {
            double total = 0;
            for (int64_t yr = x.year; yr <= y.year; ++yr)
                total += date::isLeapYear(yr) ? 366 : 365;
            yearLength = total / static_cast<double>(y.year - x.year + 1);
        }
        return setNumber(r, days / yearLength);
    }
    case 2:
        return setNumber(r, static_cast<double>(e - s) / 360);
    case 3:
        return setNumber(r, static_cast<double>(e - s) / 365);
    default: { // European 30/360
        int d1 = std::min(x.day, 30), d2 = std::min(y.day, 30);
        double days = (y.year - x.year) * 360.0 + (y.month - x.month) * 30.0 + d2 - d1;
        return setNumber(r, days / 360);
    }
    }
}

void fnDateDif(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    int64_t s, e;
    std::string unit;
    if (!dayArg(ev, a[0], s, r) || !dayArg(ev, a[1], e, r) || !argText(ev, a[2], unit, r))
        return;
    if (s > e)
        return setError(r, ErrorCode::Num);
    unit = text::upper(unit);
    Ymd x = date::ymdFromSerial(s), y = date::ymdFromSerial(e);
    int64_t months = (y.year - x.year) * 12 + (y.month - x.month) - (y.day < x.day ? 1 : 0);
    if (unit == "D")
        return setNumber(r, static_cast<double>(e - s));
    if (unit == "M")
        return setNumber(r, static_cast<double>(months));
    if (unit == "Y")
        return setNumber(r, static_cast<double>(months / 12));
    if (unit == "YM")
        return setNumber(r, static_cast<double>(months % 12));
    if (unit == "MD") {
        if (y.day >= x.day)
            return setNumber(r, y.day - x.day);
        // Borrows the length of the month before the end's, so a start on the 31st
        // can give a negative count (31 January to 1 March 2024: -1).
        int64_t py = y.month == 1 ? y.year - 1 : y.year;
        int pm = y.month == 1 ? 12 : y.month - 1;
        return setNumber(r, y.day - x.day + date::daysInMonth(py, pm));
    }
    if (unit == "YD") {
        // Days from the start's day and month in the year before the end.
        int64_t yr =
            (y.month > x.month || (y.month == x.month && y.day >= x.day)) ? y.year : y.year - 1;
        int64_t from =
            date::serialFromYmd(yr, x.month, std::min(x.day, date::daysInMonth(yr, x.month)));
        return setNumber(r, static_cast<double>(e - from));
    }
    setError(r, ErrorCode::Num);
}

} // namespace grid::fn

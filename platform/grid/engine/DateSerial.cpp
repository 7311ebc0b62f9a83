#include "platform/grid/engine/DateSerial.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <vector>

namespace grid::date {

namespace {

// Days since 1970-01-01 of a Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int monthFromName(std::string_view w) {
    static const char* const kNames[] = {"january",   "february", "march",    "april",
                                         "may",       "june",     "july",     "august",
                                         "september", "october",  "november", "december"};
    if (w.size() < 3)
        return 0;
    std::string lw;
    for (char c : w)
        lw += lowerAscii(c);
    for (int i = 0; i < 12; ++i) {
        std::string_view n = kNames[i];
        if (lw.size() <= n.size() && n.substr(0, lw.size()) == lw)
            return i + 1;
    }
    return 0;
}

struct Lexer {
    std::string_view s;
    size_t p = 0;
    void blanks() {
        while (p < s.size() && (s[p] == ' ' || s[p] == '\t'))
            ++p;
    }
    bool number(int64_t& v, int& digits) {
        size_t q = p;
        v = 0;
        while (q < s.size() && std::isdigit(static_cast<unsigned char>(s[q])) && q - p < 9)
            v = v * 10 + (s[q++] - '0');
        digits = static_cast<int>(q - p);
        if (!digits || (q < s.size() && std::isdigit(static_cast<unsigned char>(s[q]))))
            return false;
        p = q;
        return true;
    }
    std::string_view word() {
        size_t q = p;
        while (q < s.size() && std::isalpha(static_cast<unsigned char>(s[q])))
            ++q;
        std::string_view w = s.substr(p, q - p);
        p = q;
        return w;
    }
    bool eat(char c) {
        if (p < s.size() && s[p] == c) {
            ++p;
            return true;
        }
        return false;
    }
    bool done() const { return p >= s.size(); }
};

int64_t fullYear(int64_t y, int digits) {
    // Two-digit years: 1930..2029.
    if (digits <= 2)
        return y < 30 ? 2000 + y : 1900 + y;
    return y;
}

bool validDate(int64_t y, int64_t m, int64_t d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 &&
           d <= daysInMonth(y, static_cast<int>(m));
}

// The date part at the lexer's position; false when there is none.
bool readDate(Lexer& lx, int64_t currentYear, int64_t& serial) {
    size_t start = lx.p;
    int64_t a, b, c;
    int da, db, dc;
    if (lx.number(a, da)) {
        if (lx.eat('-')) {
            // ISO 2024-03-15 or 15-Mar-2024
            if (da == 4 && lx.number(b, db) && lx.eat('-') && lx.number(c, dc)) {
                if (!validDate(a, b, c))
                    return false;
                serial = serialFromYmd(a, static_cast<int>(b), static_cast<int>(c));
                return true;
            }
            std::string_view w = lx.word();
            int m = monthFromName(w);
            if (m && lx.eat('-') && lx.number(c, dc)) {
                int64_t y = fullYear(c, dc);
                if (!validDate(y, m, a))
                    return false;
                serial = serialFromYmd(y, m, static_cast<int>(a));
                return true;
            }
            lx.p = start;
            return false;
        }
        if (lx.eat('/')) {
            // US month/day[/year]
            if (!lx.number(b, db))
                return lx.p = start, false;
            int64_t y = currentYear;
            if (lx.eat('/')) {
                if (!lx.number(c, dc))
                    return lx.p = start, false;
                y = fullYear(c, dc);
            }
            if (!validDate(y, a, b))
                return lx.p = start, false;
            serial = serialFromYmd(y, static_cast<int>(a), static_cast<int>(b));
            return true;
        }
        lx.p = start;
        return false;
    }
    std::string_view w = lx.word();
    int m = monthFromName(w);
    if (!m)
        return lx.p = start, false;
    lx.eat('.');
    lx.blanks();
    if (!lx.number(b, db))
        return lx.p = start, false;
    lx.eat(',');
    lx.blanks();
    int64_t y = currentYear;
    if (lx.number(c, dc))
        y = fullYear(c, dc);
    if (!validDate(y, m, b))
        return lx.p = start, false;
    serial = serialFromYmd(y, m, static_cast<int>(b));
    return true;
}

bool readTime(Lexer& lx, double& fraction) {
    size_t start = lx.p;
    int64_t h, m, s = 0;
    int dh, dm, ds;
    if (!lx.number(h, dh) || !lx.eat(':') || !lx.number(m, dm) || m > 59)
        return lx.p = start, false;
    double secs = 0;
    if (lx.eat(':')) {
        if (!lx.number(s, ds) || s > 59)
            return lx.p = start, false;
        secs = static_cast<double>(s);
        if (lx.eat('.')) {
            int64_t f;
            int df;
            if (!lx.number(f, df))
                return lx.p = start, false;
            secs += static_cast<double>(f) / std::pow(10.0, df);
        }
    }
    lx.blanks();
    size_t before = lx.p;
    std::string_view w = lx.word();
    std::string lw;
    for (char c : w)
        lw += lowerAscii(c);
    if (lw == "am" || lw == "pm") {
        if (h < 1 || h > 12)
            return lx.p = start, false;
        h = h % 12 + (lw == "pm" ? 12 : 0);
    } else {
        lx.p = before;
    }
    fraction = (static_cast<double>(h) * 3600 + static_cast<double>(m) * 60 + secs) / 86400;
    return true;
}

} // namespace

bool isLeapYear(int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int64_t y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : kDays[(m - 1) % 12];
}

namespace {

// Julian day number of day 0 and of the first Gregorian day, 1582-10-15.
constexpr int64_t kJdnOfDay0 = 2415019;
constexpr int64_t kFirstGregorianJdn = 2299161;

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int64_t julianToJdn(int64_t y, int m, int d) {
    int64_t a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + floorDiv(yy, 4) - 32083;
}

Ymd jdnToJulian(int64_t jdn) {
    int64_t c = jdn + 32082;
    int64_t d = floorDiv(4 * c + 3, 1461);
    int64_t e = c - floorDiv(1461 * d, 4);
    int64_t m = (5 * e + 2) / 153;
    Ymd r;
    r.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    r.month = static_cast<int>(m + 3 - 12 * (m / 10));
    r.year = d - 4800 + m / 10;
    return r;
}

} // namespace

int64_t serialFromYmd(int64_t y, int m, int d) {
    int64_t s = daysFromCivil(y, m, d) - kEpoch;
    // Dates before the Gregorian calendar began are Julian dates.
    if (s + kJdnOfDay0 < kFirstGregorianJdn)
        return julianToJdn(y, m, d) - kJdnOfDay0;
    return s;
}

Ymd ymdFromSerial(int64_t serial) {
    if (serial + kJdnOfDay0 < kFirstGregorianJdn)
        return jdnToJulian(serial + kJdnOfDay0);
    int64_t z = serial + kEpoch + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    Ymd r;
    r.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    r.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    r.year = yoe + era * 400 + (r.month <= 2);
    return r;
}

int weekdayOf(int64_t serial) {
    // Day 0 (1899-12-30) was a Saturday.
    int64_t w = (serial + 6) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

int64_t dayOf(double serial) {
    return static_cast<int64_t>(std::floor(serial + 1e-9 * std::max(1.0, std::fabs(serial))));
}

int64_t secondsOf(double serial) {
    double frac = serial - std::floor(serial);
    int64_t s = static_cast<int64_t>(std::llround(frac * 86400.0));
    return s >= 86400 ? 0 : s;
}

bool parseDateTime(std::string_view text, double& serial, Parts parts, int64_t currentYear) {
    Lexer lx{text};
    lx.blanks();
    int64_t day = 0;
    bool haveDate = false, haveTime = false;
    double frac = 0;
    if (parts != Parts::Time && readDate(lx, currentYear, day)) {
        haveDate = true;
        lx.blanks();
    }
    if (parts != Parts::Date || haveDate) {
        if (readTime(lx, frac))
            haveTime = true;
    }
    lx.blanks();
    if (!lx.done() || (!haveDate && !haveTime))
        return false;
    if (parts == Parts::Date && !haveDate)
        return false;
    if (parts == Parts::Time && !haveTime)
        return false;
    if (parts == Parts::Time)
        serial = frac - std::floor(frac);
    else if (parts == Parts::Date)
        serial = static_cast<double>(day);
    else
        serial = static_cast<double>(day) + frac;
    return true;
}

namespace {
double g_fixedNow = -1;
}

void setFixedNow(double serial) {
    g_fixedNow = serial;
}

double nowSerial() {
    if (g_fixedNow >= 0)
        return g_fixedNow;
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return static_cast<double>(serialFromYmd(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday)) +
           (tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec) / 86400.0;
}

} // namespace grid::date

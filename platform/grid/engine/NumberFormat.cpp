#include "platform/grid/engine/NumberFormat.h"
#include "platform/grid/engine/NumberFormatFraction.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/grid/engine/DateSerial.h"
#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/Value.h"

namespace grid {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view s, size_t p, std::string_view w) {
    if (s.size() - p < w.size())
        return false;
    for (size_t i = 0; i < w.size(); ++i)
        if (lowerAscii(s[p + i]) != lowerAscii(w[i]))
            return false;
    return true;
}

// Sections split at ';' outside quotes and brackets.
std::vector<std::string> sections(std::string_view code) {
    std::vector<std::string> out(1);
    bool quoted = false, bracket = false;
    for (size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (c == '"' && !bracket)
            quoted = !quoted;
        else if (!quoted && c == '[')
            bracket = true;
        else if (!quoted && c == ']')
            bracket = false;
        else if (!quoted && !bracket && c == '\\' && i + 1 < code.size()) {
            out.back() += c;
            c = code[++i];
        } else if (!quoted && !bracket && c == ';') {
            out.emplace_back();
            continue;
        }
        out.back() += c;
    }
    return out;
}

// One piece of a section: a literal text or a code letter run.
struct Piece {
    enum Kind { Literal, Digit, Point, Comma, Percent, Exponent, Date, Elapsed, AmPm, At };
    Kind kind;
    std::string text; // literal text, the digit placeholder, or the date code ("mm", "yyyy")
};

std::vector<Piece> lex(std::string_view s) {
    std::vector<Piece> out;
    auto lit = [&](std::string t) {
        if (!out.empty() && out.back().kind == Piece::Literal)
            out.back().text += t;
        else
            out.push_back({Piece::Literal, std::move(t)});
    };
    for (size_t i = 0; i < s.size();) {
        char c = s[i];
        char lc = lowerAscii(c);
        if (c == '"') {
            size_t j = s.find('"', i + 1);
            if (j == std::string_view::npos)
                j = s.size();
            lit(std::string(s.substr(i + 1, j - i - 1)));
            i = j + 1;
        } else if (c == '\\' && i + 1 < s.size()) {
            lit(std::string(1, s[i + 1]));
            i += 2;
        } else if (c == '_' && i + 1 < s.size()) {
            lit(" ");
            i += 2;
        } else if (c == '*' && i + 1 < s.size()) {
            i += 2; // fill characters need a cell width
        } else if (c == '[') {
            size_t j = s.find(']', i);
            if (j == std::string_view::npos)
                j = s.size();
            std::string_view in = s.substr(i + 1, j - i - 1);
            if (!in.empty() &&
                (lowerAscii(in[0]) == 'h' || lowerAscii(in[0]) == 'm' ||
                 lowerAscii(in[0]) == 's') &&
                in.find_first_not_of(in[0]) == std::string_view::npos) {
                std::string t;
                for (char x : in)
                    t += lowerAscii(x);
                out.push_back({Piece::Elapsed, t});
            } else if (!in.empty() && in[0] == '$') {
                std::string_view sym = in.substr(1);
                lit(std::string(sym.substr(0, sym.find('-'))));
            }
            i = j + 1;
        } else if (c == '0' || c == '#' || c == '?') {
            out.push_back({Piece::Digit, std::string(1, c)});
            ++i;
        } else if (c == '.') {
            out.push_back({Piece::Point, "."});
            ++i;
        } else if (c == ',') {
            out.push_back({Piece::Comma, ","});
            ++i;
        } else if (c == '%') {
            out.push_back({Piece::Percent, "%"});
            ++i;
        } else if ((c == 'E' || c == 'e') && i + 1 < s.size() &&
                   (s[i + 1] == '+' || s[i + 1] == '-')) {
            out.push_back({Piece::Exponent, std::string(1, s[i + 1])});
            i += 2;
        } else if (c == '@') {
            out.push_back({Piece::At, "@"});
            ++i;
        } else if (startsWithNoCase(s, i, "am/pm")) {
            out.push_back({Piece::AmPm, "AM/PM"});
            i += 5;
        } else if (startsWithNoCase(s, i, "a/p")) {
            out.push_back({Piece::AmPm, "A/P"});
            i += 3;
        } else if (lc == 'y' || lc == 'm' || lc == 'd' || lc == 'h' || lc == 's') {
            size_t j = i;
            while (j < s.size() && lowerAscii(s[j]) == lc)
                ++j;
            out.push_back({Piece::Date, std::string(j - i, lc)});
            i = j;
        } else {
            lit(std::string(1, c));
            ++i;
        }
    }
    return out;
}

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};

std::string two(int64_t v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02lld", static_cast<long long>(v));
    return buf;
}

bool formatDate(double value, std::vector<Piece>& pieces, std::string& out) {
    if (value < 0)
        return false;
    bool ampm = false;
    for (const Piece& p : pieces)
        ampm = ampm || p.kind == Piece::AmPm;
    // "m" right after an hour or right before seconds means minutes.
    for (size_t i = 0; i < pieces.size(); ++i) {
        Piece& p = pieces[i];
        if (p.kind != Piece::Date || p.text[0] != 'm' || p.text.size() > 2)
            continue;
        bool minutes = false;
        for (size_t j = i; j-- > 0;) {
            if (pieces[j].kind == Piece::Date || pieces[j].kind == Piece::Elapsed) {
                minutes = pieces[j].text[0] == 'h';
                break;
            }
        }
        for (size_t j = i + 1; j < pieces.size() && !minutes; ++j) {
            if (pieces[j].kind == Piece::Date || pieces[j].kind == Piece::Elapsed) {
                minutes = pieces[j].text[0] == 's';
                break;
            }
        }
        if (minutes)
            p.text = p.text.size() == 1 ? "n" : "nn";
    }
    // Decimals of seconds ("ss.00") round the time before it is split.
    int secDecimals = 0;
    for (size_t i = 0; i + 1 < pieces.size(); ++i)
        if (pieces[i].kind == Piece::Date && pieces[i].text[0] == 's' &&
            pieces[i + 1].kind == Piece::Point)
            for (size_t j = i + 2;
                 j < pieces.size() && pieces[j].kind == Piece::Digit && pieces[j].text == "0"; ++j)
                ++secDecimals;
    double scale = std::pow(10.0, secDecimals);
    double ticks = std::round(value * 86400.0 * scale);
    int64_t totalSecs = static_cast<int64_t>(std::floor(ticks / scale));
    double frac = (ticks - static_cast<double>(totalSecs) * scale) / scale;
    int64_t day = totalSecs / 86400, secs = totalSecs % 86400;
    date::Ymd ymd = date::ymdFromSerial(day);
    int64_t h = secs / 3600, mi = secs / 60 % 60, se = secs % 60;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        const std::string& t = p.text;
        switch (p.kind) {
        case Piece::Literal:
            out += t;
            break;
        case Piece::Elapsed:
            if (t[0] == 'h')
                out += t.size() > 1 ? two(totalSecs / 3600) : std::to_string(totalSecs / 3600);
            else if (t[0] == 'm')
                out += t.size() > 1 ? two(totalSecs / 60) : std::to_string(totalSecs / 60);
            else
                out += t.size() > 1 ? two(totalSecs) : std::to_string(totalSecs);
            break;
        case Piece::AmPm:
            out += t == "A/P" ? (h < 12 ? "A" : "P") : (h < 12 ? "AM" : "PM");
            break;
        case Piece::Date:
            if (t[0] == 'y') {
                out += t.size() <= 2 ? two(ymd.year % 100) : std::to_string(ymd.year);
            } else if (t[0] == 'm') {
                if (t.size() == 1)
                    out += std::to_string(ymd.month);
                else if (t.size() == 2)
                    out += two(ymd.month);
                else if (t.size() == 3)
                    out += std::string(kMonths[ymd.month - 1]).substr(0, 3);
                else if (t.size() == 5)
                    out += kMonths[ymd.month - 1][0];
                else
                    out += kMonths[ymd.month - 1];
            } else if (t[0] == 'n') {
                out += t.size() == 1 ? std::to_string(mi) : two(mi);
            } else if (t[0] == 'd') {
                if (t.size() == 1)
                    out += std::to_string(ymd.day);
                else if (t.size() == 2)
                    out += two(ymd.day);
                else if (t.size() == 3)
                    out += std::string(kDays[date::weekdayOf(day)]).substr(0, 3);
                else
                    out += kDays[date::weekdayOf(day)];
            } else if (t[0] == 'h') {
                int64_t hh = ampm ? (h % 12 == 0 ? 12 : h % 12) : h;
                out += t.size() == 1 ? std::to_string(hh) : two(hh);
            } else if (t[0] == 's') {
                out += t.size() == 1 ? std::to_string(se) : two(se);
                if (secDecimals > 0 && i + 1 < pieces.size() &&
                    pieces[i + 1].kind == Piece::Point) {
                    char buf[64];
                    std::snprintf(buf, sizeof buf, "%.*f", secDecimals, frac);
                    out += std::string(buf).substr(1); // ".50"
                    i += 1 + static_cast<size_t>(secDecimals);
                }
            }
            break;
        default:
            out += t;
            break;
        }
    }
    return true;
}

std::string groupThousands(const std::string& digits) {
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        out += digits[i];
        if ((n - i - 1) % 3 == 0 && i != n - 1)
            out += ',';
    }
    return out;
}

bool formatNumberPieces(double value, const std::vector<Piece>& pieces, bool showSign,
                        std::string& out) {
    // Layout: integer placeholders, an optional point and fraction placeholders, an
    // optional exponent with its own placeholders; literals kept in place.
    size_t point = pieces.size(), expo = pieces.size();
    int intDigits = 0, fracDigits = 0, expDigits = 0, percents = 0;
    bool thousands = false;
    int scaleCommas = 0;
    size_t lastIntDigit = pieces.size();
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.kind == Piece::Point && point == pieces.size() && expo == pieces.size())
            point = i;
        else if (p.kind == Piece::Exponent && expo == pieces.size())
            expo = i;
        else if (p.kind == Piece::Percent)
            ++percents;
        else if (p.kind == Piece::Digit) {
            if (expo < i)
                ++expDigits;
            else if (point < i)
                ++fracDigits;
            else {
                ++intDigits;
                lastIntDigit = i;
            }
        }
    }
    // Commas: between integer placeholders they group thousands; right after the last
    // integer placeholder each divides by 1,000.
    size_t lastDigit = pieces.size();
    for (size_t i = 0; i < std::min(pieces.size(), expo); ++i)
        if (pieces[i].kind == Piece::Digit)
            lastDigit = i;
    for (size_t i = 0; i < pieces.size() && i < expo; ++i) {
        if (pieces[i].kind != Piece::Comma)
            continue;
        if (lastDigit != pieces.size() && i > lastDigit)
            ++scaleCommas;
        else if (intDigits > 0 && i < point && i < lastIntDigit)
            thousands = true;
    }
    double v = std::fabs(value);
    for (int i = 0; i < percents; ++i)
        v *= 100;
    for (int i = 0; i < scaleCommas; ++i)
        v /= 1000;
    int exponent = 0;
    if (expo != pieces.size() && v != 0) {
        exponent = static_cast<int>(std::floor(std::log10(v)));
        if (intDigits > 1)
            exponent -= exponent % intDigits < 0 ? exponent % intDigits + intDigits
                                                 : exponent % intDigits; // engineering steps
        else
            exponent -= std::max(intDigits, 1) - 1;
        v /= std::pow(10.0, exponent);
        // Rounding may carry into another digit.
        double rounded = std::round(v * std::pow(10.0, fracDigits)) / std::pow(10.0, fracDigits);
        if (rounded >= std::pow(10.0, std::max(intDigits, 1))) {
            v /= 10;
            ++exponent;
        }
    }
    if (!(v < 1e300))
        return false;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", fracDigits, fn::roundHalfAway(v, fracDigits));
    std::string num = buf;
    std::string ip = num.substr(0, num.find('.'));
    std::string fp = fracDigits ? num.substr(num.find('.') + 1) : "";
    if (ip == "0")
        ip.clear();
    bool negative = value < 0 && (std::stod(buf) != 0 || exponent != 0);
    // Integer digits: right to left over the placeholders; extra digits go in front.
    std::vector<std::string> slots(pieces.size());
    {
        std::string digits = ip;
        int pos = static_cast<int>(digits.size());
        size_t firstDigit = pieces.size();
        for (size_t i = std::min(point, expo); i-- > 0;) {
            if (pieces[i].kind != Piece::Digit)
                continue;
            firstDigit = i;
            char ph = pieces[i].text[0];
            if (pos > 0)
                slots[i] = std::string(1, digits[--pos]);
            else
                slots[i] = ph == '0' ? "0" : (ph == '?' ? " " : "");
        }
        if (firstDigit != pieces.size() && pos > 0)
            slots[firstDigit] = digits.substr(0, pos) + slots[firstDigit];
        if (thousands) {
            // Group the integer digits as a whole and lay them out again.
            std::string all;
            for (size_t i = 0; i < std::min(point, expo); ++i)
                if (pieces[i].kind == Piece::Digit)
                    all += slots[i];
            std::string trimmed;
            for (char c : all)
                if (c != ' ')
                    trimmed += c;
            std::string grouped = groupThousands(trimmed);
            bool first = true;
            for (size_t i = 0; i < std::min(point, expo); ++i) {
                if (pieces[i].kind == Piece::Digit) {
                    slots[i] = first ? grouped : "";
                    first = false;
                }
            }
        }
    }
    // Fraction digits: left to right; trailing zeros under '#' disappear, under '?' blank.
    {
        size_t k = 0;
        std::vector<size_t> idx;
        for (size_t i = point + 1; i < expo && i < pieces.size(); ++i)
            if (pieces[i].kind == Piece::Digit) {
                slots[i] = k < fp.size() ? std::string(1, fp[k]) : "0";
                idx.push_back(i);
                ++k;
            }
        for (size_t j = idx.size(); j-- > 0;) {
            char ph = pieces[idx[j]].text[0];
            if (slots[idx[j]] != "0" || ph == '0')
                break;
            slots[idx[j]] = ph == '?' ? " " : "";
        }
    }
    if (expo != pieces.size()) {
        std::string e = std::to_string(std::abs(exponent));
        while (static_cast<int>(e.size()) < expDigits)
            e = "0" + e;
        std::string sign = exponent < 0 ? "-" : (pieces[expo].text == "+" ? "+" : "");
        // The exponent's digits replace its placeholders.
        slots[expo] = "E" + sign + e;
    }
    std::string body;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        switch (p.kind) {
        case Piece::Literal:
        case Piece::At:
            body += p.text;
            break;
        case Piece::Percent:
            body += '%';
            break;
        case Piece::Point:
            body += '.';
            break;
        case Piece::Comma:
            break;
        case Piece::Exponent:
            body += slots[i];
            break;
        case Piece::Digit:
            if (i < expo || expo == pieces.size())
                body += slots[i];
            break;
        default:
            body += p.text;
            break;
        }
    }
    if (negative && showSign)
        body = "-" + body;
    out += body;
    return true;
}

bool isDateSection(const std::vector<Piece>& pieces) {
    for (const Piece& p : pieces)
        if (p.kind == Piece::Date || p.kind == Piece::Elapsed || p.kind == Piece::AmPm)
            return true;
    return false;
}

} // namespace

bool formatWithCode(double value, std::string_view code, std::string& out) {
    out.clear();
    std::vector<std::string> secs = sections(code);
    size_t which = 0;
    bool showSign = true;
    if (secs.size() >= 2 && value < 0) {
        which = 1;
        showSign = false;
    } else if (secs.size() >= 3 && value == 0) {
        which = 2;
    }
    const std::string& sec = secs[which];
    if (sec.empty() && secs.size() > 1)
        return true;
    std::string_view sv = sec;
    size_t g = 0;
    while (g < sv.size() && sv[g] == '[') {
        size_t j = sv.find(']', g);
        std::string_view in = sv.substr(g + 1, j == std::string_view::npos ? 0 : j - g - 1);
        // Colours and conditions only; elapsed times and currencies are codes.
        if (j == std::string_view::npos ||
            (!in.empty() && (in[0] == '$' || lowerAscii(in[0]) == 'h' || lowerAscii(in[0]) == 'm' ||
                             lowerAscii(in[0]) == 's')))
            break;
        g = j + 1;
    }
    if (startsWithNoCase(sv, g, "general")) {
        std::string rest(sv.substr(g + 7));
        out = formatNumber(showSign ? value : std::fabs(value)) + rest;
        return true;
    }
    std::vector<Piece> pieces = lex(sv.substr(g));
    if (isDateSection(pieces))
        return formatDate(value, pieces, out);
    if (std::optional<FractionResult> f = formatFraction(value, sv.substr(g), showSign)) {
        out = std::move(f->text);
        return f->ok;
    }
    bool anyDigit = false;
    for (const Piece& p : pieces)
        anyDigit = anyDigit || p.kind == Piece::Digit;
    if (!anyDigit) {
        for (const Piece& p : pieces)
            out += p.text;
        if (value < 0 && showSign && secs.size() == 1)
            out = "-" + out;
        return true;
    }
    return formatNumberPieces(value, pieces, showSign, out);
}

std::string formatTextWithCode(const std::string& text, std::string_view code) {
    std::vector<std::string> secs = sections(code);
    std::string sec;
    if (secs.size() >= 4)
        sec = secs[3];
    else if (secs.size() == 1 && secs[0].find('@') != std::string::npos)
        sec = secs[0];
    else
        return text;
    std::string out;
    for (const Piece& p : lex(sec))
        out += p.kind == Piece::At ? text : p.text;
    return out;
}

} // namespace grid

#include "platform/grid/engine/NumberFormatFraction.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace grid {

namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#' || c == '?';
}

// One character of a section: a placeholder or digit of the code, or literal text.
struct Item {
    char code = 0; // '0' '#' '?', a digit '1'-'9', '/', ','; 0 for literal text
    std::string text;
};

std::vector<Item> items(std::string_view s) {
    std::vector<Item> out;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            size_t j = s.find('"', i + 1);
            if (j == std::string_view::npos)
                j = s.size();
            out.push_back({0, std::string(s.substr(i + 1, j - i - 1))});
            i = j;
        } else if (c == '\\' && i + 1 < s.size()) {
            out.push_back({0, std::string(1, s[++i])});
        } else if (c == '_' && i + 1 < s.size()) {
            out.push_back({0, " "});
            ++i;
        } else if (isPlaceholder(c) || (c >= '1' && c <= '9') || c == '/' || c == ',') {
            out.push_back({c, {}});
        } else {
            out.push_back({0, std::string(1, c)});
        }
    }
    return out;
}

// The parts of a fraction code: [prefix][integer][separator]numerator/denominator[suffix].
struct Fraction {
    std::string prefix, separator, suffix;
    std::string integer, numerator, denominator; // their placeholders
    int64_t fixedDenominator = 0;                // "?/16": 16
    bool hasInteger = false;
};

std::optional<Fraction> parse(const std::vector<Item>& it) {
    size_t slash = 0;
    while (slash < it.size() && it[slash].code != '/')
        ++slash;
    if (slash == it.size() || slash == 0 || !isPlaceholder(it[slash - 1].code))
        return std::nullopt;
    Fraction f;
    size_t n = slash;
    while (n > 0 && isPlaceholder(it[n - 1].code))
        --n;
    for (size_t i = n; i < slash; ++i)
        f.numerator += it[i].code;
    // Literal text before the numerator, and placeholders before that: a whole part.
    size_t s = n;
    while (s > 0 && it[s - 1].code == 0)
        --s;
    size_t w = s;
    while (w > 0 && (isPlaceholder(it[w - 1].code) || it[w - 1].code == ','))
        --w;
    if (w < s && s < n) {
        f.hasInteger = true;
        for (size_t i = w; i < s; ++i)
            f.integer += it[i].code;
        for (size_t i = s; i < n; ++i)
            f.separator += it[i].text;
    } else {
        w = n;
    }
    for (size_t i = 0; i < w; ++i) {
        if (it[i].code != 0 && it[i].code != ',')
            return std::nullopt; // digits in front of the fraction: not a code we read
        f.prefix += it[i].code ? std::string(1, it[i].code) : it[i].text;
    }
    size_t d = slash + 1;
    if (d < it.size() && it[d].code >= '1' && it[d].code <= '9') {
        while (d < it.size() && it[d].code >= '0' && it[d].code <= '9') {
            if (f.fixedDenominator > 100000000000000)
                return Fraction{}; // absurd: refused below
            f.fixedDenominator = f.fixedDenominator * 10 + (it[d].code - '0');
            ++d;
        }
    } else {
        while (d < it.size() && isPlaceholder(it[d].code))
            f.denominator += it[d++].code;
        if (f.denominator.empty())
            return std::nullopt;
    }
    for (; d < it.size(); ++d) {
        if (it[d].code != 0 && it[d].code != ',')
            return Fraction{};
        f.suffix += it[d].code ? std::string(1, it[d].code) : it[d].text;
    }
    return f;
}

// The fraction nearest to x (>= 0) with a denominator up to maxDen (continued
// fractions: a few steps whatever the bound). Exact in doubles while the numerator
// stays below 2^53; false when it would not.
bool nearest(double x, double maxDen, int64_t& num, int64_t& den) {
    double p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double r = x;
    for (int step = 0; step < 64; ++step) {
        double a = std::floor(r);
        double q2 = q0 + a * q1;
        if (q2 > maxDen)
            break;
        double p2 = p0 + a * p1;
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
        double rest = r - a;
        if (rest < 1e-12 || std::fabs(x - p1 / q1) < 1e-15)
            break;
        r = 1 / rest;
    }
    // The best within the bound: the last convergent or the largest semiconvergent
    // after it, the convergent when both are as near.
    double k = std::floor((maxDen - q0) / q1);
    double ps = p0 + k * p1, qs = q0 + k * q1;
    bool semi = std::fabs(x - ps / qs) < std::fabs(x - p1 / q1);
    double n = semi ? ps : p1, d = semi ? qs : q1;
    if (!(n < 9007199254740992.0))
        return false;
    num = static_cast<int64_t>(n);
    den = static_cast<int64_t>(d);
    return true;
}

std::string digitsOf(double whole) {
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, whole, std::chars_format::fixed, 0);
    return std::string(buf, r.ptr);
}

std::string grouped(const std::string& digits) {
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// A number in placeholders: at least as many digits as '0's, padded with a space for
// each '?' beyond its digits (on the left, or on the right for a denominator).
std::string placed(const std::string& digits, const std::string& ph, bool padRight) {
    size_t zeros = 0, blanks = 0;
    for (char c : ph) {
        zeros += c == '0';
        blanks += c == '?' || c == '0';
    }
    std::string s = digits;
    if (s.size() < zeros)
        s.insert(0, zeros - s.size(), '0');
    if (s.size() < blanks)
        padRight ? s.append(blanks - s.size(), ' ') : s.insert(0, blanks - s.size(), ' ');
    return s;
}

} // namespace

std::optional<FractionResult> formatFraction(double value, std::string_view section,
                                             bool showSign) {
    std::optional<Fraction> parsed = parse(items(section));
    if (!parsed)
        return std::nullopt;
    const Fraction& f = *parsed;
    FractionResult res;
    const size_t denWidth = f.denominator.size();
    if (f.numerator.empty() || (f.fixedDenominator == 0 && (denWidth == 0 || denWidth > 15)) ||
        f.numerator.size() > 15 || !(std::fabs(value) < 1e15)) {
        res.ok = false;
        return res;
    }
    const bool negative = value < 0;
    const double a = std::fabs(value);
    double whole = f.hasInteger ? std::floor(a) : 0;
    const double part = a - whole;
    int64_t num = 0, den = 1;
    if (f.fixedDenominator > 0) {
        den = f.fixedDenominator;
        // Exact halves go down, as in LibreOffice (1.5/8 shows as 1/8).
        double n = std::ceil(part * static_cast<double>(den) - 0.5);
        if (n > 9e15) {
            res.ok = false;
            return res;
        }
        num = static_cast<int64_t>(n);
    } else {
        if (!nearest(part, std::pow(10.0, static_cast<double>(denWidth)) - 1, num, den)) {
            res.ok = false;
            return res;
        }
    }
    // A fraction rounded up to one belongs to the whole part.
    if (f.hasInteger && num >= den && f.fixedDenominator == 0) {
        whole += 1;
        num = 0;
    } else if (f.hasInteger && num >= den) {
        whole += static_cast<double>(num / den);
        num %= den;
    }
    std::string& out = res.text;
    if (negative && showSign && (whole != 0 || num != 0))
        out += '-';
    out += f.prefix;
    std::string denText =
        f.fixedDenominator ? std::to_string(den) : placed(std::to_string(den), f.denominator, true);
    if (f.hasInteger) {
        const bool commas = f.integer.find(',') != std::string::npos;
        std::string ip;
        if (whole != 0 || num == 0)
            ip = digitsOf(whole);
        if (commas)
            ip = grouped(ip);
        std::string integerPh;
        for (char c : f.integer)
            if (c != ',')
                integerPh += c;
        out += whole == 0 && num == 0 ? "0" : placed(ip, integerPh, false);
        out += f.separator;
        if (num == 0) {
            // A whole number: the fraction's place stays, blank.
            size_t blank = f.numerator.size() + 1 + (f.fixedDenominator ? 0 : denWidth);
            out.append(blank, ' ');
        } else {
            out += placed(std::to_string(num), f.numerator, false) + "/" + denText;
        }
    } else {
        out += placed(std::to_string(num), f.numerator, false) + "/" + denText;
    }
    out += f.suffix;
    return res;
}

} // namespace grid

#include "platform/grid/engine/Value.h"

#include "platform/grid/engine/CellRef.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>

namespace grid {

namespace {

struct ErrorName {
    ErrorCode code;
    std::string_view text;
};

constexpr ErrorName kErrorNames[] = {
    {ErrorCode::Null, "#NULL!"}, {ErrorCode::Div0, "#DIV/0!"},    {ErrorCode::Value, "#VALUE!"},
    {ErrorCode::Ref, "#REF!"},   {ErrorCode::Name, "#NAME?"},     {ErrorCode::Num, "#NUM!"},
    {ErrorCode::NA, "#N/A"},     {ErrorCode::Circular, "#CIRC!"},
};

} // namespace

std::string_view errorText(ErrorCode code) {
    for (const auto& e : kErrorNames)
        if (e.code == code)
            return e.text;
    return {};
}

ErrorCode parseErrorText(std::string_view text) {
    for (const auto& e : kErrorNames) {
        if (e.text.size() != text.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < text.size() && same; ++i)
            same = std::toupper(static_cast<unsigned char>(text[i])) == e.text[i];
        if (same)
            return e.code;
    }
    return ErrorCode::None;
}

std::string formatNumber(double v) {
    if (std::isnan(v))
        return "#NUM!";
    if (std::isinf(v))
        return "#NUM!";
    if (v == 0)
        return "0";
    char buf[64];
    double a = std::fabs(v);
    if (a >= 1e-5 && a < 1e15) {
        // Fixed notation with 15 significant digits, trailing zeros removed.
        int intDigits = a >= 1 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 0;
        int decimals = 15 - intDigits;
        if (a < 1) {
            int lead = -static_cast<int>(std::floor(std::log10(a))) - 1; // zeros after the point
            decimals = 15 + lead;
        }
        if (decimals < 0)
            decimals = 0;
        if (decimals > 30)
            decimals = 30;
        auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
        std::string s(buf, res.ptr);
        if (s.find('.') != std::string::npos) {
            while (!s.empty() && s.back() == '0')
                s.pop_back();
            if (!s.empty() && s.back() == '.')
                s.pop_back();
        }
        if (s == "-0")
            s = "0";
        return s;
    }
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    // mantissa: strip trailing zeros
    std::string s(buf, res.ptr);
    size_t e = s.find('e');
    std::string mant = s.substr(0, e), exp = s.substr(e + 1);
    if (mant.find('.') != std::string::npos) {
        while (mant.back() == '0')
            mant.pop_back();
        if (mant.back() == '.')
            mant.pop_back();
    }
    // exponent: sign and at least two digits
    char sign = exp[0];
    std::string digits = exp.substr(1);
    while (digits.size() > 2 && digits[0] == '0')
        digits.erase(0, 1);
    return mant + "E" + sign + digits;
}

void appendNumber(std::string& out, double v) {
    // Whole numbers below 1e15 print all their digits in either form.
    if (v == std::trunc(v) && std::fabs(v) < 1e15) {
        char buf[24];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(v)).ptr);
        return;
    }
    out += formatNumber(v);
}

bool parseNumber(std::string_view text, double& out) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    if (b < e && text[b] == '+') {
        ++b;
        if (b < e && (text[b] == '-' || text[b] == '+'))
            return false;
    }
    if (b == e)
        return false;
    // Plain decimal notation only (from_chars would also take "inf", "nan" and hex).
    for (size_t i = b; i < e; ++i) {
        char c = text[i];
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E'))
            return false;
    }
    double v = 0;
    auto res = std::from_chars(text.data() + b, text.data() + e, v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != text.data() + e || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

std::string Value::toString() const {
    switch (m_type) {
    case ValueType::Empty:
        return {};
    case ValueType::Number:
        return formatNumber(m_number);
    case ValueType::Text:
        return m_text;
    case ValueType::Boolean:
        return m_number != 0 ? "TRUE" : "FALSE";
    case ValueType::Error:
        return std::string(errorText(m_error));
    }
    return {};
}

std::ostream& operator<<(std::ostream& os, const Value& v) {
    static const char* const kTypes[] = {"empty", "number", "text", "boolean", "error"};
    return os << kTypes[static_cast<int>(v.type())] << " '" << v.toString() << "'";
}

std::string columnLetters(int32_t col) {
    std::string s;
    while (col > 0) {
        int32_t m = (col - 1) % 26;
        s.insert(s.begin(), static_cast<char>('A' + m));
        col = (col - 1) / 26;
    }
    return s;
}

bool parseA1(std::string_view text, CellRef& out) {
    size_t i = 0;
    int64_t col = 0, row = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
        if (col > 1000000)
            return false;
        ++i;
    }
    if (i == 0 || i == text.size())
        return false;
    size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        row = row * 10 + (text[i] - '0');
        if (row > 100000000)
            return false;
        ++i;
    }
    if (i != text.size() || digits == i || row < 1)
        return false;
    out = {static_cast<int32_t>(col), static_cast<int32_t>(row)};
    return true;
}

} // namespace grid

// Text functions beyond the basic ones: SEARCH, REPLACE, PROPER, EXACT, TEXT, FIXED,
// CHAR, CODE, UNICHAR, UNICODE, CLEAN, TEXTJOIN, CONCAT.

#include <cmath>

#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/NumberFormat.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

// Decodes one UTF-8 character at s[i]; moves i past it (U+FFFD for bad bytes).
uint32_t decode(const std::string& s, size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return 0xFFFD;
    }
    uint32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        unsigned char x = static_cast<unsigned char>(s[i + k]);
        if ((x & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (x & 0x3F);
    }
    i += len;
    return cp;
}

std::string encode(uint32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::vector<size_t> charStarts(const std::string& s) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(s.size());
    return starts;
}

// Windows-1252's characters 128..159; the rest of 0..255 are Latin-1.
const uint16_t kCp1252[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                              0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

// The cells of an argument row by row, as TEXTJOIN and CONCAT read them.
template <class F> bool eachText(Evaluator& ev, EvalValue& v, EvalValue& r, F&& f) {
    if (v.kind != EvalValue::Ref) {
        std::string s;
        if (!argText(ev, v, s, r))
            return false;
        return f(s, v.kind == EvalValue::Missing);
    }
    const SheetData& d = ev.data();
    int64_t lastRow = v.range.row1 - 1;
    for (int32_t c = v.range.col1; c <= v.range.col2 && static_cast<size_t>(c) < d.cols.size(); ++c)
        lastRow = std::max<int64_t>(lastRow, static_cast<int64_t>(d.cols[c].slots.size()) - 1);
    lastRow = std::min<int64_t>(lastRow, v.range.row2);
    for (int64_t row = v.range.row1; row <= lastRow; ++row) {
        for (int32_t c = v.range.col1; c <= v.range.col2; ++c) {
            EvalValue cell = ev.cellValue(c, static_cast<int32_t>(row));
            std::string s;
            if (!argText(ev, cell, s, r))
                return false;
            if (!f(s, cell.kind == EvalValue::Empty))
                return false;
        }
    }
    return true;
}

} // namespace

void fnSearch(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string what, within;
    double start;
    if (!argText(ev, a[0], what, r) || !argText(ev, a[1], within, r) ||
        !argNumberOr(ev, a, n, 2, 1, start, r))
        return;
    int64_t len = text::charCount(within);
    if (what.empty() || start < 1 || start > static_cast<double>(len))
        return setError(r, ErrorCode::Value);
    int64_t pos = text::search(what, within, static_cast<int64_t>(start) - 1);
    if (pos < 0)
        return setError(r, ErrorCode::Value);
    setNumber(r, static_cast<double>(pos + 1));
}

void fnReplace(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s, with;
    double startD, countD;
    if (!argText(ev, a[0], s, r) || !argNumber(ev, a[1], startD, r) ||
        !argNumber(ev, a[2], countD, r) || !argText(ev, a[3], with, r))
        return;
    if (startD < 1 || countD < 0 || startD > 1e9 || countD > 1e9)
        return setError(r, ErrorCode::Value);
    std::vector<size_t> st = charStarts(s);
    int64_t len = static_cast<int64_t>(st.size()) - 1;
    int64_t from = std::min<int64_t>(static_cast<int64_t>(startD) - 1, len);
    int64_t to = std::min<int64_t>(from + static_cast<int64_t>(countD), len);
    setText(r, s.substr(0, st[from]) + with + s.substr(st[to]));
}

void fnProper(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s, out;
    if (!argText(ev, a[0], s, r))
        return;
    // A letter after a letter is lower case, any other letter upper case.
    bool afterLetter = false;
    for (size_t i = 0; i < s.size();) {
        size_t b = i;
        decode(s, i);
        std::string ch = s.substr(b, i - b);
        bool letter = text::isLetter(ch);
        out += letter ? (afterLetter ? text::lower(ch) : text::upper(ch)) : ch;
        afterLetter = letter;
    }
    setText(r, std::move(out));
}

void fnExact(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string x, y;
    if (argText(ev, a[0], x, r) && argText(ev, a[1], y, r))
        r = EvalValue::boolean(x == y);
}

void fnText(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    std::string code;
    if (v.kind == EvalValue::Error)
        return setError(r, v.err);
    if (!argText(ev, a[1], code, r))
        return;
    double x = 0;
    if (v.kind == EvalValue::Text && !parseNumber(v.text, x))
        return setText(r, formatTextWithCode(v.text, code));
    if (v.kind == EvalValue::Number || v.kind == EvalValue::Bool)
        x = v.num;
    std::string out;
    if (!formatWithCode(x, code, out))
        return setError(r, ErrorCode::Value);
    setText(r, std::move(out));
}

void fnFixed(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x, decD;
    bool noCommas = false;
    if (!argNumber(ev, a[0], x, r) || !argNumberOr(ev, a, n, 1, 2, decD, r))
        return;
    if (given(a, n, 2) && !argBool(ev, a[2], noCommas, r))
        return;
    int dec = static_cast<int>(std::clamp(std::trunc(decD), -15.0, 127.0));
    double v = roundHalfAway(x, dec);
    std::string code = noCommas ? "0" : "#,##0";
    if (dec > 0)
        code += "." + std::string(static_cast<size_t>(dec), '0');
    std::string out;
    if (!formatWithCode(v, code, out))
        return setError(r, ErrorCode::Value);
    setText(r, std::move(out));
}

void fnChar(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!argNumber(ev, a[0], x, r))
        return;
    x = std::trunc(x);
    if (x < 1 || x > 255)
        return setError(r, ErrorCode::Value);
    uint32_t c = static_cast<uint32_t>(x);
    setText(r, encode(c >= 128 && c < 160 ? kCp1252[c - 128] : c));
}

void fnCode(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    if (!argText(ev, a[0], s, r))
        return;
    if (s.empty())
        return setNumber(r, 0);
    size_t i = 0;
    uint32_t cp = decode(s, i);
    if (cp >= 128 && cp < 160)
        return setNumber(r, 63); // not in the code page: '?'
    if (cp >= 256) {
        for (int k = 0; k < 32; ++k)
            if (kCp1252[k] == cp)
                return setNumber(r, 128 + k);
        return setNumber(r, 63);
    }
    setNumber(r, cp);
}

void fnUnichar(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!argNumber(ev, a[0], x, r))
        return;
    x = std::trunc(x);
    if (x < 1 || x > 0x10FFFF || (x >= 0xD800 && x <= 0xDFFF))
        return setError(r, ErrorCode::Value);
    setText(r, encode(static_cast<uint32_t>(x)));
}

void fnUnicode(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    if (!argText(ev, a[0], s, r))
        return;
    if (s.empty())
        return setError(r, ErrorCode::Value);
    size_t i = 0;
    setNumber(r, decode(s, i));
}

void fnClean(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s, out;
    if (!argText(ev, a[0], s, r))
        return;
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 32)
            out += c;
    setText(r, std::move(out));
}

void fnTextJoin(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string delim, out;
    bool skipEmpty;
    if (!argText(ev, a[0], delim, r) || !argBool(ev, a[1], skipEmpty, r))
        return;
    bool first = true;
    for (int i = 2; i < n; ++i) {
        bool ok = eachText(ev, a[i], r, [&](const std::string& s, bool empty) {
            if (skipEmpty && (empty || s.empty()))
                return true;
            if (!first)
                out += delim;
            first = false;
            out += s;
            return text::fitsTextLimit(out) || (setError(r, ErrorCode::Value), false);
        });
        if (!ok)
            return;
    }
    setText(r, std::move(out));
}

void fnConcat(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        bool ok = eachText(ev, a[i], r, [&](const std::string& s, bool) {
            out += s;
            return text::fitsTextLimit(out) || (setError(r, ErrorCode::Value), false);
        });
        if (!ok)
            return;
    }
    setText(r, std::move(out));
}

} // namespace grid::fn

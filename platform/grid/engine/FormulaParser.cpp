#include "platform/grid/engine/FormulaParser.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/grid/engine/Functions.h"
#include "platform/grid/engine/Value.h"

namespace grid {

namespace {

// ASCII only, independent of the process locale.
bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isIdentStart(char c) {
    return isAlpha(c) || c == '_' || (c & 0x80);
}
bool isIdentChar(char c) {
    return isAlpha(c) || isDigit(c) || c == '_' || c == '.' || (c & 0x80);
}

// One part of a reference: value and whether it is absolute.
struct Part {
    int32_t v = 0;
    bool abs = false;
};

class Parser {
public:
    Parser(std::string_view text, RefStyle style, int32_t col, int32_t row, FormulaCode& out)
        : m_s(text), m_style(style), m_col(col), m_row(row), m_out(out) {}

    ParseResult run() {
        skipSpace();
        if (m_pos < m_s.size() && m_s[m_pos] == '=')
            ++m_pos;
        skipSpace();
        if (m_pos >= m_s.size())
            return fail("empty formula");
        if (!expr(0))
            return m_result;
        skipSpace();
        if (m_pos < m_s.size())
            return fail("unexpected text");
        return m_result;
    }

private:
    std::string_view m_s;
    size_t m_pos = 0;
    RefStyle m_style;
    int32_t m_col, m_row;
    FormulaCode& m_out;
    ParseResult m_result;

    ParseResult fail(const char* msg) {
        if (m_result.ok) {
            m_result.ok = false;
            m_result.message = std::string(msg) + " at position " + std::to_string(m_pos + 1);
            m_result.position = static_cast<int>(m_pos);
        }
        return m_result;
    }
    bool failB(const char* msg) {
        fail(msg);
        return false;
    }

    char peek(size_t ahead = 0) const {
        return m_pos + ahead < m_s.size() ? m_s[m_pos + ahead] : '\0';
    }
    void skipSpace() {
        while (m_pos < m_s.size() && (m_s[m_pos] == ' ' || m_s[m_pos] == '\t' ||
                                      m_s[m_pos] == '\n' || m_s[m_pos] == '\r'))
            ++m_pos;
    }
    void emit(Op op, uint16_t argc = 0) {
        Token t;
        t.op = op;
        t.argc = argc;
        m_out.tokens.push_back(t);
    }

    // comparison < concat < additive < multiplicative < power < unary < percent < primary
    bool expr(int depth) {
        if (depth > FormulaParser::kMaxDepth)
            return failB("formula nested too deeply");
        if (!concat(depth))
            return false;
        for (;;) {
            skipSpace();
            Op op;
            char c = peek(), n = peek(1);
            if (c == '=') {
                op = Op::Eq;
                m_pos += 1;
            } else if (c == '<' && n == '>') {
                op = Op::Ne;
                m_pos += 2;
            } else if (c == '<' && n == '=') {
                op = Op::Le;
                m_pos += 2;
            } else if (c == '>' && n == '=') {
                op = Op::Ge;
                m_pos += 2;
            } else if (c == '<') {
                op = Op::Lt;
                m_pos += 1;
            } else if (c == '>') {
                op = Op::Gt;
                m_pos += 1;
            } else
                return true;
            if (!concat(depth))
                return false;
            emit(op);
        }
    }
    bool concat(int depth) {
        if (!additive(depth))
            return false;
        for (;;) {
            skipSpace();
            if (peek() != '&')
                return true;
            ++m_pos;
            if (!additive(depth))
                return false;
            emit(Op::Concat);
        }
    }
    bool additive(int depth) {
        if (!multiplicative(depth))
            return false;
        for (;;) {
            skipSpace();
            char c = peek();
            if (c != '+' && c != '-')
                return true;
            ++m_pos;
            if (!multiplicative(depth))
                return false;
            emit(c == '+' ? Op::Add : Op::Sub);
        }
    }
    bool multiplicative(int depth) {
        if (!power(depth))
            return false;
        for (;;) {
            skipSpace();
            char c = peek();
            if (c != '*' && c != '/')
                return true;
            ++m_pos;
            if (!power(depth))
                return false;
            emit(c == '*' ? Op::Mul : Op::Div);
        }
    }
    bool power(int depth) {
        if (!unary(depth))
            return false;
        for (;;) {
            skipSpace();
            if (peek() != '^')
                return true;
            ++m_pos;
            if (!unary(depth))
                return false;
            emit(Op::Pow);
        }
    }
    bool unary(int depth) {
        skipSpace();
        // Signs are collected without recursion: "---1" is three Neg tokens.
        std::vector<Op> signs;
        while (peek() == '-' || peek() == '+') {
            signs.push_back(peek() == '-' ? Op::Neg : Op::Plus);
            ++m_pos;
            skipSpace();
            if (signs.size() > 1000)
                return failB("too many signs");
        }
        if (!primary(depth) || !referenceOperators(depth))
            return false;
        for (;;) {
            skipSpace();
            if (peek() != '%')
                break;
            ++m_pos;
            emit(Op::Percent);
        }
        for (auto it = signs.rbegin(); it != signs.rend(); ++it)
            emit(*it);
        return true;
    }

    // Whether the last operand may be a reference (so ':' and ' ' can combine it).
    bool lastMayBeReference() const {
        if (m_out.tokens.empty())
            return false;
        Op op = m_out.tokens.back().op;
        return op == Op::Ref || op == Op::Range || op == Op::Name || op == Op::Func ||
               op == Op::Custom || op == Op::RangeJoin || op == Op::Intersect || op == Op::Paren;
    }

    // Whether the last token is a name that another style reads as a column when a
    // ':' joins it ("A:A" in R1C1 style would be two names).
    bool lastIsColumnLikeName() const {
        const Token& t = m_out.tokens.back();
        if (t.op != Op::Name)
            return false;
        const std::string& n = m_out.strings[t.a];
        if (n.empty() || n.size() > 5)
            return false;
        int64_t v = 0;
        for (char c : n) {
            if (!isAlpha(c))
                return false;
            v = v * 26 + (upper(c) - 'A' + 1);
        }
        return v <= Sheet::kLimitCols;
    }

    // The reference operators after an operand: "a:b" spans both references, "a b"
    // (blanks between two references) takes the cells they share.
    // "a:b" after an operand a; the ':' is at m_pos.
    bool joinRange(int depth) {
        if (lastIsColumnLikeName())
            return failB("name looks like a column");
        ++m_pos;
        if (!primary(depth + 1))
            return false;
        if (!lastMayBeReference())
            return failB("expected a reference after ':'");
        if (lastIsColumnLikeName())
            return failB("name looks like a column");
        emit(Op::RangeJoin);
        m_out.volatileCode = true; // its cells are known only when it runs
        return true;
    }

    bool referenceOperators(int depth) {
        for (;;) {
            if (peek() == ':' && lastMayBeReference()) {
                if (!joinRange(depth))
                    return false;
                continue;
            }
            if ((peek() == ' ' || peek() == '\t') && lastMayBeReference()) {
                size_t save = m_pos;
                skipSpace();
                char c = peek();
                bool start =
                    c == '$' || isIdentStart(c) || (c == '#' && m_style == RefStyle::Default);
                if (start &&
                    !(c == '#' && parseErrorText(m_s.substr(m_pos, 4)) != ErrorCode::None)) {
                    size_t before = m_out.tokens.size();
                    if (primary(depth + 1) && lastMayBeReference()) {
                        while (peek() == ':' && lastMayBeReference())
                            if (!joinRange(depth))
                                return false;
                        emit(Op::Intersect);
                        continue;
                    }
                    if (!m_result.ok)
                        return false;
                    m_out.tokens.resize(before);
                }
                m_pos = save;
            }
            return true;
        }
    }

    bool number() {
        size_t start = m_pos;
        while (isDigit(peek()))
            ++m_pos;
        if (peek() == '.') {
            ++m_pos;
            while (isDigit(peek()))
                ++m_pos;
        }
        if ((peek() == 'e' || peek() == 'E') &&
            (isDigit(peek(1)) || ((peek(1) == '+' || peek(1) == '-') && isDigit(peek(2))))) {
            m_pos += 2;
            while (isDigit(peek()))
                ++m_pos;
        }
        double v = 0;
        if (!parseNumber(m_s.substr(start, m_pos - start), v)) {
            m_pos = start;
            return failB("bad number");
        }
        Token t;
        t.op = Op::Number;
        t.num = v;
        m_out.tokens.push_back(t);
        return true;
    }

    bool string() {
        ++m_pos; // opening quote
        std::string s;
        for (;;) {
            if (m_pos >= m_s.size())
                return failB("unterminated text");
            char c = m_s[m_pos++];
            if (c == '"') {
                if (peek() == '"') {
                    s += '"';
                    ++m_pos;
                    continue;
                }
                break;
            }
            s += c;
        }
        Token t;
        t.op = Op::String;
        t.a = addString(std::move(s));
        m_out.tokens.push_back(t);
        return true;
    }

    int32_t addString(std::string s) {
        m_out.strings.push_back(std::move(s));
        return static_cast<int32_t>(m_out.strings.size() - 1);
    }

    // Letters of a column, up to the sheet's limit. Returns 0 when none.
    int32_t letters(size_t& p) const {
        int64_t v = 0;
        size_t start = p;
        while (p < m_s.size() && isAlpha(m_s[p]) && p - start < 5) {
            v = v * 26 + (upper(m_s[p]) - 'A' + 1);
            ++p;
        }
        if (p == start || v > Sheet::kLimitCols)
            return 0;
        return static_cast<int32_t>(v);
    }
    bool digits(size_t& p, int64_t& v) const {
        size_t start = p;
        v = 0;
        while (p < m_s.size() && isDigit(m_s[p])) {
            v = v * 10 + (m_s[p] - '0');
            if (v > 1000000000)
                return false;
            ++p;
        }
        return p > start;
    }
    // [+-]digits
    bool signedDigits(size_t& p, int64_t& v) const {
        if (p >= m_s.size() || (m_s[p] != '+' && m_s[p] != '-'))
            return false;
        bool neg = m_s[p] == '-';
        size_t q = p + 1;
        if (!digits(q, v))
            return false;
        if (neg)
            v = -v;
        p = q;
        return true;
    }

    // One cell address at p in the current style; on success p moves past it.
    bool address(size_t& p, Part& c, Part& r) const {
        switch (m_style) {
        case RefStyle::A1:
            return addressA1(p, c, r);
        case RefStyle::R1C1:
            return addressR1C1(p, c, r);
        default:
            return addressDefault(p, c, r);
        }
    }
    bool addressA1(size_t& p, Part& c, Part& r) const {
        size_t q = p;
        bool cabs = false, rabs = false;
        if (q < m_s.size() && m_s[q] == '$') {
            cabs = true;
            ++q;
        }
        int32_t col = letters(q);
        if (!col)
            return false;
        if (q < m_s.size() && m_s[q] == '$') {
            rabs = true;
            ++q;
        }
        int64_t row;
        if (!digits(q, row) || row < 1 || row > Sheet::kLimitRows)
            return false;
        c = {cabs ? col : col - m_col, cabs};
        r = {rabs ? static_cast<int32_t>(row) : static_cast<int32_t>(row) - m_row, rabs};
        p = q;
        return true;
    }
    bool addressDefault(size_t& p, Part& c, Part& r) const {
        size_t q = p;
        if (q < m_s.size() && m_s[q] == '$')
            ++q;
        if (q < m_s.size() && m_s[q] == '#') {
            ++q;
            c = {0, false};
            // "#+2#": a column offset needs a relative row after it.
            size_t t = q;
            int64_t off;
            // "#+1$5": a column offset with an absolute row.
            if (signedDigits(t, off) && t < m_s.size() &&
                (m_s[t] == '#' || (m_s[t] == '$' && t + 1 < m_s.size() && isDigit(m_s[t + 1])))) {
                if (off < -Sheet::kLimitCols || off > Sheet::kLimitCols)
                    return false;
                c.v = static_cast<int32_t>(off);
                q = t;
            }
        } else {
            int32_t col = letters(q);
            if (!col)
                return false;
            c = {col, true};
        }
        if (q < m_s.size() && m_s[q] == '$')
            ++q;
        if (q < m_s.size() && m_s[q] == '#') {
            ++q;
            r = {0, false};
            int64_t off;
            size_t t = q;
            if (signedDigits(t, off)) {
                if (off < -Sheet::kLimitRows || off > Sheet::kLimitRows)
                    return false;
                r.v = static_cast<int32_t>(off);
                q = t;
            }
        } else {
            int64_t row;
            if (!digits(q, row) || row < 1 || row > Sheet::kLimitRows)
                return false;
            r = {static_cast<int32_t>(row), true};
        }
        p = q;
        return true;
    }
    bool addressR1C1(size_t& p, Part& c, Part& r) const {
        size_t q = p;
        auto part = [&](char letter, Part& out, int64_t limit) {
            if (q >= m_s.size() || upper(m_s[q]) != letter)
                return false;
            ++q;
            int64_t v;
            if (q < m_s.size() && m_s[q] == '[') {
                ++q;
                bool neg = false;
                if (q < m_s.size() && (m_s[q] == '-' || m_s[q] == '+')) {
                    neg = m_s[q] == '-';
                    ++q;
                }
                if (!digits(q, v) || q >= m_s.size() || m_s[q] != ']' || v > limit)
                    return false;
                ++q;
                out = {static_cast<int32_t>(neg ? -v : v), false};
            } else if (digits(q, v)) {
                if (v < 1 || v > limit)
                    return false;
                out = {static_cast<int32_t>(v), true};
            } else {
                out = {0, false};
            }
            return true;
        };
        if (!part('R', r, Sheet::kLimitRows) || !part('C', c, Sheet::kLimitCols))
            return false;
        p = q;
        return true;
    }

    // One side of a whole column or row range ("A", "$A", "#+1", "C[1]", "3", "$3",
    // "R2"); `cols` tells which. On success p moves past it.
    bool linePart(size_t& p, bool cols, Part& out) const {
        size_t q = p;
        if (m_style == RefStyle::R1C1) {
            if (q >= m_s.size() || upper(m_s[q]) != (cols ? 'C' : 'R'))
                return false;
            ++q;
            int64_t v;
            int64_t limit = cols ? Sheet::kLimitCols : Sheet::kLimitRows;
            if (q < m_s.size() && m_s[q] == '[') {
                ++q;
                bool neg = false;
                if (q < m_s.size() && (m_s[q] == '-' || m_s[q] == '+'))
                    neg = m_s[q++] == '-';
                if (!digits(q, v) || q >= m_s.size() || m_s[q] != ']' || v > limit)
                    return false;
                out = {static_cast<int32_t>(neg ? -v : v), false};
                p = q + 1;
                return true;
            }
            if (!digits(q, v) || v < 1 || v > limit)
                return false;
            out = {static_cast<int32_t>(v), true};
            p = q;
            return true;
        }
        bool dollar = q < m_s.size() && m_s[q] == '$';
        if (dollar)
            ++q;
        if (cols && m_style == RefStyle::Default && q < m_s.size() && m_s[q] == '#') {
            ++q;
            int64_t off = 0;
            size_t t = q;
            if (signedDigits(t, off)) {
                if (off < -Sheet::kLimitCols || off > Sheet::kLimitCols)
                    return false;
                q = t;
            }
            out = {static_cast<int32_t>(off), false};
            p = q;
            return true;
        }
        if (cols) {
            int32_t c = letters(q);
            if (!c)
                return false;
            bool abs = dollar || m_style == RefStyle::Default;
            out = {abs ? c : c - m_col, abs};
        } else {
            int64_t r;
            if (!digits(q, r) || r < 1 || r > Sheet::kLimitRows)
                return false;
            bool abs = dollar || m_style == RefStyle::Default;
            out = {abs ? static_cast<int32_t>(r) : static_cast<int32_t>(r) - m_row, abs};
        }
        p = q;
        return true;
    }

    // A whole column or row range at m_pos ("A:C", "3:5", "C2:C4", "C2", "R[1]").
    bool wholeLines() {
        for (bool cols : {true, false}) {
            size_t p = m_pos;
            Part a, b;
            if (!linePart(p, cols, a))
                continue;
            bool pair = p < m_s.size() && m_s[p] == ':';
            if (pair) {
                size_t q = p + 1;
                if (!linePart(q, cols, b))
                    continue;
                p = q;
            } else if (m_style == RefStyle::R1C1) {
                b = a; // "C2" alone: one whole column
            } else {
                continue;
            }
            if (p < m_s.size() && (isIdentChar(m_s[p]) || m_s[p] == '(' || m_s[p] == '[' ||
                                   m_s[p] == '#' || m_s[p] == '$' || m_s[p] == ':'))
                continue;
            Token t;
            t.op = Op::Range;
            if (cols) {
                t.a = a.v;
                t.c = b.v;
                t.b = 1;
                t.d = Sheet::kLimitRows;
                t.flags = (a.abs ? kColAbs : 0) | (b.abs ? kCol2Abs : 0) | kRowAbs | kRow2Abs |
                          kWholeCols;
            } else {
                t.b = a.v;
                t.d = b.v;
                t.a = 1;
                t.c = Sheet::kLimitCols;
                t.flags = (a.abs ? kRowAbs : 0) | (b.abs ? kRow2Abs : 0) | kColAbs | kCol2Abs |
                          kWholeRows;
            }
            m_out.tokens.push_back(t);
            m_pos = p;
            return true;
        }
        return false;
    }

    static bool looksLikeAddress(const std::string& name) {
        for (RefStyle style : {RefStyle::Default, RefStyle::A1, RefStyle::R1C1}) {
            FormulaCode dummy;
            Parser p(name, style, 1, 1, dummy);
            size_t pos = 0;
            Part c, r;
            if (p.address(pos, c, r) && pos == name.size())
                return true;
        }
        return false;
    }

    bool referenceOrName(int depth) {
        if (wholeLines())
            return true;
        size_t p = m_pos;
        Part c1, r1;
        if (address(p, c1, r1)) {
            size_t q = p;
            Part c2, r2;
            bool range = false;
            if (q < m_s.size() && m_s[q] == ':') {
                ++q;
                if (address(q, c2, r2))
                    range = true;
            }
            size_t end = range ? q : p;
            // "LOG10(" or "A1B": not a reference after all.
            auto endsHere = [&](size_t e) {
                return e >= m_s.size() ||
                       !(isIdentChar(m_s[e]) || m_s[e] == '(' || m_s[e] == '#' || m_s[e] == '$');
            };
            // "R1C1:RCx" in R1C1 style: the cell, then ':' with a name.
            if (range && !endsHere(end) && endsHere(p)) {
                range = false;
                end = p;
            }
            if (endsHere(end)) {
                Token t;
                if (range) {
                    t.op = Op::Range;
                    t.a = c1.v;
                    t.b = r1.v;
                    t.c = c2.v;
                    t.d = r2.v;
                    t.flags = (c1.abs ? kColAbs : 0) | (r1.abs ? kRowAbs : 0) |
                              (c2.abs ? kCol2Abs : 0) | (r2.abs ? kRow2Abs : 0);
                } else {
                    t.op = Op::Ref;
                    t.a = c1.v;
                    t.b = r1.v;
                    t.flags = (c1.abs ? kColAbs : 0) | (r1.abs ? kRowAbs : 0);
                }
                m_out.tokens.push_back(t);
                m_pos = end;
                return true;
            }
        }
        if (!isIdentStart(peek()))
            return failB("unexpected character");
        size_t start = m_pos;
        while (isIdentChar(peek()))
            ++m_pos;
        std::string name(m_s.substr(start, m_pos - start));
        size_t save = m_pos;
        skipSpace();
        if (peek() == '(') {
            ++m_pos;
            return call(name, depth);
        }
        m_pos = save;
        std::string upper = name;
        for (auto& ch : upper)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (upper == "TRUE" || upper == "FALSE") {
            Token t;
            t.op = Op::Bool;
            t.num = upper == "TRUE" ? 1 : 0;
            m_out.tokens.push_back(t);
            return true;
        }
        // A name that another style would read as a cell would not survive a
        // change of style, so it is no name at all.
        if (looksLikeAddress(name)) {
            m_pos = start;
            return failB("name looks like a cell reference");
        }
        Token t;
        t.op = Op::Name;
        t.a = addString(std::move(name));
        m_out.tokens.push_back(t);
        m_out.hasNames = true;
        return true;
    }

    bool call(const std::string& name, int depth) {
        int argc = 0;
        skipSpace();
        if (peek() == ')') {
            ++m_pos;
        } else {
            for (;;) {
                skipSpace();
                if (peek() == ',' || peek() == ';' || peek() == ')')
                    emit(Op::Missing);
                else if (!expr(depth + 1))
                    return false;
                ++argc;
                if (argc > 255)
                    return failB("too many arguments");
                skipSpace();
                char c = peek();
                if (c == ',' || c == ';') {
                    ++m_pos;
                    continue;
                }
                if (c == ')') {
                    ++m_pos;
                    break;
                }
                return failB("expected ',' or ')'");
            }
        }
        int id = findBuiltin(name);
        Token t;
        t.argc = static_cast<uint16_t>(argc);
        if (id >= 0) {
            const BuiltinFunction& f = builtin(id);
            if (argc < f.minArgs || (f.maxArgs >= 0 && argc > f.maxArgs))
                return failB("wrong number of arguments");
            t.op = Op::Func;
            t.a = id;
            if (f.isVolatile)
                m_out.volatileCode = true;
        } else {
            t.op = Op::Custom;
            t.a = addString(name);
            m_out.hasCustom = true;
        }
        m_out.tokens.push_back(t);
        return true;
    }

    bool primary(int depth) {
        skipSpace();
        char c = peek();
        if (c == '\0')
            return failB("unexpected end of formula");
        if (isDigit(c) && wholeLines())
            return true;
        if (isDigit(c) || (c == '.' && isDigit(peek(1))))
            return number();
        if (c == '"')
            return string();
        if (c == '(') {
            ++m_pos;
            if (!expr(depth + 1))
                return false;
            skipSpace();
            if (peek() != ')')
                return failB("expected ')'");
            ++m_pos;
            emit(Op::Paren);
            return true;
        }
        if (c == '#') {
            // Error literal?
            for (size_t len = 7; len >= 4; --len) {
                if (m_pos + len > m_s.size())
                    continue;
                ErrorCode e = parseErrorText(m_s.substr(m_pos, len));
                if (e != ErrorCode::None) {
                    m_pos += len;
                    Token t;
                    t.op = Op::Error;
                    t.a = static_cast<int32_t>(e);
                    m_out.tokens.push_back(t);
                    return true;
                }
            }
            if (m_style != RefStyle::Default)
                return failB("unexpected '#'");
            return referenceOrName(depth);
        }
        if (c == '$' || isIdentStart(c))
            return referenceOrName(depth);
        return failB("unexpected character");
    }
};

} // namespace

ParseResult FormulaParser::parse(std::string_view text, RefStyle style, int32_t col, int32_t row,
                                 FormulaCode& out) {
    out.tokens.clear();
    out.strings.clear();
    out.hasNames = out.hasCustom = out.volatileCode = false;
    if (text.size() > kMaxLength) {
        ParseResult r;
        r.ok = false;
        r.message = "formula too long";
        return r;
    }
    Parser p(text, style, col, row, out);
    ParseResult r = p.run();
    if (!r.ok) {
        out.tokens.clear();
        out.strings.clear();
    }
    return r;
}

namespace {

// Whether the digits starting at i of the A1-style text s are the row of a cell
// reference with a relative row, as the parser reads it: letters of a column (after
// an optional '$', not inside a name or a number) directly before them, and nothing
// after them that would make the whole a name or a function.
bool relativeRowAt(std::string_view s, size_t i, size_t end) {
    if (i == 0 || s[i - 1] == '$')
        return false;
    size_t l = i;
    int64_t col = 0, scale = 1;
    while (l > 0 && isAlpha(s[l - 1]) && i - l < 5) {
        --l;
        col += (upper(s[l]) - 'A' + 1) * scale;
        scale *= 26;
    }
    if (l == i || (l > 0 && isAlpha(s[l - 1])) || col > Sheet::kLimitCols)
        return false;
    size_t before = l > 0 && s[l - 1] == '$' ? l - 1 : l;
    if (before > 0 && (isIdentChar(s[before - 1]) || s[before - 1] == '$' || s[before - 1] == '#'))
        return false;
    return end == s.size() || !(isIdentChar(s[end]) || s[end] == '(' || s[end] == '#' ||
                                s[end] == '$' || s[end] == '[');
}

} // namespace

bool FormulaParser::sameCode(std::string_view parsed, int32_t parsedRow, std::string_view text,
                             int32_t row, RefStyle style) {
    if (style != RefStyle::A1)
        return parsed == text;
    if (text.size() > kMaxLength || parsed.find(':') != std::string_view::npos)
        return false;
    const int64_t shift = int64_t{row} - parsedRow;
    bool quoted = false;
    size_t i = 0, j = 0;
    while (i < parsed.size() && j < text.size()) {
        char a = parsed[i];
        if (quoted || !isDigit(a) || !isDigit(text[j])) {
            if (a != text[j])
                return false;
            if (a == '"')
                quoted = !quoted;
            ++i;
            ++j;
            continue;
        }
        size_t ie = i, je = j;
        while (ie < parsed.size() && isDigit(parsed[ie]))
            ++ie;
        while (je < text.size() && isDigit(text[je]))
            ++je;
        std::string_view da = parsed.substr(i, ie - i), db = text.substr(j, je - j);
        // What precedes is the same in both; what follows is compared next.
        if (relativeRowAt(parsed, i, ie)) {
            if (da.size() > 9 || db.size() > 9)
                return false;
            int64_t ra = 0, rb = 0;
            std::from_chars(da.data(), da.data() + da.size(), ra);
            std::from_chars(db.data(), db.data() + db.size(), rb);
            if (rb - ra != shift || ra < 1 || rb < 1 || ra > Sheet::kLimitRows ||
                rb > Sheet::kLimitRows)
                return false;
        } else if (da != db) {
            return false;
        }
        i = ie;
        j = je;
    }
    return i == parsed.size() && j == text.size();
}

} // namespace grid

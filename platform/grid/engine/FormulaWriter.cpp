#include <charconv>
#include <string>
#include <vector>

#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/Functions.h"
#include "platform/grid/engine/Value.h"

namespace grid {

namespace {

std::string numberLiteral(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, res.ptr);
    for (auto& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

std::string quoted(const std::string& s) {
    std::string r = "\"";
    for (char c : s) {
        if (c == '"')
            r += '"';
        r += c;
    }
    r += '"';
    return r;
}

std::string offset(int32_t v) {
    std::string s;
    if (v > 0)
        s += '+';
    if (v != 0)
        s += std::to_string(v);
    return s;
}

std::string wrap(const char* before, std::string inner, const char* after) {
    std::string s(before);
    s += inner;
    s += after;
    return s;
}

// One address in the given style; "?" when the style cannot write it.
std::string address(int32_t cv, bool cabs, int32_t rv, bool rabs, RefStyle style, int32_t col,
                    int32_t row) {
    int32_t c = cabs ? cv : col + cv;
    int32_t r = rabs ? rv : row + rv;
    switch (style) {
    case RefStyle::A1: {
        if (c < 1 || r < 1 || c > Sheet::kLimitCols || r > Sheet::kLimitRows)
            return "?";
        std::string s;
        if (cabs)
            s += '$';
        s += columnLetters(c);
        if (rabs)
            s += '$';
        s += std::to_string(r);
        return s;
    }
    case RefStyle::R1C1: {
        std::string s = "R";
        if (rabs)
            s += std::to_string(rv);
        else if (rv != 0) {
            s += '[';
            s += std::to_string(rv);
            s += ']';
        }
        s += "C";
        if (cabs)
            s += std::to_string(cv);
        else if (cv != 0) {
            s += '[';
            s += std::to_string(cv);
            s += ']';
        }
        return s;
    }
    default: {
        if ((cabs && (cv < 1 || cv > Sheet::kLimitCols)) ||
            (rabs && (rv < 1 || rv > Sheet::kLimitRows)))
            return "?";
        std::string s;
        if (cabs)
            s += columnLetters(cv);
        else {
            s += '#';
            s += offset(cv);
        }
        // A column offset takes "$" before an absolute row ("#+1$5"), '#' being the
        // mark of a relative one.
        if (rabs && !cabs && cv != 0)
            s += '$';
        if (rabs)
            s += std::to_string(rv);
        else {
            s += '#';
            s += offset(rv);
        }
        return s;
    }
    }
}

// One side of a whole column or row range in the given style; "?" when it cannot
// be written.
std::string linePart(int32_t v, bool abs, bool cols, RefStyle style, int32_t anchor) {
    int32_t at = abs ? v : anchor + v;
    int32_t limit = cols ? Sheet::kLimitCols : Sheet::kLimitRows;
    if (style == RefStyle::R1C1) {
        std::string s(1, cols ? 'C' : 'R');
        return s + (abs ? std::to_string(v) : "[" + std::to_string(v) + "]");
    }
    if (at < 1 || at > limit)
        return "?";
    if (style == RefStyle::Default) {
        if (abs)
            return cols ? columnLetters(v) : std::to_string(v);
        return cols ? "#" + offset(v) : "?"; // rows have no relative form here
    }
    std::string s = abs ? "$" : "";
    return s + (cols ? columnLetters(at) : std::to_string(at));
}

} // namespace

std::string writeFormula(const FormulaCode& code, RefStyle style, int32_t col, int32_t row) {
    std::vector<std::string> st;
    auto pop = [&]() {
        if (st.empty())
            return std::string("?");
        std::string s = std::move(st.back());
        st.pop_back();
        return s;
    };
    auto binary = [&](const char* op) {
        std::string b = pop(), a = pop();
        // "A#" (this row) before "+1" would read back as "A#+1", a row offset of 1: a
        // blank keeps the sign apart.
        if (!a.empty() && a.back() == '#' && (op[0] == '+' || op[0] == '-'))
            a += ' ';
        a += op;
        a += b;
        st.push_back(std::move(a));
    };
    for (const Token& t : code.tokens) {
        switch (t.op) {
        case Op::Number:
            st.push_back(numberLiteral(t.num));
            break;
        case Op::String:
            st.push_back(quoted(code.strings[t.a]));
            break;
        case Op::Bool:
            st.push_back(t.num != 0 ? "TRUE" : "FALSE");
            break;
        case Op::Error:
            st.push_back(std::string(errorText(static_cast<ErrorCode>(t.a))));
            break;
        case Op::Ref:
            st.push_back(address(t.a, t.flags & kColAbs, t.b, t.flags & kRowAbs, style, col, row));
            break;
        case Op::Range: {
            if (t.flags & (kWholeCols | kWholeRows)) {
                bool cols = t.flags & kWholeCols;
                std::string a = cols ? linePart(t.a, t.flags & kColAbs, true, style, col)
                                     : linePart(t.b, t.flags & kRowAbs, false, style, row);
                std::string b = cols ? linePart(t.c, t.flags & kCol2Abs, true, style, col)
                                     : linePart(t.d, t.flags & kRow2Abs, false, style, row);
                st.push_back(style == RefStyle::R1C1 && a == b ? a : a + ":" + b);
                break;
            }
            std::string s =
                address(t.a, t.flags & kColAbs, t.b, t.flags & kRowAbs, style, col, row);
            s += ':';
            s += address(t.c, t.flags & kCol2Abs, t.d, t.flags & kRow2Abs, style, col, row);
            st.push_back(std::move(s));
        } break;
        case Op::Name:
            st.push_back(code.strings[t.a]);
            break;
        case Op::Missing:
            st.emplace_back();
            break;
        case Op::Add:
            binary("+");
            break;
        case Op::Sub:
            binary("-");
            break;
        case Op::Mul:
            binary("*");
            break;
        case Op::Div:
            binary("/");
            break;
        case Op::Pow:
            binary("^");
            break;
        case Op::Concat:
            binary("&");
            break;
        case Op::Eq:
            binary("=");
            break;
        case Op::Ne:
            binary("<>");
            break;
        case Op::Lt:
            binary("<");
            break;
        case Op::Le:
            binary("<=");
            break;
        case Op::Gt:
            binary(">");
            break;
        case Op::Ge:
            binary(">=");
            break;
        case Op::Neg:
            st.push_back(wrap("-", pop(), ""));
            break;
        case Op::Plus:
            st.push_back(wrap("+", pop(), ""));
            break;
        case Op::Percent:
            st.push_back(wrap("", pop(), "%"));
            break;
        case Op::RangeJoin:
            binary(":");
            break;
        case Op::Intersect:
            binary(" ");
            break;
        case Op::Paren:
            st.push_back(wrap("(", pop(), ")"));
            break;
        case Op::Func:
        case Op::Custom: {
            std::vector<std::string> args(t.argc);
            for (int i = t.argc - 1; i >= 0; --i)
                args[i] = pop();
            std::string s(t.op == Op::Func ? std::string(builtin(t.a).name) : code.strings[t.a]);
            s += "(";
            for (int i = 0; i < t.argc; ++i) {
                if (i)
                    s += ",";
                s += args[i];
            }
            s += ")";
            st.push_back(std::move(s));
            break;
        }
        }
    }
    return st.empty() ? std::string() : st.back();
}

} // namespace grid

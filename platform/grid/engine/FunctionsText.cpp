// Logical, information and text functions.

#include <cctype>
#include <cmath>

#include "platform/grid/engine/DateSerial.h"
#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

bool text(Evaluator& ev, const EvalValue& v, std::string& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toText(v, out, err))
        return true;
    setError(r, err);
    return false;
}

bool num(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toNumber(v, out, err))
        return true;
    setError(r, err);
    return false;
}

// Byte offsets of each UTF-8 character start, plus the end.
std::vector<size_t> charStarts(const std::string& s) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(s.size());
    return starts;
}

// Characters [from, from+count) of s (0-based, clipped).
std::string substr(const std::string& s, int64_t from, int64_t count) {
    std::vector<size_t> st = charStarts(s);
    int64_t len = static_cast<int64_t>(st.size()) - 1;
    if (from >= len || count <= 0)
        return {};
    int64_t to = std::min(len, from + count);
    return s.substr(st[from], st[to] - st[from]);
}

int64_t charCount(const std::string& s) {
    return static_cast<int64_t>(charStarts(s).size()) - 1;
}

// "1,234,567.5" without its thousands separators; the text unchanged when its
// commas do not group digits in threes.
std::string withoutGrouping(const std::string& t) {
    size_t start = t.find_first_not_of(" +-");
    if (start == std::string::npos)
        return t;
    size_t end = t.find_first_of(".eE", start);
    if (end == std::string::npos)
        end = t.size();
    std::string out = t.substr(0, start);
    size_t group = 0;
    bool any = false;
    for (size_t i = start; i < end; ++i) {
        if (t[i] == ',') {
            if (i == start || (any && group != 3) || (!any && group > 3))
                return t;
            any = true;
            group = 0;
        } else {
            ++group;
            out += t[i];
        }
    }
    if (any && group != 3)
        return t;
    return out + t.substr(end);
}

} // namespace

void setText(EvalValue& r, std::string s) {
    if (text::fitsTextLimit(s))
        r = EvalValue::textValue(std::move(s));
    else
        setError(r, ErrorCode::Value);
}

void fnIf(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    bool c;
    ErrorCode err = ErrorCode::None;
    if (!ev.toBool(a[0], c, err))
        return setError(r, err);
    if (c && n < 2) {
        r = EvalValue::boolean(true); // IF(condition) alone gives the condition
    } else if (c) {
        r = a[1].kind == EvalValue::Missing ? EvalValue::number(0) : std::move(a[1]);
    } else if (n < 3) {
        r = EvalValue::boolean(false);
    } else {
        r = a[2].kind == EvalValue::Missing ? EvalValue::number(0) : std::move(a[2]);
    }
}

enum class Logical { And, Or, Xor };

static void logical(Evaluator& ev, EvalValue* a, int n, EvalValue& r, Logical kind) {
    bool any = false, result = kind == Logical::And;
    for (int i = 0; i < n; ++i) {
        auto take = [&](bool b) {
            any = true;
            result = kind == Logical::And  ? (result && b)
                     : kind == Logical::Or ? (result || b)
                                           : (result != b);
        };
        if (a[i].kind == EvalValue::Ref) {
            ErrorCode err = ErrorCode::None;
            forEachValue(ev, a[i].range, [&](const Slot& s) {
                if (s.type == ValueType::Number || s.type == ValueType::Boolean)
                    take(s.num != 0);
                else if (s.type == ValueType::Error) {
                    err = static_cast<ErrorCode>(s.aux);
                    return false;
                }
                return true;
            });
            if (err != ErrorCode::None)
                return setError(r, err);
        } else if (a[i].kind == EvalValue::Missing) {
            continue;
        } else {
            bool b;
            ErrorCode err = ErrorCode::None;
            if (!ev.toBool(a[i], b, err))
                return setError(r, err);
            take(b);
        }
    }
    if (!any)
        return setError(r, ErrorCode::Value);
    r = EvalValue::boolean(result);
}

void fnAnd(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    logical(ev, a, n, r, Logical::And);
}
void fnOr(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    logical(ev, a, n, r, Logical::Or);
}
void fnXor(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    logical(ev, a, n, r, Logical::Xor);
}

void fnNot(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    bool b;
    ErrorCode err = ErrorCode::None;
    if (!ev.toBool(a[0], b, err))
        return setError(r, err);
    r = EvalValue::boolean(!b);
}
void fnTrue(Evaluator&, EvalValue*, int, EvalValue& r) {
    r = EvalValue::boolean(true);
}
void fnFalse(Evaluator&, EvalValue*, int, EvalValue& r) {
    r = EvalValue::boolean(false);
}

void fnIsBlank(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    if (a[0].kind == EvalValue::Ref) {
        r = EvalValue::boolean(ev.cellValue(a[0].range.col1, a[0].range.row1).kind ==
                               EvalValue::Empty);
        return;
    }
    r = EvalValue::boolean(false);
}
void fnIsNumber(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    r = EvalValue::boolean(ev.scalar(a[0]).kind == EvalValue::Number);
}
void fnIsText(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    r = EvalValue::boolean(ev.scalar(a[0]).kind == EvalValue::Text);
}
void fnIsError(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    r = EvalValue::boolean(ev.scalar(a[0]).kind == EvalValue::Error);
}

void fnLen(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    if (!text(ev, a[0], s, r))
        return;
    setNumber(r, static_cast<double>(charCount(s)));
}

static bool countArg(Evaluator& ev, EvalValue* a, int n, int idx, int64_t& count, EvalValue& r) {
    count = 1;
    if (n <= idx || a[idx].kind == EvalValue::Missing)
        return true;
    double d;
    if (!num(ev, a[idx], d, r))
        return false;
    if (d < 0) {
        setError(r, ErrorCode::Value);
        return false;
    }
    count = static_cast<int64_t>(std::min(d, 1e9));
    return true;
}

void fnLeft(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string s;
    int64_t k;
    if (!text(ev, a[0], s, r) || !countArg(ev, a, n, 1, k, r))
        return;
    r = EvalValue::textValue(substr(s, 0, k));
}

void fnRight(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string s;
    int64_t k;
    if (!text(ev, a[0], s, r) || !countArg(ev, a, n, 1, k, r))
        return;
    int64_t len = charCount(s);
    r = EvalValue::textValue(substr(s, std::max<int64_t>(0, len - k), k));
}

void fnMid(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    double start, count;
    if (!text(ev, a[0], s, r) || !num(ev, a[1], start, r) || !num(ev, a[2], count, r))
        return;
    if (start < 1 || count < 0)
        return setError(r, ErrorCode::Value);
    r = EvalValue::textValue(substr(s, static_cast<int64_t>(std::min(start, 1e9)) - 1,
                                    static_cast<int64_t>(std::min(count, 1e9))));
}

void fnUpper(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    if (!text(ev, a[0], s, r))
        return;
    setText(r, text::upper(s));
}

void fnLower(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    if (!text(ev, a[0], s, r))
        return;
    setText(r, text::lower(s));
}

void fnTrim(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s, out;
    if (!text(ev, a[0], s, r))
        return;
    bool space = false;
    for (char c : s) {
        if (c == ' ') {
            space = true;
            continue;
        }
        if (space && !out.empty())
            out += ' ';
        space = false;
        out += c;
    }
    r = EvalValue::textValue(std::move(out));
}

void fnConcatenate(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string out, s;
    for (int i = 0; i < n; ++i) {
        if (!text(ev, a[i], s, r))
            return;
        out += s;
        if (!text::fitsTextLimit(out))
            return setError(r, ErrorCode::Value);
    }
    r = EvalValue::textValue(std::move(out));
}

void fnValue(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    if (v.kind == EvalValue::Error)
        return setError(r, v.err);
    if (v.kind == EvalValue::Number)
        return setNumber(r, v.num);
    if (v.kind == EvalValue::Empty)
        return setNumber(r, 0);
    if (v.kind != EvalValue::Text || v.text.empty())
        return setError(r, ErrorCode::Value);
    double x;
    std::string t = v.text;
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    bool percent = !t.empty() && t.back() == '%';
    if (percent)
        t.pop_back();
    if (parseNumber(t, x) || parseNumber(withoutGrouping(t), x))
        return setNumber(r, percent ? x / 100 : x);
    // Dates and times as typed ("2024-03-15", "3/15/2024", "13:45").
    int64_t year = date::ymdFromSerial(date::dayOf(date::nowSerial())).year;
    if (!percent && date::parseDateTime(v.text, x, date::Parts::Any, year))
        return setNumber(r, x);
    setError(r, ErrorCode::Value);
}

void fnFind(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string what, within;
    double start = 1;
    if (!text(ev, a[0], what, r) || !text(ev, a[1], within, r))
        return;
    if (n > 2 && a[2].kind != EvalValue::Missing && !num(ev, a[2], start, r))
        return;
    std::vector<size_t> st = charStarts(within);
    int64_t len = static_cast<int64_t>(st.size()) - 1;
    if (what.empty() || start < 1 || start > static_cast<double>(len + 1))
        return setError(r, ErrorCode::Value);
    int64_t s0 = static_cast<int64_t>(start) - 1;
    size_t pos = within.find(what, st[s0]);
    if (pos == std::string::npos)
        return setError(r, ErrorCode::Value);
    // back to a character position
    int64_t idx = 0;
    while (st[idx] < pos)
        ++idx;
    setNumber(r, static_cast<double>(idx + 1));
}

void fnSubstitute(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string s, from, to;
    if (!text(ev, a[0], s, r) || !text(ev, a[1], from, r) || !text(ev, a[2], to, r))
        return;
    int64_t instance = 0;
    if (n > 3 && a[3].kind != EvalValue::Missing) {
        double d;
        if (!num(ev, a[3], d, r))
            return;
        if (d < 1)
            return setError(r, ErrorCode::Value);
        instance = static_cast<int64_t>(std::min(d, 1e9));
    }
    if (from.empty()) {
        r = EvalValue::textValue(std::move(s));
        return;
    }
    std::string out;
    size_t pos = 0;
    int64_t seen = 0;
    for (;;) {
        size_t hit = s.find(from, pos);
        if (hit == std::string::npos)
            break;
        ++seen;
        out.append(s, pos, hit - pos);
        if (instance == 0 || seen == instance)
            out += to;
        else
            out += from;
        pos = hit + from.size();
        if (instance != 0 && seen == instance)
            break;
        if (!text::fitsTextLimit(out))
            return setError(r, ErrorCode::Value);
    }
    out.append(s, pos, std::string::npos);
    setText(r, std::move(out));
}

void fnRept(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    std::string s;
    double k;
    if (!text(ev, a[0], s, r) || !num(ev, a[1], k, r))
        return;
    if (k < 0)
        return setError(r, ErrorCode::Value);
    // A count past 2^31 is refused as LibreOffice does; nothing to repeat gives an
    // empty text at once, however often.
    if (k >= 2147483648.0)
        return setError(r, ErrorCode::Value);
    if (s.empty() || k < 1)
        return setText(r, {});
    double total = std::floor(k) * static_cast<double>(text::charCount(s));
    if (total > static_cast<double>(text::kMaxTextLength))
        return setError(r, ErrorCode::Value);
    const auto times = static_cast<size_t>(k);
    std::string out;
    out.reserve(s.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += s;
    r = EvalValue::textValue(std::move(out));
}

} // namespace grid::fn

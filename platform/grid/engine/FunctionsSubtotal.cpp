// SUBTOTAL and AGGREGATE: one of the aggregate functions over blocks, leaving out
// cells that hold SUBTOTAL or AGGREGATE formulas themselves (so totals of groups and
// a grand total over them do not count twice) and, for AGGREGATE, error cells.

#include <algorithm>
#include <cmath>

#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/Functions.h"

namespace grid::fn {

namespace {

bool isTotalFormula(Evaluator& ev, const Slot& s) {
    if (!s.formula)
        return false;
    const SheetData& d = ev.data();
    static const int subtotal = findBuiltin("SUBTOTAL"), aggregate = findBuiltin("AGGREGATE");
    const FormulaCode& code = *d.codes[d.formulas[s.formula - 1].code];
    for (const Token& t : code.tokens)
        if (t.op == Op::Func && (t.a == subtotal || t.a == aggregate))
            return true;
    return false;
}

struct Gathered {
    std::vector<double> numbers;
    double nonEmpty = 0;
    ErrorCode err = ErrorCode::None;
};

bool gather(Evaluator& ev, EvalValue* a, int n, bool skipTotals, bool skipErrors, Gathered& g,
            EvalValue& r) {
    for (int i = 0; i < n; ++i) {
        if (a[i].kind == EvalValue::Ref) {
            const SheetData& d = ev.data();
            const CellRange& b = a[i].range;
            for (int32_t c = b.col1; c <= b.col2 && static_cast<size_t>(c) < d.cols.size(); ++c) {
                const auto& slots = d.cols[c].slots;
                int64_t last = std::min<int64_t>(b.row2, static_cast<int64_t>(slots.size()) - 1);
                for (int64_t row = b.row1; row <= last; ++row) {
                    const Slot& s = slots[row];
                    if (s.type == ValueType::Empty || (skipTotals && isTotalFormula(ev, s)))
                        continue;
                    if (s.type == ValueType::Error) {
                        if (skipErrors)
                            continue;
                        return setError(r, static_cast<ErrorCode>(s.aux)), false;
                    }
                    ++g.nonEmpty;
                    if (s.type == ValueType::Number || s.type == ValueType::Boolean)
                        g.numbers.push_back(s.num);
                }
            }
        } else if (a[i].kind == EvalValue::Error) {
            if (!skipErrors)
                return setError(r, a[i].err), false;
        } else if (a[i].kind != EvalValue::Missing) {
            double x;
            if (!argNumber(ev, a[i], x, r))
                return false;
            ++g.nonEmpty;
            g.numbers.push_back(x);
        }
    }
    return true;
}

double variance(const std::vector<double>& v, bool sample) {
    double m = sumCompensated(v) / static_cast<double>(v.size()), ss = 0;
    for (double x : v)
        ss += (x - m) * (x - m);
    return ss / static_cast<double>(v.size() - (sample ? 1 : 0));
}

// Functions 1..11 of SUBTOTAL (and of AGGREGATE).
void basic(int fn, Gathered& g, EvalValue& r) {
    std::vector<double>& v = g.numbers;
    switch (fn) {
    case 1:
        return v.empty() ? setError(r, ErrorCode::Div0)
                         : setNumber(r, sumCompensated(v) / static_cast<double>(v.size()));
    case 2:
        return setNumber(r, static_cast<double>(v.size()));
    case 3:
        return setNumber(r, g.nonEmpty);
    case 4:
        return setNumber(r, v.empty() ? 0 : *std::max_element(v.begin(), v.end()));
    case 5:
        return setNumber(r, v.empty() ? 0 : *std::min_element(v.begin(), v.end()));
    case 6: {
        double p = 1;
        for (double x : v)
            p *= x;
        return setNumber(r, v.empty() ? 0 : p);
    }
    case 7:
    case 10:
        if (v.size() < 2)
            return setError(r, ErrorCode::Div0);
        return setNumber(r, fn == 7 ? std::sqrt(variance(v, true)) : variance(v, true));
    case 8:
    case 11:
        if (v.empty())
            return setError(r, ErrorCode::Div0);
        return setNumber(r, fn == 8 ? std::sqrt(variance(v, false)) : variance(v, false));
    case 9:
        return setNumber(r, sumCompensated(v));
    default:
        return setError(r, ErrorCode::Value);
    }
}

} // namespace

void fnSubtotal(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double fD;
    if (!argNumber(ev, a[0], fD, r))
        return;
    int fn = static_cast<int>(std::trunc(fD));
    if (fn > 100)
        fn -= 100; // the hidden-row variants: rows are never hidden from the engine
    if (fn < 1 || fn > 11)
        return setError(r, ErrorCode::Value);
    Gathered g;
    if (gather(ev, a + 1, n - 1, true, false, g, r))
        basic(fn, g, r);
}

void fnAggregate(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double fD, oD = 0;
    if (!argNumber(ev, a[0], fD, r) || !argNumberOr(ev, a, n, 1, 0, oD, r))
        return;
    int fn = static_cast<int>(std::trunc(fD)), opt = static_cast<int>(std::trunc(oD));
    if (fn < 1 || fn > 19 || opt < 0 || opt > 7)
        return setError(r, ErrorCode::Value);
    bool skipTotals = opt <= 3, skipErrors = opt == 2 || opt == 3 || opt == 6 || opt == 7;
    Gathered g;
    if (fn <= 13) {
        if (!gather(ev, a + 2, n - 2, skipTotals, skipErrors, g, r))
            return;
        if (fn <= 11)
            return basic(fn, g, r);
        std::vector<double>& v = g.numbers;
        if (v.empty())
            return setError(r, fn == 12 ? ErrorCode::Num : ErrorCode::NA);
        std::sort(v.begin(), v.end());
        if (fn == 12) {
            size_t m = v.size() / 2;
            return setNumber(r, v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2);
        }
        // MODE: the most frequent value, the smallest among ties.
        double best = 0;
        size_t bestCount = 1;
        for (size_t i = 0; i < v.size();) {
            size_t j = i;
            while (j < v.size() && v[j] == v[i])
                ++j;
            if (j - i > bestCount) {
                bestCount = j - i;
                best = v[i];
            }
            i = j;
        }
        return bestCount > 1 ? setNumber(r, best) : setError(r, ErrorCode::NA);
    }
    // 14..19 take an array and k.
    if (n != 4)
        return setError(r, ErrorCode::Value);
    double k;
    if (!gather(ev, a + 2, 1, skipTotals, skipErrors, g, r) || !argNumber(ev, a[3], k, r))
        return;
    std::vector<double>& v = g.numbers;
    std::sort(v.begin(), v.end());
    const double size = static_cast<double>(v.size());
    if (fn == 14 || fn == 15) {
        k = std::ceil(k);
        if (k < 1 || k > size)
            return setError(r, ErrorCode::Num);
        size_t i = static_cast<size_t>(k) - 1;
        return setNumber(r, fn == 15 ? v[i] : v[v.size() - 1 - i]);
    }
    bool quartile = fn == 17 || fn == 19, inclusive = fn == 16 || fn == 17;
    if (quartile) {
        k = std::trunc(k);
        if (k < (inclusive ? 0 : 1) || k > (inclusive ? 4 : 3))
            return setError(r, ErrorCode::Num);
        k /= 4;
    }
    if (v.empty())
        return setError(r, ErrorCode::Num);
    double pos = inclusive ? k * (size - 1) : k * (size + 1) - 1;
    if (inclusive ? (k < 0 || k > 1) : (k <= 0 || k >= 1 || pos < 0 || pos > size - 1))
        return setError(r, ErrorCode::Num);
    size_t i = static_cast<size_t>(std::floor(pos));
    double f = pos - std::floor(pos);
    setNumber(r, i + 1 < v.size() ? v[i] + f * (v[i + 1] - v[i]) : v[i]);
}

} // namespace grid::fn

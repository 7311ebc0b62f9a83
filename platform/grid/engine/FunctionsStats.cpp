// Statistics: LARGE, SMALL, RANK, PERCENTILE, QUARTILE, MODE, the population and "A"
// forms of the spread measures, GEOMEAN, HARMEAN, AVEDEV, DEVSQ, SKEW, KURT and the
// two-series functions (CORREL, COVAR, SLOPE, INTERCEPT, FORECAST, RSQ, STEYX).

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/grid/engine/FunctionSupport.h"

namespace grid::fn {

namespace {

bool numbers(Evaluator& ev, EvalValue* a, int n, std::vector<double>& v, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (collectNumbers(ev, a, n, v, err))
        return true;
    setError(r, err);
    return false;
}

double mean(const std::vector<double>& v) {
    return sumCompensated(v) / static_cast<double>(v.size());
}

// Sum of squared deviations from the mean.
double devsq(const std::vector<double>& v) {
    double m = mean(v), ss = 0;
    for (double x : v)
        ss += (x - m) * (x - m);
    return ss;
}

// k-th value (1-based) of the sorted numbers; `largest` counts from the top.
void kth(Evaluator& ev, EvalValue* a, EvalValue& r, bool largest) {
    std::vector<double> v;
    double kD;
    if (!numbers(ev, a, 1, v, r) || !argNumber(ev, a[1], kD, r))
        return;
    double k = std::trunc(kD);
    if (k < 1 || k > static_cast<double>(v.size()))
        return setError(r, ErrorCode::Value);
    size_t i = static_cast<size_t>(k) - 1;
    if (largest)
        i = v.size() - 1 - i;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(i), v.end());
    setNumber(r, v[i]);
}

// Percentile p of sorted v: inclusive interpolates over (n-1), exclusive over (n+1).
bool percentileOf(std::vector<double>& v, double p, bool inclusive, double& out) {
    std::sort(v.begin(), v.end());
    const double n = static_cast<double>(v.size());
    if (v.empty())
        return false;
    double pos;
    if (inclusive) {
        if (p < 0 || p > 1)
            return false;
        pos = p * (n - 1);
    } else {
        pos = p * (n + 1) - 1;
        if (p <= 0 || p >= 1 || pos < 0 || pos > n - 1)
            return false;
    }
    size_t i = static_cast<size_t>(std::floor(pos));
    double f = pos - std::floor(pos);
    out = i + 1 < v.size() ? v[i] + f * (v[i + 1] - v[i]) : v[i];
    return true;
}

void percentile(Evaluator& ev, EvalValue* a, EvalValue& r, bool inclusive, bool quartile) {
    std::vector<double> v;
    double p;
    if (!numbers(ev, a, 1, v, r) || !argNumber(ev, a[1], p, r))
        return;
    if (v.empty())
        return setError(r, ErrorCode::Value);
    if (quartile) {
        p = std::trunc(p);
        if (p < (inclusive ? 0 : 1) || p > (inclusive ? 4 : 3))
            return setError(r, ErrorCode::Num);
        p /= 4;
    }
    double out;
    if (!percentileOf(v, p, inclusive, out))
        return setError(r, ErrorCode::Num);
    setNumber(r, out);
}

void rank(Evaluator& ev, EvalValue* a, int n, EvalValue& r, bool average) {
    double x, orderD;
    std::vector<double> v;
    if (!argNumber(ev, a[0], x, r))
        return;
    if (!numbers(ev, a + 1, 1, v, r) || !argNumberOr(ev, a, n, 2, 0, orderD, r))
        return;
    bool ascending = orderD != 0;
    double before = 0, equal = 0;
    for (double y : v) {
        if (y == x)
            ++equal;
        else if (ascending ? y < x : y > x)
            ++before;
    }
    if (equal == 0)
        return setError(r, ErrorCode::Value);
    setNumber(r, average ? before + (equal + 1) / 2 : before + 1);
}

// The "A" forms: text in cells counts 0, booleans 1/0, empty cells are skipped;
// given directly, booleans count and text must read as a number.
bool numbersA(Evaluator& ev, EvalValue* a, int n, std::vector<double>& out, EvalValue& r) {
    for (int i = 0; i < n; ++i) {
        if (a[i].kind == EvalValue::Ref) {
            ErrorCode err = ErrorCode::None;
            forEachValue(ev, a[i].range, [&](const Slot& s) {
                if (s.type == ValueType::Error) {
                    err = static_cast<ErrorCode>(s.aux);
                    return false;
                }
                out.push_back(s.type == ValueType::Text ? 0.0 : s.num);
                return true;
            });
            if (err != ErrorCode::None)
                return setError(r, err), false;
        } else if (a[i].kind == EvalValue::Text) {
            // Given directly, a text counts as the number it reads as, else 0.
            double x;
            out.push_back(parseNumber(a[i].text, x) ? x : 0);
        } else if (a[i].kind != EvalValue::Missing) {
            double x;
            if (!argNumber(ev, a[i], x, r))
                return false;
            out.push_back(x);
        }
    }
    return true;
}

enum class Spread { SampleVar, PopVar, SampleDev, PopDev };

void spread(std::vector<double>& v, Spread kind, EvalValue& r) {
    bool sample = kind == Spread::SampleVar || kind == Spread::SampleDev;
    if (v.size() < (sample ? 2u : 1u))
        return setError(r, ErrorCode::Div0);
    double var = devsq(v) / static_cast<double>(v.size() - (sample ? 1 : 0));
    bool dev = kind == Spread::SampleDev || kind == Spread::PopDev;
    setNumber(r, dev ? std::sqrt(var) : var);
}

// The numeric pairs of two blocks of one shape (positions where both are numbers):
// a[0]'s values in ys, a[1]'s in xs.
bool pairs(Evaluator& ev, EvalValue* a, std::vector<double>& xs, std::vector<double>& ys,
           EvalValue& r) {
    auto values = [&](const EvalValue& v, std::vector<EvalValue>& out) {
        if (v.kind == EvalValue::Ref) {
            for (int32_t c = v.range.col1; c <= v.range.col2; ++c)
                for (int32_t rr = v.range.row1; rr <= v.range.row2; ++rr) {
                    out.push_back(ev.cellValue(c, rr));
                    if (out.size() > 10'000'000)
                        return false;
                }
        } else {
            out.push_back(ev.scalar(v));
        }
        return true;
    };
    std::vector<EvalValue> ya, xa;
    // Whole columns: only the rows that hold data matter.
    EvalValue a0 = a[0], a1 = a[1];
    if (a0.kind == EvalValue::Ref && a1.kind == EvalValue::Ref && a0.height() == a1.height()) {
        int64_t used = 0;
        for (const EvalValue* v : {&a0, &a1})
            for (int32_t c = v->range.col1; c <= v->range.col2; ++c)
                if (static_cast<size_t>(c) < ev.data().cols.size())
                    used = std::max<int64_t>(
                        used, static_cast<int64_t>(ev.data().cols[c].slots.size()) - v->range.row1);
        int64_t h = std::clamp<int64_t>(used, 1, a0.height());
        a0.range.row2 = a0.range.row1 + static_cast<int32_t>(h) - 1;
        a1.range.row2 = a1.range.row1 + static_cast<int32_t>(h) - 1;
    }
    if (!values(a0, ya) || !values(a1, xa))
        return setError(r, ErrorCode::Value), false;
    if (ya.size() != xa.size())
        return setError(r, ErrorCode::NA), false;
    for (size_t i = 0; i < ya.size(); ++i) {
        if (ya[i].kind == EvalValue::Error)
            return setError(r, ya[i].err), false;
        if (xa[i].kind == EvalValue::Error)
            return setError(r, xa[i].err), false;
        if (ya[i].kind == EvalValue::Number && xa[i].kind == EvalValue::Number) {
            ys.push_back(ya[i].num);
            xs.push_back(xa[i].num);
        }
    }
    return true;
}

struct Regression {
    double n = 0, mx = 0, my = 0, sxx = 0, syy = 0, sxy = 0;
};

// Known y values in a[0], known x values in a[1].
bool regression(Evaluator& ev, EvalValue* a, Regression& g, EvalValue& r) {
    std::vector<double> xs, ys;
    if (!pairs(ev, a, xs, ys, r))
        return false;
    g.n = static_cast<double>(xs.size());
    if (xs.empty())
        return setError(r, ErrorCode::Value), false;
    g.mx = mean(xs);
    g.my = mean(ys);
    for (size_t i = 0; i < xs.size(); ++i) {
        g.sxx += (xs[i] - g.mx) * (xs[i] - g.mx);
        g.syy += (ys[i] - g.my) * (ys[i] - g.my);
        g.sxy += (xs[i] - g.mx) * (ys[i] - g.my);
    }
    return true;
}

} // namespace

void fnLarge(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    kth(ev, a, r, true);
}
void fnSmall(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    kth(ev, a, r, false);
}
void fnRank(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    rank(ev, a, n, r, false);
}
void fnRankAvg(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    rank(ev, a, n, r, true);
}
void fnPercentile(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    percentile(ev, a, r, true, false);
}
void fnPercentileExc(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    percentile(ev, a, r, false, false);
}
void fnQuartile(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    percentile(ev, a, r, true, true);
}
void fnQuartileExc(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    percentile(ev, a, r, false, true);
}

void fnMode(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    // The most frequent value; among equally frequent ones the smallest.
    std::map<double, size_t> count;
    for (double x : v)
        ++count[x];
    size_t best = 1;
    double value = 0;
    bool found = false;
    for (const auto& [x, c] : count) {
        if (c > best) {
            best = c;
            value = x;
            found = true;
        }
    }
    if (!found)
        return setError(r, ErrorCode::Value);
    setNumber(r, value);
}

void fnStdevP(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbers(ev, a, n, v, r))
        spread(v, Spread::PopDev, r);
}
void fnVarP(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbers(ev, a, n, v, r))
        spread(v, Spread::PopVar, r);
}
void fnStdevA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbersA(ev, a, n, v, r))
        spread(v, Spread::SampleDev, r);
}
void fnStdevPA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbersA(ev, a, n, v, r))
        spread(v, Spread::PopDev, r);
}
void fnVarA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbersA(ev, a, n, v, r))
        spread(v, Spread::SampleVar, r);
}
void fnVarPA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbersA(ev, a, n, v, r))
        spread(v, Spread::PopVar, r);
}
void fnAverageA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbersA(ev, a, n, v, r))
        return;
    if (v.empty())
        return setError(r, ErrorCode::Div0);
    setNumber(r, mean(v));
}
void fnMaxA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbersA(ev, a, n, v, r))
        setNumber(r, v.empty() ? 0 : *std::max_element(v.begin(), v.end()));
}
void fnMinA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (numbersA(ev, a, n, v, r))
        setNumber(r, v.empty() ? 0 : *std::min_element(v.begin(), v.end()));
}

void fnGeoMean(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    if (v.empty())
        return setError(r, ErrorCode::Num);
    double logs = 0;
    for (double x : v) {
        if (x <= 0)
            return setError(r, ErrorCode::Num);
        logs += std::log(x);
    }
    setNumber(r, std::exp(logs / static_cast<double>(v.size())));
}

void fnHarMean(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    if (v.empty())
        return setError(r, ErrorCode::Num);
    double inv = 0;
    for (double x : v) {
        if (x <= 0)
            return setError(r, ErrorCode::Num);
        inv += 1 / x;
    }
    setNumber(r, static_cast<double>(v.size()) / inv);
}

void fnAveDev(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    if (v.empty())
        return setError(r, ErrorCode::Num);
    double m = mean(v), s = 0;
    for (double x : v)
        s += std::fabs(x - m);
    setNumber(r, s / static_cast<double>(v.size()));
}

void fnDevSq(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    if (v.empty())
        return setError(r, ErrorCode::Div0);
    setNumber(r, devsq(v));
}

void fnSkew(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    double k = static_cast<double>(v.size());
    if (k < 3)
        return setError(r, ErrorCode::Div0);
    double m = mean(v), sd = std::sqrt(devsq(v) / (k - 1));
    if (sd == 0)
        return setError(r, ErrorCode::Div0);
    double s = 0;
    for (double x : v)
        s += std::pow((x - m) / sd, 3);
    setNumber(r, s * k / ((k - 1) * (k - 2)));
}

void fnKurt(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!numbers(ev, a, n, v, r))
        return;
    double k = static_cast<double>(v.size());
    if (k < 4)
        return setError(r, ErrorCode::Div0);
    double m = mean(v), var = devsq(v) / (k - 1);
    if (var == 0)
        return setError(r, ErrorCode::Div0);
    double s = 0;
    for (double x : v)
        s += (x - m) * (x - m) * (x - m) * (x - m);
    s /= var * var;
    setNumber(r, s * k * (k + 1) / ((k - 1) * (k - 2) * (k - 3)) -
                     3 * (k - 1) * (k - 1) / ((k - 2) * (k - 3)));
}

void fnStandardize(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x, m, sd;
    if (!argNumber(ev, a[0], x, r) || !argNumber(ev, a[1], m, r) || !argNumber(ev, a[2], sd, r))
        return;
    if (sd <= 0)
        return setError(r, sd == 0 ? ErrorCode::Div0 : ErrorCode::Num);
    setNumber(r, (x - m) / sd);
}

void fnCorrel(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (!regression(ev, a, g, r))
        return;
    if (g.sxx == 0 || g.syy == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, g.sxy / std::sqrt(g.sxx * g.syy));
}
void fnRsq(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (!regression(ev, a, g, r))
        return;
    if (g.sxx == 0 || g.syy == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, g.sxy * g.sxy / (g.sxx * g.syy));
}
void fnCovar(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (regression(ev, a, g, r))
        setNumber(r, g.sxy / g.n);
}
void fnCovarS(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (!regression(ev, a, g, r))
        return;
    if (g.n < 2)
        return setError(r, ErrorCode::Div0);
    setNumber(r, g.sxy / (g.n - 1));
}
void fnSlope(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (!regression(ev, a, g, r))
        return;
    if (g.sxx == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, g.sxy / g.sxx);
}
void fnIntercept(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (!regression(ev, a, g, r))
        return;
    if (g.sxx == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, g.my - g.sxy / g.sxx * g.mx);
}
void fnSteyx(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    Regression g;
    if (!regression(ev, a, g, r))
        return;
    if (g.n < 3)
        return setError(r, ErrorCode::Value);
    if (g.sxx == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, std::sqrt((g.syy - g.sxy * g.sxy / g.sxx) / (g.n - 2)));
}
void fnForecast(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!argNumber(ev, a[0], x, r))
        return;
    Regression g;
    if (!regression(ev, a + 1, g, r))
        return;
    if (g.sxx == 0)
        return setError(r, ErrorCode::Div0);
    double slope = g.sxy / g.sxx;
    setNumber(r, g.my + slope * (x - g.mx));
}

} // namespace grid::fn

// Aggregate, arithmetic and trigonometric functions.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/grid/engine/FunctionSupport.h"

namespace grid::fn {

namespace {

// Rounds to 15 significant digits, so that 267.49999999999997 (2.675*100) counts as 267.5.
double snap15(double v) {
    if (v == 0 || !std::isfinite(v))
        return v;
    int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    int digits = 14 - e;
    if (digits <= 0)
        return v; // already an integer in 15 digits
    if (digits > 300)
        return v;
    double p = std::pow(10.0, digits);
    double s = std::round(v * p) / p;
    return std::isfinite(s) ? s : v;
}

bool arg(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toNumber(v, out, err))
        return true;
    setError(r, err);
    return false;
}

template <class F> void unary(Evaluator& ev, EvalValue* a, EvalValue& r, F f) {
    double x;
    if (!arg(ev, a[0], x, r))
        return;
    setNumber(r, f(x));
}

double scaleFor(int digits) {
    return std::pow(10.0, digits);
}

} // namespace

double roundHalfAway(double x, int digits) {
    if (digits > 300 || digits < -300)
        return digits > 0 ? x : 0;
    double p = scaleFor(std::abs(digits));
    double v = digits >= 0 ? x * p : x / p;
    double r = std::round(snap15(v));
    return digits >= 0 ? r / p : r * p;
}

double roundUp(double x, int digits) {
    if (digits > 300 || digits < -300)
        return digits > 0 ? x : 0;
    double p = scaleFor(std::abs(digits));
    double v = snap15(digits >= 0 ? x * p : x / p);
    double r = v >= 0 ? std::ceil(v) : std::floor(v);
    return digits >= 0 ? r / p : r * p;
}

double roundDown(double x, int digits) {
    if (digits > 300 || digits < -300)
        return digits > 0 ? x : 0;
    double p = scaleFor(std::abs(digits));
    double v = snap15(digits >= 0 ? x * p : x / p);
    double r = std::trunc(v);
    return digits >= 0 ? r / p : r * p;
}

bool collectNumbers(Evaluator& ev, EvalValue* args, int argc, std::vector<double>& out,
                    ErrorCode& err) {
    for (int i = 0; i < argc; ++i) {
        EvalValue& v = args[i];
        if (v.kind == EvalValue::Ref) {
            bool ok = true;
            forEachValue(ev, v.range, [&](const Slot& s) {
                if (s.type == ValueType::Number || s.type == ValueType::Boolean)
                    out.push_back(s.num);
                else if (s.type == ValueType::Error) {
                    err = static_cast<ErrorCode>(s.aux);
                    ok = false;
                    return false;
                }
                return true;
            });
            if (!ok)
                return false;
        } else if (v.kind == EvalValue::Missing) {
            continue;
        } else if (v.kind == EvalValue::Text) {
            // Text given directly is no number here, even when it looks like one.
            err = ErrorCode::Value;
            return false;
        } else {
            double x;
            if (!ev.toNumber(v, x, err))
                return false;
            out.push_back(x);
        }
    }
    return true;
}

// Sums with a compensation term, so long columns of decimals add up as a person expects.
static double neumaier(const std::vector<double>& v) {
    double sum = 0, c = 0;
    for (double x : v) {
        double t = sum + x;
        if (std::fabs(sum) >= std::fabs(x))
            c += (sum - t) + x;
        else
            c += (x - t) + sum;
        sum = t;
    }
    return sum + c;
}

double sumCompensated(const std::vector<double>& v) {
    return neumaier(v);
}

void fnSum(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    // A single-range sum is the common case: add straight from the slots.
    if (n == 1 && a[0].kind == EvalValue::Ref) {
        double sum = 0, c = 0;
        ErrorCode err = ErrorCode::None;
        forEachValue(ev, a[0].range, [&](const Slot& s) {
            if (s.type == ValueType::Number || s.type == ValueType::Boolean) {
                double x = s.num, t = sum + x;
                if (std::fabs(sum) >= std::fabs(x))
                    c += (sum - t) + x;
                else
                    c += (x - t) + sum;
                sum = t;
            } else if (s.type == ValueType::Error) {
                err = static_cast<ErrorCode>(s.aux);
                return false;
            }
            return true;
        });
        if (err != ErrorCode::None)
            return setError(r, err);
        return setNumber(r, sum + c);
    }
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    setNumber(r, neumaier(v));
}

void fnProduct(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    if (v.empty())
        return setNumber(r, 0);
    double p = 1;
    for (double x : v)
        p *= x;
    setNumber(r, p);
}

void fnAverage(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    if (v.empty())
        return setError(r, ErrorCode::Div0);
    setNumber(r, neumaier(v) / static_cast<double>(v.size()));
}

void fnMin(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    setNumber(r, v.empty() ? 0 : *std::min_element(v.begin(), v.end()));
}

void fnMax(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    setNumber(r, v.empty() ? 0 : *std::max_element(v.begin(), v.end()));
}

void fnCount(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double count = 0;
    for (int i = 0; i < n; ++i) {
        if (a[i].kind == EvalValue::Ref) {
            forEachValue(ev, a[i].range, [&](const Slot& s) {
                if (s.type == ValueType::Number || s.type == ValueType::Boolean)
                    ++count;
                return true;
            });
        } else if (a[i].kind == EvalValue::Number || a[i].kind == EvalValue::Bool) {
            ++count;
        } else if (a[i].kind == EvalValue::Text) {
            double x;
            if (parseNumber(a[i].text, x))
                ++count;
        }
    }
    setNumber(r, count);
}

void fnCountA(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double count = 0;
    for (int i = 0; i < n; ++i) {
        if (a[i].kind == EvalValue::Ref) {
            forEachValue(ev, a[i].range, [&](const Slot&) {
                ++count;
                return true;
            });
        } else if (a[i].kind != EvalValue::Missing) {
            ++count;
        }
    }
    setNumber(r, count);
}

void fnMedian(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    if (v.empty())
        return setError(r, ErrorCode::Value);
    std::sort(v.begin(), v.end());
    size_t m = v.size() / 2;
    setNumber(r, v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2);
}

static bool sampleVariance(Evaluator& ev, EvalValue* a, int n, EvalValue& r, double& var) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err)) {
        setError(r, err);
        return false;
    }
    if (v.size() < 2) {
        setError(r, ErrorCode::Div0);
        return false;
    }
    double mean = neumaier(v) / static_cast<double>(v.size());
    double ss = 0;
    for (double x : v)
        ss += (x - mean) * (x - mean);
    var = ss / static_cast<double>(v.size() - 1);
    return true;
}

void fnStdev(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double var;
    if (sampleVariance(ev, a, n, r, var))
        setNumber(r, std::sqrt(var));
}

void fnVar(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double var;
    if (sampleVariance(ev, a, n, r, var))
        setNumber(r, var);
}

void fnAbs(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::fabs(x); });
}
void fnSign(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); });
}
void fnInt(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::floor(snap15(x)); });
}

void fnMod(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x, d;
    if (!arg(ev, a[0], x, r) || !arg(ev, a[1], d, r))
        return;
    if (d == 0)
        return setError(r, ErrorCode::Div0);
    double q = std::floor(snap15(x / d));
    // A quotient of 0 leaves x itself (MOD(1,1E15) is 1); only a remainder left by
    // a real division is noise when it is tiny next to the divisor.
    double m = approxSub(x, d * q);
    if (q != 0 && std::fabs(m) < std::fabs(d) * 1e-14)
        m = 0;
    // Guard against a remainder that rounding put on the wrong side.
    if (m != 0 && ((d > 0 && m < 0) || (d < 0 && m > 0)))
        m += d;
    setNumber(r, m);
}

static bool digitsArg(Evaluator& ev, EvalValue* a, int n, int idx, int& digits, EvalValue& r) {
    digits = 0;
    if (n <= idx || a[idx].kind == EvalValue::Missing)
        return true;
    double d;
    if (!arg(ev, a[idx], d, r))
        return false;
    digits = static_cast<int>(std::trunc(std::clamp(d, -400.0, 400.0)));
    return true;
}

void fnRound(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x;
    int d;
    if (!arg(ev, a[0], x, r) || !digitsArg(ev, a, n, 1, d, r))
        return;
    setNumber(r, roundHalfAway(x, d));
}
void fnRoundUp(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x;
    int d;
    if (!arg(ev, a[0], x, r) || !digitsArg(ev, a, n, 1, d, r))
        return;
    setNumber(r, roundUp(x, d));
}
void fnRoundDown(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x;
    int d;
    if (!arg(ev, a[0], x, r) || !digitsArg(ev, a, n, 1, d, r))
        return;
    setNumber(r, roundDown(x, d));
}

// Significance of CEILING/FLOOR: a number and its significance of opposite
// signs is an error; without one the multiple is 1.
static bool significance(Evaluator& ev, EvalValue* a, int n, double x, double& s, EvalValue& r) {
    if (n < 2 || a[1].kind == EvalValue::Missing) {
        s = 1;
        return true;
    }
    if (!arg(ev, a[1], s, r))
        return false;
    if ((x > 0 && s < 0) || (x < 0 && s > 0)) {
        setError(r, ErrorCode::Num);
        return false;
    }
    s = std::fabs(s);
    return true;
}

// CEILING rounds towards plus infinity, FLOOR towards minus infinity, to a multiple of
// |significance|.
void fnCeiling(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x, s;
    if (!arg(ev, a[0], x, r) || !significance(ev, a, n, x, s, r))
        return;
    if (s == 0 || x == 0)
        return setNumber(r, 0);
    setNumber(r, std::ceil(snap15(x / s)) * s);
}

void fnFloor(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x, s;
    if (!arg(ev, a[0], x, r) || !significance(ev, a, n, x, s, r))
        return;
    if (s == 0 || x == 0)
        return setNumber(r, 0);
    setNumber(r, std::floor(snap15(x / s)) * s);
}

void fnSqrt(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!arg(ev, a[0], x, r))
        return;
    if (x < 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::sqrt(x));
}

void fnPower(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x, y;
    if (!arg(ev, a[0], x, r) || !arg(ev, a[1], y, r))
        return;
    ErrorCode err;
    double p = power(x, y, err);
    if (err != ErrorCode::None)
        return setError(r, err);
    setNumber(r, p);
}

void fnExp(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::exp(x); });
}

void fnLn(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!arg(ev, a[0], x, r))
        return;
    if (x <= 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::log(x));
}

void fnLog(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x, b = 10;
    if (!arg(ev, a[0], x, r))
        return;
    if (n > 1 && a[1].kind != EvalValue::Missing && !arg(ev, a[1], b, r))
        return;
    if (x <= 0 || b <= 0)
        return setError(r, ErrorCode::Num);
    if (b == 1)
        return setError(r, ErrorCode::Div0);
    setNumber(r, b == 10 ? std::log10(x) : std::log(x) / std::log(b));
}

void fnLog10(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!arg(ev, a[0], x, r))
        return;
    if (x <= 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::log10(x));
}

void fnPi(Evaluator&, EvalValue*, int, EvalValue& r) {
    setNumber(r, M_PI);
}
void fnSin(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::sin(x); });
}
void fnCos(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::cos(x); });
}
void fnTan(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::tan(x); });
}

void fnAsin(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!arg(ev, a[0], x, r))
        return;
    if (x < -1 || x > 1)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::asin(x));
}
void fnAcos(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!arg(ev, a[0], x, r))
        return;
    if (x < -1 || x > 1)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::acos(x));
}
void fnAtan(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::atan(x); });
}

// ATAN2(x, y): the angle of the point (x, y).
void fnAtan2(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x, y;
    if (!arg(ev, a[0], x, r) || !arg(ev, a[1], y, r))
        return;
    setNumber(r, std::atan2(y, x));
}
void fnDegrees(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return x * 180.0 / M_PI; });
}
void fnRadians(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return x * M_PI / 180.0; });
}

} // namespace grid::fn

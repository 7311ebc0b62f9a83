// Integer and rounding arithmetic (TRUNC, QUOTIENT, GCD, LCM, FACT, COMBIN, PERMUT,
// EVEN, ODD, MROUND, ...), random numbers and the hyperbolic and reciprocal
// trigonometric functions.

#include <cmath>
#include <random>

#include "platform/grid/engine/FunctionSupport.h"

namespace grid::fn {

namespace {

template <class F> void unary(Evaluator& ev, EvalValue* a, EvalValue& r, F f) {
    double x;
    if (argNumber(ev, a[0], x, r))
        setNumber(r, f(x));
}

// Whole non-negative numbers of GCD and LCM: every number of every argument.
bool wholeNumbers(Evaluator& ev, EvalValue* a, int n, std::vector<double>& v, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err), false;
    for (double& x : v) {
        x = std::trunc(x);
        if (x < 0 || x >= 9007199254740992.0)
            return setError(r, ErrorCode::Num), false;
    }
    return true;
}

double gcd(double a, double b) {
    while (b != 0) {
        double t = std::fmod(a, b);
        a = b;
        b = t;
    }
    return a;
}

std::mt19937_64& generator() {
    static thread_local std::mt19937_64 g{std::random_device{}()};
    return g;
}

// ln(n!) for the binomial coefficients of large arguments.
double logFactorial(double n) {
    return std::lgamma(n + 1);
}

} // namespace

void fnTrunc(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double x, d;
    if (!argNumber(ev, a[0], x, r) || !argNumberOr(ev, a, n, 1, 0, d, r))
        return;
    setNumber(r, roundDown(x, static_cast<int>(std::clamp(std::trunc(d), -400.0, 400.0))));
}

void fnQuotient(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x, y;
    if (!argNumber(ev, a[0], x, r) || !argNumber(ev, a[1], y, r))
        return;
    if (y == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, std::trunc(x / y));
}

void fnGcd(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!wholeNumbers(ev, a, n, v, r))
        return;
    double g = 0;
    for (double x : v)
        g = gcd(g, x);
    setNumber(r, g);
}

void fnLcm(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    if (!wholeNumbers(ev, a, n, v, r))
        return;
    double l = 1;
    for (double x : v) {
        if (x == 0)
            return setNumber(r, 0);
        l = l / gcd(l, x) * x;
    }
    setNumber(r, l);
}

void fnFact(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!argNumber(ev, a[0], x, r))
        return;
    x = std::trunc(x);
    if (x < 0)
        return setError(r, ErrorCode::Num);
    if (x > 170)
        return setError(r, ErrorCode::Value); // beyond the largest number
    long double f = 1;
    for (int i = 2; i <= static_cast<int>(x); ++i)
        f *= i;
    setNumber(r, static_cast<double>(f));
}

void fnFactDouble(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (!argNumber(ev, a[0], x, r))
        return;
    x = std::trunc(x);
    if (x < 0 || x > 300)
        return setError(r, ErrorCode::Num);
    double f = 1;
    for (int i = static_cast<int>(x); i > 1; i -= 2)
        f *= i;
    setNumber(r, f);
}

static bool combinArgs(Evaluator& ev, EvalValue* a, double& n, double& k, EvalValue& r) {
    if (!argNumber(ev, a[0], n, r) || !argNumber(ev, a[1], k, r))
        return false;
    n = std::trunc(n);
    k = std::trunc(k);
    if (n < 0 || k < 0 || k > n)
        return setError(r, ErrorCode::Num), false;
    return true;
}

void fnCombin(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double n, k;
    if (!combinArgs(ev, a, n, k, r))
        return;
    k = std::min(k, n - k);
    if (k > 1000)
        return setNumber(
            r, std::round(std::exp(logFactorial(n) - logFactorial(k) - logFactorial(n - k))));
    double c = 1;
    for (double i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    setNumber(r, std::round(c));
}

void fnCombinA(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double n, k;
    if (!argNumber(ev, a[0], n, r) || !argNumber(ev, a[1], k, r))
        return;
    n = std::trunc(n);
    k = std::trunc(k);
    if (n < 0 || k < 0)
        return setError(r, ErrorCode::Num);
    if (n == 0)
        return setNumber(r, 0);
    if (k == 0)
        return setNumber(r, 1);
    double m = n + k - 1, kk = std::min(k, m - k), c = 1;
    if (kk > 1000)
        return setNumber(
            r, std::round(std::exp(logFactorial(m) - logFactorial(k) - logFactorial(m - k))));
    for (double i = 1; i <= kk; ++i)
        c = c * (m - kk + i) / i;
    setNumber(r, std::round(c));
}

void fnPermut(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double n, k;
    if (!combinArgs(ev, a, n, k, r))
        return;
    if (k > 1000)
        return setNumber(r, std::exp(logFactorial(n) - logFactorial(n - k)));
    double p = 1;
    for (double i = 0; i < k; ++i)
        p *= n - i;
    setNumber(r, p);
}

static double awayToMultiple(double x, double step) {
    // Up in size to the next multiple of `step`, sign kept; 15 digits decide ties.
    double q = std::fabs(x) / step;
    double snapped = roundHalfAway(q, 9);
    double k = std::fabs(snapped - std::round(snapped)) < 1e-9 ? std::round(snapped) : std::ceil(q);
    return std::copysign(k * step, x);
}

void fnEven(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return x == 0 ? 0.0 : awayToMultiple(x, 2); });
}

void fnOdd(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) {
        double ax = std::fabs(x);
        double k = std::ceil(ax);
        if (std::fmod(k, 2) == 0)
            k += 1;
        if (k == 0)
            k = 1;
        return std::copysign(k, x == 0 ? 1.0 : x);
    });
}

void fnMround(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x, m;
    if (!argNumber(ev, a[0], x, r) || !argNumber(ev, a[1], m, r))
        return;
    if (m == 0 || x == 0)
        return setNumber(r, 0);
    setNumber(r, roundHalfAway(x / m, 0) * m);
}

void fnRand(Evaluator&, EvalValue*, int, EvalValue& r) {
    std::uniform_real_distribution<double> d(0.0, 1.0);
    setNumber(r, d(generator()));
}

void fnRandBetween(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double lo, hi;
    if (!argNumber(ev, a[0], lo, r) || !argNumber(ev, a[1], hi, r))
        return;
    lo = std::ceil(lo);
    hi = std::floor(hi);
    if (lo > hi || std::fabs(lo) > 9e15 || std::fabs(hi) > 9e15)
        return setError(r, ErrorCode::Num);
    std::uniform_int_distribution<int64_t> d(static_cast<int64_t>(lo), static_cast<int64_t>(hi));
    setNumber(r, static_cast<double>(d(generator())));
}

void fnSinh(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::sinh(x); });
}
void fnCosh(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::cosh(x); });
}
void fnTanh(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::tanh(x); });
}
void fnAsinh(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::asinh(x); });
}
void fnAcosh(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return x < 1 ? NAN : std::acosh(x); });
}
void fnAtanh(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return std::fabs(x) >= 1 ? NAN : std::atanh(x); });
}

static void reciprocal(Evaluator& ev, EvalValue* a, EvalValue& r, double (*f)(double)) {
    double x;
    if (!argNumber(ev, a[0], x, r))
        return;
    double d = f(x);
    if (d == 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, 1 / d);
}
void fnCot(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    reciprocal(ev, a, r, [](double x) { return std::tan(x); });
}
void fnCoth(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    reciprocal(ev, a, r, [](double x) { return std::tanh(x); });
}
void fnSec(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    reciprocal(ev, a, r, [](double x) { return std::cos(x); });
}
void fnSech(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    reciprocal(ev, a, r, [](double x) { return std::cosh(x); });
}
void fnCsc(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    reciprocal(ev, a, r, [](double x) { return std::sin(x); });
}
void fnCsch(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    reciprocal(ev, a, r, [](double x) { return std::sinh(x); });
}
void fnAcot(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return M_PI / 2 - std::atan(x); });
}
void fnSqrtPi(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    unary(ev, a, r, [](double x) { return x < 0 ? NAN : std::sqrt(x * M_PI); });
}

} // namespace grid::fn
